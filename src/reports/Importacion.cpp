#include "Importacion.h"

#include "Aplicacion.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "Formularios.h"
#include "LectorHoja.h"
#include "PCarga.h"
#include "PasosImportacion.h"
#include "Usuarios.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// A batch is written in one transaction between two rows, and the window waits that long: each
// batch is sized so that its write takes about a tenth of a second. The local file grows large
// batches (its commit is what costs), a server smaller ones (every row is a round trip).
constexpr int kFilasPrimerLote = 200;
constexpr int kFilasMinimasPorLote = 50;
constexpr int kFilasMaximasPorLote = 2000;
constexpr double kMsPorLote = 100;
constexpr int kFilasPorProgreso = 40;

bool g_enCurso = false;

} // namespace

PCarga* CargaImportacion()
{
    PCarga* carga = Formulario<PCarga>::Obtener();
    if (!carga->isVisible())
        carga->show();
    return carga;
}

Importacion::Importacion(const QString& ruta, const QString& metodo) : m_ruta(ruta), m_metodo(metodo) {}

Importacion::~Importacion() = default;

bool Importacion::EnCurso()
{
    return g_enCurso;
}

bool Importacion::Correr(const QString& textoAbriendo, const QString& textoTrabajando)
{
    g_enCurso = true;
    struct Fin
    {
        ~Fin() { g_enCurso = false; }
    } fin;

    if (!textoAbriendo.isEmpty())
        CargaImportacion()->descripcion(textoAbriendo);
    else
        CargaImportacion();
    Aplicacion::HacerEventos();
    try {
        m_hoja = std::make_unique<xlsx::LectorHoja>(m_ruta);
    } catch (const ErrorEjecucion& e) {
        EscribirErrLog(m_metodo, e);
        Formulario<PCarga>::Descargar();
        MsgBox(e.descripcion, Botones::Aceptar, Icono::Informacion);
        return false;
    }
    m_ultimaFila = m_hoja->UltimaFila();
    if (!textoTrabajando.isEmpty())
        CargaImportacion()->descripcion(textoTrabajando);
    Aplicacion::HacerEventos();
    recorrer();
    // The workbook is closed: its cells are let go.
    m_hoja.reset();
    return true;
}

void Importacion::recorrer()
{
    int contador = 0;
    int porLote = kFilasPrimerLote;
    for (int desde = 2, hasta = 0; desde <= m_ultimaFila; desde = hasta + 1) {
        hasta = qMin(desde + porLote - 1, m_ultimaFila);
        Preparar(desde, hasta);
        for (int fila = desde; fila <= hasta; ++fila) {
            if (contador == 0) {
                CargaImportacion();
                MostrarProgreso(m_ultimaFila, fila);
                AlProgreso(fila);
            }
            if (++contador == kFilasPorProgreso)
                contador = 0;
            try {
                Fila(fila);
            } catch (const FilaInvalida& f) {
                Registrar(fila, ErrorEjecucion{kErrorTipos, f.motivo});
            }
            Aplicacion::HacerEventos();
        }
        QElapsedTimer escritura;
        escritura.start();
        Escribir();
        const double ms = qMax<qint64>(1, escritura.elapsed());
        porLote = qBound(kFilasMinimasPorLote, int(porLote * kMsPorLote / ms), kFilasMaximasPorLote);
    }
}

QString Importacion::Celda(int fila, int columna) const
{
    QString t = m_hoja->Texto(xlsx::Celda{fila, columna});
    // A NUL would end the program at the first look-up made with it (the database refuses it).
    if (t.contains(QChar(0)))
        throw FilaInvalida{
            QStringLiteral("la celda %1%2 contiene un carácter nulo").arg(LetraColumna(qint16(columna))).arg(fila)};
    return t.replace(QLatin1Char('\''), QLatin1Char('"'));
}

qint32 Importacion::EnteroAbajo(int fila, int columna) const
{
    return entero(fila, columna, Celdas::EnteroAbajo, false);
}

qint32 Importacion::EnteroRedondeado(int fila, int columna, bool vacioEsCero) const
{
    return entero(fila, columna, Celdas::EnteroRedondeado, vacioEsCero);
}

QVector<qint32> Importacion::Numeros(int columna, int desde, int hasta) const
{
    QVector<qint32> numeros;
    for (int f = desde; f <= hasta; ++f) {
        try {
            numeros.append(EnteroAbajo(f, columna));
        } catch (const FilaInvalida&) {
        }
    }
    return numeros;
}

qint32 Importacion::entero(int fila, int columna, std::optional<qint32> (*convertir)(double), bool vacioEsCero) const
{
    const QString t = Celda(fila, columna);
    const QString letra = LetraColumna(qint16(columna));
    if (t.isEmpty() && vacioEsCero)
        return 0;
    if (t.trimmed().isEmpty())
        throw FilaInvalida{QStringLiteral("la columna %1 está vacía").arg(letra)};
    const auto n = Celdas::Numero(t);
    if (!n)
        throw FilaInvalida{QStringLiteral("la columna %1 no es un número: \"%2\"").arg(letra, t)};
    const auto e = convertir(*n);
    if (!e)
        throw FilaInvalida{QStringLiteral("la columna %1 es un número demasiado grande: \"%2\"").arg(letra, t)};
    return *e;
}

void Importacion::Resultado(int fila, const ResultadoFila& resultado) const
{
    if (resultado.guardada)
        return;
    Registrar(fila, ErrorEjecucion{resultado.error.numero, QStringLiteral("la base de datos no guardó la fila: ") +
                                                               resultado.error.descripcion});
}

void Importacion::Registrar(int fila, const ErrorEjecucion& error) const
{
    EscribirErrLog(
        m_metodo,
        ErrorEjecucion{error.numero, QStringLiteral("%1, fila %2: %3").arg(Libro()).arg(fila).arg(error.descripcion)});
}

qint16 Importacion::Operador(const QString& palabra)
{
    const auto it = m_operadores.constFind(palabra);
    if (it != m_operadores.constEnd())
        return *it;
    return m_operadores[palabra] = GetUsuarioPID(palabra);
}

QString Importacion::Libro() const
{
    return QFileInfo(m_ruta).fileName();
}
