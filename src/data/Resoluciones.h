#pragma once

#include "Conexion.h"

#include <QSet>
#include <QString>
#include <QVector>

// One row of Resolucion_quejas.
struct RegResolucion
{
    QString Detalle;
    QString Sancion;
    QString Fecha;    // "DD/MM/YYYY"; "01/01/1900" stands for no date
    QString FechaFin; // same
    qint16 Cerrada = 0;
    QString Monto;
    qint32 IDQueja = 0; // after GetResolucion: 0 when a row was found, -1 when none exists
    qint16 Usuario = 0;
    QString Supervisor;
    qint16 Anulado = 0;
    qint16 usr_Anula = 0;
};

// The state of a complaint, derived from its resolution row.
enum class EstadoQueja {
    Editable,
    Solucionada,
    Anulada,
};

// Every field at its empty value (IDQueja and usr_Anula 0, not -1).
RegResolucion ResolucionVacia();
// IDQueja -1 when the complaint has no resolution row.
RegResolucion GetResolucion(qint32 pidQueja);
// Replaces the complaint's resolution (all its rows) in one transaction; Usuario is always the
// logged-in user. True when stored.
bool GuardarResolucion(RegResolucion& r);
// The same, only over the resolution a window read (leida, as GetResolucion gave it) and, when
// that is solved or annulled, only from level 3: Rechazada, with nothing stored, when another
// workstation saved a different one since.
Escritura GuardarResolucion(RegResolucion& r, const RegResolucion& leida);
// Adds an imported resolution (the import); a failure is only logged. A complaint keeps at most
// one resolution row, so a complaint that has one keeps it and the refused row is logged. Always 0.
qint16 InsertarResolucion(RegResolucion& r);
// The same for a batch (see EjecutarFilas).
QVector<ResultadoFila> InsertarResoluciones(const QVector<RegResolucion>& resoluciones);
// Which of these complaints have a resolution: one statement for a whole batch.
QSet<qint32> ResolucionesExistentes(const QVector<qint32>& idQuejas);

// Any non-zero flag counts as set, annulled winning over solved; no row is editable.
EstadoQueja EstadoDeResolucion(const RegResolucion& r);
// For a write that only an editable complaint takes: admits it while the complaint is editable,
// and leaves the state found in estado.
Guardia GuardiaEditable(qint32 pidQueja, EstadoQueja& estado);
