#pragma once

#include <QString>

class Grilla;

// The printable sheet of a complaint's follow-ups: mse.xlsx saved at once under a time-stamped
// name in the temporary folder, with the complaint's header and one block of four rows per
// follow-up as the grid shows them (columns text, date, operator; row 0 the header), left open.
// The grid is hidden while it is read. Returns the path, or "" after a failure the user was told
// about (logged; no partial workbook is left).
QString ImprimirSeguimientos(qint32 numero, const QString& reclamante, Grilla& grilla);
