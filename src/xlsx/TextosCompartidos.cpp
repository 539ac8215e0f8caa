#include "TextosCompartidos.h"

#include "ArbolXml.h"
#include "Valores.h"

namespace xlsx {

namespace {

const char* const kTablaVacia = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                                "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                                "count=\"0\" uniqueCount=\"0\"/>";

} // namespace

TextosCompartidos::TextosCompartidos(const std::string* xml)
{
    m_nuevo = xml == nullptr;
    CargarXml(m_doc, m_nuevo ? std::string(kTablaVacia) : *xml, "xl/sharedStrings.xml");
    m_raiz = m_doc.document_element();
    m_prefijo = Prefijo(m_raiz);
    m_modificado = m_nuevo;
    m_referencias = long(m_raiz.attribute("count").as_llong(0));
    for (pugi::xml_node si = m_raiz.first_child(); si; si = si.next_sibling()) {
        if (si.type() != pugi::node_element || NombreLocal(si) != "si")
            continue;
        std::string texto;
        JuntarTextos(si, texto);
        DesescaparTexto(texto);
        const pugi::xml_node primero = si.first_child();
        if (primero && !primero.next_sibling() && NombreLocal(primero) == "t")
            m_simples.emplace(texto, uint32_t(m_textos.size()));
        m_textos.push_back(std::move(texto));
    }
}

uint32_t TextosCompartidos::Indice(const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    std::string clave(utf8.constData(), size_t(utf8.size()));
    const auto it = m_simples.find(clave);
    if (it != m_simples.end())
        return it->second;
    const std::string escapado = EscaparTexto(texto);
    pugi::xml_node t = m_raiz.append_child((m_prefijo + "si").c_str()).append_child((m_prefijo + "t").c_str());
    if (NecesitaPreservarEspacios(escapado))
        t.append_attribute("xml:space").set_value("preserve");
    t.text().set(escapado.c_str());
    const uint32_t i = uint32_t(m_textos.size());
    m_textos.push_back(clave);
    m_simples.emplace(std::move(clave), i);
    m_modificado = true;
    return i;
}

const std::string& TextosCompartidos::Texto(uint32_t i) const
{
    static const std::string kVacio;
    return i < m_textos.size() ? m_textos[i] : kVacio;
}

void TextosCompartidos::CambiarReferencias(long delta)
{
    m_referencias = std::max(0L, m_referencias + delta);
    m_modificado = true;
}

std::string TextosCompartidos::Guardar()
{
    pugi::xml_attribute cuenta = m_raiz.attribute("count");
    if (!cuenta)
        cuenta = m_raiz.append_attribute("count");
    cuenta.set_value((long long)m_referencias);
    pugi::xml_attribute unicos = m_raiz.attribute("uniqueCount");
    if (!unicos)
        unicos = m_raiz.append_attribute("uniqueCount");
    unicos.set_value((unsigned long long)m_textos.size());
    return GuardarXml(m_doc);
}

} // namespace xlsx
