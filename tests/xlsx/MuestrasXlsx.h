#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;

// Workbooks made the way other programs make them, and zip surgery for damaged ones.
namespace muestras {

// A report template: a merged and formatted title, a bordered number cell in Arial, a column and
// a row with their own formats, a picture, header and footer, print setup, a defined name and a
// second sheet.
void CrearPlantilla(const QString& ruta);

// A workbook written by libxlsxwriter; constantMemory writes inline strings instead of shared ones.
void CrearConLibxlsxwriter(const QString& ruta, const std::function<void(lxw_workbook*, lxw_worksheet*)>& llenar,
                           bool constantMemory = false);

// Uncompressed parts of a zip, by name, and their names in archive order.
std::map<std::string, std::string> Partes(const QString& ruta);
std::vector<std::string> NombresDePartes(const QString& ruta);
// The stored bytes of an entry, still compressed.
std::string Comprimida(const QString& ruta, const std::string& parte);
// Compression method of an entry (0 stored, 8 deflated), -1 when missing.
int MetodoDe(const QString& ruta, const std::string& parte);
// Replaces, adds (a value) or removes (nullopt) parts in place; stored entries stay stored unless
// forzarGuardado names parts to store uncompressed.
void CambiarPartes(const QString& ruta, const std::map<std::string, std::optional<std::string>>& cambios,
                   const std::vector<std::string>& forzarGuardado = {});
// A zip holding exactly these parts.
void CrearZip(const QString& ruta, const std::vector<std::pair<std::string, std::string>>& partes);

QByteArray LeerArchivo(const QString& ruta);
void EscribirArchivoCrudo(const QString& ruta, const QByteArray& bytes);

// A minimal workbook whose sheet (one cell holding "a" over and over) inflates to `inflado`
// bytes at about a thousand to one: a zip bomb, written without ever holding the inflated sheet.
// `declarado`, when not 0, is the inflated size its headers claim instead of the true one.
void CrearBomba(const QString& ruta, unsigned long long inflado, unsigned long long declarado = 0);

// The minimal parts of a workbook whose first sheet's XML is hoja (and shared strings, when given).
std::vector<std::pair<std::string, std::string>> LibroMinimo(const std::string& hoja,
                                                             const std::string& textos = std::string(),
                                                             const std::string& estilos = std::string());

} // namespace muestras
