#include "ErrorLibro.h"

namespace xlsx {

ErrorLibro CrearErrorLibro(const QString& archivo, const QString& paso, const QString& detalle)
{
    ErrorLibro e;
    e.numero = kErrorAutomatizacion;
    e.archivo = archivo;
    e.paso = paso;
    e.detalle = detalle;
    e.descripcion = QStringLiteral("No se pudo %1 el libro \"%2\": %3.").arg(paso, archivo, detalle);
    return e;
}

} // namespace xlsx
