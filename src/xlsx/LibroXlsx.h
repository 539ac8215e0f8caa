#pragma once

#include "Celdas.h"
#include "Estilos.h"

#include <QString>
#include <memory>

namespace xlsx {

class Paquete;

// A workbook opened to fill its first worksheet: values, merges and formats, then saved under
// any name. Only the first worksheet, the styles and the shared strings are rewritten (plus the
// content types and the workbook's relationships when a part is added or dropped); every other
// part is copied byte for byte, still compressed, in its original order. Every failure throws
// ErrorLibro naming the file and the step.
class LibroXlsx
{
public:
    // Step "abrir": the package must hold a workbook with a worksheet.
    explicit LibroXlsx(std::shared_ptr<const Paquete> paquete);
    ~LibroXlsx();

    // Step "modificar". A text is stored as a shared string; an empty text clears the cell's
    // value and keeps its format. No numbers or dates are guessed from a text.
    void EscribirTexto(const Rango& rango, const QString& texto, bool prefijoTexto = false);
    void EscribirNumero(const Rango& rango, double numero);
    // Keeps only the upper-left value, as the spreadsheet does; merging the same block again does
    // nothing; a block overlapping another merge is refused.
    void Combinar(const Rango& rango);
    void Formatear(const Rango& rango, const Cambio& cambio);
    // Legacy colour index as ARGB by this workbook's palette; "" outside 1..56.
    std::string ColorIndice(int indice) const;

    // The cell's value as the imports read it (see LectorHoja).
    QString Texto(const Celda& celda) const;

    // Step "guardar": written to a temporary file beside the target, then renamed over it, so a
    // failure leaves no half-written file and an existing file as it was.
    void Guardar(const QString& ruta);

    size_t CantidadFormatos() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Writes bytes to ruta through a temporary file and a rename; Fallo naming what went wrong.
void EscribirArchivo(const QString& ruta, const QByteArray& bytes);

} // namespace xlsx
