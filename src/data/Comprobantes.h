#pragma once

#include "Conexion.h"

#include <QString>
#include <QVector>

// One line of a complaint's voucher list: its kind (1 ticket, 2 luggage ticket, 3 parcel
// invoice) and the text shown for it.
struct RegComprobante
{
    qint16 Tipo = 0;
    QString Texto;
};

// The vouchers of one complaint. Tipo: 0 none, 3 parcel invoices (the first row read is one),
// else 2 when any row is a luggage ticket, else 1.
struct RegListaComprobantes
{
    qint16 Tipo = 0;
    QVector<RegComprobante> Items;
    qint16 Ultimo = -1;
    // Parts of the last parcel invoice read.
    QString T1;
    QString T2;
    QString T3;
};

RegListaComprobantes GetComprobantes(qint32 nrQueja);
// True when the voucher was stored; false when the save was given up (the caller keeps what was typed).
bool AgregarComprobante(qint32 nrQueja, const QString& t1, const QString& t2, const QString& t3, qint16 tipo);

// The vouchers one import row gives a complaint, each with its text as T1 (T2 and T3 empty).
struct FilaComprobantes
{
    qint32 NrQueja = 0;
    QVector<RegComprobante> Items;
};
// Each row's vouchers land together or not at all (see EjecutarFilas).
QVector<ResultadoFila> AgregarComprobantes(const QVector<FilaComprobantes>& filas);
// Changes the T1 of the first matching voucher, or deletes every matching voucher when the
// new text is empty.
void ModificarComprobante(const QString& viejo, qint16 tipo, qint32 nrQueja, const QString& nuevo);
