#pragma once

#include "Reporte.h"

#include <QString>
#include <functional>

// The detailed report of a period: every complaint whose event date lies in it, grouped by
// category and reason, written into a copy of imd.xlsx in the temporary folder and left open.

// The tree with every reason node replaced by its complaints of the period. Pending window
// events run after every reason and every category; false when seguir() then says the caller
// is gone (the tree is incomplete and nothing more is read).
bool LeerReporteDetallado(const QString& desde, const QString& hasta, RegArbolReporte& arbol,
                          const std::function<bool()>& seguir);

// Writes the tree into imd<yyyymmdd><hhmmss>.xlsx, saves it and shows it. Returns the path, or ""
// after a failure the user was told about (logged; no partial workbook is left).
QString EscribirReporteDetallado(const RegArbolReporte& arbol, const QString& desde, const QString& hasta);

// Both, for two period texts already checked as dates; "" when stopped or failed.
QString ReporteDetallado(const QString& desde, const QString& hasta, const std::function<bool()>& seguir);
