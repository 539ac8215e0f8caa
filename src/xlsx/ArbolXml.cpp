#include "ArbolXml.h"

#include "ErrorLibro.h"

#include <cstring>

namespace xlsx {

void CargarXml(pugi::xml_document& doc, const std::string& datos, std::string_view parte)
{
    // pugixml never expands entities of a DTD, but a DOCTYPE has no place in a workbook.
    if (datos.find("<!DOCTYPE") != std::string::npos)
        throw Fallo("la parte " + std::string(parte) + " tiene una declaración DOCTYPE (no admitida)");
    // Blank-only text is kept when it is an element's only content: a cell text of one space.
    const unsigned opciones = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result r = doc.load_buffer(datos.data(), datos.size(), opciones, pugi::encoding_utf8);
    if (!r)
        throw Fallo("la parte " + std::string(parte) + " no es XML válido (" + r.description() + ", posición " +
                    std::to_string(r.offset) + ")");
    if (!doc.document_element())
        throw Fallo("la parte " + std::string(parte) + " está vacía");
}

namespace {
struct Escritor : pugi::xml_writer
{
    std::string* destino;
    void write(const void* datos, size_t tamano) override { destino->append(static_cast<const char*>(datos), tamano); }
};
} // namespace

std::string GuardarXml(const pugi::xml_document& doc)
{
    std::string texto;
    Escritor e;
    e.destino = &texto;
    doc.save(e, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    // pugixml writes a carriage return of text as it is, and the next reader would turn it into a
    // line feed; as a reference it survives. Raw output has no other carriage return.
    for (size_t i = texto.find('\r'); i != std::string::npos; i = texto.find('\r', i + 5))
        texto.replace(i, 1, "&#13;");
    return texto;
}

namespace {
std::string_view sinPrefijo(const char* n)
{
    const char* dos = std::strrchr(n, ':');
    return dos ? std::string_view(dos + 1) : std::string_view(n);
}
} // namespace

std::string_view NombreLocal(const pugi::xml_node& nodo)
{
    return sinPrefijo(nodo.name());
}

std::string_view NombreLocal(const pugi::xml_attribute& atributo)
{
    return sinPrefijo(atributo.name());
}

pugi::xml_node Hijo(const pugi::xml_node& padre, std::string_view local)
{
    for (pugi::xml_node h = padre.first_child(); h; h = h.next_sibling())
        if (h.type() == pugi::node_element && NombreLocal(h) == local)
            return h;
    return {};
}

pugi::xml_attribute AtributoLocal(const pugi::xml_node& nodo, std::string_view local)
{
    for (pugi::xml_attribute a = nodo.first_attribute(); a; a = a.next_attribute())
        if (NombreLocal(a) == local)
            return a;
    return {};
}

void PonerAtributo(pugi::xml_node nodo, const char* nombre, std::string_view valor)
{
    pugi::xml_attribute a = nodo.attribute(nombre);
    if (!a)
        a = nodo.append_attribute(nombre);
    a.set_value(std::string(valor).c_str());
}

std::string Prefijo(const pugi::xml_node& raiz)
{
    const std::string_view n = raiz.name();
    const size_t dos = n.rfind(':');
    return dos == std::string_view::npos ? std::string() : std::string(n.substr(0, dos + 1));
}

void JuntarTextos(const pugi::xml_node& n, std::string& destino)
{
    for (pugi::xml_node h = n.first_child(); h; h = h.next_sibling()) {
        if (h.type() != pugi::node_element)
            continue;
        const std::string_view local = NombreLocal(h);
        if (local == "t")
            destino += h.text().get();
        else if (local == "r")
            JuntarTextos(h, destino);
    }
}

} // namespace xlsx
