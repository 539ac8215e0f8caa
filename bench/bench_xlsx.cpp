// The workbook layer against its targets, next to openpyxl doing the same work on the same files:
//  - fill 100,000 cells with a few formats into a template and save: under 0.5 s;
//  - read a 29,567 x 40 sheet of mixed cells cell by cell: under 2 s and 300 MB peak memory;
//  - refuse a workbook of about 2 MB whose sheet inflates to 2.1 GB: under 1 s and 100 MB.
// Reads run in a fresh process of this program so that their peak memory is their own.

#include "Comun.h"
#include "ErrorLibro.h"
#include "Excel.h"
#include "LectorHoja.h"
#include "MuestrasXlsx.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <xlsxwriter.h>

namespace {

constexpr int kFilasRelleno = 10000;
constexpr int kColumnasRelleno = 10;
constexpr int kFilasLectura = 29567;
constexpr int kColumnasLectura = 40;

// A report template: a title, header cells with their own formats, a second sheet.
void LlenarPlantilla(lxw_workbook* libro, lxw_worksheet* hoja)
{
    lxw_format* titulo = workbook_add_format(libro);
    format_set_bold(titulo);
    format_set_font_size(titulo, 14);
    lxw_format* borde = workbook_add_format(libro);
    format_set_border(borde, LXW_BORDER_THIN);
    worksheet_merge_range(hoja, 0, 0, 0, 5, "Informe", titulo);
    worksheet_write_string(hoja, 5, 1, "Desde:", borde);
    worksheet_write_string(hoja, 5, 4, "Hasta:", borde);
    worksheet_write_string(workbook_add_worksheet(libro, "Datos"), 0, 0, "otra hoja", nullptr);
}

// Mixed legacy data: numbers, repeated and unique texts, dates, decimals, booleans and blanks.
void LlenarHojaGrande(lxw_workbook* libro, lxw_worksheet* hoja)
{
    static const char* const kNombres[] = {"Pérez Juan", "Gómez Ana",    "Díaz Luis",     "Sosa María",
                                           "Ruiz Pedro", "Romero Laura", "Suárez Carlos", "Benítez Rosa"};
    lxw_format* fecha = workbook_add_format(libro);
    format_set_num_format(fecha, "dd/mm/yyyy");
    lxw_format* hora = workbook_add_format(libro);
    format_set_num_format(hora, "hh:mm:ss");
    char texto[96];
    for (int f = 0; f < kFilasLectura; ++f) {
        const lxw_row_t fila = lxw_row_t(f + 1);
        for (int c = 0; c < kColumnasLectura; ++c) {
            const lxw_col_t col = lxw_col_t(c);
            const int clase = c % 8;
            if ((f + c) % 13 == 0)
                continue; // blank
            switch (clase) {
            case 0: worksheet_write_number(hoja, fila, col, f * 41 + c, nullptr); break;
            case 1: worksheet_write_string(hoja, fila, col, kNombres[(f + c) % 8], nullptr); break;
            case 2:
                std::snprintf(texto, sizeof texto, "Detalle del reclamo %d, columna %d: demora en la salida", f, c);
                worksheet_write_string(hoja, fila, col, texto, nullptr);
                break;
            case 3: worksheet_write_number(hoja, fila, col, 40000 + (f % 3000), fecha); break;
            case 4: worksheet_write_number(hoja, fila, col, (f % 86400) / 86400.0, hora); break;
            case 5: worksheet_write_number(hoja, fila, col, f * 1.25 + c / 7.0, nullptr); break;
            case 6: worksheet_write_boolean(hoja, fila, col, (f + c) % 2, nullptr); break;
            default:
                std::snprintf(texto, sizeof texto, "Coche %d", (f * 7 + c) % 500);
                worksheet_write_string(hoja, fila, col, texto, nullptr);
                break;
            }
        }
    }
    worksheet_write_string(hoja, 0, 0, "Nro", nullptr);
}

QString Columna(int c)
{
    QString l;
    for (; c > 0; c = (c - 1) / 26)
        l.prepend(QChar('A' + (c - 1) % 26));
    return l;
}

double Rellenar(const QString& plantilla, const QString& salida)
{
    QElapsedTimer t;
    t.start();
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(plantilla);
    HojaExcel hoja = libro->Worksheets(1);
    for (int f = 1; f <= kFilasRelleno; ++f) {
        const int r = f + 8;
        for (int c = 1; c <= kColumnasRelleno; ++c) {
            RangoExcel celda = hoja.Range(Columna(c) + QString::number(r));
            if (c % 2)
                celda.SetValue(QStringLiteral("Reclamo %1-%2").arg(f % 500).arg(c));
            else
                celda.SetValue(f * c + 0.5);
            if (c == 1)
                celda.Font().SetBold(true);
            if (c == 2)
                celda.Interior().SetColorIndex(37);
            if (c == 5)
                celda.SetHorizontalAlignment(-4152);
            if (c == 10)
                celda.Borders().SetWeight(2);
        }
        if (f % 10 == 0)
            hoja.Range(QStringLiteral("A%1").arg(r), QStringLiteral("J%1").arg(r)).Font().SetSize(12);
    }
    libro->SaveAs(salida);
    return t.nsecsElapsed() / 1e9;
}

// Child process: reads every cell the way the imports do and prints "seconds peakKB cells".
int Leer(const QString& ruta)
{
    QElapsedTimer t;
    t.start();
    Excel app;
    LibroExcel* libro = app.Workbooks().Open(ruta);
    HojaExcel hoja = libro->Worksheets(1);
    QStringList letras;
    for (int c = 1; c <= kColumnasLectura; ++c)
        letras << Columna(c);
    long long caracteres = 0, llenas = 0;
    for (int f = 2; f <= kFilasLectura + 1; ++f)
        for (int c = 0; c < kColumnasLectura; ++c) {
            const QString v = hoja.Range(letras[c] + QString::number(f)).Value();
            caracteres += v.size();
            llenas += v.isEmpty() ? 0 : 1;
        }
    libro->Close();
    const double segundos = t.nsecsElapsed() / 1e9;
    std::printf("%f %ld %lld %lld\n", segundos, PicoDeMemoriaKb(), llenas, caracteres);
    return 0;
}

// Child process: opens a hostile workbook as the imports would and prints "seconds peakKB".
int Rechazar(const QString& ruta)
{
    QElapsedTimer t;
    t.start();
    try {
        xlsx::LectorHoja lector(ruta);
        std::fprintf(stderr, "the zip bomb was read\n");
        return 1;
    } catch (const xlsx::ErrorLibro&) {
    }
    std::printf("%f %ld\n", t.nsecsElapsed() / 1e9, PicoDeMemoriaKb());
    return 0;
}

// Runs this program on a file in one of its child modes; the fields it printed.
QStringList EnHijo(const QString& modo, const QString& ruta)
{
    QProcess hijo;
    hijo.start(QCoreApplication::applicationFilePath(), {modo, ruta});
    if (!hijo.waitForFinished(-1) || hijo.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(modo), hijo.readAllStandardError().constData());
        std::exit(1);
    }
    return QString::fromLatin1(hijo.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
}

double Python(const char* script, const QStringList& argumentos, QString* error)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral("-c"), QString::fromUtf8(script)} + argumentos);
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        *error = QString::fromUtf8(p.readAllStandardError()).trimmed();
        return 0;
    }
    return t.nsecsElapsed() / 1e9;
}

const char* const kRellenoPython = R"PY(
import sys, openpyxl
from openpyxl.styles import Font, PatternFill, Border, Side, Alignment
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
negrita, relleno = Font(bold=True), PatternFill('solid', fgColor='FF99CCFF')
fino = Side(style='thin')
borde, derecha, grande = Border(left=fino, right=fino, top=fino, bottom=fino), Alignment(horizontal='right'), Font(size=12)
for f in range(1, 10001):
    r = f + 8
    for c in range(1, 11):
        celda = ws.cell(row=r, column=c)
        celda.value = 'Reclamo %d-%d' % (f % 500, c) if c % 2 else f * c + 0.5
        if c == 1: celda.font = negrita
        if c == 2: celda.fill = relleno
        if c == 5: celda.alignment = derecha
        if c == 10: celda.border = borde
    if f % 10 == 0:
        for c in range(1, 11): ws.cell(row=r, column=c).font = grande
wb.save(sys.argv[2])
)PY";

const char* const kLecturaPython = R"PY(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1], read_only=True)
ws = wb.worksheets[0]
n = 0
for fila in ws.iter_rows(min_row=2, max_row=29568, max_col=40, values_only=True):
    for v in fila:
        n += len('' if v is None else str(v))
print(n)
)PY";

void Informe(const char* trabajo, double nuestro, double python, const QString& error, const char* meta, bool cumple)
{
    std::printf("%-44s ours %7.3f s", trabajo, nuestro);
    if (error.isEmpty())
        std::printf("   openpyxl %7.3f s   ours/openpyxl %.3f", python, nuestro / python);
    else
        std::printf("   openpyxl: %s", qPrintable(error));
    std::printf("   target %s: %s\n", meta, cumple ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--leer")
        return Leer(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::string(argv[1]) == "--rechazar")
        return Rechazar(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir carpeta;
    const QString plantilla = carpeta.filePath(QStringLiteral("plantilla.xlsx"));
    const QString grande = carpeta.filePath(QStringLiteral("imp.xlsx"));
    Crear(plantilla, LlenarPlantilla);
    Crear(grande, LlenarHojaGrande);

    const double relleno = Rellenar(plantilla, carpeta.filePath(QStringLiteral("nuestro.xlsx")));
    QString errorRelleno;
    const double rellenoPython =
        Python(kRellenoPython, {plantilla, carpeta.filePath(QStringLiteral("openpyxl.xlsx"))}, &errorRelleno);
    Informe("fill 100,000 cells with formats and save", relleno, rellenoPython, errorRelleno, "< 0.5 s", relleno < 0.5);

    const QStringList campos = EnHijo(QStringLiteral("--leer"), grande);
    const double lectura = campos.value(0).toDouble();
    const double megas = campos.value(1).toDouble() / 1024.0;
    QString errorLectura;
    const double lecturaPython = Python(kLecturaPython, {grande}, &errorLectura);
    Informe("read 29,567 x 40 cells one by one", lectura, lecturaPython, errorLectura, "< 2 s", lectura < 2);
    std::printf("%-44s ours %7.1f MB   target < 300 MB: %s   (%s non-empty cells)\n", "peak memory of the read", megas,
                megas < 300 ? "met" : "MISSED", qPrintable(campos.value(2)));

    const QString bomba = carpeta.filePath(QStringLiteral("bomba.xlsx"));
    muestras::CrearBomba(bomba, 2150ull * 1024 * 1024);
    const QStringList rechazo = EnHijo(QStringLiteral("--rechazar"), bomba);
    const double segundosBomba = rechazo.value(0).toDouble();
    const double megasBomba = rechazo.value(1).toDouble() / 1024.0;
    std::printf("%-44s ours %7.3f s   target < 1 s: %s   peak %.1f MB   target < 100 MB: %s   (file %.1f MB)\n",
                "refuse a workbook inflating to 2.1 GB", segundosBomba, segundosBomba < 1 ? "met" : "MISSED",
                megasBomba, megasBomba < 100 ? "met" : "MISSED", QFileInfo(bomba).size() / 1048576.0);
    return 0;
}
