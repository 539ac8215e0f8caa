#pragma once

#include <QString>

class Grilla;

// Summary of one complaint; PID -1 when no complaint has the number asked for.
struct RegResumenQueja
{
    QString Apellido;
    QString Nombres;
    QString DNI;
    qint32 PID = 0;
    QString Fecha;
    QString Hora;
};

// The list functions rebuild the grid's header (row 0) and add one row per complaint below it.

// The n latest complaints; only those neither solved nor annulled unless `todas`.
void ListarQuejas(Grilla& grilla, qint32 n, bool todas);
// Complaints received between the two "DD/MM/YYYY" dates (bounds included) and not solved.
void ListarQuejasPeriodo(Grilla& grilla, const QString& desde, const QString& hasta);
// At most 100 complaints whose column contains the text: modo 0 DNI, 1 Apellido, 2 NrLib, 3 NroQueja.
void BuscarQuejas(qint16 modo, const QString& texto, Grilla& grilla);
// At most 1000 complaints with a voucher matching the texts; modos 1 to 9.
void BuscarQuejasComprobante(qint16 modo, const QString& primero, const QString& segundo, const QString& tercero,
                             Grilla& grilla);
RegResumenQueja GetResumenQueja(qint32 pid);
