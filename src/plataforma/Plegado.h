#pragma once

#include <QString>

// Contains-searches ignore case and accents: both sides are folded to lower case without
// accents. The program folds typed texts here; the database folds columns with the same letters
// through SqlPlegado, in the searches and in the search columns the schema keeps.

// Lower case, accents removed.
QString PlegarTexto(const QString& texto);
// The SQL expression that folds expresion the same way on both engines.
QString SqlPlegado(const QString& expresion);
