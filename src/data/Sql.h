#pragma once

#include "Plegado.h"

#include <QString>

// The only way values enter statement texts: typed literals, so no value can change what a
// statement does. Statement texts are assembled in the data files, never elsewhere.

// 'text' with apostrophes doubled, cleaned as every text entering the program is (TextoLimpio):
// no NUL, no lone surrogate. The query runner still refuses a statement holding a NUL.
QString SqlTexto(const QString& texto);
// A whole number, written in decimal.
QString SqlEntero(qint64 valor);
// A day-first date text ("DD/MM/YYYY", also "1/3/2024") as an ISO date literal; an empty text
// or one that is not a date gives NULL.
QString SqlFecha(const QString& fechaDiaPrimero);
// A contains-search that ignores case and accents on both engines:
// "translate(lower(columna), ...) LIKE '%valor%'" with the value folded the same way.
QString SqlContiene(const QString& columna, const QString& valor);
// The same search over a column that already holds folded text (a search column of the schema),
// so that nothing is folded per row: "columnaPlegada LIKE '%valor%'" with the value folded.
QString SqlContienePlegada(const QString& columnaPlegada, const QString& valor);
