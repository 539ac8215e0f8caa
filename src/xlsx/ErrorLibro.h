#pragma once

#include "ErrorEjecucion.h"

#include <QString>
#include <stdexcept>
#include <string>

namespace xlsx {

// Every failure of the workbook layer reaches the caller as this exception: the run-time error
// the spreadsheet automation raises (number 1004), whose description names the file and the step
// ("No se pudo guardar el libro \"...\": ..."), ready for a message box and the error log.
// Catching ErrorEjecucion catches it too.
struct ErrorLibro : ErrorEjecucion
{
    QString archivo;
    QString paso;
    QString detalle;
};

constexpr long kErrorAutomatizacion = 1004;

ErrorLibro CrearErrorLibro(const QString& archivo, const QString& paso, const QString& detalle);

// A fault found inside the layer (UTF-8 detail); the public calls turn it into ErrorLibro with the
// file and the step.
class Fallo : public std::runtime_error
{
public:
    explicit Fallo(const std::string& detalle) : std::runtime_error(detalle) {}
    explicit Fallo(const QString& detalle) : std::runtime_error(detalle.toStdString()) {}
};

// Runs accion and turns Fallo and allocation failures into ErrorLibro; ErrorLibro passes through.
template <typename Accion> auto Proteger(const QString& archivo, const QString& paso, Accion&& accion)
{
    try {
        return accion();
    } catch (const ErrorLibro&) {
        throw;
    } catch (const Fallo& f) {
        throw CrearErrorLibro(archivo, paso, QString::fromStdString(f.what()));
    } catch (const std::bad_alloc&) {
        throw CrearErrorLibro(archivo, paso, QStringLiteral("no hay memoria suficiente"));
    } catch (const std::length_error&) {
        throw CrearErrorLibro(archivo, paso, QStringLiteral("no hay memoria suficiente"));
    }
}

} // namespace xlsx
