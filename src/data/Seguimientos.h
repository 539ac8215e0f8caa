#pragma once

#include "Conexion.h"

#include <QString>
#include <QVector>

// One follow-up note of a complaint; Detalle in the escaped form ("|~|" for each apostrophe).
struct RegSeguimiento
{
    qint32 Queja = 0;
    QString ApYNom;
    QString Detalle;
    QString Fecha;
    qint16 Usuario = 0;
};

RegSeguimiento SeguimientoVacio();

// The follow-ups of one complaint, newest number first, with the claimant's name.
struct RegListaSeguimientos
{
    QVector<RegSeguimiento> Items;
    qint32 Queja = 0;
    // "Apellido, Nombres" of the complaint; empty when no complaint has the number.
    QString Reclamante;
    qint16 Ultimo = -1;
};

RegListaSeguimientos GetSeguimientos(qint32 numero);
// Adds a follow-up from the follow-up window, numbered per complaint. The insert runs outside
// the query runner's policy (not counted, not logged), but waits out a locked file as every
// writer does; false tells the caller it failed or was given up.
bool AgregarSeguimiento(qint32 numero, const QString& fecha, const QString& texto, qint16 usuario);
// Adds an imported follow-up, numbered across the whole table; a failure is only logged.
void InsertarSeguimiento(const RegSeguimiento& seguimiento);
// The same for a batch (see EjecutarFilas).
QVector<ResultadoFila> InsertarSeguimientos(const QVector<RegSeguimiento>& seguimientos);
