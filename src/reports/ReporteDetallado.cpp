#include "ReporteDetallado.h"

#include "Aplicacion.h"
#include "Excel.h"
#include "LibroSalida.h"

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

void Rotulo(RangoExcel celda, int color)
{
    celda.Font().SetBold(false);
    celda.Interior().SetColorIndex(color);
    celda.Font().SetSize(10);
}

void Dato(RangoExcel celda)
{
    celda.Font().SetBold(false);
    celda.Font().SetSize(10);
}

// A pair of bordered rows: hairlines around every cell, then a thin line on the title row.
void Bordes(Hoja& h, int fila)
{
    h.Bloque('B', fila, 'H', fila + 1).Borders().SetWeight(kFina);
    h.Bloque('B', fila, 'H', fila).Borders().SetWeight(kDelgada);
}

void BloqueCategoria(Hoja& h, int r, const RegCategoriaReporte& categoria)
{
    RangoExcel titulo = h.Celda('B', r);
    titulo.SetValue(QStringLiteral("Categoria"));
    titulo.Font().SetBold(true);
    titulo.Interior().SetColorIndex(kAzul);
    titulo.Font().SetSize(12);
    h.Texto('B', r + 1, categoria.Detalle);
    h.Celda('B', r + 1).Font().SetSize(18);
}

void BloqueCausa(Hoja& h, int r, const RegCausaReporte& causa)
{
    RangoExcel titulo = h.Celda('B', r);
    titulo.SetValue(QStringLiteral("Causa"));
    titulo.Font().SetBold(true);
    titulo.Interior().SetColorIndex(kAzul);
    titulo.Font().SetSize(12);

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
    const auto titulo = [&](RangoExcel celda, const QString& texto) {
        celda.SetValue(texto);
        Rotulo(celda, kAzul);
        celda.SetHorizontalAlignment(kIzquierda);
    };
    titulo(h.Celda('B', r), QStringLiteral("ID Reclamo"));
    titulo(h.Celda('C', r), QStringLiteral("Fecha"));
    titulo(h.Celda('D', r), QStringLiteral("Unidad"));
    titulo(h.Combinar('E', 'F', r), QStringLiteral("Trayecto Desde"));
    RangoExcel hasta = h.Combinar('G', 'H', r);
    hasta.SetValue(QStringLiteral("Trayecto Hasta"));
    Rotulo(hasta, kAzul);
    Bordes(h, r);
    hasta.SetHorizontalAlignment(kIzquierda);

    const int d = r + 1;
    const auto dato = [&](RangoExcel celda) {
        Dato(celda);
        celda.SetHorizontalAlignment(kIzquierda);
    };
    h.Celda('B', d).SetValue(double(q.Pid));
    dato(h.Celda('B', d));
    h.Texto('C', d, q.Fecha);
    dato(h.Celda('C', d));
    h.Texto('D', d, q.Unidad);
    dato(h.Celda('D', d));
    h.Combinar('E', 'F', d);
    h.Texto('E', d, q.Desde);
    dato(h.Celda('E', d));
    h.Combinar('G', 'H', d);
    h.Texto('G', d, q.Hasta);
    dato(h.Celda('G', d));

    const int s = r + 3;
    const auto subtitulo = [&](RangoExcel celda, const QString& texto) {
        celda.SetValue(texto);
        Rotulo(celda, kCeleste);
        celda.SetHorizontalAlignment(kIzquierda);
    };
    subtitulo(h.Combinar('B', 'C', s), QStringLiteral("Responsables / Conductores"));
    subtitulo(h.Combinar('D', 'E', s), QStringLiteral("Empresa"));
    h.Bloque('F', s, 'H', s).Merge();
    RangoExcel usuario = h.Celda('F', s);
    usuario.SetValue(QStringLiteral("Usuario"));
    Rotulo(usuario, kCeleste);
    Bordes(h, s);
    usuario.SetHorizontalAlignment(kIzquierda);

    const int e = r + 4;
    h.Combinar('B', 'C', e);
    h.Texto('B', e, q.Responsables);
    dato(h.Celda('B', e));
    h.Combinar('D', 'E', e);
    h.Texto('D', e, q.EmpresaNombre);
    dato(h.Celda('D', e));
    h.Celda('F', e).SetValue(double(q.Usuario));
    Dato(h.Celda('F', e));
    h.Combinar('G', 'H', e);
    h.Texto('G', e, q.UsuarioNombre);
    Dato(h.Celda('G', e));
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
                                 QStringLiteral("imd"), kEtiqueta, [&](HojaExcel& hoja) {
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
                                 });
}

QString ReporteDetallado(const QString& desde, const QString& hasta, const std::function<bool()>& seguir)
{
    RegArbolReporte arbol;
    if (!LeerReporteDetallado(desde, hasta, arbol, seguir))
        return QString();
    return EscribirReporteDetallado(arbol, desde, hasta);
}
