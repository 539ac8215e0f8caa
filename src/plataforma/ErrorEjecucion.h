#pragma once

#include <QString>

// A run-time error as the rest of the system sees it: a number and a description.
// Thrown by helpers whose failures go to the caller's handler (the Base64 decoder).
struct ErrorEjecucion
{
    long numero = 0;
    QString descripcion;
};

// Number of the user-defined errors (the Base64 decoder's two errors).
constexpr long kErrorDefinidoPorUsuario = -2147221504;
// The general failure that a lost connection raises; the query runner reconnects on it.
constexpr long kErrorFalloGeneral = -2147467259;
// The local engine's "locked by another session": another workstation holds the database file's
// lock beyond the busy timeout. The query runner waits and asks instead of failing.
constexpr long kErrorBaseOcupada = 3218;
// "Overflow": a new key past the top of its range.
constexpr long kErrorDesbordamiento = 6;
