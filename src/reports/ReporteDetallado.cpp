#include "ReporteDetallado.h"

#include "Aplicacion.h"
#include "Excel.h"
#include "LibroSalida.h"

#include <initializer_list>
#include <optional>

namespace {

const QString kEtiqueta = QStringLiteral("ReporteDet_Click en Reportes");

// The spreadsheet's numbers for the formats of the blocks.
constexpr int kAzul = 37;
constexpr int kCeleste = 20;
constexpr int kIzquierda = 2;
constexpr int kDerecha = -4152;
constexpr int kFina = 1;
constexpr int kDelgada = 2;

// The sheet seen through cell names built from a column letter and a row.
class Hoja
{
public:
    explicit Hoja(HojaExcel hoja) : m_hoja(hoja) {}

    RangoExcel Celda(char columna, int fila) const { return m_hoja.Range(nombre(columna, fila)); }
    RangoExcel Bloque(char desde, int filaDesde, char hasta, int filaHasta) const
    {
        return m_hoja.Range(nombre(desde, filaDesde), nombre(hasta, filaHasta));
    }
    // Merge of two cells of one row, made before the value goes into the left one.
    RangoExcel Combinar(char desde, char hasta, int fila) const
    {
        Bloque(desde, fila, hasta, fila).Merge();
        return Celda(desde, fila);
    }
    void Texto(char columna, int fila, const QString& texto)
    {
        LibroSalida::EscribirTexto(m_hoja, nombre(columna, fila), texto);
    }

private:
    static QString nombre(char columna, int fila) { return QLatin1Char(columna) + QString::number(fila); }
    HojaExcel m_hoja;
};

// A pair of bordered rows: hairlines around every cell, then a thin line on the title row.
void Bordes(Hoja& h, int fila)
{
    h.Bloque('B', fila, 'H', fila + 1).Borders().SetWeight(kFina);
    h.Bloque('B', fila, 'H', fila).Borders().SetWeight(kDelgada);
}

// One cell of a complaint block, merged from desde to hasta of its row when they differ.
struct CeldaBloque
{
    char desde;
    char hasta;
    QString texto;
    std::optional<double> numero = std::nullopt;
    bool alinear = true;
};

// A title row of a complaint block: labels on a fill, left-aligned, the last one after the
// borders of its pair of rows are drawn.
void Titulos(Hoja& h, int r, int color, std::initializer_list<CeldaBloque> celdas)
{
    const CeldaBloque* ultima = celdas.end() - 1;
    for (const CeldaBloque& c : celdas) {
        RangoExcel celda = c.desde == c.hasta ? h.Celda(c.desde, r) : h.Combinar(c.desde, c.hasta, r);
        celda.SetValue(c.texto);
        celda.Font().SetBold(false);
        celda.Interior().SetColorIndex(color);
        celda.Font().SetSize(10);
        if (&c == ultima)
            Bordes(h, r);
        celda.SetHorizontalAlignment(kIzquierda);
    }
}

// A data row of a complaint block: texts as they are, numbers as numbers.
void Datos(Hoja& h, int r, std::initializer_list<CeldaBloque> celdas)
{
    for (const CeldaBloque& c : celdas) {
        RangoExcel celda = c.desde == c.hasta ? h.Celda(c.desde, r) : h.Combinar(c.desde, c.hasta, r);
        if (c.numero)
            celda.SetValue(*c.numero);
        else
            h.Texto(c.desde, r, c.texto);
        celda.Font().SetBold(false);
        celda.Font().SetSize(10);
        if (c.alinear)
            celda.SetHorizontalAlignment(kIzquierda);
    }
}

void Titulo(Hoja& h, int r, const QString& texto)
{
    RangoExcel titulo = h.Celda('B', r);
    titulo.SetValue(texto);
    titulo.Font().SetBold(true);
    titulo.Interior().SetColorIndex(kAzul);
    titulo.Font().SetSize(12);
}

void BloqueCategoria(Hoja& h, int r, const RegCategoriaReporte& categoria)
{
    Titulo(h, r, QStringLiteral("Categoria"));
    h.Texto('B', r + 1, categoria.Detalle);
    h.Celda('B', r + 1).Font().SetSize(18);
}

void BloqueCausa(Hoja& h, int r, const RegCausaReporte& causa)
{
    Titulo(h, r, QStringLiteral("Causa"));
    h.Bloque('B', r + 1, 'D', r + 1).Merge();
    h.Bloque('B', r + 1, 'D', r + 1).Font().SetSize(14);
    h.Texto('B', r + 1, causa.Detalle);
    h.Celda('B', r + 1).SetHorizontalAlignment(kDerecha);
    RangoExcel cantidad = h.Combinar('F', 'G', r + 1);
    cantidad.SetValue(QStringLiteral("Cantidad:"));
    cantidad.Font().SetBold(true);
    RangoExcel numero = h.Celda('H', r + 1);
    numero.SetValue(double(causa.Quejas.size()));
    numero.Font().SetBold(true);
}

void BloqueQueja(Hoja& h, int r, const RegLineaReporte& q)
{
    Titulos(h, r, kAzul,
            {{'B', 'B', QStringLiteral("ID Reclamo")},
             {'C', 'C', QStringLiteral("Fecha")},
             {'D', 'D', QStringLiteral("Unidad")},
             {'E', 'F', QStringLiteral("Trayecto Desde")},
             {'G', 'H', QStringLiteral("Trayecto Hasta")}});
    Datos(h, r + 1,
          {{'B', 'B', QString(), double(q.Pid)},
           {'C', 'C', q.Fecha},
           {'D', 'D', q.Unidad},
           {'E', 'F', q.Desde},
           {'G', 'H', q.Hasta}});
    Titulos(h, r + 3, kCeleste,
            {{'B', 'C', QStringLiteral("Responsables / Conductores")},
             {'D', 'E', QStringLiteral("Empresa")},
             {'F', 'H', QStringLiteral("Usuario")}});
    Datos(h, r + 4,
          {{'B', 'C', q.Responsables},
           {'D', 'E', q.EmpresaNombre},
           {'F', 'F', QString(), double(q.Usuario), false},
           {'G', 'H', q.UsuarioNombre, std::nullopt, false}});
}

// The period, then from row 9 the blocks of every category, reason and complaint; what has no
// complaint takes no row.
void Llenar(HojaExcel& hoja, const RegArbolReporte& arbol, const QString& desde, const QString& hasta)
{
    Hoja h(hoja);
    h.Texto('C', 6, desde);
    h.Texto('F', 6, hasta);
    // 32 bits: ten thousand complaints take seventy thousand rows.
    qint32 r = 9;
    for (const RegCategoriaReporte& categoria : arbol.Categorias) {
        if (categoria.Causas.isEmpty())
            continue;
        BloqueCategoria(h, r, categoria);
        r += 2;
        for (const RegCausaReporte& causa : categoria.Causas) {
            if (causa.Quejas.isEmpty())
                continue;
            BloqueCausa(h, r, causa);
            r += 3;
            for (const RegLineaReporte& queja : causa.Quejas) {
                BloqueQueja(h, r, queja);
                r += 7;
            }
        }
    }
}

} // namespace

bool LeerReporteDetallado(const QString& desde, const QString& hasta, RegArbolReporte& arbol,
                          const std::function<bool()>& seguir)
{
    arbol = GetRelaciones();
    if (!seguir())
        return false;
    const ReportePeriodo periodo = GetReportePeriodo(desde, hasta);
    for (RegCategoriaReporte& categoria : arbol.Categorias) {
        for (RegCausaReporte& causa : categoria.Causas) {
            causa = periodo.Causa(causa.Pid, causa.Detalle);
            Aplicacion::HacerEventos();
            if (!seguir())
                return false;
        }
        Aplicacion::HacerEventos();
        if (!seguir())
            return false;
    }
    return true;
}

QString EscribirReporteDetallado(const RegArbolReporte& arbol, const QString& desde, const QString& hasta)
{
    return LibroSalida::Exportar(Aplicacion::Ruta(QStringLiteral("imd.xlsx")), LibroSalida::Forma::Copia,
                                 QStringLiteral("imd"), kEtiqueta,
                                 [&](HojaExcel& hoja) { Llenar(hoja, arbol, desde, hasta); });
}

QString ReporteDetallado(const QString& desde, const QString& hasta, const std::function<bool()>& seguir)
{
    RegArbolReporte arbol;
    if (!LeerReporteDetallado(desde, hasta, arbol, seguir))
        return QString();
    return EscribirReporteDetallado(arbol, desde, hasta);
}
