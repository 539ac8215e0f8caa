#pragma once

#include "ErrorEjecucion.h"

#include <QDateTime>
#include <QString>
#include <functional>

class HojaExcel;

// The workbook pattern every export follows, and the small helpers their fillers share.
namespace LibroSalida {

// How an export makes its output in the temporary folder beside the program (created when
// missing): a copy of the template named prefix, stamp and ".xlsx", opened and saved in place; or
// the template itself opened and saved at once as the stamp (the layer adds ".xlsx"), so that the
// template is never changed. The stamp is today "yyyymmdd" followed by now "hhmmss"; where a
// workbook of that name is already in the folder, "-2", "-3", … goes before ".xlsx".
enum class Forma { Copia, GuardarComo };

// The output made in the given form, worksheet 1 filled by llenar, saved and shown in the
// desktop's spreadsheet program. Returns the path, or "" after a failure of any step (llenar's
// included) that the user was told about and that was logged under the step label. A workbook not
// completely saved is removed; one that only could not be shown stays.
QString Exportar(const QString& plantilla, Forma forma, const QString& prefijo, const QString& etiqueta,
                 const std::function<void(HojaExcel&)>& llenar);

// A text exactly as given: a leading apostrophe of the text itself would be taken as the
// spreadsheet's text marker and vanish.
void EscribirTexto(HojaExcel& hoja, const QString& celda, const QString& texto);

// Tells the user (the error's text names the step and the file), then logs it under the step label.
void InformarFallo(const QString& etiqueta, const ErrorEjecucion& error);

// The clock the names are stamped by (local date and time); tests set it, an empty function
// restores the real one.
void EstablecerReloj(std::function<QDateTime()> reloj);

} // namespace LibroSalida
