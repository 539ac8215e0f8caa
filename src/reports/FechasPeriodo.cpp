#include "FechasPeriodo.h"

#include "Textos.h"

namespace {

QString dosCifras(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

qint16 anioMesAnterior(const QDate& hoy)
{
    return static_cast<qint16>(MesAnterior(hoy) == 12 ? hoy.year() - 1 : hoy.year());
}

} // namespace

qint16 MesAnterior(const QDate& hoy)
{
    return static_cast<qint16>(hoy.month() == 1 ? 12 : hoy.month() - 1);
}

qint16 DiasDelMes(qint16 m, qint16 y)
{
    // Counting months from January lets m run past 12 as a date built from its parts would.
    const QDate primero = QDate(y, 1, 1).addMonths(m);
    return primero.isValid() ? static_cast<qint16>(primero.addDays(-1).day()) : qint16(0);
}

QString UltimoDiaMes(qint16 m, qint16 y)
{
    return dosCifras(DiasDelMes(m, y)) + QLatin1Char('/') + dosCifras(m) + QLatin1Char('/') +
           QStringLiteral("%1").arg(y, 4, 10, QLatin1Char('0'));
}

QString FinMesAnterior(const QDate& hoy)
{
    return UltimoDiaMes(MesAnterior(hoy), anioMesAnterior(hoy));
}

QString InicioMesAnterior(const QDate& hoy)
{
    return QStringLiteral("01/") + dosCifras(MesAnterior(hoy)) + QLatin1Char('/') +
           QStringLiteral("%1").arg(anioMesAnterior(hoy), 4, 10, QLatin1Char('0'));
}

QString FechaMesAtras(const QDate& hoy)
{
    return hoy.addDays(-31).toString(QStringLiteral("dd/MM/yyyy"));
}

