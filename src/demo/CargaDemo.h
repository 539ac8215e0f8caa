#pragma once

#include <QString>
#include <QStringList>

// Loads the sample master data (SQL files) into a database whose master tables are all empty.
namespace CargaDemo {

enum class Resultado { Cargado, BaseConDatos, SinArchivos, Fallo };

// The master tables that must hold no row before a load (the general category, PID 0, does
// not count: every new database has it).
QStringList TablasMaestras();
// The first master table that holds a row, "" when all are empty or a read failed (ok false).
QString TablaConFilas(bool* ok = nullptr);

// The statements of an SQL text: split on semicolons outside quotes and "--" comments.
QStringList Sentencias(const QString& sql);

// Runs every *.sql file of the folder, in name order, in one transaction on the open
// connection; nothing is written unless the master tables are all empty.
Resultado Cargar(const QString& carpetaSql);

// The tool: opens the local database of the program folder (creating it and its tables when
// missing), loads the folder's files when the master tables are empty, and reports on the
// standard output. Exit code: 0 loaded or left alone, 1 failure.
int Ejecutar(const QString& carpetaPrograma, const QString& carpetaSql);

} // namespace CargaDemo
