#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Turning cell contents into the texts the imports read, and texts into what a cell may hold.
// Nothing here depends on the locale: numbers go through to_chars / from_chars.
namespace xlsx {

// Plain decimal with at most 15 significant digits (what the spreadsheet shows), no exponent,
// whole numbers without a decimal part: 42, -0.5, 0.3 (for 0.1 + 0.2), 0.00001.
QString TextoNumero(double valor);
// Shortest text that reads back as the same double; for the XML of a written number.
std::string NumeroXml(double valor);
std::optional<double> LeerNumero(std::string_view texto);

// A date serial of the 1900 system (serial 60 is the false 29/02/1900) or of the 1904 system as
// "DD/MM/YYYY", with " hh:mm:ss" when the time, rounded to whole seconds, is not midnight; a time
// alone (a serial below one day) as "hh:mm:ss". nullopt for a serial outside 0..31/12/9999.
std::optional<QString> TextoFecha(double serial, bool sistema1904);
// An ISO 8601 date cell ("2024-03-15T10:20:30") in the same forms; nullopt when it is not one.
std::optional<QString> TextoFechaIso(std::string_view iso);

// The text of a cell value other than a shared or inline string, by the cell's type: numbers
// (dates when the format is a date's), "TRUE"/"FALSE" for booleans, formula texts and error
// values as they are, ISO dates; "" for no value.
QString TextoValorCelda(std::string_view tipo, std::string valor, bool esFecha, bool sistema1904);

// Whether a number format shows a date or a time: built-in ids 14-22, 27-36, 45-47, 50-58, or a
// code with d, m, y, h or s outside quotes, escapes and brackets (elapsed [h], [m], [s] count).
bool EsFormatoFecha(int id, std::string_view codigo, bool hayCodigo);

// A text for a cell, as UTF-8 with the format's escapes: control characters as _xHHHH_ (so a
// carriage return survives as _x000D_) and a literal "_xHHHH_" protected as "_x005F_xHHHH_".
std::string EscaparTexto(const QString& texto);
// The reverse, in place on UTF-8.
void DesescaparTexto(std::string& texto);
// Whether the text needs xml:space="preserve" (blanks at either end, or only blanks).
bool NecesitaPreservarEspacios(std::string_view texto);

} // namespace xlsx
