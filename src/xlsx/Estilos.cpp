#include "Estilos.h"

#include "ArbolXml.h"
#include "ErrorLibro.h"
#include "Valores.h"

#include <algorithm>
#include <cstring>

namespace xlsx {

namespace {

// The spreadsheet's default 56-colour palette; legacy colour index n is entry n - 1.
const char* const kPaleta[56] = {"000000", "FFFFFF", "FF0000", "00FF00", "0000FF", "FFFF00", "FF00FF", "00FFFF",
                                 "800000", "008000", "000080", "808000", "800080", "008080", "C0C0C0", "808080",
                                 "9999FF", "993366", "FFFFCC", "CCFFFF", "660066", "FF8080", "0066CC", "CCCCFF",
                                 "000080", "FF00FF", "FFFF00", "00FFFF", "800080", "800000", "008080", "0000FF",
                                 "00CCFF", "CCFFFF", "CCFFCC", "FFFF99", "99CCFF", "FF99CC", "CC99FF", "FFCC99",
                                 "3366FF", "33CCCC", "99CC00", "FFCC00", "FF9900", "FF6600", "666699", "969696",
                                 "003366", "339966", "003300", "333300", "993300", "993366", "333399", "333333"};

// Children of styleSheet in schema order.
const char* const kOrdenHojaEstilos[] = {"numFmts",    "fonts", "fills",       "borders", "cellStyleXfs", "cellXfs",
                                         "cellStyles", "dxfs",  "tableStyles", "colors",  "extLst"};
// Children of border in schema order.
const char* const kOrdenBorde[] = {"start",  "end",      "left",     "right",     "top",
                                   "bottom", "diagonal", "vertical", "horizontal"};

const char* const kEstilosMinimos =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";

int Rango(const char* const* orden, size_t n, std::string_view nombre)
{
    for (size_t i = 0; i < n; ++i)
        if (nombre == orden[i])
            return int(i);
    return int(n);
}

// Inserts a child named prefijo+local among siblings ordered by orden.
pugi::xml_node InsertarOrdenado(pugi::xml_node padre, const std::string& prefijo, const char* local,
                                const char* const* orden, size_t n)
{
    const int mio = Rango(orden, n, local);
    const std::string nombre = prefijo + local;
    for (pugi::xml_node h = padre.first_child(); h; h = h.next_sibling())
        if (h.type() == pugi::node_element && Rango(orden, n, NombreLocal(h)) > mio)
            return padre.insert_child_before(nombre.c_str(), h);
    return padre.append_child(nombre.c_str());
}

uint32_t Numero(const pugi::xml_node& nodo, const char* atributo)
{
    return nodo.attribute(atributo).as_uint(0);
}

// A key equal for equal elements whatever the order of their attributes.
void Canonica(const pugi::xml_node& n, std::string& k)
{
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
        k += '"';
        k += n.value();
        k += '"';
        return;
    }
    if (n.type() != pugi::node_element)
        return;
    k += NombreLocal(n);
    std::vector<std::pair<std::string_view, std::string_view>> atributos;
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute())
        atributos.emplace_back(a.name(), a.value());
    std::sort(atributos.begin(), atributos.end());
    k += '(';
    for (const auto& [nombre, valor] : atributos) {
        k += nombre;
        k += '=';
        k += valor;
        k += '\x1f';
    }
    k += ")[";
    for (pugi::xml_node h = n.first_child(); h; h = h.next_sibling())
        Canonica(h, k);
    k += ']';
}

// Elements made here take the part's prefix, like the rest of its tree.
void AplicarPrefijo(pugi::xml_node n, const std::string& prefijo)
{
    if (prefijo.empty())
        return;
    for (pugi::xml_node h = n.first_child(); h; h = h.next_sibling())
        if (h.type() == pugi::node_element) {
            h.set_name((prefijo + std::string(NombreLocal(h))).c_str());
            AplicarPrefijo(h, prefijo);
        }
}

std::string ClaveDe(const pugi::xml_node& n)
{
    std::string k;
    Canonica(n, k);
    return k;
}

} // namespace

Estilos::Estilos(const std::string* xml)
{
    m_nuevo = xml == nullptr;
    if (m_nuevo)
        CargarXml(m_doc, kEstilosMinimos, "xl/styles.xml");
    else
        CargarXml(m_doc, *xml, "xl/styles.xml");
    m_raiz = m_doc.document_element();
    m_prefijo = Prefijo(m_raiz);
    m_modificado = m_nuevo;
    for (pugi::xml_node f = Hijo(Hijo(m_raiz, "numFmts"), "numFmt"); f; f = f.next_sibling())
        if (NombreLocal(f) == "numFmt")
            m_codigos[f.attribute("numFmtId").as_int(-1)] = f.attribute("formatCode").value();
    for (pugi::xml_node x = Hijo(Hijo(m_raiz, "cellXfs"), "xf"); x; x = x.next_sibling())
        if (x.type() == pugi::node_element && NombreLocal(x) == "xf") {
            m_xfs.push_back(x);
            m_fechas.push_back(CalcularFecha(x));
        }
    for (pugi::xml_node c = Hijo(Hijo(Hijo(m_raiz, "colors"), "indexedColors"), "rgbColor"); c; c = c.next_sibling())
        if (NombreLocal(c) == "rgbColor")
            m_paleta.push_back(c.attribute("rgb").value());
}

bool Estilos::CalcularFecha(const pugi::xml_node& xf) const
{
    const int id = xf.attribute("numFmtId").as_int(0);
    const auto it = m_codigos.find(id);
    return EsFormatoFecha(id, it == m_codigos.end() ? std::string_view() : std::string_view(it->second),
                          it != m_codigos.end());
}

bool Estilos::EsFecha(uint32_t formato) const
{
    return formato < m_fechas.size() && m_fechas[formato];
}

std::string Estilos::ColorIndice(int indice) const
{
    if (indice < 1 || indice > 56)
        return {};
    // A workbook's own palette replaces the default one; its alpha byte is often 00 (openpyxl
    // writes it so) and means nothing for a fill, so the colour is written opaque.
    const size_t propio = size_t(indice) + 7;
    if (propio < m_paleta.size() && m_paleta[propio].size() == 8)
        return "FF" + m_paleta[propio].substr(2);
    return std::string("FF") + kPaleta[indice - 1];
}

pugi::xml_node Estilos::Contenedor(const char* nombre)
{
    pugi::xml_node c = Hijo(m_raiz, nombre);
    if (!c)
        c = InsertarOrdenado(m_raiz, m_prefijo, nombre, kOrdenHojaEstilos, std::size(kOrdenHojaEstilos));
    return c;
}

void Estilos::PrepararLista(Lista& lista, const char* contenedor, const char* elemento, const char* predeterminado)
{
    lista.contenedor = Contenedor(contenedor);
    for (pugi::xml_node h = lista.contenedor.first_child(); h; h = h.next_sibling())
        if (h.type() == pugi::node_element && NombreLocal(h) == elemento) {
            lista.indice.emplace(ClaveDe(h), uint32_t(lista.elementos.size()));
            lista.elementos.push_back(h);
        }
    if (lista.elementos.empty()) {
        // A list the part lacks gets the usual first entry, which existing indexes 0 mean.
        pugi::xml_document d;
        CargarXml(d, predeterminado, "xl/styles.xml");
        for (pugi::xml_node h = d.document_element().first_child(); h; h = h.next_sibling()) {
            pugi::xml_node copia = lista.contenedor.append_copy(h);
            copia.set_name((m_prefijo + elemento).c_str());
            AplicarPrefijo(copia, m_prefijo);
            lista.indice.emplace(ClaveDe(copia), uint32_t(lista.elementos.size()));
            lista.elementos.push_back(copia);
        }
        PonerAtributo(lista.contenedor, "count", std::to_string(lista.elementos.size()).c_str());
        m_modificado = true;
    }
}

uint32_t Estilos::Registrar(Lista& lista, const pugi::xml_node& candidato)
{
    std::string clave = ClaveDe(candidato);
    const auto it = lista.indice.find(clave);
    if (it != lista.indice.end())
        return it->second;
    const uint32_t nuevo = uint32_t(lista.elementos.size());
    lista.elementos.push_back(lista.contenedor.append_copy(candidato));
    lista.indice.emplace(std::move(clave), nuevo);
    PonerAtributo(lista.contenedor, "count", std::to_string(lista.elementos.size()).c_str());
    m_modificado = true;
    return nuevo;
}

uint32_t Estilos::Derivar(uint32_t formato, const Cambio& cambio)
{
    std::string clave = std::to_string(formato);
    clave += char(cambio.tipo);
    clave += cambio.valor;
    const auto hecho = m_derivados.find(clave);
    if (hecho != m_derivados.end())
        return hecho->second;
    if (!m_listas) {
        m_listas = true;
        PrepararLista(m_fuentes, "fonts", "font", "<r><font><sz val=\"11\"/><name val=\"Calibri\"/></font></r>");
        PrepararLista(m_rellenos, "fills", "fill",
                      "<r><fill><patternFill patternType=\"none\"/></fill>"
                      "<fill><patternFill patternType=\"gray125\"/></fill></r>");
        PrepararLista(m_bordes, "borders", "border",
                      "<r><border><left/><right/><top/><bottom/><diagonal/></border></r>");
        PrepararLista(m_formatos, "cellXfs", "xf",
                      "<r><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></r>");
        m_xfs = m_formatos.elementos;
        m_fechas.resize(m_xfs.size());
        for (size_t i = 0; i < m_xfs.size(); ++i)
            m_fechas[i] = CalcularFecha(m_xfs[i]);
    }
    // A format index beyond the list (a damaged file) derives from the default format.
    const pugi::xml_node base = m_formatos.elementos[formato < m_formatos.elementos.size() ? formato : 0];
    pugi::xml_document borrador;
    pugi::xml_node xf = borrador.append_copy(base);
    switch (cambio.tipo) {
    case Cambio::Tipo::Negrita:
    case Cambio::Tipo::Tamano:
        PonerAtributo(xf, "fontId", std::to_string(DerivarFuente(Numero(xf, "fontId"), cambio)).c_str());
        PonerAtributo(xf, "applyFont", "1");
        break;
    case Cambio::Tipo::Relleno:
        PonerAtributo(xf, "fillId", std::to_string(Relleno(cambio.valor)).c_str());
        PonerAtributo(xf, "applyFill", "1");
        break;
    case Cambio::Tipo::Borde:
        PonerAtributo(xf, "borderId", std::to_string(DerivarBorde(Numero(xf, "borderId"), cambio.valor)).c_str());
        PonerAtributo(xf, "applyBorder", "1");
        break;
    case Cambio::Tipo::AlineacionHorizontal:
    case Cambio::Tipo::AlineacionVertical: {
        pugi::xml_node al = Hijo(xf, "alignment");
        if (!al)
            al = xf.prepend_child((m_prefijo + "alignment").c_str());
        PonerAtributo(al, cambio.tipo == Cambio::Tipo::AlineacionHorizontal ? "horizontal" : "vertical",
                      cambio.valor.c_str());
        PonerAtributo(xf, "applyAlignment", "1");
        break;
    }
    case Cambio::Tipo::PrefijoTexto: PonerAtributo(xf, "quotePrefix", "1"); break;
    }
    const uint32_t derivado = Registrar(m_formatos, xf);
    if (derivado >= m_xfs.size()) {
        m_xfs.push_back(m_formatos.elementos[derivado]);
        m_fechas.push_back(CalcularFecha(m_xfs.back()));
    }
    m_derivados.emplace(std::move(clave), derivado);
    return derivado;
}

uint32_t Estilos::DerivarFuente(uint32_t fuente, const Cambio& cambio)
{
    pugi::xml_document borrador;
    pugi::xml_node f = borrador.append_copy(m_fuentes.elementos[fuente < m_fuentes.elementos.size() ? fuente : 0]);
    if (cambio.tipo == Cambio::Tipo::Negrita) {
        pugi::xml_node b = Hijo(f, "b");
        if (cambio.valor == "1") {
            if (b)
                b.remove_attribute("val");
            else
                f.prepend_child((m_prefijo + "b").c_str());
        } else if (b) {
            f.remove_child(b);
        }
    } else {
        pugi::xml_node sz = Hijo(f, "sz");
        if (!sz) {
            pugi::xml_node despues;
            for (pugi::xml_node h = f.first_child(); h && !despues; h = h.next_sibling())
                for (const char* n : {"color", "name", "family", "charset", "scheme"})
                    if (NombreLocal(h) == n) {
                        despues = h;
                        break;
                    }
            const std::string nombre = m_prefijo + "sz";
            sz = despues ? f.insert_child_before(nombre.c_str(), despues) : f.append_child(nombre.c_str());
        }
        PonerAtributo(sz, "val", cambio.valor.c_str());
    }
    return Registrar(m_fuentes, f);
}

uint32_t Estilos::DerivarBorde(uint32_t borde, const std::string& estilo)
{
    pugi::xml_document borrador;
    pugi::xml_node b = borrador.append_copy(m_bordes.elementos[borde < m_bordes.elementos.size() ? borde : 0]);
    for (const char* lado : {"left", "right", "top", "bottom"}) {
        pugi::xml_node l = Hijo(b, lado);
        if (!l)
            l = InsertarOrdenado(b, m_prefijo, lado, kOrdenBorde, std::size(kOrdenBorde));
        PonerAtributo(l, "style", estilo.c_str());
        if (!Hijo(l, "color"))
            l.append_child((m_prefijo + "color").c_str()).append_attribute("indexed").set_value("64");
    }
    return Registrar(m_bordes, b);
}

uint32_t Estilos::Relleno(const std::string& argb)
{
    pugi::xml_document borrador;
    pugi::xml_node f = borrador.append_child((m_prefijo + "fill").c_str());
    pugi::xml_node p = f.append_child((m_prefijo + "patternFill").c_str());
    if (argb.empty()) {
        p.append_attribute("patternType").set_value("none");
    } else {
        p.append_attribute("patternType").set_value("solid");
        p.append_child((m_prefijo + "fgColor").c_str()).append_attribute("rgb").set_value(argb.c_str());
        p.append_child((m_prefijo + "bgColor").c_str()).append_attribute("indexed").set_value("64");
    }
    return Registrar(m_rellenos, f);
}

std::string Estilos::Guardar() const
{
    return GuardarXml(m_doc);
}

} // namespace xlsx
