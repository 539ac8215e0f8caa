// The data layer at a real desk's size, on SQLite and (with OSTREVIA_PG_PUERTO) on PostgreSQL.
// Each data set is generated in one transaction of bulk SQL; then each program path, the data
// functions as the windows call them, is timed next to its floor (the same answer from one plain
// statement on the same engine), best of three, with the ratio and its target:
//  - "Ver" per reason and per category, counts and percentages, one month and two years over
//    100,000 complaints (300 reasons in 20 categories): at most 2x;
//  - the main window's four bar counts over 1,000,000 complaints: at most 1.5x;
//  - the detailed report's data for 10,000 complaints: at most 3x;
//  - contains-searches (surname, DNI, voucher) over 1,000,000 complaints, for a text common and
//    rare: at most 1.5x on PostgreSQL and 2x on SQLite the best plain statement giving the same
//    rows (a walk of the date index stopped at the list's limit, or what the text finds, sorted);
//  - the search window's first list and a one-day period list: under 100 ms;
//  - 10,000 complaints inserted one by one as the entry form does: at most 2x a prepared
//    single-row insert per statement.

#include "Aplicacion.h"
#include "Busquedas.h"
#include "Conexion.h"
#include "Config.h"
#include "Estadisticas.h"
#include "GrillaMemoria.h"
#include "MotorBD.h"
#include "Quejas.h"
#include "Reporte.h"
#include "Sql.h"
#include "Usuarios.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int kQuejasEstadisticas = 100000;
constexpr int kQuejasReporte = 10000;
constexpr int kQuejasGrandes = 1000000;
constexpr int kAltas = 10000;
constexpr int kDiasDeHistoria = 730;

bool g_postgres = false;
int g_fallas = 0;

[[noreturn]] void Fallar(const QString& que)
{
    std::fprintf(stderr, "bench_data: %s\n", qPrintable(que));
    QFile log(Aplicacion::Ruta(QStringLiteral("Errlog.txt")));
    if (log.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s\n", log.readAll().constData());
    std::exit(2);
}

void Sql(const QString& sql)
{
    QSqlQuery q(MotorBD::Conexion());
    if (!q.exec(sql))
        Fallar(q.lastError().text() + QStringLiteral("\n") + sql.left(400));
}

// The floor: runs one statement and reads every value of every row, as a reader would.
int Suelo(const QString& sql)
{
    QSqlQuery q(MotorBD::Conexion());
    q.setForwardOnly(true);
    if (!q.exec(sql))
        Fallar(q.lastError().text() + QStringLiteral("\n") + sql.left(400));
    int filas = 0;
    const int columnas = q.record().count();
    while (q.next()) {
        for (int i = 0; i < columnas; ++i)
            q.value(i);
        ++filas;
    }
    return filas;
}

double Milisegundos(const std::function<void()>& trabajo)
{
    QElapsedTimer t;
    t.start();
    trabajo();
    return t.nsecsElapsed() / 1e6;
}

// The best of three samples. A sample of work shorter than 20 ms is the mean of as many runs as
// fill them, so that a ratio between two paths of a millisecond is not the machine's noise.
double MejorDeTres(const std::function<void()>& trabajo)
{
    double mejor = -1;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        int corridas = 0;
        do {
            trabajo();
            ++corridas;
        } while (t.nsecsElapsed() < 20000000);
        const double muestra = t.nsecsElapsed() / 1e6 / corridas;
        mejor = mejor < 0 ? muestra : std::min(mejor, muestra);
    }
    return mejor;
}

const char* Motor()
{
    return g_postgres ? "PostgreSQL" : "SQLite";
}

void Linea(const char* camino, double programa, double suelo, double tope)
{
    const double razon = programa / suelo;
    const bool bien = razon <= tope;
    g_fallas += bien ? 0 : 1;
    std::printf("%-58s %-10s %10.1f ms %10.1f ms %7.2fx  (<= %.1fx) %s\n", camino, Motor(), programa, suelo, razon,
                tope, bien ? "ok" : "OVER");
    std::fflush(stdout);
}

void LineaAbsoluta(const char* camino, double programa, double tope)
{
    const bool bien = programa < tope;
    g_fallas += bien ? 0 : 1;
    std::printf("%-58s %-10s %10.1f ms %13s %8s  (< %.0f ms) %s\n", camino, Motor(), programa, "-", "-", tope,
                bien ? "ok" : "OVER");
    std::fflush(stdout);
}

void Nota(const char* camino, double programa)
{
    std::printf("%-58s %-10s %10.1f ms   (for comparison, no target)\n", camino, Motor(), programa);
    std::fflush(stdout);
}

QDate Hoy()
{
    return QDate::currentDate();
}
QString DiaPrimero(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}
QString Iso(const QDate& d)
{
    return QLatin1Char('\'') + d.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

// Today minus a whole number of days given by an SQL expression.
QString DiasAtras(const QString& dias)
{
    if (g_postgres)
        return QStringLiteral("(DATE %1 - CAST(%2 AS INTEGER))").arg(Iso(Hoy()), dias);
    return QStringLiteral("date(%1, '-' || (%2) || ' days')").arg(Iso(Hoy()), dias);
}

// One data set in a program folder of its own (SQLite) or a schema of its own (PostgreSQL).
class Base
{
public:
    explicit Base(const QString& nombre) : m_esquema(QStringLiteral("bench_") + nombre)
    {
        Aplicacion::EstablecerCarpeta(m_carpeta.path());
        ConfigActual = RegConfig();
        ConfigActual.Tipo = g_postgres ? MotorBD::Servidor : MotorBD::ArchivoLocal;
        ConfigActual.IP = QStringLiteral("127.0.0.1");
        ConfigActual.Puerto = qEnvironmentVariable("OSTREVIA_PG_PUERTO");
        if (g_postgres) {
            // A schema left over from an interrupted run goes first.
            MotorBD::EstablecerEsquema(m_esquema);
            Conectar();
            Sql(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(m_esquema));
        }
        Conectar();
    }
    ~Base()
    {
        CerrarRs();
        if (g_postgres)
            QSqlQuery(MotorBD::Conexion()).exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_esquema));
        MotorBD::Conexion().close();
        Aplicacion::EstablecerCarpeta(QString());
    }

    // Catalogue, companies, users and n complaints over the last two years, with their place rows
    // (97%), resolutions (80%, three of four closed, one in 25 annulled) and tickets (60%). The
    // surnames are pairs of 50 common ones, each on about 4% of the complaints; one in 20,000
    // has the rare "Ibarguren" for a second one.
    void Generar(int n)
    {
        QElapsedTimer t;
        t.start();
        QSqlDatabase db = MotorBD::Conexion();
        if (!db.transaction())
            Fallar(db.lastError().text());
        const QString numeros =
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
        Sql(numeros.arg(19) + QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) SELECT i, 'Categoría ' || i "
                                             "FROM n"));
        Sql(numeros.arg(300) + QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) SELECT i, 'Causa ' || "
                                              "i, CASE WHEN i % 37 = 0 THEN 1 ELSE 0 END FROM n"));
        // One reason in ten stands in no pair (it goes under the general category); a few stand in two.
        Sql(numeros.arg(300) + QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) SELECT 1 + i % 19, i "
                                              "FROM n WHERE i % 10 <> 0 UNION ALL SELECT 1 + (i + 5) % 19, i FROM n "
                                              "WHERE i % 50 = 1"));
        Sql(numeros.arg(10) + QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) SELECT i, 'Empresa ' || "
                                             "i, '30-' || i FROM n"));
        Sql(numeros.arg(20) + QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, "
                                             "pass) SELECT i, 'u' || i, 'Nombre ' || i, 'Apellido ' || i, 1, '' "
                                             "FROM n"));
        static const char* const kApellidos[] = {
            "Pérez",   "González", "Rodríguez", "Fernández", "López",   "Martínez",  "Sánchez", "Gómez",   "Díaz",
            "Álvarez", "Romero",   "Sosa",      "Torres",    "Ruiz",    "Ramírez",   "Flores",  "Acosta",  "Benítez",
            "Medina",  "Suárez",   "Herrera",   "Aguirre",   "Giménez", "Gutiérrez", "Pereyra", "Rojas",   "Molina",
            "Castro",  "Ortiz",    "Silva",     "Núñez",     "Luna",    "Juárez",    "Cabrera", "Ríos",    "Ferreyra",
            "Godoy",   "Morales",  "Domínguez", "Moreno",    "Peralta", "Vega",      "Carrizo", "Quiroga", "Castillo",
            "Ledesma", "Muñoz",    "Ojeda",     "Ponce",     "Vera"};
        QStringList apellidos;
        for (int i = 0; i < 50; ++i)
            apellidos << QStringLiteral("(%1, %2)").arg(i).arg(SqlTexto(QString::fromUtf8(kApellidos[i])));
        // x is a scrambled i, so that reason, date and names do not march together.
        Sql(numeros.arg(n) +
            QStringLiteral(", s(k, ape) AS (VALUES %1), "
                           "h AS (SELECT i, (i * 2654435761) % 4294967296 AS x FROM n), "
                           "g AS (SELECT i, x, 1 + (x / 7) % 300 AS c FROM h) "
                           "INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, "
                           "Apellido, Nombres, Telefono, Telefono2, Correo, DNI, Contacto, causa, usuario, Empresa, "
                           "Domicilio, Localidad, Provincia, Pais, Importada, NrLib, Mediador, NroQueja) "
                           "SELECT i, %2, '10:15:00', CASE WHEN x % 50 = 0 OR c % 10 = 0 THEN 0 ELSE 1 + c % 19 END, "
                           "1 + x % 5, 'Reclamo ' || i, a.ape || ' ' || CASE WHEN x % 20000 = 7 THEN 'Ibarguren' ELSE "
                           "b.ape END, 'Ana', '0351-4000000', '', "
                           "'ana@example.com', CAST(20000000 + x % 30000000 AS TEXT), '', "
                           "CASE WHEN x % 50 = 0 THEN 0 ELSE c END, 1 + x % 20, 1 + x % 10, 'Calle 123', 'Córdoba', "
                           "'Córdoba', 'Argentina', 0, CASE WHEN x % 10 = 0 THEN 'EXP-' || i ELSE '' END, '', "
                           "CASE WHEN x % 20 = 0 THEN 'R-' || i ELSE '' END "
                           "FROM g JOIN s a ON a.k = (x / 2100) % 50 JOIN s b ON b.k = (x / 105000) % 50")
                .arg(apellidos.join(QStringLiteral(", ")), DiasAtras(QStringLiteral("x % %1").arg(kDiasDeHistoria))));
        Sql(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Lugar, Fecha, Hora, Desde, Hasta, Hora_Serv, Unidad, "
                           "Det_legajos, Tipo_Comprob, Comprobante) SELECT pid, 'Agencia', fecha_queja, '09:00', "
                           "'Córdoba', 'Rosario', '22:15', CAST(3000 + pid % 500 AS TEXT), 'Chofer ' || (pid % 300), "
                           "1, '' FROM Master_Quejas WHERE pid % 33 <> 0"));
        Sql(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Detalle, Cerrada, Anulado, Fecha, Usuario) "
                           "SELECT pid, pid, 'Resuelto', CASE WHEN pid % 4 = 0 THEN 0 ELSE 1 END, "
                           "CASE WHEN pid % 25 = 0 THEN 1 ELSE 0 END, fecha_queja, 1 FROM Master_Quejas "
                           "WHERE pid % 5 <> 0"));
        Sql(QStringLiteral(
            "INSERT INTO Comprobantes_Quejas (PID, T1, T2, T3, Tipo, NrQueja) SELECT pid, 'B-' || "
            "CAST(10000000 + (CAST(pid AS BIGINT) * 7919) % 90000000 AS TEXT), '', '', 1, pid FROM Master_Quejas "
            "WHERE pid % 5 < 3"));
        if (!db.commit())
            Fallar(db.lastError().text());
        // A server that has run for a while has vacuumed and analysed its tables (autovacuum does
        // so after inserts too); a fresh load has not yet.
        if (g_postgres)
            Sql(QStringLiteral("VACUUM ANALYZE Master_Quejas, Lugar_Quejas, Resolucion_quejas, Comprobantes_Quejas, "
                               "Causas_Quejas, Motivos_quejas, RelCatMov_Quejas, Empresas_quejas, Usuarios_Quejas"));
        std::printf("-- %s: %d complaints generated in %.1f s\n", Motor(), n, t.nsecsElapsed() / 1e9);
        std::fflush(stdout);
    }

private:
    static void Conectar()
    {
        BaseConectada = false;
        Reconectar();
        if (!BaseConectada)
            Fallar(QStringLiteral("no connection"));
    }

    QTemporaryDir m_carpeta;
    QString m_esquema;
};

// The period's complaints per reason or category, joined with the catalogue: the figures of
// "Ver" in one statement.
QString SueloConteo(const QString& catalogo, const QString& columna, const QString& desde, const QString& hasta)
{
    return QStringLiteral("SELECT k.Pid, k.Detalle, COALESCE(n.cantidad, 0) FROM %1 k LEFT JOIN (SELECT m.%2 AS "
                          "clave, COUNT(*) AS cantidad FROM Master_Quejas m JOIN Lugar_Quejas l ON l.NroQueja = "
                          "m.pid WHERE l.Fecha >= %3 AND l.Fecha <= %4 GROUP BY m.%2) n ON n.clave = k.Pid "
                          "ORDER BY k.Pid")
        .arg(catalogo, columna, SqlFecha(desde), SqlFecha(hasta));
}

QString SueloPorcentaje(const QString& catalogo, const QString& columna, bool soloConValor, const QString& desde,
                        const QString& hasta)
{
    return QStringLiteral("WITH n AS (SELECT m.%2 AS clave, COUNT(*) AS cantidad FROM Master_Quejas m JOIN "
                          "Lugar_Quejas l ON l.NroQueja = m.pid WHERE l.Fecha >= %3 AND l.Fecha <= %4 GROUP BY "
                          "m.%2) SELECT k.Pid, k.Detalle, ROUND(COALESCE(n.cantidad, 0) * 100.0 / (SELECT "
                          "NULLIF(SUM(cantidad), 0) FROM n%5), 2) FROM %1 k LEFT JOIN n ON n.clave = k.Pid "
                          "ORDER BY k.Pid")
        .arg(catalogo, columna, SqlFecha(desde), SqlFecha(hasta),
             soloConValor ? QStringLiteral(" WHERE clave <> 0") : QString());
}

// The floor of a list by reception date: the best of the plain statements giving its rows, which
// differ only in how they write the order. As the engine places Nulls by itself (there is no
// undated complaint here, so the rows are the same) or Nulls last, a date index can be walked
// and left at the limit; with Nulls put last by an expression, the engine sorts what the text
// finds, by its trigrams or in one pass over the table. A common text is found fastest the first
// way, a rare one often the other.
double SueloPorFecha(const QString& seleccion, int limite)
{
    static const char* const kOrdenes[] = {
        " ORDER BY Fecha_Queja DESC, PID DESC",
        " ORDER BY Fecha_Queja DESC NULLS LAST, PID DESC",
        " ORDER BY Fecha_Queja IS NULL, Fecha_Queja DESC, PID DESC",
    };
    double mejor = -1;
    for (const char* orden : kOrdenes) {
        const QString sql = seleccion + QLatin1String(orden) + QStringLiteral(" LIMIT ") + QString::number(limite);
        const double t = MejorDeTres([&] { Suelo(sql); });
        mejor = mejor < 0 ? t : std::min(mejor, t);
    }
    return mejor;
}

void Estadisticas()
{
    Base base(QStringLiteral("estadisticas"));
    base.Generar(kQuejasEstadisticas);
    const QString hoy = DiaPrimero(Hoy());
    struct Periodo
    {
        const char* nombre;
        QString desde;
    };
    const Periodo periodos[] = {{"one month", DiaPrimero(Hoy().addDays(-30))},
                                {"two years", DiaPrimero(Hoy().addDays(1 - kDiasDeHistoria))}};
    for (const Periodo& p : periodos) {
        const QString d = p.desde;
        const auto linea = [&](const char* que, const std::function<void()>& programa, const QString& suelo) {
            const QString camino = QStringLiteral("\"Ver\" %1, %2").arg(QLatin1String(que), QLatin1String(p.nombre));
            Linea(qPrintable(camino), MejorDeTres(programa), MejorDeTres([&] { Suelo(suelo); }), 2.0);
        };
        linea(
            "per reason, counts", [&] { ContarPorCausa(d, hoy); },
            SueloConteo(QStringLiteral("Causas_Quejas"), QStringLiteral("causa"), d, hoy));
        linea(
            "per reason, percentages", [&] { PorcentajePorCausa(d, hoy); },
            SueloPorcentaje(QStringLiteral("Causas_Quejas"), QStringLiteral("causa"), true, d, hoy));
        linea(
            "per category, counts", [&] { ContarPorMotivo(d, hoy); },
            SueloConteo(QStringLiteral("Motivos_quejas"), QStringLiteral("motivo"), d, hoy));
        linea(
            "per category, percentages", [&] { PorcentajePorMotivo(d, hoy); },
            SueloPorcentaje(QStringLiteral("Motivos_quejas"), QStringLiteral("motivo"), false, d, hoy));
    }
}

void Reporte()
{
    Base base(QStringLiteral("reporte"));
    base.Generar(kQuejasReporte);
    const QString desde = DiaPrimero(Hoy().addDays(1 - kDiasDeHistoria));
    const QString hasta = DiaPrimero(Hoy());
    // As the report reads them: the skeleton, the period, then every reason node in tree order.
    // The whole report with its workbook is bench_report's.
    const double programa = MejorDeTres([&] {
        RegArbolReporte arbol = GetRelaciones();
        const ReportePeriodo periodo = GetReportePeriodo(desde, hasta);
        for (RegCategoriaReporte& c : arbol.Categorias)
            for (RegCausaReporte& r : c.Causas)
                r = periodo.Causa(r.Pid, r.Detalle);
    });
    const QString suelo =
        QStringLiteral("SELECT m.causa, m.Pid, m.Empresa, m.usuario, l.Fecha, l.Hora_Serv, l.Desde, l.Hasta, "
                       "l.Unidad, l.Det_legajos, e.Detalle, u.Apellido, u.Nombres FROM Master_Quejas m JOIN "
                       "Lugar_Quejas l ON l.NroQueja = m.pid LEFT JOIN Empresas_quejas e ON e.PID = m.Empresa LEFT "
                       "JOIN Usuarios_Quejas u ON u.Pid = m.usuario WHERE l.Fecha >= %1 AND l.Fecha <= %2 ORDER BY "
                       "m.causa, m.pid")
            .arg(SqlFecha(desde), SqlFecha(hasta));
    Linea("detailed-report data, 10,000 complaints", programa, MejorDeTres([&] { Suelo(suelo); }), 3.0);
}

void Grande()
{
    Base base(QStringLiteral("grande"));
    base.Generar(kQuejasGrandes);
    GrillaMemoria grilla;

    // The main window's bars: the last 31 days.
    const QString d1 = DiaPrimero(Hoy().addDays(-31));
    const QString d2 = DiaPrimero(Hoy());
    // A complaint has at most one resolution row (a key on IDQueja), so one outer join counts
    // the four figures.
    const QString sueloBarras =
        QStringLiteral("SELECT COUNT(*), SUM(CASE WHEN r.Cerrada = 0 THEN 1 ELSE 0 END), SUM(CASE WHEN r.Cerrada = 1 "
                       "THEN 1 ELSE 0 END), SUM(CASE WHEN r.IDQueja IS NULL THEN 1 ELSE 0 END) FROM Lugar_Quejas l "
                       "JOIN Master_Quejas m ON m.pid = l.NroQueja LEFT JOIN Resolucion_quejas r ON r.IDQueja = "
                       "m.pid WHERE l.Fecha >= %1 AND l.Fecha <= %2")
            .arg(SqlFecha(d1), SqlFecha(d2));
    Linea("main window bars, four counts (1,000,000)", MejorDeTres([&] { ContarEstados(d1, d2); }),
          MejorDeTres([&] { Suelo(sueloBarras); }), 1.5);
    Nota("main window bars, 3 x 4 ContarPorEstado (1,000,000)", Milisegundos([&] {
             for (int barra = 0; barra < 3; ++barra)
                 for (qint16 tipo : {2, 1, 0, 3})
                     ContarPorEstado(d1, d2, tipo);
         }));

    // Contains-searches as the search window runs them. A common text fills the list from the
    // first days walked; a rare one must be looked for in every complaint.
    const double topeBusqueda = g_postgres ? 1.5 : 2.0;
    const QString cinco = QStringLiteral("SELECT PID, Fecha_Queja, Hora_Queja, Apellido, Nombres, DNI FROM "
                                         "Master_Quejas WHERE %1 LIKE '%%2%'");
    Linea("surname contains-search, common \"nunez\" (1,000,000)",
          MejorDeTres([&] { BuscarQuejas(1, QStringLiteral("nunez"), grilla); }),
          SueloPorFecha(cinco.arg(QStringLiteral("busca_apellido"), QStringLiteral("nunez")), 100), topeBusqueda);
    Linea("surname contains-search, rare \"ibarguren\" (1,000,000)",
          MejorDeTres([&] { BuscarQuejas(1, QStringLiteral("ibarguren"), grilla); }),
          SueloPorFecha(cinco.arg(QStringLiteral("busca_apellido"), QStringLiteral("ibarguren")), 100), topeBusqueda);
    Linea("DNI contains-search, rare \"31415\" (1,000,000)",
          MejorDeTres([&] { BuscarQuejas(0, QStringLiteral("31415"), grilla); }),
          SueloPorFecha(cinco.arg(QStringLiteral("busca_dni"), QStringLiteral("31415")), 100), topeBusqueda);
    Linea("voucher contains-search, rare \"44556\" (1,000,000)",
          MejorDeTres([&] { BuscarQuejasComprobante(1, QStringLiteral("44556"), QString(), QString(), grilla); }),
          SueloPorFecha(QStringLiteral("SELECT PID, Fecha_Queja, Hora_Queja, Apellido, Nombres FROM Master_Quejas "
                                       "WHERE pid IN (SELECT NrQueja FROM Comprobantes_Quejas WHERE tipo = 1 AND "
                                       "busca_t1 LIKE '%44556%')"),
                        1000),
          topeBusqueda);

    LineaAbsoluta("search window's first list, 100 latest open (1,000,000)",
                  MejorDeTres([&] { ListarQuejas(grilla, 100, false); }), 100);
    const QString dia = DiaPrimero(Hoy().addDays(-10));
    LineaAbsoluta("period list of one day (1,000,000)", MejorDeTres([&] { ListarQuejasPeriodo(grilla, dia, dia); }),
                  100);

    // The entry form's insert, one complaint at a time, next to a prepared single-row insert.
    UsuarioActual.Pid = 1;
    RegQueja q = QuejaVacia();
    q.fecha_queja = DiaPrimero(Hoy());
    q.hora_queja = QStringLiteral("11:20:00");
    q.motivo = 3;
    q.causa = 22;
    q.tipo_queja = 1;
    q.detalle = QStringLiteral("Demora en la salida");
    q.Apellido = QStringLiteral("Ibáñez Ríos");
    q.Nombres = QStringLiteral("Lucía");
    q.DNI = QStringLiteral("30111222");
    q.Empresa.PID = 2;
    QSqlQuery alta(MotorBD::Conexion());
    alta.prepare(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, "
                                "Apellido, Nombres, Telefono, Telefono2, Correo, DNI, Contacto, causa, usuario, "
                                "Empresa, Domicilio, Localidad, Provincia, Pais, Importada, NrLib, Mediador) VALUES "
                                "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QVariant fecha(Hoy());
    // The two take turns a thousand rows at a time, so that a change in the machine's load falls
    // on both. The floor's keys are negative: they never become the highest the form reads.
    double programa = 0;
    double suelo = 0;
    for (int tanda = 0; tanda < kAltas; tanda += 1000) {
        programa += Milisegundos([&] {
            for (int i = 0; i < 1000; ++i)
                AgregarQueja(q);
        });
        suelo += Milisegundos([&] {
            for (int i = tanda; i < tanda + 1000; ++i) {
                const QVariant valores[] = {
                    -1 - i,    fecha,         q.hora_queja, q.motivo,  q.tipo_queja, q.detalle, q.Apellido,
                    q.Nombres, QString(),     QString(),    QString(), q.DNI,        QString(), q.causa,
                    1,         q.Empresa.PID, QString(),    QString(), QString(),    QString(), 0,
                    QString(), QString()};
                for (int c = 0; c < 23; ++c)
                    alta.bindValue(c, valores[c]);
                if (!alta.exec())
                    Fallar(alta.lastError().text());
            }
        });
    }
    Linea("10,000 complaints inserted one by one (1,000,000)", programa, suelo, 2.0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Aplicacion::EstablecerTerminar([] { Fallar(QStringLiteral("a statement failed and the program would end")); });
    const bool conServidor = !qEnvironmentVariableIsEmpty("OSTREVIA_PG_PUERTO");
    if (!conServidor)
        std::printf("OSTREVIA_PG_PUERTO is not set: SQLite only\n");
    std::printf("%-58s %-10s %13s %13s %8s\n", "path", "engine", "program", "floor", "ratio");
    for (bool postgres : {false, true}) {
        if (postgres && !conServidor)
            continue;
        g_postgres = postgres;
        Estadisticas();
        Reporte();
        Grande();
    }
    std::printf(g_fallas == 0 ? "every line within its target\n" : "%d line(s) over target\n", g_fallas);
    return g_fallas == 0 ? 0 : 1;
}
