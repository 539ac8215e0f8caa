#pragma once

#include "Catalogos.h"
#include "Conexion.h"

#include <QSet>
#include <QString>
#include <QVector>

// Where and when the event of a complaint happened and the trip it concerns: one row of
// Lugar_Quejas. Tipo_Comprob -5 after GetLugar means the complaint has no place row.
struct RegLugar
{
    qint32 NroQueja = 0;
    qint16 Lugar = 0; // 0 other place, 1 agency, 2 coach
    QString Det_Lugar;
    QString Fecha; // "DD/MM/YYYY"
    QString Hora;
    QString Dato9;
    QString Dato3;
    QString Dato4;
    QString Dato5;
    QString Dato6;
    QString Dato7;
    QString Dato8;
    qint16 Tipo_Comprob = 0;
    QString Comprobante;
    QString Legajos;
    QString Det_legajos; // written only by the import
    QString Hora_Serv;
    QString Desde;
    QString Hasta;
    QString Sector; // written only by the import
    QString Unidad;
};

// A coach of Coches_quejas; Interno -1 when no coach has the number.
struct RegCoche
{
    qint32 Interno = 0;
    RegEmpresa Empresa;
    QString Chasis; // no look-up fills it
    QString Dominio;
    qint16 Asientos = 0;
};

// An agency of MasterAgencias; Codplu "-1" (everything else empty) when no agency has the code.
struct RegAgencia
{
    QString Descripcion;
    QString Codplu;
    QString CodEnco;
    qint16 Pid = 0;
    QString Telefono1;
    QString Correo;
    qint16 GrupoInt = 0;
    QString localidad;
    QString Domicilio;
    QString piso_depto;
    QString numeral;
    QString Provincia;
    QString pais;
};

// Every text empty, every number 0 (Tipo_Comprob 0, not the no-row marker).
RegLugar LugarVacio();
// The place row of a complaint; Tipo_Comprob -5 when there is none. NroQueja, Det_legajos
// and Sector are not loaded.
RegLugar GetLugar(qint32 nroQueja);
// Replaces the complaint's place row in one transaction, keeping the import-only Det_legajos
// and Sector of the row it replaces. True when stored.
bool GuardarLugar(const RegLugar& lugar, qint32 nroQueja);
// The same; soloElPrimero stores only a complaint's first place: Rechazada, with nothing stored,
// when it has one by then.
Escritura GuardarLugar(const RegLugar& lugar, qint32 nroQueja, bool soloElPrimero);
// Inserts an imported row for lugar.NroQueja without deleting first; failures are only logged.
void InsertarLugar(const RegLugar& lugar);
// The same for a batch (see EjecutarFilas); a company PID above 0 is also set on the row's
// complaint, in the same unit as its place.
QVector<ResultadoFila> InsertarLugares(const QVector<RegLugar>& lugares, const QVector<qint16>& empresas);
// Which of these complaints have a place row: one statement for a whole batch.
QSet<qint32> LugaresExistentes(const QVector<qint32>& nrosQueja);
// The number when the complaint has a place row, else 0.
qint32 ExisteLugar(qint32 nroQueja);

// A numeric code is rewritten in the caller's variable to its whole part ("00045" -> "45").
RegAgencia GetAgencia(QString& codigo);
// With the company's name and tax id; a text that is not a whole number finds no coach.
RegCoche GetCoche(const QString& interno);
// Only Interno, Empresa.PID, Dominio and Asientos.
RegCoche GetCocheBasico(qint32 interno);
