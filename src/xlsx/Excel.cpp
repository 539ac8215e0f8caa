#include "Excel.h"

#include "Escritorio.h"
#include "LectorHoja.h"
#include "LibroXlsx.h"
#include "Paquete.h"
#include "PartesLibro.h"
#include "Valores.h"

#include <QFileInfo>
#include <algorithm>

using xlsx::Cambio;
using xlsx::CrearErrorLibro;

namespace {

Excel::Abridor& AbridorActual()
{
    static Excel::Abridor abridor;
    return abridor;
}

struct Valor
{
    int numero;
    const char* nombre;
};

// The spreadsheet's alignment constants, old and new numbering.
const Valor kHorizontales[] = {
    {1, "general"},          {-4131, "left"},       {2, "left"}, {-4108, "center"},  {3, "center"},
    {-4152, "right"},        {4, "right"},          {5, "fill"}, {-4130, "justify"}, {6, "justify"},
    {7, "centerContinuous"}, {-4117, "distributed"}};
const Valor kVerticales[] = {{-4160, "top"},         {1, "top"},        {-4108, "center"},  {2, "center"},
                             {-4107, "bottom"},      {3, "bottom"},     {-4130, "justify"}, {4, "justify"},
                             {-4117, "distributed"}, {5, "distributed"}};

const char* Buscar(const Valor* tabla, size_t n, int numero)
{
    for (size_t i = 0; i < n; ++i)
        if (tabla[i].numero == numero)
            return tabla[i].nombre;
    return nullptr;
}

constexpr int kSinColor = -4142;

} // namespace

struct LibroExcel::Impl
{
    QString ruta;
    std::shared_ptr<const xlsx::Paquete> paquete;
    std::unique_ptr<xlsx::LectorHoja> lector;
    std::unique_ptr<xlsx::LibroXlsx> editor;
    bool cerrado = false;

    void Abierto(const QString& paso) const
    {
        if (cerrado)
            throw CrearErrorLibro(ruta, paso, QStringLiteral("el libro está cerrado"));
    }
    // The tree of the sheet is built only for writing; reads of an unchanged workbook stream it.
    xlsx::LibroXlsx& Editor()
    {
        Abierto(QStringLiteral("modificar"));
        if (!editor) {
            editor = std::make_unique<xlsx::LibroXlsx>(paquete);
            lector.reset();
        }
        return *editor;
    }
    void Formatear(const xlsx::Rango& r, const Cambio& c) { Editor().Formatear(r, c); }
};

LibroExcel::LibroExcel(const QString& ruta) : d(std::make_unique<Impl>())
{
    d->ruta = ruta;
    d->paquete = xlsx::Proteger(ruta, QStringLiteral("abrir"), [&] {
        auto paquete = xlsx::Paquete::DesdeArchivo(ruta);
        // A workbook without a worksheet fails here, not at the first cell.
        xlsx::LocalizarPartes(*paquete);
        return std::shared_ptr<const xlsx::Paquete>(std::move(paquete));
    });
}

LibroExcel::~LibroExcel() = default;

HojaExcel LibroExcel::Worksheets(int indice)
{
    d->Abierto(QStringLiteral("usar"));
    if (indice != 1)
        throw CrearErrorLibro(d->ruta, QStringLiteral("usar"),
                              QStringLiteral("sólo se trabaja con la hoja 1 (se pidió la hoja %1)").arg(indice));
    return HojaExcel(this);
}

void LibroExcel::Save()
{
    d->Abierto(QStringLiteral("guardar"));
    d->Editor().Guardar(d->ruta);
}

void LibroExcel::SaveAs(const QString& ruta)
{
    d->Abierto(QStringLiteral("guardar"));
    QString destino = ruta;
    if (QFileInfo(destino).suffix().isEmpty())
        destino += QStringLiteral(".xlsx");
    d->Editor().Guardar(destino);
    d->ruta = destino;
}

void LibroExcel::Close()
{
    d->cerrado = true;
    d->editor.reset();
    d->lector.reset();
    d->paquete.reset();
}

QString LibroExcel::FullName() const
{
    return d->ruta;
}

bool LibroExcel::Cerrado() const
{
    return d->cerrado;
}

RangoExcel HojaExcel::Range(const QString& celda) const
{
    const QByteArray texto = celda.toLatin1();
    const auto r =
        celda.size() <= 32 ? xlsx::LeerRango(std::string_view(texto.constData(), size_t(texto.size()))) : std::nullopt;
    if (!r)
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("usar"),
                              QStringLiteral("\"%1\" no es una celda").arg(celda));
    return RangoExcel(m_libro, *r);
}

RangoExcel HojaExcel::Range(const QString& celda1, const QString& celda2) const
{
    const RangoExcel a = Range(celda1), b = Range(celda2);
    const xlsx::Rango ra = a.m_rango, rb = b.m_rango;
    return RangoExcel(
        m_libro,
        xlsx::Rango{xlsx::Celda{std::min(ra.desde.fila, rb.desde.fila), std::min(ra.desde.columna, rb.desde.columna)},
                    xlsx::Celda{std::max(ra.hasta.fila, rb.hasta.fila), std::max(ra.hasta.columna, rb.hasta.columna)}});
}

QString RangoExcel::Value() const
{
    LibroExcel::Impl& l = *m_libro->d;
    l.Abierto(QStringLiteral("leer"));
    if (l.editor)
        return l.editor->Texto(m_rango.desde);
    if (!l.lector)
        l.lector = std::make_unique<xlsx::LectorHoja>(l.paquete);
    return l.lector->Texto(m_rango.desde);
}

void RangoExcel::SetValue(const QString& texto)
{
    const bool apostrofo = texto.startsWith(QLatin1Char('\''));
    m_libro->d->Editor().EscribirTexto(m_rango, apostrofo ? texto.mid(1) : texto, apostrofo);
}

void RangoExcel::SetValue(double numero)
{
    m_libro->d->Editor().EscribirNumero(m_rango, numero);
}

void RangoExcel::Merge()
{
    m_libro->d->Editor().Combinar(m_rango);
}

void RangoExcel::SetHorizontalAlignment(int valor)
{
    const char* nombre = Buscar(kHorizontales, std::size(kHorizontales), valor);
    if (!nombre)
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("modificar"),
                              QStringLiteral("%1 no es una alineación horizontal").arg(valor));
    m_libro->d->Formatear(m_rango, Cambio{Cambio::Tipo::AlineacionHorizontal, nombre});
}

void RangoExcel::SetVerticalAlignment(int valor)
{
    const char* nombre = Buscar(kVerticales, std::size(kVerticales), valor);
    if (!nombre)
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("modificar"),
                              QStringLiteral("%1 no es una alineación vertical").arg(valor));
    m_libro->d->Formatear(m_rango, Cambio{Cambio::Tipo::AlineacionVertical, nombre});
}

void FuenteExcel::SetBold(bool negrita)
{
    m_libro->d->Formatear(m_rango, Cambio{Cambio::Tipo::Negrita, negrita ? "1" : "0"});
}

void FuenteExcel::SetSize(double puntos)
{
    if (!(puntos >= 1 && puntos <= 409))
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("modificar"),
                              QStringLiteral("%1 no es un tamaño de letra").arg(puntos));
    m_libro->d->Formatear(m_rango, Cambio{Cambio::Tipo::Tamano, xlsx::NumeroXml(puntos)});
}

void InteriorExcel::SetColorIndex(int indice)
{
    xlsx::LibroXlsx& editor = m_libro->d->Editor();
    const std::string argb = indice == kSinColor ? std::string() : editor.ColorIndice(indice);
    if (indice != kSinColor && argb.empty())
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("modificar"),
                              QStringLiteral("%1 no es un color de la paleta").arg(indice));
    editor.Formatear(m_rango, Cambio{Cambio::Tipo::Relleno, argb});
}

void BordesExcel::SetWeight(int peso)
{
    // 1 is the hairline, 2 the thin line.
    const char* estilo = peso == 1 ? "hair" : peso == 2 ? "thin" : nullptr;
    if (!estilo)
        throw CrearErrorLibro(m_libro->FullName(), QStringLiteral("modificar"),
                              QStringLiteral("%1 no es un grosor de borde").arg(peso));
    m_libro->d->Formatear(m_rango, Cambio{Cambio::Tipo::Borde, estilo});
}

LibroExcel* LibrosExcel::Open(const QString& ruta)
{
    m_libros.push_back(std::unique_ptr<LibroExcel>(new LibroExcel(ruta)));
    return m_libros.back().get();
}

int LibrosExcel::Count() const
{
    int n = 0;
    for (const auto& l : m_libros)
        n += l->Cerrado() ? 0 : 1;
    return n;
}

Excel::Excel() = default;
Excel::~Excel() = default;

void Excel::SetVisible(bool visible)
{
    if (visible && !m_visible) {
        const Abridor& abridor = AbridorActual();
        for (const auto& l : m_libros.m_libros) {
            if (l->Cerrado())
                continue;
            const bool abierto = abridor ? abridor(l->FullName()) : xlsx::AbrirEnEscritorio(l->FullName());
            if (!abierto)
                throw CrearErrorLibro(l->FullName(), QStringLiteral("mostrar"),
                                      QStringLiteral("no hay un programa de hojas de cálculo que lo abra"));
        }
    }
    m_visible = visible;
}

void Excel::EstablecerAbridor(Abridor abridor)
{
    AbridorActual() = std::move(abridor);
}
