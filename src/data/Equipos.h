#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>

// One row of the workstation registry, identified by (MAC, Usuario).
struct RegEquipo
{
    qint32 PID = 0;
    QString MAC;
    QString Nombre; // "Apellido, Nombres" when the row was created
    qint16 Usuario = 0;
    QString Fecha; // "DD/MM/YYYY"
    QString Hora;  // "HH:MM:SS"
    QString PC;
    QString Version;
    QString Conectado; // "0" or "1" as read
};

struct RegListaEquipos
{
    QVector<RegEquipo> Items;
    qint16 Ultimo = -1;
};

// Registers or refreshes this workstation's row for the logged-in user. Failures go to the
// error log; the caller goes on.
void RegistrarMAC(const QString& mac, const QString& pc);
// Marks this workstation's row of the logged-in user disconnected; failures end it quietly.
void DesconectarMAC(const QString& mac);
// Every row, connected first, after marking rows silent for more than ten minutes (or not
// seen today) disconnected and purging old disconnected rows. Rows purged by this call are
// still in the returned list.
RegListaEquipos GetRegistrosDepurados();

// The clock of the registry (local date and time); tests set it, nullptr restores the real one.
void EstablecerRelojEquipos(std::function<QDateTime()> reloj);
