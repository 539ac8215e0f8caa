#pragma once

#include "Grilla.h"

#include <QString>

// Copies the statistics template irf.xlsx into the temporary folder under a time-stamped name,
// writes the period, the user and the grid's data rows (two grid rows per sheet row, from row 9),
// saves it and leaves it open in the spreadsheet program. Returns the path written, or "" after
// a failure the user was told about.
QString ExportarEstadisticas(const Grilla& grilla, const QString& desde, const QString& hasta);
