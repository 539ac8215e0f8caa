#include "ExportarEstadisticas.h"
#include "Conexion.h"
#include "Excel.h"
#include "Formularios.h"
#include "GrillaMemoria.h"
#include "LectorHoja.h"
#include "LectorIndependiente.h"
#include "LibrosDePrueba.h"
#include "Reportes.h"
#include "Sql.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>

namespace {

QByteArray huella(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

// Header row plus one row per "name=value".
GrillaMemoria grillaCon(const QStringList& filas)
{
    GrillaMemoria g(1, 2);
    g.SetTextMatrix(0, 0, QStringLiteral("Motivo"));
    g.SetTextMatrix(0, 1, QStringLiteral("Cantidad"));
    for (const QString& f : filas) {
        const int r = g.Rows();
        g.SetRows(r + 1);
        g.SetTextMatrix(r, 0, f.section(QLatin1Char('='), 0, 0));
        g.SetTextMatrix(r, 1, f.section(QLatin1Char('='), 1));
    }
    return g;
}

// Rows 6 to 12 except the header row 8 as another program (openpyxl) reads them, "B9=Demora" one
// a line in sheet order, then the merged ranges; "" when Python or openpyxl is missing.
QString leidoPorOpenpyxl(const QString& ruta)
{
    const LibroLeido libro = LeerConOpenpyxl(ruta);
    if (!libro.error.isEmpty())
        return QString();
    static const QRegularExpression referencia(QStringLiteral("^([A-Z]+)(\\d+)$"));
    std::map<std::pair<int, QString>, QString> celdas; // by row, then column (same-length letters)
    for (auto it = libro.celdas.begin(); it != libro.celdas.end(); ++it) {
        const QRegularExpressionMatch m = referencia.match(it.key());
        const int fila = m.captured(2).toInt();
        if (fila >= 6 && fila <= 12 && fila != 8 && !it.value().valor.isNull())
            celdas[{fila, m.captured(1).rightJustified(3)}] = it.key() + QLatin1Char('=') + it.value().texto;
    }
    QString texto;
    for (const auto& celda : celdas)
        texto += celda.second + QLatin1Char('\n');
    return texto + libro.combinadas.join(QLatin1Char(' ')) + QLatin1Char('\n');
}

// A stand-in xdg-open first on PATH, and the program's own desktop path in use, while this lives.
// It notes the file it was handed in "pedidos", then runs the given shell lines in its folder.
class LanzadorDePrueba
{
public:
    explicit LanzadorDePrueba(const QString& cuerpo) : m_path(qgetenv("PATH"))
    {
        QFile guion(m_dir.filePath(QStringLiteral("xdg-open")));
        guion.open(QIODevice::WriteOnly);
        guion.write(
            QStringLiteral("#!/bin/sh\nexec >/dev/null 2>&1\ncd '%1' || exit 9\nprintf '%s\\n' \"$1\" >>pedidos\n%2\n")
                .arg(m_dir.path(), cuerpo)
                .toUtf8());
        guion.close();
        guion.setPermissions(guion.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
        Excel::EstablecerAbridor({});
    }
    ~LanzadorDePrueba() { qputenv("PATH", m_path); }
    LanzadorDePrueba(const LanzadorDePrueba&) = delete;
    LanzadorDePrueba& operator=(const LanzadorDePrueba&) = delete;

    QString archivo(const char* nombre) const { return m_dir.filePath(QLatin1String(nombre)); }
    QStringList pedidos() const
    {
        QFile f(archivo("pedidos"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                           : QStringList();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace

// The statistics export into a copy of irf.xlsx, read back with the workbook layer's reader.
class ExportacionEstadisticas : public ::testing::Test
{
protected:
    void SetUp() override
    {
        entorno = std::make_unique<EntornoDePrueba>();
        plantilla = entorno->carpeta() + QStringLiteral("/irf.xlsx");
        ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"irf.xlsx"}));
        QDir().mkpath(entorno->carpeta() + QStringLiteral("/temp"));
        Excel::EstablecerAbridor([this](const QString& ruta) {
            mostrados << ruta;
            return true;
        });
        UsuarioActual.Apellido = QStringLiteral("Pérez");
        UsuarioActual.Nombres = QStringLiteral("Ana María");
    }
    void TearDown() override
    {
        Excel::EstablecerAbridor({});
        entorno.reset();
    }

    std::unique_ptr<EntornoDePrueba> entorno;
    QString plantilla;
    QStringList mostrados;
};

TEST_F(ExportacionEstadisticas, FiveGridRowsFillSheetRowsNineToElevenInTwoColumnPairs)
{
    const QByteArray antes = huella(plantilla);
    const GrillaMemoria g =
        grillaCon({"Demora=2", "Equipaje=1", "Trato=0", "Limpieza=12", "Puntualidad de 'la' salida=7"});
    const QString ruta = ExportarEstadisticas(g, QStringLiteral("1/3/2024"), QStringLiteral("31/03/2024"));

    ASSERT_FALSE(ruta.isEmpty()) << entorno->dialogos->mostrados.value(0).texto.toStdString();
    EXPECT_EQ(QFileInfo(ruta).absolutePath(), QDir(entorno->carpeta() + QStringLiteral("/temp")).absolutePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}\\.xlsx$")).match(QFileInfo(ruta).fileName()).hasMatch());
    EXPECT_EQ(mostrados, QStringList{ruta}) << "the workbook is left open for the user";
    EXPECT_EQ(huella(plantilla), antes) << "the template itself is never changed";
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());

    const xlsx::LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("C6")), QStringLiteral("Pérez, Ana María"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("G6")), QStringLiteral("1/3/2024")) << "the period as typed";
    EXPECT_EQ(hoja.Texto(QStringLiteral("I6")), QStringLiteral("31/03/2024"));
    const QStringList esperado = {"B9=Demora",    "E9=2",      "F9=Equipaje",
                                  "I9=1",         "B10=Trato", "E10=0",
                                  "F10=Limpieza", "I10=12",    "B11=Puntualidad de 'la' salida",
                                  "E11=7",        "F11=",      "I11=",
                                  "B12=",         "E12="};
    for (const QString& e : esperado) {
        const QString celda = e.section(QLatin1Char('='), 0, 0);
        EXPECT_EQ(hoja.Texto(celda), e.section(QLatin1Char('='), 1)) << celda.toStdString();
    }
    EXPECT_EQ(hoja.UltimaFila(), 11);
    // The template's own titles stay.
    EXPECT_EQ(hoja.Texto(QStringLiteral("B6")), QStringLiteral("Usuario:"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("E8")), QStringLiteral("Cantidad"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B1")), QStringLiteral("Informe estadístico de reclamos"));

    const QString otro = leidoPorOpenpyxl(ruta);
    if (otro.isEmpty())
        GTEST_SKIP() << "no /usr/bin/python3 with openpyxl for the independent check";
    EXPECT_EQ(otro.toStdString(), "B6=Usuario:\nC6=Pérez, Ana María\nF6=Desde:\nG6=1/3/2024\nH6=Hasta:\nI6=31/03/2024\n"
                                  "B9=Demora\nE9=2\nF9=Equipaje\nI9=1\nB10=Trato\nE10=0\nF10=Limpieza\nI10=12\n"
                                  "B11=Puntualidad de 'la' salida\nE11=7\nB1:I2 B3:I3 C6:E6\n");
}

TEST_F(ExportacionEstadisticas, PercentagesAndLeadingApostrophesAreWrittenAsShown)
{
    const GrillaMemoria g = grillaCon({"'Otros'=33.33%", "Demora=0%", "Trato=66.67%"});
    const QString ruta = ExportarEstadisticas(g, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ASSERT_FALSE(ruta.isEmpty());
    const xlsx::LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("B9")), QStringLiteral("'Otros'"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("E9")), QStringLiteral("33.33%"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("I9")), QStringLiteral("0%"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("E10")), QStringLiteral("66.67%"));
}

TEST_F(ExportacionEstadisticas, AnEmptyGridExportsOnlyTheHeaderCells)
{
    GrillaMemoria vacia; // the window's design-time grid: two empty rows
    const QString ruta = ExportarEstadisticas(vacia, QString(), QString());
    ASSERT_FALSE(ruta.isEmpty());
    const xlsx::LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("C6")), QStringLiteral("Pérez, Ana María"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B9")), QString());
    EXPECT_EQ(hoja.UltimaFila(), 8);
}

TEST_F(ExportacionEstadisticas, AMissingTemplateIsReportedAndLogged)
{
    QFile::remove(plantilla);
    EXPECT_TRUE(ExportarEstadisticas(grillaCon({"Demora=1"}), QString(), QString()).isEmpty());
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
    EXPECT_TRUE(entorno->dialogos->mostrados[0].texto.startsWith(QStringLiteral("No se encontró la plantilla")));
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Exportar_Click en Reportes")));
    EXPECT_TRUE(QDir(entorno->carpeta() + QStringLiteral("/temp")).isEmpty());
    EXPECT_TRUE(mostrados.isEmpty());
}

TEST_F(ExportacionEstadisticas, AMissingTemporaryFolderIsCreated)
{
    QDir(entorno->carpeta() + QStringLiteral("/temp")).removeRecursively();
    const QString ruta = ExportarEstadisticas(grillaCon({"Demora=1"}), QString(), QString());
    ASSERT_FALSE(ruta.isEmpty());
    EXPECT_TRUE(QFile::exists(ruta));
}

TEST_F(ExportacionEstadisticas, AWorkbookNoProgramCanShowIsReportedButKept)
{
    Excel::EstablecerAbridor([](const QString&) { return false; });
    const QString ruta = ExportarEstadisticas(grillaCon({"Demora=1"}), QString(), QString());
    EXPECT_TRUE(ruta.isEmpty());
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
    const QStringList guardados = QDir(entorno->carpeta() + QStringLiteral("/temp")).entryList(QDir::Files);
    ASSERT_EQ(guardados.size(), 1);
    EXPECT_EQ(
        xlsx::LectorHoja(entorno->carpeta() + QStringLiteral("/temp/") + guardados[0]).Texto(QStringLiteral("B9")),
        QStringLiteral("Demora"));
}

TEST_F(ExportacionEstadisticas, TheDesktopLauncherSaysWhetherTheWorkbookWasShown)
{
    {
        // xdg-open finds no program for the type (or the program fails at once).
        LanzadorDePrueba lanzador(QStringLiteral("exit 3"));
        EXPECT_TRUE(ExportarEstadisticas(grillaCon({"Demora=1"}), QString(), QString()).isEmpty());
        const QStringList guardados = QDir(entorno->carpeta() + QStringLiteral("/temp")).entryList(QDir::Files);
        ASSERT_EQ(guardados.size(), 1);
        const QString ruta = entorno->carpeta() + QStringLiteral("/temp/") + guardados[0];
        EXPECT_EQ(lanzador.pedidos(), QStringList{ruta});
        ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
        EXPECT_EQ(entorno->dialogos->mostrados[0].texto,
                  QStringLiteral("No se pudo mostrar el libro \"%1\": no hay un programa de hojas de cálculo que lo "
                                 "abra.")
                      .arg(ruta));
        EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Exportar_Click en Reportes")));
        EXPECT_TRUE(entorno->errLog().contains(ruta));
        EXPECT_EQ(xlsx::LectorHoja(ruta).Texto(QStringLiteral("B9")), QStringLiteral("Demora")) << "the file stays";
    }
    entorno->dialogos->mostrados.clear();
    {
        LanzadorDePrueba lanzador(QStringLiteral("exit 0"));
        const QString ruta = ExportarEstadisticas(grillaCon({"Trato=2"}), QString(), QString());
        EXPECT_FALSE(ruta.isEmpty());
        EXPECT_EQ(lanzador.pedidos(), QStringList{ruta});
        EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    }
    {
        // Without a desktop session xdg-open runs the program itself and waits for it to close.
        LanzadorDePrueba lanzador(QStringLiteral("n=0; while [ ! -e cerrar ] && [ $n -lt 200 ]; do sleep 0.05; "
                                                 "n=$((n+1)); done; rm -f cerrar"));
        const QString ruta = ExportarEstadisticas(grillaCon({"Limpieza=3"}), QString(), QString());
        QFile(lanzador.archivo("cerrar")).open(QIODevice::WriteOnly);
        for (int i = 0; i < 250 && QFile::exists(lanzador.archivo("cerrar")); ++i)
            QTest::qWait(20);
        EXPECT_FALSE(ruta.isEmpty());
        EXPECT_EQ(lanzador.pedidos(), QStringList{ruta});
        EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    }
}

// From the window: what "Ver" shows is what the workbook gets.
class ExportacionDesdeVentana : public VentanaDePrueba
{
protected:
    void TearDown() override
    {
        VentanaDePrueba::TearDown();
        Excel::EstablecerAbridor({});
    }
};

TEST_P(ExportacionDesdeVentana, ExportCopiesTheGridAsLastShown)
{
    ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"irf.xlsx"}));
    QStringList mostrados;
    Excel::EstablecerAbridor([&](const QString& ruta) {
        mostrados << ruta;
        return true;
    });
    UsuarioActual.Apellido = QStringLiteral("Sosa");
    UsuarioActual.Nombres = QStringLiteral("Luis");
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle) VALUES (%1, %2)")
                                      .arg(i)
                                      .arg(SqlTexto(QStringLiteral("Causa %1").arg(i)))));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Master_Quejas (pid, causa) VALUES (1, 2)")));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (1, %1)")
                                  .arg(SqlFecha(QStringLiteral("10/03/2024")))));

    Reportes* r = Formulario<Reportes>::Obtener();
    r->show();
    QTest::keyClicks(r->findChild<QLineEdit*>(QStringLiteral("Desde")), QStringLiteral("01/03/2024"));
    QTest::keyClicks(r->findChild<QLineEdit*>(QStringLiteral("Hasta")), QStringLiteral("31/03/2024"));
    QTest::mouseClick(r->findChild<QPushButton*>(QStringLiteral("SacarConsulta")), Qt::LeftButton);
    QTest::mouseClick(r->findChild<QPushButton*>(QStringLiteral("Exportar")), Qt::LeftButton);

    ASSERT_EQ(mostrados.size(), 1);
    const xlsx::LectorHoja hoja(mostrados[0]);
    EXPECT_EQ(hoja.Texto(QStringLiteral("C6")), QStringLiteral("Sosa, Luis"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B9")), QStringLiteral("Causa 1"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("E9")), QStringLiteral("0"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("F9")), QStringLiteral("Causa 2"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("I9")), QStringLiteral("1"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B10")), QStringLiteral("Causa 3"));
}

INSTANCIAR_EN_MOTORES(ExportacionDesdeVentana);
