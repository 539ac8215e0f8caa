#include "LectorIndependiente.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const char* const kVolcado = R"PY(
import sys, json, datetime, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
def color(c):
    if c is None: return None
    if c.type == 'rgb': return c.rgb
    if c.type == 'indexed': return 'indexed:%d' % c.indexed
    return c.type
celdas = {}
# Only the cells the file holds: iterating the used range of a sheet that reaches row 1048576
# would take minutes.
for c in ws._cells.values():
    v = getattr(c, 'value', None)
    texto = None if v is None else str(v)
    if isinstance(v, (datetime.datetime, datetime.date, datetime.time)):
        v = v.isoformat()
    f = c.font
    celdas[c.coordinate] = {
        'v': v, 's': texto, 't': getattr(c, 'data_type', ''), 'b': bool(f.b), 'i': bool(f.i), 'sz': float(f.sz or 0), 'font': f.name,
        'fcolor': color(f.color),
        'fill': color(c.fill.fgColor) if c.fill.patternType == 'solid' else '',
        'h': c.alignment.horizontal, 'va': c.alignment.vertical,
        'bl': c.border.left.style, 'br': c.border.right.style,
        'bt': c.border.top.style, 'bb': c.border.bottom.style,
        'fmt': c.number_format, 'qp': bool(getattr(c, 'quotePrefix', False))}
print(json.dumps({
    'sheets': wb.sheetnames, 'merged': sorted(str(r) for r in ws.merged_cells.ranges),
    'epoch1904': wb.epoch.year == 1904, 'cells': celdas,
    'names': ';'.join('%s=%s' % (d.name, d.attr_text) for d in wb.defined_names.definedName),
    'header': ws.oddHeader.center.text or '', 'footer': ws.oddFooter.center.text or '',
    'landscape': ws.page_setup.orientation == 'landscape'}))
)PY";

QString Texto(const QJsonValue& v)
{
    return v.isString() ? v.toString() : QString();
}

} // namespace

LibroLeido LeerConOpenpyxl(const QString& ruta)
{
    LibroLeido libro;
    const QByteArray salida = EjecutarPython(kVolcado, ruta, &libro.error);
    if (!libro.error.isEmpty())
        return libro;
    const QJsonObject o = QJsonDocument::fromJson(salida).object();
    for (const QJsonValue& h : o.value(QStringLiteral("sheets")).toArray())
        libro.hojas << h.toString();
    for (const QJsonValue& m : o.value(QStringLiteral("merged")).toArray())
        libro.combinadas << m.toString();
    libro.fechas1904 = o.value(QStringLiteral("epoch1904")).toBool();
    libro.definidos = o.value(QStringLiteral("names")).toString();
    libro.encabezado = o.value(QStringLiteral("header")).toString();
    libro.pie = o.value(QStringLiteral("footer")).toString();
    libro.apaisado = o.value(QStringLiteral("landscape")).toBool();
    const QJsonObject celdas = o.value(QStringLiteral("cells")).toObject();
    for (auto it = celdas.begin(); it != celdas.end(); ++it) {
        const QJsonObject c = it.value().toObject();
        CeldaLeida l;
        l.valor = c.value(QStringLiteral("v"));
        l.texto = Texto(c.value(QStringLiteral("s")));
        l.tipo = Texto(c.value(QStringLiteral("t")));
        l.negrita = c.value(QStringLiteral("b")).toBool();
        l.cursiva = c.value(QStringLiteral("i")).toBool();
        l.tamano = c.value(QStringLiteral("sz")).toDouble();
        l.fuente = Texto(c.value(QStringLiteral("font")));
        l.colorFuente = Texto(c.value(QStringLiteral("fcolor")));
        l.relleno = Texto(c.value(QStringLiteral("fill")));
        l.horizontal = Texto(c.value(QStringLiteral("h")));
        l.vertical = Texto(c.value(QStringLiteral("va")));
        l.bordeIzquierdo = Texto(c.value(QStringLiteral("bl")));
        l.bordeDerecho = Texto(c.value(QStringLiteral("br")));
        l.bordeSuperior = Texto(c.value(QStringLiteral("bt")));
        l.bordeInferior = Texto(c.value(QStringLiteral("bb")));
        l.formato = Texto(c.value(QStringLiteral("fmt")));
        l.prefijoTexto = c.value(QStringLiteral("qp")).toBool();
        libro.celdas.insert(it.key(), l);
    }
    return libro;
}

QByteArray EjecutarPython(const char* script, const QString& archivo, QString* error)
{
    // Debian's interpreter: the one on PATH may lack Debian's openpyxl.
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), archivo});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("/usr/bin/python3 failed (is python3-openpyxl installed?): %1 %2")
                         .arg(p.errorString(), QString::fromUtf8(p.readAllStandardError()));
        return {};
    }
    return p.readAllStandardOutput();
}
