#pragma once

#include "ErrorEjecucion.h"

#include <QSqlDatabase>
#include <QString>

// The database engine: a PostgreSQL server (type 0) or the local SQLite file bd/base.db
// beside the program (type 1). Each thread keeps its own connection.
namespace MotorBD {

enum Tipo : int { Servidor = 0, ArchivoLocal = 1 };

struct Destino
{
    int tipo = ArchivoLocal;
    QString direccion;
    QString puerto;
    QString baseDeDatos; // for the server: the instance name when given, else the built-in name
    QString usuario;
    QString clave;
};

// Opens a new connection for the calling thread (the previous one is dropped), creates the
// tables that are missing and brings an existing database up to date (search columns, their
// triggers, indexes), keeping every row. Throws ErrorEjecucion when it cannot.
void Abrir(const Destino& destino);
// The calling thread's connection; invalid before the first Abrir.
QSqlDatabase Conexion();
bool EsPostgres();
// The statement that opens a write transaction. The local file takes its write lock at once, so
// a workstation that must wait for another one waits instead of failing midway.
QString InicioEscritura();

// Tests give each process its own PostgreSQL schema so ctest can run them side by side.
void EstablecerEsquema(const QString& esquema);

// How long a statement on the local file waits for another workstation's lock before it reports
// the database as busy (kErrorBaseOcupada); 10 s unless a test shortens it. Applies to the
// connections opened afterwards.
void EstablecerEsperaBloqueo(int milisegundos);

// The system's number and text for a failed statement: a lost connection becomes the general
// failure code, so the query runner reconnects; other errors keep their own.
ErrorEjecucion Traducir(const class QSqlError& error);
// A primary-key collision: another workstation took the key first.
bool EsClaveDuplicada(const class QSqlError& error);
// The local file stayed locked by another connection for the whole busy timeout.
bool EsBaseOcupada(const class QSqlError& error);

// Local database file, relative to the program folder.
QString RutaArchivoLocal();

} // namespace MotorBD
