#pragma once

#include "Celdas.h"

#include <QString>
#include <memory>

namespace xlsx {

class Paquete;

// The first worksheet of a workbook written by any program, read as the imports need it: each
// cell as text. The sheet and its shared strings are streamed (no tree of the sheet is built);
// what is kept is one compact record per non-empty cell. Texts come as they are (rich text runs
// joined, phonetic runs left out), whole numbers without decimals, other numbers in plain decimal
// with a point, booleans as "TRUE"/"FALSE", dates by the cell's number format as "DD/MM/YYYY" or
// "DD/MM/YYYY hh:mm:ss" (1900 or 1904 system, rounded to the second), a time alone as "hh:mm:ss",
// formulas by their cached value, error values as shown ("#N/A"), an empty cell as "".
// Every failure throws ErrorLibro naming the file and the step ("leer").
class LectorHoja
{
public:
    explicit LectorHoja(const QString& ruta);
    explicit LectorHoja(std::shared_ptr<const Paquete> paquete);
    ~LectorHoja();

    QString Texto(const Celda& celda) const;
    // By address ("AB17", any case); ErrorLibro for a text that names no cell.
    QString Texto(const QString& celda) const;
    int UltimaFila() const;
    size_t CantidadCeldas() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace xlsx
