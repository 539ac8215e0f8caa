#pragma once

#include "Quejas.h"

#include <QString>
#include <QVector>

// The figures of the statistics window and the main window's bars. The period of every figure
// is the event date of the complaint's place row (Lugar_Quejas.Fecha), bounds included; a
// complaint without a place row is never counted. Bounds are day-first date texts.

// Complaints of one reason or category in the period.
struct RegConteo
{
    QString Detalle;
    qint16 Pid = 0;
    qint32 Cantidad = 0;
};

// Share of one reason or category in the period's total, in percent rounded to two decimals.
struct RegPorcentaje
{
    QString Detalle;
    qint16 Pid = 0;
    double Porcentaje = 0;
};

struct RegListaConteos
{
    QVector<RegConteo> Items;
    qint16 Ultimo = -1;
};

struct RegListaPorcentajes
{
    QVector<RegPorcentaje> Items;
    qint16 Ultimo = -1;
};

// Cantidad is the number of entries, -1 (not 0) when there is none.
struct RegListaQuejas
{
    QVector<RegQueja> Quejas;
    qint32 Cantidad = -1;
};

// The drill-down list handed from the statistics window to the drill-down window.
extern RegListaQuejas QuejasDetalle;

// One row per catalogue row in PID order, annulled reasons and rows without complaints included.
RegListaConteos ContarPorCausa(const QString& desde, const QString& hasta);
RegListaConteos ContarPorMotivo(const QString& desde, const QString& hasta);
// Per reason the total is the complaints of the period that have a reason (causa <> 0); per
// category it is every complaint of the period.
RegListaPorcentajes PorcentajePorCausa(const QString& desde, const QString& hasta);
RegListaPorcentajes PorcentajePorMotivo(const QString& desde, const QString& hasta);

// tipo 0: with a resolution row not solved (Cerrada = 0); 1: solved (Cerrada = 1); 2: all;
// 3: without a resolution row. Any other kind counts nothing.
qint32 ContarPorEstado(const QString& desde, const QString& hasta, qint16 tipo);

// The four counts of the main window's bars, the figures of ContarPorEstado's kinds 0 to 3, read
// in one statement.
struct RegConteoEstados
{
    qint32 SinCerrar = 0;     // 0
    qint32 Cerrados = 0;      // 1
    qint32 Total = 0;         // 2
    qint32 SinResolucion = 0; // 3
};
RegConteoEstados ContarEstados(const QString& desde, const QString& hasta);

// The complaints of one reason in the period, newest reception date first, with only pid,
// fecha_queja, hora_queja, Apellido and Nombres filled.
RegListaQuejas GetQuejasCausa(qint16 causa, const QString& desde, const QString& hasta);
