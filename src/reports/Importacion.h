#pragma once

#include "Conexion.h"
#include "ErrorEjecucion.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

namespace xlsx {
class LectorHoja;
}

// A row the import cannot take: the reason goes to the error log with the workbook and the row.
struct FilaInvalida
{
    QString motivo;
};

// The frame every import shares: the progress window, the workbook read whole, the rows 2 to
// the last row holding a value with the progress every 40 rows and pending events once per row,
// and the writes made in batches of rows. An import says what a row becomes (Fila), what a batch
// needs read beforehand (Preparar) and how its rows are written (Escribir).
class Importacion
{
public:
    Importacion(const QString& ruta, const QString& metodo);
    virtual ~Importacion();

    // Shows the progress window with the opening text, reads the workbook, then shows the working
    // text and runs every row. False when the workbook could not be read: the user was told (the
    // workbook layer's text), the progress window unloaded, nothing written. An empty text leaves
    // the window's description as it was.
    bool Correr(const QString& textoAbriendo, const QString& textoTrabajando);

    // While an import runs, another one does not start.
    static bool EnCurso();

protected:
    // The number the spreadsheet gives a value of the wrong type.
    static constexpr long kErrorTipos = 13;

    // Rows desde to hasta are about to be read (one batch).
    virtual void Preparar(int desde, int hasta)
    {
        Q_UNUSED(desde)
        Q_UNUSED(hasta)
    }
    // Reads one row and queues what it writes; throws FilaInvalida for a row it cannot take.
    virtual void Fila(int fila) = 0;
    // At rows 2, 42, 82, ... after the progress label.
    virtual void AlProgreso(int fila) { Q_UNUSED(fila) }
    // Writes what the batch queued and calls Resultado for each row written.
    virtual void Escribir() = 0;

    // The text of a cell (1 = column A), every apostrophe turned into a double quote.
    QString Celda(int fila, int columna) const;
    // The number a cell must hold: FilaInvalida when it is empty or not a number (or, with
    // vacioEsCero, 0 when it is empty). Whole numbers below the value, or nearest to it.
    qint32 EnteroAbajo(int fila, int columna) const;
    qint32 EnteroRedondeado(int fila, int columna, bool vacioEsCero = false) const;
    // The whole numbers (below the value) a column holds in rows desde to hasta, for one
    // existence query per batch; the rows that hold none report it themselves.
    QVector<qint32> Numeros(int columna, int desde, int hasta) const;
    // Logs a row the database refused.
    void Resultado(int fila, const ResultadoFila& resultado) const;
    void Registrar(int fila, const ErrorEjecucion& error) const;

    int UltimaFila() const { return m_ultimaFila; }
    QString Libro() const;

    // The user PID for the first word of an operator's name, looked up once per word and run.
    qint16 Operador(const QString& palabra);

    // What a batch writes, each record with its workbook row.
    template <typename R> struct Cola
    {
        QVector<int> filas;
        QVector<R> registros;
        void Agregar(int fila, R registro)
        {
            filas.append(fila);
            registros.append(std::move(registro));
        }
    };
    // Writes the queue through the data layer's batched writer, logs the rows it refused, empties it.
    template <typename R, typename Escritor> void EscribirCola(Cola<R>& cola, Escritor escribir)
    {
        const QVector<ResultadoFila> resultados = escribir(cola.registros);
        for (int i = 0; i < cola.filas.size(); ++i)
            Resultado(cola.filas[i], resultados.value(i));
        cola = Cola<R>();
    }

private:
    void recorrer();
    qint32 entero(int fila, int columna, std::optional<qint32> (*convertir)(double), bool vacioEsCero) const;

    QString m_ruta;
    QString m_metodo;
    std::unique_ptr<xlsx::LectorHoja> m_hoja;
    int m_ultimaFila = 0;
    QHash<QString, qint16> m_operadores;
};

// The progress window of the imports, shown again if it was closed meanwhile.
class PCarga* CargaImportacion();
