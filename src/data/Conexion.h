#pragma once

#include "Aplicacion.h"
#include "ErrorEjecucion.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>
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
extern thread_local qint16 IndiceServidor;

// 0 connected, 1 failed and the user wants to retry, 2 failed and the user gave up.
qint16 Conectar(qint16 indice, qint16 tipo);
void Reconectar();

// Runs one statement under the failure policy: count, reconnection after a lost connection,
// error log, and the end of the program unless silent. A local database that another
// workstation keeps locked beyond the busy timeout is no failure: the statement is tried once
// more, then the user is asked whether to try again (silent statements are not asked); giving
// up returns false with a log block, neither counted nor ending the program.
bool EjecutarQuery(const QString& sql, bool silencioso = false);
void CerrarRs();

// A reading statement and the shared result set it opened, closed when the reader goes out of
// scope: no early return can leave it open. Nothing may yield while a reader is alive; the list
// readers below read every row first.
class Lectura
{
public:
    explicit Lectura(const QString& sql, bool silencioso = false);
    ~Lectura();
    Lectura(const Lectura&) = delete;
    Lectura& operator=(const Lectura&) = delete;

    // The statement ran (false only after a silent failure).
    bool Ok() const { return m_ok; }
    // The result set stands on a row.
    bool HayFila() const { return m_ok && !Rs.Eof(); }

private:
    bool m_ok;
};

// Every row of the statement, each as leerFila reads it from Rs. The result set is closed before
// anything yields; with cederEventos pending window events then run once per row read.
template <typename Lector> auto LeerFilas(const QString& sql, Lector leerFila, bool cederEventos = false)
{
    QVector<std::decay_t<decltype(leerFila())>> filas;
    {
        Lectura lectura(sql);
        for (; lectura.HayFila(); Rs.MoveNext())
            filas.append(leerFila());
    }
    if (cederEventos)
        for (int i = 0; i < filas.size(); ++i)
            Aplicacion::HacerEventos();
    return filas;
}

// The first row as leerFila reads it from Rs; nothing without a row or after a silent failure.
template <typename Lector>
auto LeerFila(const QString& sql, Lector leerFila, bool silencioso = false)
    -> std::optional<std::decay_t<decltype(leerFila())>>
{
    Lectura lectura(sql, silencioso);
    if (!lectura.HayFila())
        return std::nullopt;
    return leerFila();
}

// Rechazada only from a write under a Guardia: the stored rows refused it.
enum class ResultadoDirecto { Ok, ClaveDuplicada, Error, Rechazada };

// What became of a write under a Guardia.
enum class Escritura {
    Guardada,
    Rechazada,  // the stored rows refuse it by now; nothing stored
    NoGuardada, // given up, or a silent failure; nothing stored
};

// The rule of a write that depends on rows another workstation may change while a window shows
// them: checked inside the write's own transaction, right after its first statement has taken the
// rows' turn (SqlTurnoDeQueja), so that no other write comes in between. sql reads the rows;
// admite looks at them in Rs and says whether the write goes on, else the whole of it is undone.
struct Guardia
{
    QString sql;
    std::function<bool()> admite;
};

// The top of the key ranges: 32-bit keys, and the 16-bit keys of categories, reasons and users.
constexpr qint32 kMaximoClave32 = 2147483647;
constexpr qint32 kMaximoClave16 = 32767;

// The one "highest + 1" rule: reads the highest key with sqlUltimaClave (one row, one column; no
// row means an empty table) under the query runner, then calls intentar with that key plus one,
// and with each next key while another workstation has taken it. Returns the key stored, or -1
// when intentar failed, the read failed silently, or no key up to maximo is left (refused with a
// log block, and a message unless silent).
qint32 ConClaveNueva(const QString& sqlUltimaClave, const std::function<ResultadoDirecto(qint32)>& intentar,
                     bool silencioso = false, qint32 maximo = kMaximoClave32);

// Runs the statements in one transaction under the same policy: all or nothing, so a
// replacement (delete then insert) never leaves the old rows gone without the new ones.
bool EjecutarTransaccion(const QStringList& sentencias, bool silencioso = false);
// The same under a guard.
Escritura EjecutarTransaccion(const QStringList& sentencias, const Guardia& guardia);

// A replacement of rows that one key identifies (delete them, insert the new ones) in one
// transaction. When another workstation's replacement of the same rows commits first, the
// insert hits the key: the transaction then runs again, so the later save wins instead of
// failing.
bool EjecutarReemplazo(const QStringList& sentencias, bool silencioso = false);
// The same under a guard.
Escritura EjecutarReemplazo(const QStringList& sentencias, const Guardia& guardia);

// Inserts a row whose key is "highest + 1" (ConClaveNueva): builds the insert for the key and,
// when another workstation took that key first, tries again with the next one. Returns the key
// stored, or -1 after a silent failure or a refusal.
qint32 InsertarConClaveNueva(const QString& sqlUltimaClave, const std::function<QString(qint32)>& armarInsert,
                             bool silencioso = false, qint32 maximo = kMaximoClave32);

// A replacement whose new row takes a "highest + 1" key: reads the highest key as
// InsertarConClaveNueva does, then runs the statements built for the key in one transaction;
// when another workstation took that key (or replaced the same rows) first, the whole
// transaction runs again with the next key. Returns the key stored, or -1 after a silent failure.
qint32 EjecutarTransaccionConClaveNueva(const QString& sqlUltimaClave,
                                        const std::function<QStringList(qint32)>& armarSentencias,
                                        bool silencioso = false);
// The same under a guard.
Escritura EjecutarTransaccionConClaveNueva(const QString& sqlUltimaClave,
                                           const std::function<QStringList(qint32)>& armarSentencias,
                                           const Guardia& guardia);

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
// row to the next free one, and a row whose keys would pass the top of the 32-bit range is
// refused and logged (Desbordamiento) while the others go on. A lost connection is reopened under
// the usual count and the whole batch written again, since the transaction went with it. A locked
// local file is waited out and asked about as under EjecutarQuery; given up, no row is stored.
// Nothing may yield meanwhile.
QVector<ResultadoFila> EjecutarFilas(const QVector<FilaLote>& filas, const QString& sqlUltimaClave = QString());

// A batched write of one row per record: armar(record, first key) gives the row's statements.
template <typename Registro, typename Armar>
QVector<ResultadoFila> EjecutarPorRegistro(const QVector<Registro>& registros, Armar armar, int clavesPorFila = 0,
                                           const QString& sqlUltimaClave = QString())
{
    QVector<FilaLote> filas;
    filas.reserve(registros.size());
    for (const Registro& r : registros)
        filas.append({clavesPorFila, [r, armar](qint32 clave) { return QStringList(armar(r, clave)); }});
    return EjecutarFilas(filas, sqlUltimaClave);
}

// Which of these keys the column holds, read a few hundred at a time instead of one statement
// each (for the data files; tabla and columna are their own names, never a caller's text).
QSet<qint32> ClavesExistentes(const QString& tabla, const QString& columna, const QVector<qint32>& claves);

// Runs one statement outside the failure policy (not counted, not logged, no reconnection).
// For the inserts that report their failure to their caller. A locked local file is still waited
// out and asked about as under EjecutarQuery; giving up returns the busy error with a log block.
ResultadoDirecto EjecutarDirecto(const QString& sql, ErrorEjecucion* error = nullptr);
