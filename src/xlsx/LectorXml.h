#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xlsx {

// A pull parser over a stream of UTF-8 XML, for parts too large to hold as a tree (a sheet of
// 30,000 rows, its shared strings). It knows the five predefined entities and character
// references only and refuses a DOCTYPE, so no entity can expand. Names are given without their
// namespace prefix ("x:row" is "row"). Faults throw Fallo.
class LectorXml
{
public:
    // Fills destino with up to maximo bytes; 0 at the end of the data.
    using Fuente = std::function<size_t(char* destino, size_t maximo)>;
    enum class Evento { Inicio, Fin, Texto, Final };

    explicit LectorXml(Fuente fuente);

    Evento Siguiente();
    // Local name of the element of an Inicio or Fin event.
    std::string_view Nombre() const { return m_nombre; }
    // Attribute of the current start tag by local name, entities decoded. Valid until the next event.
    std::optional<std::string_view> Atributo(std::string_view nombre);
    // Decoded text of a Texto event (a piece of character data or a CDATA section).
    std::string_view Texto() const { return m_texto; }

private:
    struct Atrib
    {
        std::string_view nombre;
        std::string_view crudo;
        std::string decodificado;
        bool listo = false;
    };

    bool Cargar();
    size_t Buscar(std::string_view patron, size_t desde);
    size_t FinEtiqueta();
    Evento Etiqueta(size_t fin);
    void LeerAtributos(std::string_view resto);

    Fuente m_fuente;
    std::vector<char> m_buf;
    size_t m_ini = 0;
    size_t m_fin = 0;
    bool m_agotado = false;
    bool m_comienzo = true;
    bool m_finPendiente = false;
    int m_profundidad = 0;
    bool m_hayRaiz = false;
    size_t m_explorado = 0;
    char m_comilla = 0;
    std::string_view m_nombre;
    std::string_view m_texto;
    std::string m_textoDecodificado;
    std::vector<Atrib> m_atributos;
    size_t m_cantidadAtributos = 0;
};

// Decodes the predefined entities and character references of XML text (and normalises line
// ends); throws Fallo for any other entity.
void DecodificarXml(std::string_view crudo, std::string& destino);
// Appends a code point (at most U+10FFFF) as UTF-8.
void AgregarUtf8(std::string& destino, unsigned long codigo);

} // namespace xlsx
