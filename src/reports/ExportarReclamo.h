#pragma once

#include <QString>

// The printable sheet of one complaint: iac.xlsx saved at once under a time-stamped name in the
// temporary folder, filled with the complaint, its place, vouchers and resolution as the
// database holds them now, and left open. The progress window shows meanwhile. Returns the path,
// or "" after a failure the user was told about (logged; no partial workbook is left).
QString ExportarReclamo(qint32 numero);
