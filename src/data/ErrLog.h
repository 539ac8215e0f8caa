#pragma once

#include "ErrorEjecucion.h"

#include <QString>

// The error log Errlog.txt beside the program: blocks of dated lines, each block ending in a
// line of sixteen " -". Every block is appended and the file closed at its end; a block the log
// cannot take goes to the standard error, and the first such block of a run tells the user.
QString RutaErrLog();

// Failure of a procedure that keeps a step label.
void EscribirErrLog(const QString& etiqueta, const ErrorEjecucion& error);

// The blocks of the connection, the query runner and the temporary folder.
void BloqueConexionServidor(const ErrorEjecucion& error, const QString& direccion);
void BloqueConexionLocal(const ErrorEjecucion& error);
void BloqueSentencia(const ErrorEjecucion& error, const QString& sql);
void BloqueCarpeta(const ErrorEjecucion& error);
