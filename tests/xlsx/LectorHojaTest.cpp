#include "LectorHoja.h"
#include "ErrorLibro.h"
#include "LectorIndependiente.h"
#include "MuestrasXlsx.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

using namespace xlsx;

namespace {

const std::string kNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

class LecturaDeHojas : public ::testing::Test
{
protected:
    QTemporaryDir carpeta;
    QString Ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    ErrorLibro ErrorAlLeer(const QString& ruta)
    {
        try {
            LectorHoja l(ruta);
        } catch (const ErrorLibro& e) {
            return e;
        }
        ADD_FAILURE() << "reading " << ruta.toStdString() << " gave no error";
        return {};
    }

    // A hand-written first sheet (and shared strings) in an otherwise minimal workbook.
    QString Hecho(const QString& nombre, const std::string& hoja, const std::string& textos = {})
    {
        const QString ruta = Ruta(nombre);
        muestras::CrearZip(ruta, muestras::LibroMinimo(hoja, textos));
        return ruta;
    }
};

void EsperarErrorClaro(const ErrorLibro& e, const QString& ruta, const char* detalle)
{
    EXPECT_EQ(e.numero, kErrorAutomatizacion);
    EXPECT_EQ(e.paso, QStringLiteral("leer"));
    EXPECT_TRUE(e.descripcion.contains(ruta)) << e.descripcion.toStdString();
    EXPECT_TRUE(e.detalle.contains(QString::fromUtf8(detalle))) << e.descripcion.toStdString();
}

} // namespace

TEST_F(LecturaDeHojas, ReadsSharedStringsNumbersAndBlanksWrittenByLibxlsxwriter)
{
    const QString ruta = Ruta("mixta.xlsx");
    muestras::CrearConLibxlsxwriter(ruta, [](lxw_workbook* libro, lxw_worksheet* hoja) {
        lxw_format* fecha = workbook_add_format(libro);
        format_set_num_format(fecha, "dd/mm/yyyy");
        lxw_format* negrita = workbook_add_format(libro);
        format_set_bold(negrita);
        worksheet_write_string(hoja, 0, 0, "Pérez Juan", nullptr);
        worksheet_write_number(hoja, 0, 1, 42, nullptr);
        worksheet_write_number(hoja, 0, 2, 3.25, nullptr);
        worksheet_write_number(hoja, 0, 3, -0.5, nullptr);
        worksheet_write_number(hoja, 0, 4, 30123456, nullptr);
        worksheet_write_blank(hoja, 0, 5, fecha);
        worksheet_write_string(hoja, 1, 26, "columna AA", nullptr);
        worksheet_write_string(hoja, 1, 51, "AZ", nullptr);
        worksheet_write_string(hoja, 1, 52, "BA", nullptr);
        worksheet_write_string(hoja, 1, 702, "AAA", nullptr);
        worksheet_write_string(hoja, 2, 0, "  con blancos  ", nullptr);
        worksheet_write_string(hoja, 2, 1, "línea 1\r\nlínea 2", nullptr);
        worksheet_write_string(hoja, 2, 2, "O'Higgins", nullptr);
        worksheet_write_string(hoja, 2, 3, "Pérez Juan", nullptr);
        lxw_rich_string_tuple rojo = {negrita, const_cast<char*>("Rojo ")};
        lxw_rich_string_tuple negro = {nullptr, const_cast<char*>("y negro")};
        lxw_rich_string_tuple* partes[] = {&rojo, &negro, nullptr};
        worksheet_write_rich_string(hoja, 3, 0, partes, nullptr);
        worksheet_write_boolean(hoja, 4, 0, 1, nullptr);
        worksheet_write_boolean(hoja, 4, 1, 0, nullptr);
        worksheet_write_formula_num(hoja, 5, 0, "=B1/6", nullptr, 7);
        worksheet_write_formula_str(hoja, 5, 1, "=\"ab\"&\"c\"", nullptr, "abc");
        worksheet_write_string(hoja, 29566, 39, "última", nullptr);
    });
    ASSERT_NE(muestras::Partes(ruta).count("xl/sharedStrings.xml"), 0u);
    const LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("A1")), QStringLiteral("Pérez Juan"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("D3")), QStringLiteral("Pérez Juan"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B1")), QStringLiteral("42"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("C1")), QStringLiteral("3.25"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("D1")), QStringLiteral("-0.5"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("E1")), QStringLiteral("30123456"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("F1")), QString()) << "a formatted blank is empty";
    EXPECT_EQ(hoja.Texto(QStringLiteral("G1")), QString()) << "a cell never written is empty";
    EXPECT_EQ(hoja.Texto(QStringLiteral("AA2")), QStringLiteral("columna AA"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("az2")), QStringLiteral("AZ"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("BA2")), QStringLiteral("BA"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("AAA2")), QStringLiteral("AAA"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A3")), QStringLiteral("  con blancos  "));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B3")), QStringLiteral("línea 1\r\nlínea 2"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("C3")), QStringLiteral("O'Higgins"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A4")), QStringLiteral("Rojo y negro"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A5")), QStringLiteral("TRUE"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B5")), QStringLiteral("FALSE"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A6")), QStringLiteral("7")) << "a formula gives its cached value";
    EXPECT_EQ(hoja.Texto(QStringLiteral("B6")), QStringLiteral("abc"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("AN29567")), QStringLiteral("última"));
    EXPECT_EQ(hoja.UltimaFila(), 29567);
    EXPECT_EQ(hoja.Texto(QStringLiteral("A29568")), QString());
    EXPECT_THROW(hoja.Texto(QStringLiteral("A0")), ErrorLibro);
}

TEST_F(LecturaDeHojas, ReadsTheInlineStringsOfConstantMemoryMode)
{
    const QString ruta = Ruta("constante.xlsx");
    muestras::CrearConLibxlsxwriter(
        ruta,
        [](lxw_workbook*, lxw_worksheet* hoja) {
            worksheet_write_string(hoja, 0, 0, "en línea", nullptr);
            worksheet_write_number(hoja, 0, 1, 12, nullptr);
            worksheet_write_string(hoja, 1, 2, " borde ", nullptr);
            worksheet_write_string(hoja, 2, 0, "x\ty", nullptr);
        },
        true);
    ASSERT_NE(muestras::Partes(ruta)["xl/worksheets/sheet1.xml"].find("inlineStr"), std::string::npos);
    const LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("A1")), QStringLiteral("en línea"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B1")), QStringLiteral("12"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("C2")), QStringLiteral(" borde "));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A3")), QStringLiteral("x\ty"));
}

TEST_F(LecturaDeHojas, ReadsDatesAndTimesByTheCellsNumberFormat)
{
    const QString ruta = Ruta("fechas.xlsx");
    muestras::CrearConLibxlsxwriter(ruta, [](lxw_workbook* libro, lxw_worksheet* hoja) {
        auto formato = [&](const char* codigo) {
            lxw_format* f = workbook_add_format(libro);
            format_set_num_format(f, codigo);
            return f;
        };
        lxw_format* incorporado = workbook_add_format(libro);
        format_set_num_format_index(incorporado, 14);
        lxw_datetime momento = {2024, 3, 15, 10, 20, 30};
        worksheet_write_datetime(hoja, 0, 0, &momento, formato("dd/mm/yyyy hh:mm:ss"));
        worksheet_write_number(hoja, 1, 0, 45366, formato("dd/mm/yyyy"));
        worksheet_write_number(hoja, 2, 0, 0.5, formato("hh:mm:ss"));
        worksheet_write_number(hoja, 3, 0, 45366.25, formato("0.00"));
        worksheet_write_number(hoja, 4, 0, 45366, incorporado);
        worksheet_write_number(hoja, 5, 0, 5, formato("#,##0 \"días\""));
        worksheet_write_number(hoja, 6, 0, 45366.75, formato("[$-409]d-mmm-yy h:mm AM/PM"));
        worksheet_write_number(hoja, 7, 0, 60, formato("dd/mm/yyyy"));
    });
    const LectorHoja hoja(ruta);
    EXPECT_EQ(hoja.Texto(QStringLiteral("A1")), QStringLiteral("15/03/2024 10:20:30"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A2")), QStringLiteral("15/03/2024"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A3")), QStringLiteral("12:00:00"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A4")), QStringLiteral("45366.25"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A5")), QStringLiteral("15/03/2024"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A6")), QStringLiteral("5"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A7")), QStringLiteral("15/03/2024 18:00:00"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("A8")), QStringLiteral("29/02/1900"));
}

TEST_F(LecturaDeHojas, ReadsWorkbooksWrittenByOpenpyxlInBothDateSystems)
{
    const char* const kEscribir = R"PY(
import sys, datetime, openpyxl
from openpyxl.utils.datetime import CALENDAR_MAC_1904
for nombre, epoca in (('1900', None), ('1904', CALENDAR_MAC_1904)):
    wb = openpyxl.Workbook()
    if epoca: wb.epoch = epoca
    ws = wb.active
    ws['A1'] = datetime.datetime(2024, 3, 15, 10, 20, 30)
    ws['A2'] = datetime.date(2024, 3, 15)
    ws['A3'] = datetime.time(18, 45, 0)
    ws['A4'] = True
    ws['A5'] = False
    ws['A6'] = '=SUM(1,2)'
    ws['A7'] = 3.5
    ws['A8'] = 'texto'
    wb.save(sys.argv[1] + '/' + nombre + '.xlsx')
)PY";
    QString error;
    EjecutarPython(kEscribir, carpeta.path(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    for (const char* sistema : {"1900", "1904"}) {
        SCOPED_TRACE(sistema);
        const QString ruta = Ruta(QString::fromLatin1(sistema) + ".xlsx");
        if (QByteArray(sistema) == "1904") {
            ASSERT_NE(muestras::Partes(ruta)["xl/workbook.xml"].find("date1904"), std::string::npos);
        }
        const LectorHoja hoja(ruta);
        EXPECT_EQ(hoja.Texto(QStringLiteral("A1")), QStringLiteral("15/03/2024 10:20:30"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A2")), QStringLiteral("15/03/2024"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A3")), QStringLiteral("18:45:00"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A4")), QStringLiteral("TRUE"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A5")), QStringLiteral("FALSE"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A6")), QString()) << "a formula never calculated has no value";
        EXPECT_EQ(hoja.Texto(QStringLiteral("A7")), QStringLiteral("3.5"));
        EXPECT_EQ(hoja.Texto(QStringLiteral("A8")), QStringLiteral("texto"));
    }
}

TEST_F(LecturaDeHojas, JoinsRichTextSkipsPhoneticRunsAndUndoesEscapes)
{
    const std::string textos =
        "<sst xmlns=\"" + kNs +
        "\" count=\"3\" uniqueCount=\"3\">"
        "<si><t>東京</t><rPh sb=\"0\" eb=\"2\"><t>トウキョウ</t></rPh><phoneticPr fontId=\"1\"/></si>"
        "<si><r><rPr><b/></rPr><t>Rich </t></r><r><t xml:space=\"preserve\">text </t></r>"
        "<rPh sb=\"0\" eb=\"1\"><t>x</t></rPh></si>"
        "<si><t>a_x000D_b_x005F_x0041_</t></si></sst>";
    const std::string hoja = "<worksheet xmlns=\"" + kNs +
                             "\"><sheetData><row r=\"1\">"
                             "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                             "<c r=\"C1\" t=\"s\"><v>2</v></c>"
                             "<c r=\"D1\" t=\"inlineStr\"><is><t>en</t><rPh><t>no</t></rPh></is></c>"
                             "</row></sheetData></worksheet>";
    const LectorHoja l(Hecho("fonetica.xlsx", hoja, textos));
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QStringLiteral("東京"));
    EXPECT_EQ(l.Texto(QStringLiteral("B1")), QStringLiteral("Rich text "));
    EXPECT_EQ(l.Texto(QStringLiteral("C1")), QStringLiteral("a\rb_x0041_"));
    EXPECT_EQ(l.Texto(QStringLiteral("D1")), QStringLiteral("en"));
}

TEST_F(LecturaDeHojas, CellTextsComeWithoutNulCharactersOrLoneSurrogates)
{
    using namespace std::string_literals;
    const std::string textos =
        "<sst xmlns=\"" + kNs + "\"><si><t>c\0d</t></si><si><t>e_x0000_f_xD800_g</t></si></sst>"s;
    const std::string hoja = "<worksheet xmlns=\"" + kNs +
                             "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a\0b</t></is></c>"
                             "<c r=\"B1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"s\"><v>1</v></c>"
                             "<c r=\"D1\" t=\"str\"><f>X</f><v>h\0i</v></c></row></sheetData></worksheet>"s;
    const LectorHoja l(Hecho("nulos.xlsx", hoja, textos));
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QStringLiteral("ab"));
    EXPECT_EQ(l.Texto(QStringLiteral("B1")), QStringLiteral("cd"));
    EXPECT_EQ(l.Texto(QStringLiteral("C1")), QStringLiteral("e\uFFFDf\uFFFDg")) << "escaped ones were replaced already";
    EXPECT_EQ(l.Texto(QStringLiteral("D1")), QStringLiteral("hi"));
}

TEST_F(LecturaDeHojas, ReadsPrefixedCellsWithoutReferencesAndOutOfOrder)
{
    const std::string hoja = "<x:worksheet xmlns:x=\"" + kNs +
                             "\"><x:sheetData>"
                             "<x:row r=\"3\"><x:c r=\"B3\"><x:v>3</x:v></x:c></x:row>"
                             "<x:row r=\"1\"><x:c><x:v>1</x:v></x:c><x:c><x:v>2</x:v></x:c>"
                             "<x:c r=\"E1\" t=\"str\"><x:v>e</x:v></x:c><x:c><x:v>6</x:v></x:c></x:row>"
                             "<x:row><x:c r=\"A2\" t=\"e\"><x:v>#N/A</x:v></x:c>"
                             "<x:c r=\"B2\" t=\"d\"><x:v>2024-03-15T08:00:00</x:v></x:c></x:row>"
                             "<x:row r=\"3\"><x:c r=\"B3\"><x:v>33</x:v></x:c></x:row>"
                             "</x:sheetData></x:worksheet>";
    const LectorHoja l(Hecho("desordenada.xlsx", hoja));
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QStringLiteral("1"));
    EXPECT_EQ(l.Texto(QStringLiteral("B1")), QStringLiteral("2"));
    EXPECT_EQ(l.Texto(QStringLiteral("E1")), QStringLiteral("e"));
    EXPECT_EQ(l.Texto(QStringLiteral("F1")), QStringLiteral("6"));
    EXPECT_EQ(l.Texto(QStringLiteral("A2")), QStringLiteral("#N/A"));
    EXPECT_EQ(l.Texto(QStringLiteral("B2")), QStringLiteral("15/03/2024 08:00:00"));
    EXPECT_EQ(l.Texto(QStringLiteral("B3")), QStringLiteral("33")) << "the later of two copies holds";
    EXPECT_EQ(l.CantidadCeldas(), 7u);
}

TEST_F(LecturaDeHojas, TheFirstWorksheetIsReadEvenAfterAChartSheet)
{
    const QString ruta = Ruta("grafico.xlsx");
    lxw_workbook* libro = workbook_new(QFile::encodeName(ruta).constData());
    lxw_chartsheet* grafico = workbook_add_chartsheet(libro, "Grafico");
    lxw_worksheet* hoja = workbook_add_worksheet(libro, "Datos");
    worksheet_write_number(hoja, 0, 0, 1, nullptr);
    worksheet_write_number(hoja, 1, 0, 2, nullptr);
    lxw_chart* barras = workbook_add_chart(libro, LXW_CHART_COLUMN);
    chart_add_series(barras, nullptr, "=Datos!$A$1:$A$2");
    chartsheet_set_chart(grafico, barras);
    ASSERT_EQ(workbook_close(libro), LXW_NO_ERROR);
    EXPECT_EQ(LectorHoja(ruta).Texto(QStringLiteral("A2")), QStringLiteral("2"));
}

TEST_F(LecturaDeHojas, AMillionEmptyRowsReadCorrectly)
{
    std::string hoja = "<worksheet xmlns=\"" + kNs + "\"><sheetData>";
    hoja.reserve(20000000);
    for (int r = 1; r <= 1000000; ++r)
        hoja += "<row r=\"" + std::to_string(r) + "\"/>";
    hoja += "<row r=\"1000001\"><c r=\"A1000001\"><v>9</v></c></row></sheetData></worksheet>";
    const LectorHoja l(Hecho("vacia.xlsx", hoja));
    EXPECT_EQ(l.Texto(QStringLiteral("A1")), QString());
    EXPECT_EQ(l.Texto(QStringLiteral("A999999")), QString());
    EXPECT_EQ(l.Texto(QStringLiteral("A1000001")), QStringLiteral("9"));
    EXPECT_EQ(l.CantidadCeldas(), 1u);
}

TEST_F(LecturaDeHojas, HostileFilesGiveAClearErrorNamingTheFile)
{
    const QString noZip = Ruta("nozip.xlsx");
    muestras::EscribirArchivoCrudo(noZip, "esto no es un libro");
    EsperarErrorClaro(ErrorAlLeer(noZip), noZip, "no es un archivo zip");

    const QString sinLibro = Ruta("sinlibro.xlsx");
    muestras::CrearZip(sinLibro, {{"hola.txt", "hola"}});
    EsperarErrorClaro(ErrorAlLeer(sinLibro), sinLibro, "no contiene xl/workbook.xml");

    const QString falta = Ruta("noexiste.xlsx");
    EsperarErrorClaro(ErrorAlLeer(falta), falta, "no existe");

    // A real workbook cut short, and one with a damaged byte inside the sheet's data.
    const QString entero = Ruta("entero.xlsx");
    muestras::CrearConLibxlsxwriter(entero, [](lxw_workbook*, lxw_worksheet* hoja) {
        for (int r = 0; r < 3000; ++r)
            worksheet_write_number(hoja, lxw_row_t(r), 0, r * 7919 % 1000, nullptr);
    });
    const QByteArray bytes = muestras::LeerArchivo(entero);
    const QString cortado = Ruta("cortado.xlsx");
    muestras::EscribirArchivoCrudo(cortado, bytes.left(bytes.size() * 2 / 3));
    EsperarErrorClaro(ErrorAlLeer(cortado), cortado, "");
    const int hojaEn = bytes.indexOf("xl/worksheets/sheet1.xml");
    ASSERT_GT(hojaEn, 0);
    QByteArray danado = bytes;
    for (int i = hojaEn + 200; i < hojaEn + 240; ++i)
        danado[i] = char(danado[i] ^ 0x5A);
    const QString roto = Ruta("roto.xlsx");
    muestras::EscribirArchivoCrudo(roto, danado);
    EsperarErrorClaro(ErrorAlLeer(roto), roto, "");
}

TEST_F(LecturaDeHojas, EntityBombsAreRefusedWithoutExpanding)
{
    const std::string dtd = "<!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;\">"
                            "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;\">]>";
    const QString enHoja = Hecho("bomba1.xlsx", "<?xml version=\"1.0\"?>" + dtd + "<worksheet xmlns=\"" + kNs +
                                                    "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>"
                                                    "&lol3;</t></is></c></row></sheetData></worksheet>");
    EsperarErrorClaro(ErrorAlLeer(enHoja), enHoja, "DOCTYPE");
    const QString enTextos =
        Hecho("bomba2.xlsx", "<worksheet xmlns=\"" + kNs + "\"><sheetData/></worksheet>",
              "<?xml version=\"1.0\"?>" + dtd + "<sst xmlns=\"" + kNs + "\"><si><t>&lol3;</t></si></sst>");
    EsperarErrorClaro(ErrorAlLeer(enTextos), enTextos, "DOCTYPE");
    const QString enEstilos = Ruta("bomba3.xlsx");
    muestras::CrearZip(enEstilos, muestras::LibroMinimo("<worksheet xmlns=\"" + kNs + "\"><sheetData/></worksheet>", {},
                                                        dtd + "<styleSheet>&lol3;</styleSheet>"));
    EsperarErrorClaro(ErrorAlLeer(enEstilos), enEstilos, "DOCTYPE");
}

TEST_F(LecturaDeHojas, ZipBombsAreRefusedBeforeTheyInflate)
{
    constexpr unsigned long long kMega = 1024 * 1024;
    // 2.1 GB from about 2 MB: refused for its size, before a byte is inflated.
    const QString grande = Ruta("bomba.xlsx");
    muestras::CrearBomba(grande, 2150 * kMega);
    EsperarErrorClaro(ErrorAlLeer(grande), grande, "se expande a 2150 MB");
    // Within the size bound, but a thousand to one: refused for the ratio.
    const QString densa = Ruta("densa.xlsx");
    muestras::CrearBomba(densa, 300 * kMega);
    EsperarErrorClaro(ErrorAlLeer(densa), densa, "veces su tamaño comprimido");
    // Headers that claim a small part: refused as soon as it inflates past the claim.
    const QString mentira = Ruta("mentira.xlsx");
    muestras::CrearBomba(mentira, 300 * kMega, 100000);
    EsperarErrorClaro(ErrorAlLeer(mentira), mentira, "más grande de lo que declara");
    // The same construction within every bound reads as a workbook.
    const QString sana = Ruta("sana.xlsx");
    muestras::CrearBomba(sana, 200000);
    const QString a1 = LectorHoja(sana).Texto(QStringLiteral("A1"));
    EXPECT_GT(a1.size(), 199000);
    EXPECT_EQ(a1.count(QLatin1Char('a')), a1.size());
}

TEST_F(LecturaDeHojas, ImpossibleReferencesAreErrorsNotCrashes)
{
    const std::string cabeza = "<worksheet xmlns=\"" + kNs + "\"><sheetData>";
    const QString indice =
        Hecho("indice.xlsx", cabeza + "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>5</v></c></row></sheetData></worksheet>",
              "<sst xmlns=\"" + kNs + "\"><si><t>uno</t></si></sst>");
    EsperarErrorClaro(ErrorAlLeer(indice), indice, "texto compartido que no existe");
    const QString fila =
        Hecho("fila.xlsx", cabeza + "<row r=\"2000000\"><c><v>1</v></c></row></sheetData></worksheet>");
    EsperarErrorClaro(ErrorAlLeer(fila), fila, "fuera de los límites");
    const QString celda =
        Hecho("celda.xlsx", cabeza + "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row></sheetData></worksheet>");
    EsperarErrorClaro(ErrorAlLeer(celda), celda, "referencia de celda no válida");
    const QString corta = Hecho("corta.xlsx", cabeza + "<row r=\"1\"><c r=\"A1\"><v>1</v>");
    EsperarErrorClaro(ErrorAlLeer(corta), corta, "incompleto");
}
