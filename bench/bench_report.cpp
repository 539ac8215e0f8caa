// The detailed report and the complaint workbook against their targets:
//  - a period of 10,000 complaints over 300 reasons in 20 categories (about 70,000 sheet rows and
//    100,000 merged ranges): data reads plus workbook under 3 s, on SQLite and, when
//    OSTREVIA_PG_PUERTO names a server, on PostgreSQL; the floor is the data reads alone;
//  - the complaint workbook filled and saved under 0.3 s; the floor is the template opened and
//    saved unchanged.

#include "Aplicacion.h"
#include "Conexion.h"
#include "Config.h"
#include "Excel.h"
#include "ExportarReclamo.h"
#include "MotorBD.h"
#include "ReporteDetallado.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kQuejas = 10000;
constexpr int kCausas = 300;
constexpr int kCategorias = 20;
constexpr double kMetaReporte = 3.0;
constexpr double kMetaReclamo = 0.3;

void Fallar(const char* paso, const QString& detalle)
{
    std::fprintf(stderr, "%s: %s\n", paso, qPrintable(detalle));
    std::exit(2);
}

void Sql(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        Fallar("setup", q.lastError().text() + QStringLiteral(" in ") + sql.left(200));
}

// The catalogue, five companies and users, and the complaints with their place rows, in one
// transaction; complaint 1 also gets vouchers and a resolution for the complaint workbook.
void Cargar()
{
    QSqlDatabase db = MotorBD::Conexion();
    QSqlQuery q(db);
    db.transaction();
    for (int m = 1; m <= kCategorias; ++m)
        Sql(q, QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) VALUES (%1, 'Categoría %1')").arg(m));
    for (int c = 1; c <= kCausas; ++c) {
        Sql(q, QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle) VALUES (%1, 'Causa de reclamo %1')").arg(c));
        Sql(q, QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (%1, %2)")
                   .arg(c % kCategorias + 1)
                   .arg(c));
    }
    for (int i = 1; i <= 5; ++i) {
        Sql(q, QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (%1, 'Empresa de viajes %1', "
                              "'30-7000000%1-9')")
                   .arg(i));
        Sql(q, QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel) VALUES "
                              "(%1, 'op%1', 'Operador %1', 'Apellido%1', 1)")
                   .arg(i));
    }
    for (int k = 1; k <= kQuejas; ++k) {
        const int dia = k % 28 + 1;
        Sql(q, QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, "
                              "Apellido, Nombres, Telefono, DNI, causa, usuario, Empresa, NrLib) VALUES (%1, "
                              "'2024-03-%2', '10:%3:00', %4, 1, 'El coche salió con %3 minutos de demora y no "
                              "avisaron a los pasajeros', 'Apellido %1', 'Nombre %1', '011-4000-%1', '%5', %6, %7, "
                              "%8, 'L-%1')")
                   .arg(k)
                   .arg(dia, 2, 10, QLatin1Char('0'))
                   .arg(k % 60, 2, 10, QLatin1Char('0'))
                   .arg(k % kCategorias + 1)
                   .arg(20000000 + k)
                   .arg(k % kCausas + 1)
                   .arg(k % 5 + 1)
                   .arg(k % 5 + 1));
        Sql(q, QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Lugar, Det_Lugar, Fecha, Dato3, Dato4, Dato5, "
                              "Desde, Hasta, Hora_Serv, Unidad, Det_legajos) VALUES (%1, '2', '%2', '2024-03-%3', "
                              "'Empresa de viajes 1', 'AB%2CD', '46', 'Terminal Retiro', 'Mar del Plata', '22:30', "
                              "'%2', 'Chofer Gómez, legajo %1')")
                   .arg(k)
                   .arg(3000 + k % 400)
                   .arg(k % 28 + 1, 2, 10, QLatin1Char('0')));
    }
    for (int v = 1; v <= 8; ++v)
        Sql(q, QStringLiteral("INSERT INTO Comprobantes_Quejas (PID, T1, T2, T3, Tipo, NrQueja) VALUES (%1, "
                              "'0001-000123%1', '', '', %2, 1)")
                   .arg(v)
                   .arg(v % 2 + 1));
    Sql(q, QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Detalle, Sancion, Monto, Fecha, Cerrada, "
                          "Usuario, supervisor, Anulado) VALUES (1, 1, 'Se reintegró el pasaje', 'Apercibimiento', "
                          "'15000', '2024-03-20', 1, 1, 'Supervisor Díaz', 0)"));
    if (!db.commit())
        Fallar("setup", db.lastError().text());
}

struct Tiempos
{
    double programa = 0;
    double piso = 0;
};

void Informar(const char* trabajo, const Tiempos& t, double meta)
{
    std::printf("%-46s program %7.3f s   floor %7.3f s   ratio %6.2f   target < %.1f s: %s\n", trabajo, t.programa,
                t.piso, t.piso > 0 ? t.programa / t.piso : 0.0, meta, t.programa < meta ? "met" : "MISSED");
}

Tiempos Reporte()
{
    QElapsedTimer reloj;
    reloj.start();
    RegArbolReporte arbol;
    if (!LeerReporteDetallado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), arbol, [] { return true; }))
        Fallar("report", QStringLiteral("the reads stopped"));
    const double lectura = reloj.nsecsElapsed() / 1e9;
    const QString ruta = EscribirReporteDetallado(arbol, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    const double total = reloj.nsecsElapsed() / 1e9;
    if (ruta.isEmpty())
        Fallar("report", QStringLiteral("no workbook"));
    int quejas = 0;
    for (const RegCategoriaReporte& c : arbol.Categorias)
        for (const RegCausaReporte& r : c.Causas)
            quejas += r.Quejas.size();
    std::printf("  %d complaints, workbook %.1f MB, of which writing and saving %.3f s\n", quejas,
                QFile(ruta).size() / 1e6, total - lectura);
    return {total, lectura};
}

Tiempos Reclamo()
{
    QElapsedTimer reloj;
    reloj.start();
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(Aplicacion::Ruta(QStringLiteral("iac.xlsx")));
        libro->SaveAs(Aplicacion::Ruta(QStringLiteral("temp/piso")));
    }
    const double piso = reloj.nsecsElapsed() / 1e9;
    reloj.restart();
    if (ExportarReclamo(1).isEmpty())
        Fallar("complaint", QStringLiteral("no workbook"));
    return {reloj.nsecsElapsed() / 1e9, piso};
}

void Medir(MotorBD::Tipo tipo, const char* motor)
{
    ConfigActual = RegConfig();
    ConfigActual.Tipo = static_cast<qint16>(tipo);
    QString esquema;
    if (tipo == MotorBD::Servidor) {
        ConfigActual.IP = QStringLiteral("127.0.0.1");
        ConfigActual.Puerto = qEnvironmentVariable("OSTREVIA_PG_PUERTO");
        esquema = QStringLiteral("bench_report_%1").arg(QCoreApplication::applicationPid());
        MotorBD::EstablecerEsquema(esquema);
    }
    Reconectar();
    if (!BaseConectada)
        Fallar(motor, QStringLiteral("no connection"));
    Cargar();
    std::printf("%s\n", motor);
    Informar("detailed report (reads + workbook; floor reads)", Reporte(), kMetaReporte);
    Informar("complaint workbook (floor: open and save)", Reclamo(), kMetaReclamo);
    if (!esquema.isEmpty()) {
        QSqlQuery q(MotorBD::Conexion());
        q.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(esquema));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The complaint workbook shows the progress window; no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    Excel::EstablecerAbridor([](const QString&) { return true; });

    for (const MotorBD::Tipo tipo : {MotorBD::ArchivoLocal, MotorBD::Servidor}) {
        const bool servidor = tipo == MotorBD::Servidor;
        if (servidor && qEnvironmentVariableIsEmpty("OSTREVIA_PG_PUERTO")) {
            std::printf("PostgreSQL: skipped (set OSTREVIA_PG_PUERTO to the port of a server)\n");
            continue;
        }
        QTemporaryDir carpeta;
        Aplicacion::EstablecerCarpeta(carpeta.path());
        QDir().mkpath(carpeta.filePath(QStringLiteral("bd")));
        for (const char* plantilla : {"imd.xlsx", "iac.xlsx"})
            if (!QFile::copy(QStringLiteral(OSTREVIA_PLANTILLAS "/") + QLatin1String(plantilla),
                             carpeta.filePath(QLatin1String(plantilla))))
                Fallar("setup", QStringLiteral("no template ") + QLatin1String(plantilla));
        Medir(tipo, servidor ? "PostgreSQL" : "SQLite");
    }
    return 0;
}
