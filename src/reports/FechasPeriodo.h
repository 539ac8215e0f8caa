#pragma once

#include <QDate>
#include <QString>

// Month and date helpers of the statistics window and the main window's bars. Every text is
// day-first "DD/MM/YYYY"; `hoy` is today unless a caller needs another day.

// Number of the month before today's (12 in January).
qint16 MesAnterior(const QDate& hoy = QDate::currentDate());
// Days of month m of year y: the day before the first of month m + 1, so m = 12 rolls into
// January of y + 1. 0 when no such date exists.
qint16 DiasDelMes(qint16 m, qint16 y);
// The last day of month m of year y.
QString UltimoDiaMes(qint16 m, qint16 y);
// First and last day of the previous month; in January, December of the previous year.
QString InicioMesAnterior(const QDate& hoy = QDate::currentDate());
QString FinMesAnterior(const QDate& hoy = QDate::currentDate());
// The day 31 days before today.
QString FechaMesAtras(const QDate& hoy = QDate::currentDate());

