#pragma once

#include "ErrorEjecucion.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <type_traits>

// The one result set of every statement: the whole result is read when the statement runs
// (a static cursor), then walked with MoveNext until Eof.
class ResultSet
{
public:
    bool Abierto() const { return m_abierto; }
    bool Eof() const { return !m_abierto || m_pos >= m_filas.size(); }
    bool Bof() const { return !m_abierto || m_filas.isEmpty() || m_pos < 0; }
    int RecordCount() const { return m_abierto ? m_filas.size() : -1; }
    void MoveFirst() { m_pos = 0; }
    void MoveNext() { ++m_pos; }
    // The rows were read when the statement ran; running it once more changes nothing a
    // caller could see between two statements of its own.
    void Requery() { m_pos = 0; }
    void Close();
    // Takes every row of a statement that just ran.
    void Llenar(class QSqlQuery& consulta);

    // Field by position (0-based, SELECT order); Null reads as an invalid QVariant.
    QVariant Campo(int i) const;
    bool EsNulo(int i) const { return Campo(i).isNull(); }
    // Conversions used by the loaders; Null gives 0 or "".
    qint16 Entero16(int i) const { return static_cast<qint16>(Campo(i).toLongLong()); }
    qint32 Entero32(int i) const { return static_cast<qint32>(Campo(i).toLongLong()); }
    QString Texto(int i) const;
    // A date column as "DD/MM/YYYY" (DATE on the server, ISO text in the local file).
    QString Fecha(int i) const;

private:
    bool m_abierto = false;
    int m_pos = 0;
    QVector<QVector<QVariant>> m_filas;
};

// Shared state of the data layer. Thread-local so that a test thread can run its own
// connection; the program itself uses only the window thread.
extern thread_local ResultSet Rs;
extern thread_local qint16 ErroresQuery;
extern thread_local qint16 EstadoLogin;
extern thread_local bool BaseConectada;
extern qint16 IndiceServidor;

// 0 connected, 1 failed and the user wants to retry, 2 failed and the user gave up.
qint16 Conectar(qint16 indice, qint16 tipo);
void Reconectar();

// Runs one statement under the failure policy: count, reconnection after a lost connection,
// error log, and the end of the program unless silent.
bool EjecutarQuery(const QString& sql, bool silencioso = false);
void CerrarRs();

// True while a read holds the shared result set: timers must not start another read then.
bool LecturaEnCurso();

// Walks every row of the statement that just ran, calling porFila on each, then closes the
// result set. With cederEventos, pending window events run once per row (the list readers
// behind windows keep them responsive).
void RecorrerFilas(const std::function<void()>& porFila, bool cederEventos = false);
// The rows of the statement that just ran, one item each as leerFila reads it from Rs.
template <typename LeerFila> auto LeerFilas(LeerFila leerFila, bool cederEventos = false)
{
    QVector<std::decay_t<decltype(leerFila())>> filas;
    RecorrerFilas([&] { filas.append(leerFila()); }, cederEventos);
    return filas;
}

// Runs the statements in one transaction under the same policy: all or nothing, so a
// replacement (delete then insert) never leaves the old rows gone without the new ones.
bool EjecutarTransaccion(const QStringList& sentencias, bool silencioso = false);

// Inserts a row whose key is "highest + 1": reads the highest key with sqlUltimaClave (one
// row, one column; no row means an empty table), builds the insert for the key and, when
// another workstation took that key first, tries again with the next one. Returns the key
// stored, or -1 after a silent failure.
qint32 InsertarConClaveNueva(const QString& sqlUltimaClave, const std::function<QString(qint32)>& armarInsert,
                             bool silencioso = false);

// A replacement whose new row takes a "highest + 1" key: reads the highest key as
// InsertarConClaveNueva does, then runs the statements built for the key in one transaction;
// when another workstation took that key first, the whole transaction runs again with the next
// key. Returns the key stored, or -1 after a silent failure.
qint32 EjecutarTransaccionConClaveNueva(const QString& sqlUltimaClave,
                                        const std::function<QStringList(qint32)>& armarSentencias,
                                        bool silencioso = false);

// One row of a batched write: the statements that land together or not at all. A row that
// takes "highest + 1" keys says how many; its statements are built for the first of them.
struct FilaLote
{
    int claves = 0;
    std::function<QStringList(qint32 primeraClave)> armar;
};

// What became of one row of a batched write: stored, or the error that refused it.
struct ResultadoFila
{
    bool guardada = false;
    ErrorEjecucion error;
};

// Writes rows in one transaction, so a long import pays one commit per batch and a program
// stopped midway leaves whole rows only. A row the database refuses is undone alone, logged as a
// silent failure, and the other rows are kept. Keys for the rows that take them are read once
// (sqlUltimaClave) and handed out in order; a key another workstation took meanwhile moves the
// row to the next free one. A lost connection is reopened under the usual count and the whole
// batch written again, since the transaction went with it. Nothing may yield meanwhile.
QVector<ResultadoFila> EjecutarFilas(const QVector<FilaLote>& filas, const QString& sqlUltimaClave = QString());

// Which of these keys the column holds, read a few hundred at a time instead of one statement
// each (for the data files; tabla and columna are their own names, never a caller's text).
QSet<qint32> ClavesExistentes(const QString& tabla, const QString& columna, const QVector<qint32>& claves);

// Runs one statement outside the failure policy (not counted, not logged, no reconnection).
// For the one insert that reports its failure to its caller.
enum class ResultadoDirecto { Ok, ClaveDuplicada, Error };
ResultadoDirecto EjecutarDirecto(const QString& sql, ErrorEjecucion* error = nullptr);
