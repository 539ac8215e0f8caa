#pragma once

#include <cstdint>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

namespace xlsx {

// One formatting change applied to a cell's format.
struct Cambio
{
    enum class Tipo : char {
        Negrita = 'b',              // valor "1" or "0"
        Tamano = 'z',               // valor: points, "12"
        Relleno = 'f',              // valor: "FF99CCFF", or "" for no fill
        AlineacionHorizontal = 'h', // valor: "left", "center", "right", "justify", ...
        AlineacionVertical = 'v',   // valor: "top", "center", "bottom", "justify", "distributed"
        Borde = 'r',                // valor: line style of the four edges, "hair" or "thin"
        PrefijoTexto = 'q'          // the text was typed with a leading apostrophe
    };
    Tipo tipo;
    std::string valor;
};

// The workbook's styles part. A change derives a new cell format from the cell's current one,
// keeping its font, fill, borders and number format except for what changes; identical fonts,
// fills, borders and formats are shared, never duplicated. Child elements keep schema order and
// every count attribute follows its list.
class Estilos
{
public:
    // xml null: the workbook has no styles part; a minimal one is made.
    explicit Estilos(const std::string* xml);

    uint32_t Derivar(uint32_t formato, const Cambio& cambio);
    bool EsFecha(uint32_t formato) const;
    // Legacy colour index 1..56 as ARGB ("FF99CCFF" for 37), by the workbook's palette when it
    // has its own; "" for an index outside the palette.
    std::string ColorIndice(int indice) const;

    bool Nuevo() const { return m_nuevo; }
    bool Modificado() const { return m_modificado; }
    size_t CantidadFormatos() const { return m_xfs.size(); }
    std::string Guardar() const;

private:
    struct Lista
    {
        pugi::xml_node contenedor;
        std::vector<pugi::xml_node> elementos;
        std::unordered_map<std::string, uint32_t> indice;
    };

    void PrepararLista(Lista& lista, const char* contenedor, const char* elemento, const char* predeterminado);
    pugi::xml_node Contenedor(const char* nombre);
    uint32_t Registrar(Lista& lista, const pugi::xml_node& candidato);
    uint32_t DerivarFuente(uint32_t fuente, const Cambio& cambio);
    uint32_t DerivarBorde(uint32_t borde, const std::string& estilo);
    uint32_t Relleno(const std::string& argb);
    bool CalcularFecha(const pugi::xml_node& xf) const;

    pugi::xml_document m_doc;
    pugi::xml_node m_raiz;
    std::string m_prefijo;
    bool m_nuevo = false;
    bool m_modificado = false;
    bool m_listas = false;
    Lista m_fuentes, m_rellenos, m_bordes;
    std::vector<pugi::xml_node> m_xfs;
    Lista m_formatos;
    std::map<int, std::string> m_codigos;
    std::vector<bool> m_fechas;
    std::vector<std::string> m_paleta;
    std::unordered_map<std::string, uint32_t> m_derivados;
};

} // namespace xlsx
