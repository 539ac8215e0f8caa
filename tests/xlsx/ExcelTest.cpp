#include "Excel.h"
#include "LectorHoja.h"
#include "LectorIndependiente.h"
#include "MuestrasXlsx.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <sys/resource.h>
#include <xlsxwriter.h>

namespace {

const QString kAzul = QStringLiteral("FF99CCFF");    // colour index 37
const QString kCeleste = QStringLiteral("FFCCFFFF"); // colour index 20

class PlantillasExcel : public ::testing::Test
{
protected:
    QTemporaryDir carpeta;
    QString plantilla;
    QStringList mostrados;

    void SetUp() override
    {
        plantilla = carpeta.filePath(QStringLiteral("imd.xlsx"));
        muestras::CrearPlantilla(plantilla);
        Excel::EstablecerAbridor([this](const QString& ruta) {
            mostrados << ruta;
            return true;
        });
    }
    void TearDown() override { Excel::EstablecerAbridor({}); }

    QString Copia(const QString& nombre)
    {
        const QString ruta = carpeta.filePath(nombre);
        QFile::remove(ruta);
        EXPECT_TRUE(QFile::copy(plantilla, ruta));
        return ruta;
    }

    static xlsx::ErrorLibro ErrorDe(const std::function<void()>& accion)
    {
        try {
            accion();
        } catch (const xlsx::ErrorLibro& e) {
            return e;
        }
        ADD_FAILURE() << "no error";
        return {};
    }
};

void Encabezado(HojaExcel& hoja, const QString& celda, const QString& texto, int color)
{
    RangoExcel r = hoja.Range(celda);
    r.SetValue(texto);
    r.Font().SetBold(false);
    r.Interior().SetColorIndex(color);
    r.Font().SetSize(10);
    r.SetHorizontalAlignment(2);
}

void Dato(HojaExcel& hoja, const QString& celda, const QString& texto)
{
    RangoExcel r = hoja.Range(celda);
    r.SetValue(texto);
    r.Font().SetBold(false);
    r.Font().SetSize(10);
    r.SetHorizontalAlignment(2);
}

void EsperarBordes(const CeldaLeida& c, const char* estilo, const char* celda)
{
    EXPECT_EQ(c.bordeIzquierdo, estilo) << celda;
    EXPECT_EQ(c.bordeDerecho, estilo) << celda;
    EXPECT_EQ(c.bordeSuperior, estilo) << celda;
    EXPECT_EQ(c.bordeInferior, estilo) << celda;
}

} // namespace

TEST_F(PlantillasExcel, TheDetailedReportBlocksReadBackInOpenpyxl)
{
    const QString ruta = Copia(QStringLiteral("temp_imd.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    libro->Activate();
    hoja.Range(QStringLiteral("C6")).SetValue(QStringLiteral("01/03/2024"));
    hoja.Range(QStringLiteral("F6")).SetValue(QStringLiteral("31/03/2024"));
    for (const auto& [celda, texto] : {std::pair{"B9", "Categoria"}, std::pair{"B11", "Causa"}}) {
        RangoExcel r = hoja.Range(QString::fromLatin1(celda));
        r.SetValue(QString::fromLatin1(texto));
        r.Font().SetBold(true);
        r.Interior().SetColorIndex(37);
        r.Font().SetSize(12);
    }
    hoja.Range(QStringLiteral("B10")).SetValue(QStringLiteral("Demoras"));
    hoja.Range(QStringLiteral("B10")).Font().SetSize(18);
    hoja.Range(QStringLiteral("B12"), QStringLiteral("D12")).Merge();
    hoja.Range(QStringLiteral("B12"), QStringLiteral("D12")).Font().SetSize(14);
    hoja.Range(QStringLiteral("B12")).SetValue(QStringLiteral("Salida tarde"));
    hoja.Range(QStringLiteral("B12")).SetHorizontalAlignment(-4152);
    hoja.Range(QStringLiteral("F12"), QStringLiteral("G12")).Merge();
    hoja.Range(QStringLiteral("F12")).SetValue(QStringLiteral("Cantidad:"));
    hoja.Range(QStringLiteral("F12")).Font().SetBold(true);
    hoja.Range(QStringLiteral("H12")).SetValue(1.0);
    hoja.Range(QStringLiteral("H12")).Font().SetBold(true);
    // Complaint block at row 14.
    Encabezado(hoja, QStringLiteral("B14"), QStringLiteral("ID Reclamo"), 37);
    Encabezado(hoja, QStringLiteral("C14"), QStringLiteral("Fecha"), 37);
    Encabezado(hoja, QStringLiteral("D14"), QStringLiteral("Unidad"), 37);
    hoja.Range(QStringLiteral("E14"), QStringLiteral("F14")).Merge();
    Encabezado(hoja, QStringLiteral("E14"), QStringLiteral("Trayecto Desde"), 37);
    hoja.Range(QStringLiteral("G14"), QStringLiteral("H14")).Merge();
    hoja.Range(QStringLiteral("G14")).SetValue(QStringLiteral("Trayecto Hasta"));
    hoja.Range(QStringLiteral("B14"), QStringLiteral("H15")).Borders().SetWeight(1);
    hoja.Range(QStringLiteral("B14"), QStringLiteral("H14")).Borders().SetWeight(2);
    hoja.Range(QStringLiteral("G14")).Font().SetBold(false);
    hoja.Range(QStringLiteral("G14")).Interior().SetColorIndex(37);
    hoja.Range(QStringLiteral("G14")).Font().SetSize(10);
    hoja.Range(QStringLiteral("G14")).SetHorizontalAlignment(2);
    hoja.Range(QStringLiteral("B15")).SetValue(1234.0);
    hoja.Range(QStringLiteral("B15")).Font().SetSize(10);
    hoja.Range(QStringLiteral("B15")).SetHorizontalAlignment(2);
    Dato(hoja, QStringLiteral("C15"), QStringLiteral("15/03/2024"));
    Dato(hoja, QStringLiteral("D15"), QStringLiteral("Coche 12"));
    hoja.Range(QStringLiteral("E15"), QStringLiteral("F15")).Merge();
    Dato(hoja, QStringLiteral("E15"), QStringLiteral("Retiro"));
    hoja.Range(QStringLiteral("B17"), QStringLiteral("C17")).Merge();
    Encabezado(hoja, QStringLiteral("B17"), QStringLiteral("Responsables / Conductores"), 20);
    hoja.Range(QStringLiteral("F17"), QStringLiteral("H17")).Merge();
    hoja.Range(QStringLiteral("F17")).SetValue(QStringLiteral("Usuario"));
    hoja.Range(QStringLiteral("B17"), QStringLiteral("H18")).Borders().SetWeight(1);
    hoja.Range(QStringLiteral("B17"), QStringLiteral("H17")).Borders().SetWeight(2);
    hoja.Range(QStringLiteral("F17")).Interior().SetColorIndex(20);
    hoja.Range(QStringLiteral("F18")).SetValue(7.0);
    // Follow-up text block: merged over two rows, justified and distributed.
    hoja.Range(QStringLiteral("b21"), QStringLiteral("H22")).Merge();
    hoja.Range(QStringLiteral("b21"), QStringLiteral("H22")).SetHorizontalAlignment(-4130);
    hoja.Range(QStringLiteral("b21"), QStringLiteral("H22")).SetVerticalAlignment(5);
    hoja.Range(QStringLiteral("b21")).SetValue(QStringLiteral("Se llamó al pasajero"));
    libro->Save();
    app.SetVisible(true);
    EXPECT_EQ(mostrados, QStringList{ruta});

    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("C6").valor.toString(), QStringLiteral("01/03/2024"));
    for (const char* c : {"B9", "B11"}) {
        EXPECT_TRUE(l.Celda(c).negrita) << c;
        EXPECT_EQ(l.Celda(c).relleno, kAzul) << c;
        EXPECT_EQ(l.Celda(c).tamano, 12) << c;
    }
    EXPECT_EQ(l.Celda("B9").valor.toString(), QStringLiteral("Categoria"));
    EXPECT_EQ(l.Celda("B10").tamano, 18);
    EXPECT_FALSE(l.Celda("B10").negrita);
    EXPECT_EQ(l.Celda("B12").valor.toString(), QStringLiteral("Salida tarde"));
    EXPECT_EQ(l.Celda("B12").tamano, 14);
    EXPECT_EQ(l.Celda("B12").horizontal, QStringLiteral("right"));
    EXPECT_TRUE(l.Celda("F12").negrita);
    EXPECT_EQ(l.Celda("H12").valor.toDouble(), 1);
    EXPECT_EQ(l.Celda("H12").tipo, QStringLiteral("n"));
    EXPECT_TRUE(l.Celda("H12").negrita);
    for (const char* c : {"B14", "C14", "D14", "E14", "G14"}) {
        const CeldaLeida e = l.Celda(c);
        EXPECT_FALSE(e.negrita) << c;
        EXPECT_EQ(e.relleno, kAzul) << c;
        EXPECT_EQ(e.tamano, 10) << c;
        EXPECT_EQ(e.horizontal, QStringLiteral("left")) << c;
        EsperarBordes(e, "thin", c);
    }
    EXPECT_EQ(l.Celda("G14").valor.toString(), QStringLiteral("Trayecto Hasta"));
    EXPECT_EQ(l.Celda("B15").valor.toDouble(), 1234);
    for (const char* c : {"B15", "C15", "D15", "E15"}) {
        EXPECT_EQ(l.Celda(c).tamano, 10) << c;
        EXPECT_EQ(l.Celda(c).relleno, QString()) << c;
        EsperarBordes(l.Celda(c), "hair", c);
    }
    EXPECT_EQ(l.Celda("B17").relleno, kCeleste);
    EXPECT_EQ(l.Celda("F17").relleno, kCeleste);
    EsperarBordes(l.Celda("B17"), "thin", "B17");
    EsperarBordes(l.Celda("F17"), "thin", "F17");
    EsperarBordes(l.Celda("F18"), "hair", "F18");
    EXPECT_EQ(l.Celda("F18").valor.toDouble(), 7);
    EXPECT_EQ(l.Celda("B21").horizontal, QStringLiteral("justify"));
    EXPECT_EQ(l.Celda("B21").vertical, QStringLiteral("distributed"));
    EXPECT_EQ(l.combinadas, (QStringList{"A1:D1", "B12:D12", "B17:C17", "B21:H22", "E14:F14", "E15:F15", "F12:G12",
                                         "F17:H17", "G14:H14"}));
    // What the template held beyond the cells stays.
    EXPECT_EQ(l.hojas, (QStringList{"Sheet1", "Datos"}));
    EXPECT_TRUE(l.definidos.contains(QStringLiteral("Periodo"))) << l.definidos.toStdString();
    EXPECT_EQ(l.encabezado, QStringLiteral("Reclamos"));
    EXPECT_TRUE(l.apaisado);
    EXPECT_EQ(l.Celda("A1").valor.toString(), QStringLiteral("Informe de reclamos"));
    EXPECT_TRUE(l.Celda("A1").negrita);
    EXPECT_EQ(l.Celda("A1").horizontal, QStringLiteral("center"));
}

TEST_F(PlantillasExcel, DerivedFormatsKeepTheCellsFontBordersAndNumberFormat)
{
    const QString ruta = Copia(QStringLiteral("c6.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    hoja.Range(QStringLiteral("C6")).SetValue(3.5);
    hoja.Range(QStringLiteral("C6")).Font().SetBold(true);
    hoja.Range(QStringLiteral("C6")).Font().SetSize(12);
    hoja.Range(QStringLiteral("C6")).Interior().SetColorIndex(20);
    // An empty cell of a formatted column or row takes that format when it is written.
    hoja.Range(QStringLiteral("F20")).SetValue(QStringLiteral("en F"));
    hoja.Range(QStringLiteral("B30")).SetValue(QStringLiteral("en la fila 30"));
    hoja.Range(QStringLiteral("B31")).SetValue(QStringLiteral("sin formato"));
    hoja.Range(QStringLiteral("A1")).Font().SetSize(16);
    libro->Save();

    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    const CeldaLeida c6 = l.Celda("C6");
    EXPECT_EQ(c6.valor.toDouble(), 3.5);
    EXPECT_TRUE(c6.negrita);
    EXPECT_EQ(c6.tamano, 12);
    EXPECT_EQ(c6.fuente, QStringLiteral("Arial"));
    EXPECT_EQ(c6.colorFuente, QStringLiteral("FF1F497D"));
    EXPECT_EQ(c6.formato, QStringLiteral("0.00"));
    EXPECT_EQ(c6.relleno, kCeleste);
    EsperarBordes(c6, "medium", "C6");
    EXPECT_EQ(l.Celda("F20").relleno, QStringLiteral("FFFFFF00"));
    EXPECT_TRUE(l.Celda("B30").cursiva);
    EXPECT_FALSE(l.Celda("B31").cursiva);
    EXPECT_EQ(l.Celda("B31").relleno, QString());
    const CeldaLeida a1 = l.Celda("A1");
    EXPECT_EQ(a1.tamano, 16);
    EXPECT_TRUE(a1.negrita);
    EXPECT_EQ(a1.fuente, QStringLiteral("Arial"));
    EXPECT_EQ(a1.horizontal, QStringLiteral("center"));
}

TEST_F(PlantillasExcel, IdenticalFormatsAreSharedNotMultiplied)
{
    const QString ruta = Copia(QStringLiteral("muchas.xlsx"));
    auto contar = [](const QString& archivo, const char* lista) {
        pugi::xml_document d;
        const std::string xml = muestras::Partes(archivo)["xl/styles.xml"];
        d.load_buffer(xml.data(), xml.size());
        const pugi::xml_node n = d.document_element().child(lista);
        const auto elementos = std::distance(n.begin(), n.end());
        EXPECT_EQ(n.attribute("count").as_llong(), elementos) << lista;
        return elementos;
    };
    const auto xfsAntes = contar(ruta, "cellXfs");
    const auto fuentesAntes = contar(ruta, "fonts");
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    for (int fila = 40; fila < 240; ++fila) {
        const QString desde = QStringLiteral("B%1").arg(fila), hasta = QStringLiteral("K%1").arg(fila);
        hoja.Range(desde, hasta).SetValue(QStringLiteral("valor"));
        hoja.Range(desde, hasta).Font().SetBold(true);
        hoja.Range(desde, hasta).Interior().SetColorIndex(37);
        hoja.Range(desde, hasta).Font().SetBold(true);
        hoja.Range(desde, hasta).Borders().SetWeight(1);
    }
    libro->Save();
    // Two starting formats (plain, and column F's) times three derived steps at most.
    EXPECT_LE(contar(ruta, "cellXfs") - xfsAntes, 6);
    EXPECT_LE(contar(ruta, "fonts") - fuentesAntes, 1);
    contar(ruta, "fills");
    contar(ruta, "borders");
    // Bold on, then off again, comes back to a font already there.
    const auto fuentes = contar(ruta, "fonts");
    hoja.Range(QStringLiteral("M1")).Font().SetBold(true);
    hoja.Range(QStringLiteral("M1")).Font().SetBold(false);
    libro->Save();
    EXPECT_EQ(contar(ruta, "fonts"), fuentes);
}

TEST_F(PlantillasExcel, EveryOtherPartIsCopiedByteForByteInItsOrder)
{
    const QString ruta = Copia(QStringLiteral("copia.xlsx"));
    // A part stored without compression must stay so.
    muestras::CambiarPartes(ruta, {}, {"xl/media/image1.png"});
    ASSERT_EQ(muestras::MetodoDe(ruta, "xl/media/image1.png"), 0);
    const auto antes = muestras::Partes(ruta);
    const auto orden = muestras::NombresDePartes(ruta);
    std::map<std::string, std::string> comprimidas;
    for (const auto& n : orden)
        comprimidas[n] = muestras::Comprimida(ruta, n);
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        HojaExcel hoja = libro->Worksheets(1);
        hoja.Range(QStringLiteral("B9")).SetValue(QStringLiteral("nuevo texto"));
        hoja.Range(QStringLiteral("B9")).Font().SetBold(true);
        libro->Save();
    }
    const auto despues = muestras::Partes(ruta);
    EXPECT_EQ(muestras::NombresDePartes(ruta), orden);
    const std::set<std::string> cambiadas = {"xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/sharedStrings.xml"};
    for (const auto& [nombre, contenido] : antes) {
        ASSERT_TRUE(despues.count(nombre)) << nombre;
        if (cambiadas.count(nombre)) {
            EXPECT_NE(despues.at(nombre), contenido) << nombre;
            continue;
        }
        EXPECT_EQ(despues.at(nombre), contenido) << nombre;
        EXPECT_EQ(muestras::Comprimida(ruta, nombre), comprimidas[nombre]) << nombre << " was recompressed";
    }
    EXPECT_EQ(muestras::MetodoDe(ruta, "xl/media/image1.png"), 0);
    // Saving without changes rewrites nothing at all.
    {
        Excel app;
        app.Workbooks().Open(ruta)->Save();
    }
    EXPECT_EQ(muestras::Partes(ruta), despues);
}

TEST_F(PlantillasExcel, TextsAreSharedStringsKeptExactly)
{
    const QString ruta = Copia(QStringLiteral("textos.xlsx"));
    const QString crlf = QStringLiteral("línea 1\r\nlínea 2");
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        HojaExcel hoja = libro->Worksheets(1);
        hoja.Range(QStringLiteral("A40")).SetValue(QStringLiteral("  dos blancos  "));
        hoja.Range(QStringLiteral("A41")).SetValue(crlf);
        hoja.Range(QStringLiteral("A42")).SetValue(QStringLiteral("_x0041_ literal"));
        hoja.Range(QStringLiteral("A43")).SetValue(QStringLiteral("tab\tpunto"));
        hoja.Range(QStringLiteral("A44")).SetValue(QStringLiteral("'0123"));
        hoja.Range(QStringLiteral("A45")).SetValue(QStringLiteral("fila 3"));
        hoja.Range(QStringLiteral("A46")).SetValue(QStringLiteral("O'Higgins & <Cía>"));
        hoja.Range(QStringLiteral("A47")).SetValue(QStringLiteral("12"));
        libro->Save();
    }
    const auto partes = muestras::Partes(ruta);
    EXPECT_EQ(partes.at("xl/worksheets/sheet1.xml").find("inlineStr"), std::string::npos);
    const std::string& textos = partes.at("xl/sharedStrings.xml");
    EXPECT_NE(textos.find("línea 1_x000D_\nlínea 2"), std::string::npos);
    EXPECT_EQ(textos.find("<t>fila 3</t>"), textos.rfind("<t>fila 3</t>")) << "the template's entry is reused";

    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("A40").valor.toString(), QStringLiteral("  dos blancos  "));
    EXPECT_EQ(l.Celda("A42").valor.toString(), QStringLiteral("_x0041_ literal"));
    EXPECT_EQ(l.Celda("A43").valor.toString(), QStringLiteral("tab\tpunto"));
    EXPECT_EQ(l.Celda("A44").valor.toString(), QStringLiteral("0123"));
    EXPECT_EQ(l.Celda("A44").tipo, QStringLiteral("s"));
    EXPECT_TRUE(l.Celda("A44").prefijoTexto);
    EXPECT_EQ(l.Celda("A46").valor.toString(), QStringLiteral("O'Higgins & <Cía>"));
    EXPECT_EQ(l.Celda("A47").valor.toString(), QStringLiteral("12")) << "no number is guessed from a text";

    const xlsx::LectorHoja propio(ruta);
    EXPECT_EQ(propio.Texto(QStringLiteral("A41")), crlf);
    EXPECT_EQ(propio.Texto(QStringLiteral("A42")), QStringLiteral("_x0041_ literal"));
    EXPECT_EQ(propio.Texto(QStringLiteral("A45")), QStringLiteral("fila 3"));
}

TEST_F(PlantillasExcel, AnEmptyTextClearsTheValueAndKeepsTheFormat)
{
    const QString ruta = Copia(QStringLiteral("vaciar.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    libro->Worksheets(1).Range(QStringLiteral("C6")).SetValue(QString());
    libro->Save();
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_TRUE(l.Celda("C6").valor.isNull());
    EsperarBordes(l.Celda("C6"), "medium", "C6");
}

TEST_F(PlantillasExcel, RowsAndCellsStayInAscendingOrder)
{
    const QString ruta = Copia(QStringLiteral("orden.xlsx"));
    const char* const celdas[] = {"H3", "A3", "B2", "AA100", "Z100", "C31", "AAA31", "B29", "A1048576"};
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    for (const char* celda : celdas)
        hoja.Range(QString::fromLatin1(celda)).SetValue(QString::fromLatin1(celda));
    libro->Save();
    pugi::xml_document d;
    const std::string xml = muestras::Partes(ruta)["xl/worksheets/sheet1.xml"];
    ASSERT_TRUE(d.load_buffer(xml.data(), xml.size()));
    int filaAnterior = 0;
    for (pugi::xml_node fila : d.document_element().child("sheetData").children("row")) {
        EXPECT_GT(fila.attribute("r").as_int(), filaAnterior);
        filaAnterior = fila.attribute("r").as_int();
        int columnaAnterior = 0;
        for (pugi::xml_node c : fila.children("c")) {
            const auto celda = xlsx::LeerCelda(std::string_view(c.attribute("r").value()));
            ASSERT_TRUE(celda);
            EXPECT_EQ(celda->fila, filaAnterior);
            EXPECT_GT(celda->columna, columnaAnterior) << c.attribute("r").value();
            columnaAnterior = celda->columna;
        }
    }
    EXPECT_STREQ(d.document_element().child("dimension").attribute("ref").value(), "A1:AAA1048576");
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    for (const char* celda : celdas)
        EXPECT_EQ(l.Celda(celda).valor.toString(), QString::fromLatin1(celda));
    EXPECT_EQ(l.Celda("A30").valor.toString(), QStringLiteral("fila 30"));
}

TEST_F(PlantillasExcel, MergesThatOverlapAreRefusedAndRepeatedOnesAreHarmless)
{
    const QString ruta = Copia(QStringLiteral("combinar.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    const xlsx::ErrorLibro e = ErrorDe([&] { hoja.Range(QStringLiteral("C1"), QStringLiteral("E1")).Merge(); });
    EXPECT_EQ(e.paso, QStringLiteral("modificar"));
    EXPECT_TRUE(e.detalle.contains(QStringLiteral("A1:D1"))) << e.descripcion.toStdString();
    hoja.Range(QStringLiteral("A1"), QStringLiteral("D1")).Merge();
    hoja.Range(QStringLiteral("B50")).SetValue(QStringLiteral("queda"));
    hoja.Range(QStringLiteral("C50")).SetValue(QStringLiteral("se va"));
    hoja.Range(QStringLiteral("B50"), QStringLiteral("C50")).Merge();
    hoja.Range(QStringLiteral("B51")).Merge();
    // A taller merge is found from any of its rows.
    hoja.Range(QStringLiteral("B60"), QStringLiteral("C61")).Merge();
    const xlsx::ErrorLibro abajo = ErrorDe([&] { hoja.Range(QStringLiteral("C61"), QStringLiteral("D62")).Merge(); });
    EXPECT_TRUE(abajo.detalle.contains(QStringLiteral("B60:C61"))) << abajo.descripcion.toStdString();
    libro->Save();
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.combinadas, (QStringList{"A1:D1", "B50:C50", "B60:C61"}));
    EXPECT_EQ(l.Celda("B50").valor.toString(), QStringLiteral("queda"));
    EXPECT_EQ(xlsx::LectorHoja(ruta).Texto(QStringLiteral("C50")), QString()) << "only the upper-left value stays";
}

TEST_F(PlantillasExcel, ALargerFontGrowsItsRowAsTheSpreadsheetDoes)
{
    const QString ruta = Copia(QStringLiteral("alto.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    hoja.Range(QStringLiteral("B9")).Font().SetSize(18);
    hoja.Range(QStringLiteral("C9")).Font().SetSize(10);
    hoja.Range(QStringLiteral("B10"), QStringLiteral("D11")).Font().SetSize(14);
    hoja.Range(QStringLiteral("B12")).Font().SetSize(8);
    libro->Save();
    pugi::xml_document d;
    const std::string xml = muestras::Partes(ruta)["xl/worksheets/sheet1.xml"];
    ASSERT_TRUE(d.load_buffer(xml.data(), xml.size()));
    std::map<int, std::string> altos;
    for (pugi::xml_node fila : d.document_element().child("sheetData").children("row"))
        altos[fila.attribute("r").as_int()] = fila.attribute("ht").value();
    EXPECT_EQ(altos[9], "23.25") << "a smaller font later does not shrink it";
    EXPECT_EQ(altos[10], "18.75");
    EXPECT_EQ(altos[11], "18.75");
    EXPECT_EQ(altos[12], "") << "a font smaller than the default keeps the default height";
}

TEST_F(PlantillasExcel, OverwritingFormulasDropsTheCalculationChain)
{
    const QString ruta = carpeta.filePath(QStringLiteral("formulas.xlsx"));
    muestras::CrearConLibxlsxwriter(ruta, [](lxw_workbook*, lxw_worksheet* hoja) {
        worksheet_write_number(hoja, 0, 1, 10, nullptr);
        worksheet_write_formula_num(hoja, 0, 0, "=B1*2", nullptr, 20);
    });
    // A calculation chain and a shared formula, as the spreadsheet writes them.
    auto partes = muestras::Partes(ruta);
    std::string hoja = partes["xl/worksheets/sheet1.xml"];
    hoja.insert(hoja.find("</sheetData>"),
                "<row r=\"2\"><c r=\"A2\"><f t=\"shared\" ref=\"A2:A3\" si=\"0\">B2+1</f><v>1</v></c></row>"
                "<row r=\"3\"><c r=\"A3\"><f t=\"shared\" si=\"0\"/><v>2</v></c></row>");
    std::string tipos = partes["[Content_Types].xml"];
    tipos.insert(tipos.find("</Types>"), "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/"
                                         "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>");
    std::string rels = partes["xl/_rels/workbook.xml.rels"];
    rels.insert(rels.find("</Relationships>"),
                "<Relationship Id=\"rId99\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                "relationships/calcChain\" Target=\"calcChain.xml\"/>");
    muestras::CambiarPartes(ruta, {{"xl/worksheets/sheet1.xml", hoja},
                                   {"[Content_Types].xml", tipos},
                                   {"xl/_rels/workbook.xml.rels", rels},
                                   {"xl/calcChain.xml", "<calcChain xmlns=\"http://schemas.openxmlformats.org/"
                                                        "spreadsheetml/2006/main\"><c r=\"A1\" i=\"1\"/>"
                                                        "<c r=\"A2\"/><c r=\"A3\"/></calcChain>"}});
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        EXPECT_EQ(libro->Worksheets(1).Range(QStringLiteral("A1")).Value(), QStringLiteral("20"));
        libro->Worksheets(1).Range(QStringLiteral("A1")).SetValue(5.0);
        libro->Worksheets(1).Range(QStringLiteral("A2")).SetValue(6.0);
        libro->Save();
    }
    const auto despues = muestras::Partes(ruta);
    EXPECT_EQ(despues.count("xl/calcChain.xml"), 0u);
    EXPECT_EQ(despues.at("[Content_Types].xml").find("calcChain"), std::string::npos);
    EXPECT_EQ(despues.at("xl/_rels/workbook.xml.rels").find("calcChain"), std::string::npos);
    EXPECT_EQ(despues.at("xl/worksheets/sheet1.xml").find("<f"), std::string::npos)
        << "the dependants of an overwritten shared formula keep only their values";
    const xlsx::LectorHoja l(ruta);
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QStringLiteral("5"));
    EXPECT_EQ(l.Texto(QStringLiteral("A3")), QStringLiteral("2"));
    const LibroLeido py = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(py.error.isEmpty()) << py.error.toStdString();
    EXPECT_EQ(py.Celda("A1").valor.toDouble(), 5);
}

TEST_F(PlantillasExcel, SaveAsAddsTheExtensionAndNeverChangesTheTemplate)
{
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("Temp")));
    const QByteArray original = muestras::LeerArchivo(plantilla);
    const QString salida = carpeta.filePath(QStringLiteral("Temp/20240315093012"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(plantilla);
    HojaExcel hoja = libro->Worksheets(1);
    libro->Activate();
    libro->SaveAs(salida);
    EXPECT_EQ(libro->FullName(), salida + QStringLiteral(".xlsx"));
    EXPECT_TRUE(QFile::exists(salida + QStringLiteral(".xlsx")));
    hoja.Range(QStringLiteral("D7")).SetValue(4711.0);
    hoja.Range(QStringLiteral("f12")).SetValue(QStringLiteral("'15/03/2024"));
    libro->Save();
    app.SetVisible(true);
    EXPECT_EQ(mostrados, QStringList{salida + QStringLiteral(".xlsx")});
    EXPECT_EQ(muestras::LeerArchivo(plantilla), original);
    const LibroLeido l = LeerConOpenpyxl(salida + QStringLiteral(".xlsx"));
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("D7").valor.toDouble(), 4711);
    EXPECT_EQ(l.Celda("F12").valor.toString(), QStringLiteral("15/03/2024"));
    // A name with its own extension keeps it.
    libro->SaveAs(carpeta.filePath(QStringLiteral("Temp/otro.xlsx")));
    EXPECT_TRUE(QFile::exists(carpeta.filePath(QStringLiteral("Temp/otro.xlsx"))));
}

TEST_F(PlantillasExcel, ATemplateFileIsSavedAsAWorkbook)
{
    std::string tipos = muestras::Partes(plantilla)["[Content_Types].xml"];
    const std::string libro = "spreadsheetml.sheet.main+xml", modelo = "spreadsheetml.template.main+xml";
    ASSERT_NE(tipos.find(libro), std::string::npos);
    tipos.replace(tipos.find(libro), libro.size(), modelo);
    const QString xltx = carpeta.filePath(QStringLiteral("iac.xltx"));
    QFile::copy(plantilla, xltx);
    muestras::CambiarPartes(xltx, {{"[Content_Types].xml", tipos}});
    const QString salida = carpeta.filePath(QStringLiteral("desde_modelo"));
    {
        Excel app;
        app.Workbooks().Open(xltx)->SaveAs(salida);
    }
    const std::string nuevos = muestras::Partes(salida + QStringLiteral(".xlsx"))["[Content_Types].xml"];
    EXPECT_NE(nuevos.find(libro), std::string::npos);
    EXPECT_EQ(nuevos.find(modelo), std::string::npos);
    EXPECT_TRUE(LeerConOpenpyxl(salida + QStringLiteral(".xlsx")).error.isEmpty());
}

TEST_F(PlantillasExcel, WorkbooksWithoutSharedStringsOrStylesGetThem)
{
    const std::string ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QString ruta = carpeta.filePath(QStringLiteral("desnudo.xlsx"));
    muestras::CrearZip(ruta, muestras::LibroMinimo("<worksheet xmlns=\"" + ns +
                                                   "\"><sheetData><row r=\"1\">"
                                                   "<c r=\"A1\"><v>1</v></c></row></sheetData></worksheet>"));
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        HojaExcel hoja = libro->Worksheets(1);
        hoja.Range(QStringLiteral("B1")).SetValue(QStringLiteral("texto nuevo"));
        hoja.Range(QStringLiteral("B1")).Font().SetBold(true);
        libro->Save();
    }
    const auto partes = muestras::Partes(ruta);
    ASSERT_EQ(partes.count("xl/sharedStrings.xml"), 1u);
    ASSERT_EQ(partes.count("xl/styles.xml"), 1u);
    EXPECT_NE(partes.at("[Content_Types].xml").find("/xl/sharedStrings.xml"), std::string::npos);
    EXPECT_NE(partes.at("xl/_rels/workbook.xml.rels").find("styles.xml"), std::string::npos);
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("B1").valor.toString(), QStringLiteral("texto nuevo"));
    EXPECT_TRUE(l.Celda("B1").negrita);
    EXPECT_EQ(l.Celda("A1").valor.toDouble(), 1);
}

TEST_F(PlantillasExcel, ValuesReadBackThroughTheSameObjects)
{
    const QString ruta = Copia(QStringLiteral("leer.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    // Unchanged: streamed.
    EXPECT_EQ(hoja.Range(QStringLiteral("C7")).Value(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(hoja.Range(QStringLiteral("A30")).Value(), QStringLiteral("fila 30"));
    EXPECT_EQ(hoja.Range(QStringLiteral("A1"), QStringLiteral("D1")).Value(), QStringLiteral("Informe de reclamos"));
    // Changed: from the tree being written.
    hoja.Range(QStringLiteral("B9")).SetValue(2.5);
    hoja.Range(QStringLiteral("B10")).SetValue(QStringLiteral("texto"));
    EXPECT_EQ(hoja.Range(QStringLiteral("B9")).Value(), QStringLiteral("2.5"));
    EXPECT_EQ(hoja.Range(QStringLiteral("B10")).Value(), QStringLiteral("texto"));
    EXPECT_EQ(hoja.Range(QStringLiteral("C7")).Value(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(hoja.Range(QStringLiteral("Z99")).Value(), QString());
    // Closing discards the changes.
    libro->Close();
    EXPECT_EQ(app.Workbooks().Count(), 0);
    EXPECT_THROW(hoja.Range(QStringLiteral("B9")).Value(), ErrorEjecucion);
    EXPECT_EQ(xlsx::LectorHoja(ruta).Texto(QStringLiteral("B9")), QString());
}

TEST_F(PlantillasExcel, FailuresNameTheFileAndTheStep)
{
    const QString falta = carpeta.filePath(QStringLiteral("no_esta.xlsx"));
    Excel app;
    xlsx::ErrorLibro e = ErrorDe([&] { app.Workbooks().Open(falta); });
    EXPECT_EQ(e.numero, 1004);
    EXPECT_EQ(e.paso, QStringLiteral("abrir"));
    EXPECT_EQ(e.descripcion, QStringLiteral("No se pudo abrir el libro \"%1\": el archivo no existe.").arg(falta));

    const QString roto = carpeta.filePath(QStringLiteral("roto.xlsx"));
    muestras::EscribirArchivoCrudo(roto, "PK\x03\x04 nada mas");
    e = ErrorDe([&] { app.Workbooks().Open(roto); });
    EXPECT_EQ(e.paso, QStringLiteral("abrir"));
    EXPECT_TRUE(e.descripcion.contains(roto));

    LibroExcel* libro = app.Workbooks().Open(Copia(QStringLiteral("errores.xlsx")));
    HojaExcel hoja = libro->Worksheets(1);
    const QString sinCarpeta = carpeta.filePath(QStringLiteral("no/existe/salida.xlsx"));
    e = ErrorDe([&] { libro->SaveAs(sinCarpeta); });
    EXPECT_EQ(e.paso, QStringLiteral("guardar"));
    EXPECT_TRUE(e.descripcion.contains(sinCarpeta));
    EXPECT_FALSE(QFile::exists(sinCarpeta));
    EXPECT_TRUE(libro->FullName().endsWith(QStringLiteral("errores.xlsx"))) << "a failed SaveAs keeps the name";

    const std::vector<std::function<void()>> invalidas = {
        [&] { hoja.Range(QStringLiteral("B9")).Interior().SetColorIndex(57); },
        [&] { hoja.Range(QStringLiteral("B9")).Borders().SetWeight(3); },
        [&] { hoja.Range(QStringLiteral("B9")).SetHorizontalAlignment(12345); },
        [&] { hoja.Range(QStringLiteral("B9")).SetVerticalAlignment(99); },
        [&] { hoja.Range(QStringLiteral("B9")).Font().SetSize(0); },
        [&] { hoja.Range(QStringLiteral("ZZZZ1")); },
        [&] { hoja.Range(QStringLiteral("A1"), QStringLiteral("XFD1048576")).Font().SetBold(true); },
        [&] { libro->Worksheets(2); },
    };
    for (size_t i = 0; i < invalidas.size(); ++i) {
        try {
            invalidas[i]();
            ADD_FAILURE() << "case " << i << " gave no error";
        } catch (const ErrorEjecucion& error) {
            EXPECT_TRUE(error.descripcion.contains(QStringLiteral("errores.xlsx"))) << error.descripcion.toStdString();
        }
    }
}

TEST_F(PlantillasExcel, AFailedWriteLeavesTheExistingFileAsItWas)
{
    const QString ruta = Copia(QStringLiteral("grande.xlsx"));
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    for (int fila = 100; fila < 2100; ++fila)
        hoja.Range(QStringLiteral("A%1").arg(fila)).SetValue(QStringLiteral("texto distinto %1").arg(fila));
    const QByteArray antes = muestras::LeerArchivo(ruta);
    const QStringList archivos = QDir(carpeta.path()).entryList(QDir::Files);
    // The file system refuses to write past a few kilobytes, as a full disk would.
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    rlimit limite = anterior;
    limite.rlim_cur = 8192;
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limite);
    const xlsx::ErrorLibro e = ErrorDe([&] { libro->Save(); });
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);
    EXPECT_EQ(e.paso, QStringLiteral("guardar"));
    EXPECT_EQ(muestras::LeerArchivo(ruta), antes);
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), archivos) << "no temporary file is left behind";
    libro->Save();
    EXPECT_EQ(xlsx::LectorHoja(ruta).Texto(QStringLiteral("A2099")), QStringLiteral("texto distinto 2099"));
}

TEST_F(PlantillasExcel, BecomingVisibleHandsEachOpenWorkbookToTheDesktopOnce)
{
    const QString uno = Copia(QStringLiteral("uno.xlsx")), dos = Copia(QStringLiteral("dos.xlsx"));
    Excel app;
    EXPECT_FALSE(app.Visible());
    app.Workbooks().Open(uno);
    app.Workbooks().Open(dos)->Close();
    app.SetVisible(true);
    app.SetVisible(true);
    EXPECT_TRUE(app.Visible());
    EXPECT_EQ(mostrados, QStringList{uno});

    Excel::EstablecerAbridor([](const QString&) { return false; });
    Excel otra;
    otra.Workbooks().Open(uno);
    const xlsx::ErrorLibro e = ErrorDe([&] { otra.SetVisible(true); });
    EXPECT_EQ(e.paso, QStringLiteral("mostrar"));
    EXPECT_FALSE(otra.Visible());
}

TEST_F(PlantillasExcel, TemplatesWrittenByOpenpyxlAreFilledToo)
{
    // openpyxl writes inline strings and its own palette, whose alpha byte is 00.
    const char* const kPlantilla = R"PY(
import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws['A1'] = 'Informe'
ws['B6'] = 'Desde:'
ws['C9'] = 'queda'
wb.create_sheet('Datos')
wb.save(sys.argv[1])
)PY";
    const QString ruta = carpeta.filePath(QStringLiteral("de_openpyxl.xlsx"));
    QString error;
    EjecutarPython(kPlantilla, ruta, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_NE(muestras::Partes(ruta)["xl/worksheets/sheet1.xml"].find("inlineStr"), std::string::npos);
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        HojaExcel hoja = libro->Worksheets(1);
        EXPECT_EQ(hoja.Range(QStringLiteral("B6")).Value(), QStringLiteral("Desde:"));
        hoja.Range(QStringLiteral("A1")).SetValue(QStringLiteral("Estadísticas"));
        hoja.Range(QStringLiteral("A1")).Interior().SetColorIndex(37);
        hoja.Range(QStringLiteral("B9")).Interior().SetColorIndex(20);
        libro->Save();
    }
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("A1").valor.toString(), QStringLiteral("Estadísticas"));
    EXPECT_EQ(l.Celda("A1").relleno, kAzul);
    EXPECT_EQ(l.Celda("B9").relleno, kCeleste);
    EXPECT_EQ(l.Celda("C9").valor.toString(), QStringLiteral("queda"));
    EXPECT_EQ(l.hojas, (QStringList{"Sheet", "Datos"}));
}

TEST_F(PlantillasExcel, NewElementsTakeThePrefixOfThePart)
{
    const std::string ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QString ruta = carpeta.filePath(QStringLiteral("prefijos.xlsx"));
    muestras::CrearZip(ruta, muestras::LibroMinimo("<x:worksheet xmlns:x=\"" + ns +
                                                   "\"><x:sheetData><x:row r=\"2\">"
                                                   "<x:c r=\"B2\"><x:v>1</x:v></x:c></x:row></x:sheetData>"
                                                   "<x:pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" "
                                                   "bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/></x:worksheet>"));
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        HojaExcel hoja = libro->Worksheets(1);
        hoja.Range(QStringLiteral("A1")).SetValue(QStringLiteral("arriba"));
        hoja.Range(QStringLiteral("C2")).SetValue(2.0);
        hoja.Range(QStringLiteral("A3"), QStringLiteral("B3")).Merge();
        libro->Save();
    }
    const std::string hoja = muestras::Partes(ruta)["xl/worksheets/sheet1.xml"];
    EXPECT_EQ(hoja.find("<row"), std::string::npos) << hoja;
    EXPECT_EQ(hoja.find("<c "), std::string::npos) << hoja;
    EXPECT_LT(hoja.find("<x:mergeCells"), hoja.find("<x:pageMargins")) << "schema order";
    const LibroLeido l = LeerConOpenpyxl(ruta);
    ASSERT_TRUE(l.error.isEmpty()) << l.error.toStdString();
    EXPECT_EQ(l.Celda("A1").valor.toString(), QStringLiteral("arriba"));
    EXPECT_EQ(l.Celda("B2").valor.toDouble(), 1);
    EXPECT_EQ(l.Celda("C2").valor.toDouble(), 2);
    EXPECT_EQ(l.combinadas, QStringList{QStringLiteral("A3:B3")});
}

TEST_F(PlantillasExcel, TextTheTemplateAlreadyHeldSurvivesTheRewrite)
{
    const std::string ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QString ruta = carpeta.filePath(QStringLiteral("retorno.xlsx"));
    muestras::CrearZip(ruta,
                       muestras::LibroMinimo("<worksheet xmlns=\"" + ns +
                                                 "\"><sheetData><row r=\"1\">"
                                                 "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"inlineStr\"><is>"
                                                 "<t xml:space=\"preserve\"> </t></is></c></row></sheetData>"
                                                 "</worksheet>",
                                             "<sst xmlns=\"" + ns + "\"><si><t>a&#13;b</t></si></sst>"));
    {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(ruta);
        libro->Worksheets(1).Range(QStringLiteral("B1")).SetValue(QStringLiteral("nuevo"));
        libro->Save();
    }
    const xlsx::LectorHoja l(ruta);
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QStringLiteral("a\rb"));
    EXPECT_EQ(l.Texto(QStringLiteral("B1")), QStringLiteral("nuevo"));
    EXPECT_EQ(l.Texto(QStringLiteral("C1")), QStringLiteral(" ")) << "a text of one blank is kept";
}
