#pragma once

#include "Catalogos.h"
#include "Conexion.h"

#include <QSet>
#include <QString>
#include <QVector>

enum class EstadoQueja;

// One complaint, a row of Master_Quejas. `detalle` holds the escaped form ("|~|" for each
// apostrophe); only the PID of the embedded company is stored.
struct RegQueja
{
    qint32 pid = 0;
    QString fecha_queja;
    QString hora_queja;
    qint16 motivo = 0;
    qint16 tipo_queja = 0;
    qint16 causa = 0;
    QString detalle;
    QString Apellido;
    QString Nombres;
    QString Telefono;
    QString Telefono2;
    QString Correo;
    QString Contacto;
    QString DNI;
    RegEmpresa Empresa;
    qint16 usuario = 0;
    QString Domicilio;
    QString Localidad;
    QString Provincia;
    QString Pais;
    QString NrLib;
    QString Mediador;
    QString NroQueja;
};

RegQueja QuejaVacia();

// Stores a complaint from the entry form under the next free number, registered by the
// logged-in user; returns the number actually stored.
qint32 AgregarQueja(const RegQueja& queja);
// Stores an imported complaint under its own number; a failure (number taken) is only logged.
void InsertarQueja(const RegQueja& queja);
// The complaint with that number; pid -1 and empty fields when there is none.
RegQueja GetQueja(qint32 pid);
// The number when a complaint has it, else 0.
qint32 ExisteQueja(qint32 pid);

// The imports' batched forms (see EjecutarFilas): each row is stored or refused alone, a refusal
// only logged. Imported complaints under their own numbers:
QVector<ResultadoFila> InsertarQuejas(const QVector<RegQueja>& quejas);
// NrLib, and tipo_queja, of each complaint pid.
QVector<ResultadoFila> SetNrLibs(const QVector<RegQueja>& quejas);
QVector<ResultadoFila> SetTiposQueja(const QVector<RegQueja>& quejas);
// Which of these numbers have a complaint: one statement for a whole batch of rows.
QSet<qint32> QuejasExistentes(const QVector<qint32>& pids);
// The statement of SetEmpresa, for a batched writer of the data layer.
QString SqlSetEmpresa(qint32 pid, qint16 empresa);

void SetNrLib(qint32 pid, const QString& nrlib);
// Reason first, complaint number last.
void SetMotivoCausa(qint16 causa, qint16 motivo, qint32 pid);
void SetEmpresa(qint32 pid, qint16 empresa);
// Sets tipo_queja of complaint queja.pid to queja.tipo_queja.
void SetTipoQueja(const RegQueja& queja);

// The case window's field edits. The field is named by the window's code: 1 Domicilio,
// 2 Localidad, 3 Provincia, 4 Pais, 5 Telefono, 6 Telefono2, 7 Correo, 8 Apellido, 9 Nombres,
// 10 DNI, 12 NrLib, 13 Mediador, 14 NroQueja; any other code changes nothing. The value is
// stored as typed. Both store only while the complaint is editable: Rechazada when it is solved
// or annulled by then, with the state found in estado.
Escritura SetCampoQueja(qint32 pid, qint16 codigo, const QString& valor, EstadoQueja* estado = nullptr);
// The detail, already escaped ("|~|" for each apostrophe).
Escritura SetDetalleQueja(qint32 pid, const QString& detalleEscapado, EstadoQueja* estado = nullptr);
// The first statement of a transaction that replaces rows of one complaint (its place, its
// resolution): it locks the complaint's row, so that two workstations replacing them at once
// take turns on the server instead of colliding or deadlocking. The local file is locked whole
// by any write anyway.
QString SqlTurnoDeQueja(qint32 pid);
