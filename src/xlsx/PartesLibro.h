#pragma once

#include "Paquete.h"

#include <string>
#include <string_view>
#include <vector>

namespace xlsx {

// Parts small enough to read whole (workbook, relationships, styles, content types).
constexpr size_t kMaximoParteChica = 64u * 1024 * 1024;

struct Relacion
{
    std::string id;
    std::string tipo;
    std::string destino; // resolved part name, for internal targets
    bool externa = false;
};

// Where the workbook keeps what this layer uses, found through the package's relationships
// (types matched by their last segment, so Strict files work too).
struct PartesLibro
{
    std::string libro;
    std::string relacionesLibro;
    std::string hoja; // the first worksheet (chart sheets do not count)
    std::string estilos;
    std::string textos;
    std::string cadenaCalculo;
    bool fechas1904 = false;
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string ParteRelaciones(std::string_view parte);
std::vector<Relacion> LeerRelaciones(const Paquete& paquete, std::string_view parte);
// A relationship target against the part that holds it: "worksheets/sheet1.xml" from
// "xl/workbook.xml" is "xl/worksheets/sheet1.xml"; "/xl/x.xml" is absolute.
std::string ResolverDestino(std::string_view origen, std::string_view destino);
bool EsTipo(std::string_view tipo, std::string_view ultimoSegmento);

// Fallo when the package holds no workbook or no worksheet.
PartesLibro LocalizarPartes(const Paquete& paquete);

} // namespace xlsx
