#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

// Helpers for the small parts held as a tree (workbook, relationships, styles, a template's
// sheet). Names are matched without their namespace prefix; new elements take the prefix of the
// part's root element, so a part written as "x:worksheet" stays consistent.
namespace xlsx {

// Parses a part; a DOCTYPE (the way to an entity bomb) or malformed XML throws Fallo naming it.
void CargarXml(pugi::xml_document& doc, const std::string& datos, std::string_view parte);
// The part as text, with its declaration as it came and no reformatting.
std::string GuardarXml(const pugi::xml_document& doc);

std::string_view NombreLocal(const pugi::xml_node& nodo);
std::string_view NombreLocal(const pugi::xml_attribute& atributo);
pugi::xml_node Hijo(const pugi::xml_node& padre, std::string_view local);
pugi::xml_attribute AtributoLocal(const pugi::xml_node& nodo, std::string_view local);
// Sets an attribute, adding it at the end when it is missing.
void PonerAtributo(pugi::xml_node nodo, const char* nombre, std::string_view valor);
// "x:" when the root is "x:name", "" otherwise.
std::string Prefijo(const pugi::xml_node& raiz);
// Appends the text of a string item (a shared string's "si" or an inline "is"): its "t" and the
// "t" of its runs, phonetic runs left out, escapes not yet undone.
void JuntarTextos(const pugi::xml_node& n, std::string& destino);

} // namespace xlsx
