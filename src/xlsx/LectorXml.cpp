#include "LectorXml.h"

#include "ErrorLibro.h"

#include <cstring>

namespace xlsx {

namespace {

constexpr size_t kBloque = 256 * 1024;
// A single tag or text larger than this is not a workbook's.
constexpr size_t kMaximoElemento = 64u * 1024 * 1024;

bool EsBlanco(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Local(std::string_view nombre)
{
    const size_t dos = nombre.rfind(':');
    return dos == std::string_view::npos ? nombre : nombre.substr(dos + 1);
}

} // namespace

void AgregarUtf8(std::string& s, unsigned long cp)
{
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xF0 | (cp >> 18));
        s += char(0x80 | ((cp >> 12) & 0x3F));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
}

void DecodificarXml(std::string_view t, std::string& s)
{
    s.clear();
    s.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\r') {
            s += '\n';
            if (i + 1 < t.size() && t[i + 1] == '\n')
                ++i;
            continue;
        }
        if (c != '&') {
            s += c;
            continue;
        }
        const size_t fin = t.find(';', i + 1);
        if (fin == std::string_view::npos || fin - i > 12)
            throw Fallo(std::string("XML mal formado: '&' suelto"));
        const std::string_view ent = t.substr(i + 1, fin - i - 1);
        if (ent == "lt")
            s += '<';
        else if (ent == "gt")
            s += '>';
        else if (ent == "amp")
            s += '&';
        else if (ent == "quot")
            s += '"';
        else if (ent == "apos")
            s += '\'';
        else if (ent.size() > 1 && ent[0] == '#') {
            unsigned long cp = 0;
            const bool hex = ent[1] == 'x' || ent[1] == 'X';
            const size_t desde = hex ? 2 : 1;
            if (desde >= ent.size())
                throw Fallo(std::string("XML mal formado: referencia de carácter vacía"));
            for (size_t k = desde; k < ent.size(); ++k) {
                const char d = ent[k];
                int v;
                if (d >= '0' && d <= '9')
                    v = d - '0';
                else if (hex && d >= 'a' && d <= 'f')
                    v = d - 'a' + 10;
                else if (hex && d >= 'A' && d <= 'F')
                    v = d - 'A' + 10;
                else
                    throw Fallo(std::string("XML mal formado: referencia de carácter no válida"));
                cp = cp * (hex ? 16 : 10) + unsigned(v);
            }
            if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                throw Fallo(std::string("XML mal formado: referencia de carácter no válida"));
            AgregarUtf8(s, cp);
        } else {
            throw Fallo("XML con una entidad desconocida '&" + std::string(ent) + ";' (no se expanden entidades)");
        }
        i = fin;
    }
}

LectorXml::LectorXml(Fuente fuente) : m_fuente(std::move(fuente)), m_buf(kBloque) {}

bool LectorXml::Cargar()
{
    if (m_agotado)
        return false;
    if (m_ini > 0) {
        std::memmove(m_buf.data(), m_buf.data() + m_ini, m_fin - m_ini);
        m_fin -= m_ini;
        m_ini = 0;
    }
    if (m_buf.size() - m_fin < kBloque / 2) {
        if (m_buf.size() >= kMaximoElemento)
            throw Fallo(std::string("XML con un elemento demasiado grande"));
        m_buf.resize(m_buf.size() * 2);
    }
    const size_t leidos = m_fuente(m_buf.data() + m_fin, m_buf.size() - m_fin);
    if (leidos == 0) {
        m_agotado = true;
        return false;
    }
    m_fin += leidos;
    if (m_comienzo && m_fin >= 3) {
        m_comienzo = false;
        const auto b = reinterpret_cast<const unsigned char*>(m_buf.data());
        if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
            m_ini = 3;
        else if ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF) || b[0] == 0 || b[1] == 0)
            throw Fallo(std::string("XML en una codificación no admitida (UTF-16)"));
    }
    return true;
}

// Offset (from m_ini) of patron at or after desde, loading as needed; npos at the end of the data.
size_t LectorXml::Buscar(std::string_view patron, size_t desde)
{
    for (;;) {
        const std::string_view hay(m_buf.data() + m_ini, m_fin - m_ini);
        const size_t p = hay.find(patron, desde);
        if (p != std::string_view::npos)
            return p;
        desde = hay.size() >= patron.size() ? hay.size() - patron.size() + 1 : 0;
        if (!Cargar())
            return std::string_view::npos;
    }
}

// Offset of the '>' that closes the tag starting at m_ini, quotes respected.
size_t LectorXml::FinEtiqueta()
{
    m_explorado = 1;
    m_comilla = 0;
    for (;;) {
        const char* b = m_buf.data() + m_ini;
        const size_t n = m_fin - m_ini;
        for (size_t i = m_explorado; i < n; ++i) {
            const char c = b[i];
            if (m_comilla) {
                if (c == m_comilla)
                    m_comilla = 0;
            } else if (c == '>') {
                return i;
            } else if (c == '"' || c == '\'') {
                m_comilla = c;
            } else if (c == '<') {
                throw Fallo(std::string("XML mal formado: '<' dentro de una etiqueta"));
            }
        }
        m_explorado = n;
        if (!Cargar())
            throw Fallo(std::string("XML incompleto: termina dentro de una etiqueta"));
    }
}

LectorXml::Evento LectorXml::Siguiente()
{
    if (m_finPendiente) {
        m_finPendiente = false;
        --m_profundidad;
        return Evento::Fin;
    }
    for (;;) {
        if (m_fin - m_ini < 16 && !m_agotado) {
            Cargar();
            continue;
        }
        if (m_ini == m_fin) {
            if (m_profundidad != 0 || !m_hayRaiz)
                throw Fallo(std::string("XML incompleto"));
            return Evento::Final;
        }
        const char* b = m_buf.data() + m_ini;
        const size_t n = m_fin - m_ini;
        if (b[0] != '<') {
            size_t fin = Buscar("<", 0);
            if (fin == std::string_view::npos)
                fin = m_fin - m_ini;
            const std::string_view crudo(m_buf.data() + m_ini, fin);
            m_ini += fin;
            if (m_profundidad == 0) {
                for (char c : crudo)
                    if (!EsBlanco(c))
                        throw Fallo(std::string("XML mal formado: texto fuera del elemento raíz"));
                continue;
            }
            if (crudo.find('&') == std::string_view::npos && crudo.find('\r') == std::string_view::npos) {
                m_texto = crudo;
            } else {
                DecodificarXml(crudo, m_textoDecodificado);
                m_texto = m_textoDecodificado;
            }
            return Evento::Texto;
        }
        if (n >= 2 && b[1] == '?') {
            const size_t fin = Buscar("?>", 2);
            if (fin == std::string_view::npos)
                throw Fallo(std::string("XML incompleto"));
            m_ini += fin + 2;
            continue;
        }
        if (n >= 2 && b[1] == '!') {
            if (n >= 4 && b[2] == '-' && b[3] == '-') {
                const size_t fin = Buscar("-->", 4);
                if (fin == std::string_view::npos)
                    throw Fallo(std::string("XML incompleto"));
                m_ini += fin + 3;
                continue;
            }
            if (n >= 9 && std::memcmp(b, "<![CDATA[", 9) == 0) {
                const size_t fin = Buscar("]]>", 9);
                if (fin == std::string_view::npos)
                    throw Fallo(std::string("XML incompleto"));
                m_texto = std::string_view(m_buf.data() + m_ini + 9, fin - 9);
                m_ini += fin + 3;
                if (m_profundidad == 0)
                    throw Fallo(std::string("XML mal formado: texto fuera del elemento raíz"));
                return Evento::Texto;
            }
            throw Fallo(std::string("XML con una declaración DOCTYPE (no admitida)"));
        }
        return Etiqueta(FinEtiqueta());
    }
}

LectorXml::Evento LectorXml::Etiqueta(size_t fin)
{
    std::string_view tag(m_buf.data() + m_ini + 1, fin - 1);
    m_ini += fin + 1;
    if (!tag.empty() && tag.front() == '/') {
        tag.remove_prefix(1);
        while (!tag.empty() && EsBlanco(tag.back()))
            tag.remove_suffix(1);
        if (tag.empty() || m_profundidad == 0)
            throw Fallo(std::string("XML mal formado: cierre sin apertura"));
        m_nombre = Local(tag);
        --m_profundidad;
        return Evento::Fin;
    }
    bool vacio = false;
    if (!tag.empty() && tag.back() == '/') {
        vacio = true;
        tag.remove_suffix(1);
    }
    size_t i = 0;
    while (i < tag.size() && !EsBlanco(tag[i]))
        ++i;
    if (i == 0)
        throw Fallo(std::string("XML mal formado: etiqueta sin nombre"));
    if (m_profundidad == 0 && m_hayRaiz)
        throw Fallo(std::string("XML mal formado: más de un elemento raíz"));
    m_hayRaiz = true;
    m_nombre = Local(tag.substr(0, i));
    LeerAtributos(tag.substr(i));
    ++m_profundidad;
    m_finPendiente = vacio;
    return Evento::Inicio;
}

void LectorXml::LeerAtributos(std::string_view r)
{
    m_cantidadAtributos = 0;
    size_t i = 0;
    for (;;) {
        while (i < r.size() && EsBlanco(r[i]))
            ++i;
        if (i >= r.size())
            return;
        const size_t ini = i;
        while (i < r.size() && r[i] != '=' && !EsBlanco(r[i]))
            ++i;
        const std::string_view nombre = r.substr(ini, i - ini);
        while (i < r.size() && EsBlanco(r[i]))
            ++i;
        if (i >= r.size() || r[i] != '=' || nombre.empty())
            throw Fallo(std::string("XML mal formado: atributo sin valor"));
        ++i;
        while (i < r.size() && EsBlanco(r[i]))
            ++i;
        if (i >= r.size() || (r[i] != '"' && r[i] != '\''))
            throw Fallo(std::string("XML mal formado: atributo sin comillas"));
        const char comilla = r[i++];
        const size_t fin = r.find(comilla, i);
        if (fin == std::string_view::npos)
            throw Fallo(std::string("XML mal formado: atributo sin cerrar"));
        if (m_cantidadAtributos == m_atributos.size())
            m_atributos.emplace_back();
        Atrib& a = m_atributos[m_cantidadAtributos++];
        a.nombre = Local(nombre);
        a.crudo = r.substr(i, fin - i);
        a.listo = false;
        i = fin + 1;
    }
}

std::optional<std::string_view> LectorXml::Atributo(std::string_view nombre)
{
    for (size_t k = 0; k < m_cantidadAtributos; ++k) {
        Atrib& a = m_atributos[k];
        if (a.nombre != nombre)
            continue;
        if (a.crudo.find('&') == std::string_view::npos)
            return a.crudo;
        if (!a.listo) {
            DecodificarXml(a.crudo, a.decodificado);
            a.listo = true;
        }
        return std::string_view(a.decodificado);
    }
    return std::nullopt;
}

} // namespace xlsx
