#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class Grilla;

// What tests put into the database and read back from it, beside the data layer under test.

// Runs a statement the test depends on; a failure fails the test and names the statement.
void Ejecutar(const QString& sql);
// Runs each statement (UTF-8 text) in turn.
void Ejecutar(std::initializer_list<const char*> sentencias);

// Reads fail the test when their query fails.
// The first column of the first row as text; "<sin fila>" when there is no row.
QString LeerTexto(const QString& sql);
// The first column of the first row as a number (0 when there is no row): counts and keys.
qint32 LeerEntero(const QString& sql);
// Every row, its first `columnas` columns as text joined by separador.
QStringList LeerFilas(const QString& sql, int columnas, const QString& separador);

// The statements this thread's connection runs during accion, in order. The local file reports
// each of them; a server session shows another session only its latest, so there the list holds
// that one alone.
QStringList SentenciasDurante(const std::function<void()>& accion);

// Catalogue rows: a category or contact type (PID, Detalle), a reason, a category-reason pair.
void FilaCatalogo(const char* tabla, qint16 pid, const QString& detalle);
void FilaMotivo(qint16 pid, const QString& detalle);
void FilaCausa(qint16 pid, const QString& detalle, int anulada = 0);
void FilaPar(qint16 categoria, qint16 causa);
// A complaint received at 10:15:00 by user 5, every code 0 and no detail.
void FilaQueja(qint32 pid, const QString& fecha, const QString& apellido, const QString& nombres, const QString& dni,
               const QString& nrLib = QString(), const QString& nroQueja = QString());
// A resolution row with only its state: closed and annulled flags.
void FilaResolucion(qint32 pid, qint32 idQueja, int cerrada, int anulado = 0);

// One column of a grid, from the first row below the header down.
QStringList ColumnaDeGrilla(const Grilla& g, int col = 0);

// A random desk drawn from semilla: categories 1-4 and reasons 1-12 (two annulled) with pairs
// (one to a reason that does not exist, one from a category that does not exist), companies and
// users 1-3, and `quejas` complaints whose reason, category, company and user may be Null, 0 or
// unknown; about one in six without a place row; place dates in the first quarter of 2024, some
// Null or the no-date marker; at most one resolution row each, and stray rows of places and
// resolutions without a complaint.
void DatosAlAzar(unsigned semilla, int quejas);
