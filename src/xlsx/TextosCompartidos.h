#pragma once

#include <QString>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

namespace xlsx {

// The shared strings of a workbook being written. Cells written here always refer to this table
// (some readers drop inline strings); a text already held as a plain entry is reused.
class TextosCompartidos
{
public:
    // xml null: the workbook has no shared strings part yet.
    explicit TextosCompartidos(const std::string* xml);

    uint32_t Indice(const QString& texto);
    // Entry i as the reader sees it: runs joined, phonetic runs left out, escapes undone (UTF-8).
    const std::string& Texto(uint32_t i) const;
    size_t Cantidad() const { return m_textos.size(); }
    // Cells that refer to the table, for its count attribute.
    void CambiarReferencias(long delta);

    bool Nuevo() const { return m_nuevo; }
    bool Modificado() const { return m_modificado; }
    std::string Guardar();

private:
    pugi::xml_document m_doc;
    pugi::xml_node m_raiz;
    std::string m_prefijo;
    bool m_nuevo = false;
    bool m_modificado = false;
    long m_referencias = 0;
    std::vector<std::string> m_textos;
    std::unordered_map<std::string, uint32_t> m_simples;
};

} // namespace xlsx
