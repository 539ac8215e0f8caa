// The spreadsheet imports against their targets, on generated legacy workbooks (29,567 complaint
// rows in imp.xlsx, columns A to AN; 16,421 follow-up rows in seg.xlsx):
//  - "Importar pasos 1-2 y 4" into an empty database: under 30 s on SQLite, 60 s on PostgreSQL;
//  - stage 1 again over the same workbook (every complaint exists): under 5 s;
//  - the follow-up import: under 15 s;
//  - peak memory of the importing process: under 300 MB.
// Each engine runs in a fresh process of this program so that its peak memory is its own.
// PostgreSQL is measured when OSTREVIA_PG_PUERTO names a server on loopback (as ./dev test
// starts one). The floor of a stage is reading the sheet plus the same number of rows written
// by bare inserts in one transaction: what any import of these rows must pay.

#include "Aplicacion.h"
#include "Comun.h"
#include "Conexion.h"
#include "Config.h"
#include "Dialogos.h"
#include "Importaciones.h"
#include "LectorHoja.h"
#include "MotorBD.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <string>
#include <xlsxwriter.h>

namespace {

constexpr int kFilasImp = 29567;
constexpr int kFilasSeg = 16421;
constexpr int kColumnasImp = 40;
constexpr int kCoches = 300;
constexpr int kPrimerCoche = 1000;

const char* const kApellidos[] = {"Pérez",   "Gómez", "O'Neill", "Díaz",   "D'Angelo",  "Sosa",
                                  "Benítez", "Núñez", "Romero",  "Suárez", "Fernández", "Acuña"};
const char* const kNombres[] = {"Juan", "Ana", "María", "José", "Luis", "Lucía", "Martín", "Inés", "Ramón", "Sofía"};
const char* const kCiudades[] = {"Córdoba", "Rosario", "Mendoza", "San Luis", "Río Cuarto", "Villa María", "Tucumán"};
const char* const kOperadores[] = {"Vera, Luis",   "Gómez, Ana", "Ibáñez, Raúl", "Luna, Paz",   "Ortiz, Mía",
                                   "Quiroga, Noé", "Ríos, Eva",  "Sáenz, Ciro",  "Toledo, Sol", "Zárate, Leo"};

// Legacy complaint rows, one per complaint, columns A to AN as the imports read them.
void LlenarImp(lxw_workbook* libro, lxw_worksheet* hoja)
{
    std::mt19937 azar(20120101);
    auto dado = [&](int caras) { return int(azar() % unsigned(caras)); };
    lxw_format* fecha = workbook_add_format(libro);
    format_set_num_format(fecha, "dd/mm/yyyy");
    lxw_format* hora = workbook_add_format(libro);
    format_set_num_format(hora, "hh:mm");
    char t[512];
    auto texto = [&](lxw_row_t r, int c, const std::string& s) {
        worksheet_write_string(hoja, r, lxw_col_t(c), s.c_str(), nullptr);
    };
    auto numero = [&](lxw_row_t r, int c, double v) { worksheet_write_number(hoja, r, lxw_col_t(c), v, nullptr); };
    auto diaSerial = [&] { return 40179.0 + dado(3650); }; // 2010 to 2019
    auto fechaTexto = [&] {
        std::snprintf(t, sizeof t, "%d/%d/%d", 1 + dado(28), 1 + dado(12), 2010 + dado(10));
        return std::string(t);
    };
    for (int c = 0; c < kColumnasImp; ++c) {
        std::snprintf(t, sizeof t, "Columna %d", c + 1);
        texto(0, c, t);
    }
    for (int f = 1; f <= kFilasImp; ++f) {
        const lxw_row_t r = lxw_row_t(f);
        numero(r, 0, 1000 + f); // A
        std::string nombre = kApellidos[dado(12)];
        for (int i = 0, n = 1 + dado(5); i < n; ++i)
            nombre += std::string(" ") + kNombres[dado(10)];
        texto(r, 1, nombre);                                          // B: two to six words
        numero(r, 2, 20000000 + dado(25000000));                      // C
        texto(r, 3, "351 " + std::to_string(4000000 + dado(999999))); // D
        texto(r, 4, std::string("Av. San Martín ") + std::to_string(dado(3000)));
        texto(r, 5, kCiudades[dado(7)]);
        const int marca = dado(6); // G to K: one flag or none
        for (int c = 6; c <= 10; ++c)
            if (c - 6 == marca)
                numero(r, c, 1);
            else if (dado(2))
                numero(r, c, 0);
        texto(r, 11, "sin uso");
        texto(r, 12, "sin uso");
        worksheet_write_number(hoja, r, 13, diaSerial(), fecha); // N
        switch (dado(10)) {                                      // O: reception date
        case 0: texto(r, 14, "s/d"); break;
        case 1:
        case 2: texto(r, 14, fechaTexto()); break;
        default: worksheet_write_number(hoja, r, 14, diaSerial(), fecha);
        }
        switch (dado(10)) { // P: event date
        case 0: break;
        case 1: texto(r, 15, "ignorada"); break;
        case 2:
        case 3: texto(r, 15, fechaTexto()); break;
        default: worksheet_write_number(hoja, r, 15, diaSerial(), fecha);
        }
        if (dado(3))
            worksheet_write_number(hoja, r, 16, dado(1440) / 1440.0, hora); // Q
        else
            texto(r, 16, std::to_string(dado(24)) + ":" + std::to_string(10 + dado(50)));
        texto(r, 17, kCiudades[dado(7)]);
        texto(r, 18, kCiudades[dado(7)]);
        switch (dado(10)) { // T: coaches that exist, numbers that match none, places
        case 0:
        case 1: texto(r, 19, "Agencia Terminal"); break;
        case 2:
        case 3:
        case 4: numero(r, 19, 5000 + dado(1000)); break;
        default: numero(r, 19, kPrimerCoche + dado(kCoches));
        }
        texto(r, 20, dado(2) ? "Plataforma" : "Boletería");
        if (dado(3) == 0)
            texto(r, 21, "EQ-" + std::to_string(dado(99999))); // V
        if (dado(5) < 3)
            texto(r, 22, "BOL-" + std::to_string(dado(999999))); // W
        texto(r, 23, std::string("Chofer ") + kApellidos[dado(12)]);
        texto(r, 24, std::to_string(1000 + dado(9000)));
        std::snprintf(t, sizeof t,
                      "El pasajero reclamó que el micro salió %d minutos tarde de la terminal de %s; "
                      "dice que el chofer le contestó 'no es mi problema' y que perdió la conexión.",
                      5 + dado(120), kCiudades[dado(7)]);
        texto(r, 25, t); // Z
        if (dado(20))
            texto(r, 26, "Motivo " + std::to_string(dado(40))); // AA
        if (dado(5))
            texto(r, 27, kOperadores[dado(10)]); // AB
        if (dado(5) < 2)
            texto(r, 28, std::string("Supervisor ") + kApellidos[dado(12)]); // AC
        if (dado(2))
            texto(r, 29, "Se contactó al pasajero y se le ofreció un 'voucher' de compensación.");
        if (dado(5) < 2)
            worksheet_write_number(hoja, r, 30, diaSerial(), fecha); // AE
        texto(r, 31, dado(3) ? "0" : std::to_string(500 * (1 + dado(10))));
        if (dado(2))
            worksheet_write_number(hoja, r, 32, diaSerial(), fecha); // AG
        numero(r, 33, dado(2));                                      // AH
        if (dado(4) == 0)
            texto(r, 34, "Apercibimiento");
        if (dado(3))
            texto(r, 35, kOperadores[dado(10)]); // AJ
        texto(r, 36, "sin uso");
        texto(r, 37, "sin uso");
        texto(r, 38, "sin uso");
        if (dado(2))
            texto(r, 39, "EXP-" + std::to_string(10000 + f)); // AN
    }
}

// Legacy follow-ups: the complaint in B, text, date and operator.
void LlenarSeg(lxw_workbook* libro, lxw_worksheet* hoja)
{
    std::mt19937 azar(20120102);
    auto dado = [&](int caras) { return int(azar() % unsigned(caras)); };
    lxw_format* fecha = workbook_add_format(libro);
    format_set_num_format(fecha, "dd/mm/yyyy");
    char t[256];
    for (int c = 0; c < 6; ++c)
        worksheet_write_string(hoja, 0, lxw_col_t(c), "Columna", nullptr);
    for (int f = 1; f <= kFilasSeg; ++f) {
        const lxw_row_t r = lxw_row_t(f);
        worksheet_write_number(hoja, r, 0, f, nullptr);
        worksheet_write_number(hoja, r, 1, 1001 + dado(kFilasImp), nullptr);
        std::snprintf(t, sizeof t, "Se llamó al pasajero (%d); respondió que 'lo pensará' y pidió más información.", f);
        worksheet_write_string(hoja, r, 2, t, nullptr);
        worksheet_write_number(hoja, r, 3, 40179.0 + dado(3650), fecha);
        worksheet_write_string(hoja, r, 4, "sin uso", nullptr);
        worksheet_write_string(hoja, r, 5, kOperadores[dado(10)], nullptr);
    }
}

// Answers yes to every question and notes when each was asked: the stages' boundaries.
class Respuestas : public Dialogos
{
public:
    Respuesta MsgBox(const QString& texto, Botones botones, Icono, const QString&) override
    {
        if (botones != Botones::SiNo) {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(texto));
            return Respuesta::Aceptar;
        }
        preguntas.append(reloj.nsecsElapsed() / 1e9);
        return respuestas.isEmpty() || respuestas.takeFirst() ? Respuesta::Si : Respuesta::No;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return QString(); }

    QElapsedTimer reloj;
    QVector<double> preguntas;
    QList<bool> respuestas;
};

void Ejecutar(const QString& sql)
{
    if (!EjecutarQuery(sql)) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(sql));
        std::exit(3);
    }
}

qint32 Contar(const char* tabla)
{
    return LeerFila(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(tabla), [] { return Rs.Entero32(0); })
        .value_or(0);
}

// Users, companies and coaches, as the master tables of a desk hold them.
void Maestros()
{
    for (int i = 0; i < 10; ++i) {
        const QStringList partes = QString::fromUtf8(kOperadores[i]).split(QStringLiteral(", "));
        Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                                "(%1, 'u%1', '%2', '%3', 1, '')")
                     .arg(i + 1)
                     .arg(partes.value(1), partes.value(0)));
    }
    for (int e = 1; e <= 5; ++e)
        Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (%1, 'Empresa %1', '30-%1')")
                     .arg(e));
    for (int c = 0; c < kCoches; ++c)
        Ejecutar(QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) "
                                "VALUES (%1, %2, %3, 46, 'AB%1CD')")
                     .arg(c + 1)
                     .arg(kPrimerCoche + c)
                     .arg(1 + c % 5));
}

double LeerHoja(const QString& ruta)
{
    QElapsedTimer t;
    t.start();
    xlsx::LectorHoja hoja(ruta);
    qint64 caracteres = 0;
    for (int f = 2; f <= hoja.UltimaFila(); ++f)
        for (int c = 1; c <= kColumnasImp; ++c)
            caracteres += hoja.Texto(xlsx::Celda{f, c}).size();
    return caracteres > 0 ? t.nsecsElapsed() / 1e9 : 0;
}

// Bare inserts of n rows of about as many columns, in one transaction.
double InsertarSinMas(int n, int columnas)
{
    QSqlDatabase db = MotorBD::Conexion();
    QSqlQuery q(db);
    QStringList definicion, valores;
    for (int c = 0; c < columnas; ++c) {
        definicion << QStringLiteral("c%1 TEXT").arg(c);
        valores << QStringLiteral("'un texto de prueba %1'").arg(c);
    }
    q.exec(QStringLiteral("DROP TABLE IF EXISTS piso_bench"));
    q.exec(QStringLiteral("CREATE TABLE piso_bench (id INTEGER PRIMARY KEY, %1)").arg(definicion.join(", ")));
    QElapsedTimer t;
    t.start();
    db.transaction();
    for (int i = 0; i < n; ++i) {
        QSqlQuery x(db);
        x.exec(QStringLiteral("INSERT INTO piso_bench VALUES (%1, %2)").arg(i).arg(valores.join(", ")));
    }
    db.commit();
    return t.nsecsElapsed() / 1e9;
}

void Linea(const char* trabajo, double segundos, int filas, double piso)
{
    std::printf("  %-40s %8.2f s  %7.0f rows/s   floor %6.2f s  ratio %5.2f\n", trabajo, segundos, filas / segundos,
                piso, segundos / piso);
}

void Meta(const char* que, double valor, const char* unidad, double meta)
{
    std::printf("  %-40s %8.2f %s  target < %.0f %s: %s\n", que, valor, unidad, meta, unidad,
                valor < meta ? "met" : "MISSED");
}

// Child process: one engine, the imports as the menu runs them.
int Importar(int motor, const QString& carpeta, const QString& imp, const QString& seg)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nombre[] = "bench_import";
    char* argv[] = {nombre, nullptr};
    QApplication app(argc, argv);
    Aplicacion::EstablecerCarpeta(carpeta);
    auto respuestas = std::make_shared<Respuestas>();
    EstablecerDialogos(respuestas);
    ConfigActual.Tipo = qint16(motor);
    if (motor == MotorBD::Servidor) {
        ConfigActual.IP = QStringLiteral("127.0.0.1");
        ConfigActual.Puerto = qEnvironmentVariable("OSTREVIA_PG_PUERTO");
        MotorBD::EstablecerEsquema(QStringLiteral("bench_import_%1").arg(QCoreApplication::applicationPid()));
    }
    Reconectar();
    if (!BaseConectada)
        return 4;
    Maestros();

    const double lectura = LeerHoja(imp);

    respuestas->reloj.start();
    ImportarNovedades(imp);
    const double fin = respuestas->reloj.nsecsElapsed() / 1e9;
    const QVector<double> p = respuestas->preguntas;
    if (p.size() != 3)
        return 5;
    const double etapa1 = p[1] - p[0], etapa2 = p[2] - p[1], etapa3 = fin - p[2];
    const int quejas = Contar("Master_Quejas"), lugares = Contar("Lugar_Quejas"),
              resoluciones = Contar("Resolucion_quejas");

    respuestas->preguntas.clear();
    respuestas->respuestas = {true, false, false};
    respuestas->reloj.restart();
    ImportarNovedades(imp);
    const double otraVez = respuestas->preguntas.value(1);

    QElapsedTimer t;
    t.start();
    ImportarSeguimientos(seg);
    const double seguimientos = t.nsecsElapsed() / 1e9;
    const int filasSeg = Contar("Seguimiento_quejas");

    const double piso1 = lectura + InsertarSinMas(quejas, 21);
    const double piso2 = lectura + InsertarSinMas(lugares, 19);
    const double piso3 = lectura + InsertarSinMas(resoluciones, 10);
    const double pisoSeg = LeerHoja(seg) + InsertarSinMas(filasSeg, 6);
    QSqlQuery(MotorBD::Conexion()).exec(QStringLiteral("DROP TABLE IF EXISTS piso_bench"));
    if (motor == MotorBD::Servidor)
        QSqlQuery(MotorBD::Conexion())
            .exec(QStringLiteral("DROP SCHEMA bench_import_%1 CASCADE").arg(QCoreApplication::applicationPid()));

    std::printf("%s\n", motor == MotorBD::Servidor ? "PostgreSQL on loopback" : "SQLite (local file)");
    std::printf("  %-40s %8.2f s  (%d rows x %d columns)\n", "reading imp.xlsx alone", lectura, kFilasImp,
                kColumnasImp);
    Linea("stage 1: complaints", etapa1, kFilasImp, piso1);
    Linea("stage 2: places", etapa2, kFilasImp, piso2);
    Linea("stage 3: resolutions", etapa3, kFilasImp, piso3);
    std::printf("  rows written: %d complaints, %d places, %d resolutions, %d follow-ups: %s\n", quejas, lugares,
                resoluciones, filasSeg, quejas == kFilasImp && filasSeg == kFilasSeg ? "all" : "ROWS MISSING");
    Meta("\"Importar pasos 1-2 y 4\"", etapa1 + etapa2 + etapa3, "s", motor == MotorBD::Servidor ? 60 : 30);
    std::printf("  %-40s %8.2f s  floor %6.2f s  ratio %5.2f\n", "", etapa1 + etapa2 + etapa3, piso1 + piso2 + piso3,
                (etapa1 + etapa2 + etapa3) / (piso1 + piso2 + piso3));
    Meta("stage 1 again, every complaint present", otraVez, "s", 5);
    std::printf("  %-40s %8.2f s  floor %6.2f s  ratio %5.2f\n", "", otraVez, lectura, otraVez / lectura);
    Meta("follow-ups (seg.xlsx)", seguimientos, "s", 15);
    Linea("", seguimientos, kFilasSeg, pisoSeg);
    Meta("peak memory", PicoDeMemoriaKb() / 1024.0, "MB", 300);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::string(argv[1]) == "--importar")
        return Importar(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                        QString::fromLocal8Bit(argv[5]));

    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    const QString imp = carpeta.filePath(QStringLiteral("imp.xlsx"));
    const QString seg = carpeta.filePath(QStringLiteral("seg.xlsx"));
    Crear(imp, LlenarImp);
    Crear(seg, LlenarSeg);

    QVector<int> motores{MotorBD::ArchivoLocal};
    if (!qEnvironmentVariableIsEmpty("OSTREVIA_PG_PUERTO"))
        motores << MotorBD::Servidor;
    else
        std::printf("PostgreSQL not measured: OSTREVIA_PG_PUERTO is not set (SQLite only).\n");
    int rc = 0;
    for (int motor : motores) {
        const QString propia = carpeta.filePath(QStringLiteral("motor%1").arg(motor));
        QDir().mkpath(propia);
        QProcess hijo;
        hijo.setProcessChannelMode(QProcess::ForwardedChannels);
        hijo.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--importar"), QString::number(motor), propia, imp, seg});
        if (!hijo.waitForFinished(-1) || hijo.exitCode() != 0) {
            std::fprintf(stderr, "the import run failed (%d)\n", hijo.exitCode());
            rc = 1;
        }
    }
    return rc;
}
