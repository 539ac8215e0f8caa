#include "ReporteDetallado.h"

#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "LectorHoja.h"
#include "LectorIndependiente.h"
#include "LibrosDePrueba.h"
#include "Reportes.h"
#include "Sql.h"
#include "VentanaDePrueba.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <map>
#include <tuple>

namespace {

// The non-empty cells of rows desde and below, "B9=Categoria" one a line in sheet order.
QString celdasDesde(const LibroLeido& libro, int desde)
{
    static const QRegularExpression referencia(QStringLiteral("^([A-Z]+)(\\d+)$"));
    std::map<std::pair<int, QString>, QString> celdas;
    for (auto it = libro.celdas.begin(); it != libro.celdas.end(); ++it) {
        const QRegularExpressionMatch m = referencia.match(it.key());
        const int fila = m.captured(2).toInt();
        if (fila >= desde && !it.value().valor.isNull() && !it.value().texto.isEmpty())
            celdas[{fila, m.captured(1)}] = it.key() + QLatin1Char('=') + it.value().texto;
    }
    QString texto;
    for (const auto& c : celdas)
        texto += c.second + QLatin1Char('\n');
    return texto;
}

QString bordes(const CeldaLeida& c)
{
    return c.bordeIzquierdo + QLatin1Char(' ') + c.bordeDerecho + QLatin1Char(' ') + c.bordeSuperior +
           QLatin1Char(' ') + c.bordeInferior;
}

} // namespace

// The detailed report from the statistics window, on both engines.
class ReporteDetalladoVentana : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"imd.xlsx"}));
    }
    QString temp() const { return entorno->carpeta() + QStringLiteral("/temp"); }
    QStringList archivosTemp() const { return QDir(temp()).entryList(QDir::Files); }

    Reportes* abrir(const QString& desde, const QString& hasta)
    {
        Reportes* r = Formulario<Reportes>::Obtener();
        r->show();
        QTest::keyClicks(r->findChild<QLineEdit*>(QStringLiteral("Desde")), desde);
        QTest::keyClicks(r->findChild<QLineEdit*>(QStringLiteral("Hasta")), hasta);
        return r;
    }
    QPushButton* boton(Reportes* r) { return r->findChild<QPushButton*>(QStringLiteral("ReporteDet")); }

    void queja(qint32 pid, qint16 causa, qint16 empresa, qint16 usuario, const QString& fecha,
               const QString& resto = QString())
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, causa, Empresa, usuario) VALUES (%1, %2, %3, %4)")
                     .arg(pid)
                     .arg(causa)
                     .arg(empresa)
                     .arg(usuario));
        Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha, Unidad, Desde, Hasta, Det_legajos) "
                                "VALUES (%1, %2, %3)")
                     .arg(pid)
                     .arg(SqlFecha(fecha))
                     .arg(resto.isEmpty() ? QStringLiteral("NULL, NULL, NULL, NULL") : resto));
    }

    LibrosMostrados libros;
};

TEST_P(ReporteDetalladoVentana, OneCategoryOneReasonTwoComplaintsGiveTheWorkedRows)
{
    FilaMotivo(1, QStringLiteral("Servicio a bordo"));
    FilaCausa(7, QStringLiteral("Demora en la salida"));
    FilaPar(1, 7);
    Ejecutar({"INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (3, 'Ruta Sur', '30-1')",
              "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel) "
              "VALUES (2, 'ana', 'Ana María', 'D''Alessandro', 1)"});
    queja(102, 7, 3, 2, QStringLiteral("15/03/2024"),
          QStringLiteral("'3012', 'Córdoba', 'Rosario', 'Chofer O''Neill'"));
    queja(101, 7, 9, 8, QStringLiteral("01/01/1900")); // no date, and a company and user that do not exist
    queja(103, 7, 3, 2, QStringLiteral("01/04/2024")); // after the period

    Reportes* r = abrir(QStringLiteral("01/01/1900"), QStringLiteral("31/03/2024"));
    QTest::mouseClick(boton(r), Qt::LeftButton);

    ASSERT_EQ(libros.rutas.size(), 1) << ultimo().texto.toStdString();
    EXPECT_TRUE(mostrados().isEmpty());
    const QFileInfo salida(libros.rutas[0]);
    EXPECT_EQ(salida.absolutePath(), QDir(temp()).absolutePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^imd\\d{14}\\.xlsx$")).match(salida.fileName()).hasMatch());
    EXPECT_TRUE(boton(r)->isEnabled());

    const xlsx::LectorHoja hoja(salida.filePath());
    EXPECT_EQ(hoja.Texto(QStringLiteral("C6")), QStringLiteral("01/01/1900"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("F6")), QStringLiteral("31/03/2024"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B1")), QStringLiteral("Reporte detallado de reclamos")) << "template kept";
    EXPECT_EQ(hoja.UltimaFila(), 25);

    const LibroLeido libro = LeerConOpenpyxl(salida.filePath());
    if (!libro.error.isEmpty())
        GTEST_SKIP() << "no /usr/bin/python3 with openpyxl for the independent check";
    EXPECT_EQ(celdasDesde(libro, 9).toStdString(),
              "B9=Categoria\nB10=Servicio a bordo\n"
              "B11=Causa\nB12=Demora en la salida\nF12=Cantidad:\nH12=2\n"
              "B14=ID Reclamo\nC14=Fecha\nD14=Unidad\nE14=Trayecto Desde\nG14=Trayecto Hasta\n"
              "B15=101\n"
              "B17=Responsables / Conductores\nD17=Empresa\nF17=Usuario\n"
              "F18=8\nG18=Usuario Inexistente: 8\n"
              "B21=ID Reclamo\nC21=Fecha\nD21=Unidad\nE21=Trayecto Desde\nG21=Trayecto Hasta\n"
              "B22=102\nC22=15/03/2024\nD22=3012\nE22=Córdoba\nG22=Rosario\n"
              "B24=Responsables / Conductores\nD24=Empresa\nF24=Usuario\n"
              "B25=Chofer O'Neill\nD25=Ruta Sur\nF25=2\nG25=D'Alessandro, Ana María\n");
    QStringList combinadas = {"B1:H2", "B3:H3", "B12:D12", "F12:G12"};
    for (const int r : {14, 21})
        for (const auto& [desde, hasta, fila] : {std::tuple{'E', 'F', r},
                                                 {'G', 'H', r},
                                                 {'E', 'F', r + 1},
                                                 {'G', 'H', r + 1},
                                                 {'B', 'C', r + 3},
                                                 {'D', 'E', r + 3},
                                                 {'F', 'H', r + 3},
                                                 {'B', 'C', r + 4},
                                                 {'D', 'E', r + 4},
                                                 {'G', 'H', r + 4}})
            combinadas << QStringLiteral("%1%3:%2%3").arg(QLatin1Char(desde)).arg(QLatin1Char(hasta)).arg(fila);
    combinadas.sort();
    QStringList leidas = libro.combinadas;
    leidas.sort();
    EXPECT_EQ(leidas, combinadas);
    EXPECT_EQ(libro.Celda(QStringLiteral("H12")).tipo, QStringLiteral("n")) << "the count is a number";
    EXPECT_EQ(libro.Celda(QStringLiteral("B22")).tipo, QStringLiteral("n"));

    // Formats: category and reason titles, the reason row, a title and a data row of each pair.
    const CeldaLeida categoria = libro.Celda(QStringLiteral("B9"));
    EXPECT_TRUE(categoria.negrita);
    EXPECT_EQ(categoria.tamano, 12);
    EXPECT_EQ(categoria.relleno, QStringLiteral("FF99CCFF"));
    EXPECT_EQ(libro.Celda(QStringLiteral("B10")).tamano, 18);
    EXPECT_EQ(libro.Celda(QStringLiteral("B11")).relleno, QStringLiteral("FF99CCFF"));
    EXPECT_EQ(libro.Celda(QStringLiteral("B12")).tamano, 14);
    EXPECT_EQ(libro.Celda(QStringLiteral("B12")).horizontal, QStringLiteral("right"));
    EXPECT_TRUE(libro.Celda(QStringLiteral("F12")).negrita);
    EXPECT_TRUE(libro.Celda(QStringLiteral("H12")).negrita);
    for (const char* ref : {"B14", "G14", "B21"}) {
        const CeldaLeida c = libro.Celda(QLatin1String(ref));
        EXPECT_FALSE(c.negrita) << ref;
        EXPECT_EQ(c.tamano, 10) << ref;
        EXPECT_EQ(c.relleno, QStringLiteral("FF99CCFF")) << ref;
        EXPECT_EQ(c.horizontal, QStringLiteral("left")) << ref;
        EXPECT_EQ(bordes(c), QStringLiteral("thin thin thin thin")) << ref;
    }
    for (const char* ref : {"B17", "F24"}) {
        EXPECT_EQ(libro.Celda(QLatin1String(ref)).relleno, QStringLiteral("FFCCFFFF")) << ref;
        EXPECT_EQ(libro.Celda(QLatin1String(ref)).horizontal, QStringLiteral("left")) << ref;
        EXPECT_EQ(bordes(libro.Celda(QLatin1String(ref))), QStringLiteral("thin thin thin thin")) << ref;
    }
    // Cells outside merges: openpyxl redraws the edges inside a merged range itself.
    for (const char* ref : {"B15", "D15", "F18", "C22"}) {
        const CeldaLeida c = libro.Celda(QLatin1String(ref));
        EXPECT_EQ(bordes(c), QStringLiteral("hair hair hair hair")) << ref;
        EXPECT_TRUE(c.relleno.isEmpty()) << ref;
    }
    EXPECT_EQ(libro.Celda(QStringLiteral("E22")).horizontal, QStringLiteral("left"));
    EXPECT_EQ(libro.Celda(QStringLiteral("E22")).tamano, 10);
    EXPECT_TRUE(libro.Celda(QStringLiteral("F25")).horizontal.isEmpty()) << "the user number keeps its alignment";
    EXPECT_TRUE(bordes(libro.Celda(QStringLiteral("B16"))).trimmed().isEmpty()) << "row 16 stays empty";
}

TEST_P(ReporteDetalladoVentana, ResponsibleStaffIsTheImportedDetailWhenItHoldsTextElseThePlaceWindowsOwn)
{
    FilaMotivo(1, QStringLiteral("Servicio a bordo"));
    FilaCausa(7, QStringLiteral("Demora en la salida"));
    FilaPar(1, 7);
    // 101 as the place window stores it, 102 imported with both texts, 103 imported with a blank detail.
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, causa) VALUES (101, 7), (102, 7), (103, 7)"));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha, Legajos, Det_legajos) VALUES "
                            "(101, %1, 'Leg. 4521 - Juan Pérez', NULL), (102, %1, 'Leg. 3310', 'Chofer O''Neill'), "
                            "(103, %1, 'Leg. 7788', '')")
                 .arg(SqlFecha(QStringLiteral("15/03/2024"))));

    Reportes* r = abrir(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    QTest::mouseClick(boton(r), Qt::LeftButton);

    ASSERT_EQ(libros.rutas.size(), 1) << ultimo().texto.toStdString();
    const xlsx::LectorHoja hoja(libros.rutas[0]);
    EXPECT_EQ(hoja.Texto(QStringLiteral("B15")), QStringLiteral("101"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B18")), QStringLiteral("Leg. 4521 - Juan Pérez"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B25")), QStringLiteral("Chofer O'Neill"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B29")), QStringLiteral("103"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B32")), QStringLiteral("Leg. 7788"));
}

TEST_P(ReporteDetalladoVentana, AnInvalidDateOnlyShowsTheMessage)
{
    Reportes* r = abrir(QStringLiteral("01/03/2024"), QStringLiteral("31/02/2024"));
    QTest::mouseClick(boton(r), Qt::LeftButton);

    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Fechas incorrectas"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(ultimo().botones, Botones::Aceptar);
    EXPECT_TRUE(ultimo().titulo.isEmpty()) << "the application's title";
    EXPECT_TRUE(archivosTemp().isEmpty());
    EXPECT_TRUE(libros.rutas.isEmpty());
    EXPECT_TRUE(boton(r)->isEnabled());
}

TEST_P(ReporteDetalladoVentana, TheButtonIsOffWhileReadingAndClosingTheWindowStopsTheReport)
{
    FilaCausa(1, QStringLiteral("Demora"));
    queja(1, 1, 0, 0, QStringLiteral("10/03/2024"));

    Reportes* r = abrir(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    bool habilitadoAlLeer = true;
    // A click on the button while the report reads, as impatient users do.
    QTimer::singleShot(0, r, [&] {
        habilitadoAlLeer = boton(r)->isEnabled();
        QTest::mouseClick(boton(r), Qt::LeftButton);
    });
    QTest::mouseClick(boton(r), Qt::LeftButton);
    EXPECT_FALSE(habilitadoAlLeer);
    EXPECT_EQ(libros.rutas.size(), 1) << "one report only";
    EXPECT_TRUE(boton(r)->isEnabled());

    // The window unloaded while the report reads (a logout): no workbook, nothing left behind.
    for (const QString& f : archivosTemp())
        QFile::remove(temp() + QLatin1Char('/') + f);
    QTimer::singleShot(0, [] { Formulario<Reportes>::Descargar(); });
    QTest::mouseClick(boton(r), Qt::LeftButton);
    EXPECT_EQ(libros.rutas.size(), 1);
    EXPECT_TRUE(archivosTemp().isEmpty());
    EXPECT_TRUE(mostrados().isEmpty());
}

INSTANCIAR_EN_MOTORES(ReporteDetalladoVentana);

// The layout of the blocks for trees the database would give, without a database.
class ReporteDetalladoLibro : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CopiarPlantillas(entorno.carpeta(), {"imd.xlsx"})); }

    static RegCausaReporte causa(const QString& nombre, int quejas, qint32 primera = 1)
    {
        RegCausaReporte c;
        c.Detalle = nombre;
        for (int i = 0; i < quejas; ++i) {
            RegLineaReporte l;
            l.Pid = primera + i;
            c.Quejas.append(l);
        }
        c.Ultima = qint16(c.Quejas.size() - 1);
        return c;
    }
    static RegCategoriaReporte categoria(const QString& nombre, const QVector<RegCausaReporte>& causas)
    {
        RegCategoriaReporte c;
        c.Detalle = nombre;
        c.Causas = causas;
        c.Ultimo = qint16(causas.size() - 1);
        return c;
    }
    QString escribir(const QVector<RegCategoriaReporte>& categorias)
    {
        RegArbolReporte arbol;
        arbol.Categorias = categorias;
        arbol.Ultima = qint16(categorias.size() - 1);
        return EscribirReporteDetallado(arbol, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    }

    EntornoDePrueba entorno;
    LibrosMostrados libros;
};

TEST_F(ReporteDetalladoLibro, EmptyCategoriesAndReasonsTakeNoRowsAndCountsMatchTheBlocks)
{
    {
        // No category at all: only the period.
        const xlsx::LectorHoja hoja(escribir({}));
        EXPECT_EQ(hoja.Texto(QStringLiteral("C6")), QStringLiteral("01/03/2024"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("F6")), QStringLiteral("31/03/2024"));
        EXPECT_LT(hoja.UltimaFila(), 9);
    }
    const QString ruta = escribir({
        categoria(QStringLiteral("Sin reclamos"), {causa(QStringLiteral("r0"), 0)}),
        categoria(QStringLiteral("Sin causas"), {}),
        categoria(QStringLiteral("Mixta"),
                  {causa(QStringLiteral("r1"), 0), causa(QStringLiteral("r2"), 1, 50), causa(QStringLiteral("r3"), 0)}),
        categoria(QStringLiteral("Tres"), {causa(QStringLiteral("r4"), 3, 60)}),
    });
    ASSERT_FALSE(ruta.isEmpty()) << entorno.dialogos->mostrados.value(0).texto.toStdString();
    const xlsx::LectorHoja hoja(ruta);
    const std::map<QString, QString> esperado = {{"B9", "Categoria"},   {"B10", "Sin reclamos"},
                                                 {"B11", "Categoria"},  {"B12", "Mixta"},
                                                 {"B13", "Causa"},      {"B14", "r2"},
                                                 {"H14", "1"},          {"B15", ""},
                                                 {"B16", "ID Reclamo"}, {"B17", "50"},
                                                 {"B23", "Categoria"},  {"B24", "Tres"},
                                                 {"B25", "Causa"},      {"B26", "r4"},
                                                 {"H26", "3"},          {"B28", "ID Reclamo"},
                                                 {"B29", "60"},         {"B35", "ID Reclamo"},
                                                 {"B36", "61"},         {"B42", "ID Reclamo"},
                                                 {"B43", "62"},         {"F46", "0"}};
    for (const auto& [celda, valor] : esperado)
        EXPECT_EQ(hoja.Texto(celda), valor) << celda.toStdString();
    EXPECT_EQ(hoja.UltimaFila(), 46);
    EXPECT_EQ(libros.rutas.size(), 2);
}

TEST_F(ReporteDetalladoLibro, ARowCursorBeyondSixteenBitsPlacesEveryBlock)
{
    // 5,000 complaints of one reason end past row 32,767.
    const QString ruta = escribir({categoria(QStringLiteral("Grande"), {causa(QStringLiteral("r"), 5000)})});
    ASSERT_FALSE(ruta.isEmpty()) << entorno.dialogos->mostrados.value(0).texto.toStdString();
    const xlsx::LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("H12")), QStringLiteral("5000"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B35007")), QStringLiteral("ID Reclamo"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B35008")), QStringLiteral("5000"));
    EXPECT_EQ(hoja.UltimaFila(), 35011);
}
