#include "Conexion.h"

#include "Aplicacion.h"
#include "Config.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "MotorBD.h"
#include "Sql.h"
#include "Textos.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

thread_local ResultSet Rs;
thread_local qint16 ErroresQuery = 0;
thread_local qint16 EstadoLogin = 0;
thread_local bool BaseConectada = false;
thread_local qint16 IndiceServidor = 0;

namespace {

// Built-in credentials of the server; the database name and password are kept encoded.
const QString kUsuarioServidor = QStringLiteral("lanternix");
const QString kBaseServidor = QStringLiteral("VGltYmVyTGlu");
const QString kClaveServidor = QStringLiteral("R3JhbmRQaW5lOQ==");

// The two server address slots; per thread like the connection they describe.
thread_local QString g_direcciones[2];

using Intento = ResultadoDirecto;

// Attempts at a statement that another workstation keeps locked before the user is asked; each
// waits for the engine's busy timeout.
constexpr int kIntentosBaseOcupada = 2;
// Runs of a replacement whose rows another workstation replaced meanwhile; each lost run means
// that one of the others committed, so this bound is only met by a replacement that can never fit.
constexpr int kCorridasReemplazo = 100;

ErrorEjecucion errorClaveDuplicada()
{
    return {-2147217873, QStringLiteral("Clave duplicada.")};
}

ErrorEjecucion errorObjetoAbierto()
{
    return {3705, QStringLiteral("La operación no está permitida si el objeto está abierto.")};
}

// One attempt at a statement, without any policy.
Intento intentar(const QString& sql, ErrorEjecucion& error)
{
    if (Rs.Abierto()) {
        error = errorObjetoAbierto();
        return Intento::Error;
    }
    if (sql.contains(QChar(0))) {
        error = {5, QStringLiteral("La sentencia contiene un carácter nulo, que la base de datos no admite.")};
        return Intento::Error;
    }
    QSqlDatabase db = MotorBD::Conexion();
    if (!db.isValid() || !db.isOpen()) {
        error = {3709, QStringLiteral("La conexión no se puede usar para realizar esta operación. Está cerrada o "
                                      "no es válida en este contexto.")};
        return Intento::Error;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        if (MotorBD::EsClaveDuplicada(q.lastError()))
            return Intento::ClaveDuplicada;
        error = MotorBD::Traducir(q.lastError());
        return Intento::Error;
    }
    if (q.isSelect())
        Rs.Llenar(q);
    return Intento::Ok;
}

// The guard's read inside the transaction; Rechazada when the stored rows refuse the write.
Intento vigilar(const Guardia& guardia, ErrorEjecucion& error)
{
    Rs.Close();
    const Intento r = intentar(guardia.sql, error);
    if (r != Intento::Ok)
        return r;
    Rs.Requery();
    return guardia.admite() ? Intento::Ok : Intento::Rechazada;
}

Intento intentarTransaccion(const QStringList& sentencias, ErrorEjecucion& error, const Guardia* guardia = nullptr)
{
    if (Rs.Abierto()) {
        error = errorObjetoAbierto();
        return Intento::Error;
    }
    QSqlDatabase db = MotorBD::Conexion();
    if (!db.isValid() || !db.isOpen() || !db.transaction()) {
        error = db.isValid() && db.isOpen() ? MotorBD::Traducir(db.lastError())
                                            : ErrorEjecucion{3709, QStringLiteral("La conexión no está abierta.")};
        return Intento::Error;
    }
    for (int i = 0; i < sentencias.size(); ++i) {
        Intento r = intentar(sentencias[i], error);
        if (r == Intento::Ok && i == 0 && guardia)
            r = vigilar(*guardia, error);
        if (r != Intento::Ok) {
            Rs.Close();
            db.rollback();
            return r;
        }
        Rs.Close();
    }
    if (!db.commit()) {
        error = MotorBD::Traducir(db.lastError());
        db.rollback();
        return Intento::Error;
    }
    return Intento::Ok;
}

// Counts a failed attempt; the third ends the program. False when it did.
bool contarFallo()
{
    if (++ErroresQuery < 3)
        return true;
    MsgBox(QStringLiteral("Se ha perdido la conexión con el servidor al menos 3 veces. Se cerrará el programa"),
           Botones::Aceptar, Icono::Informacion, QStringLiteral("Error en la conexión"));
    Aplicacion::Terminar();
    return false;
}

// The one lock policy of every writer: after an attempt that found the database locked, whether
// to try once more (automatically at first, then as the user says). Giving up writes a log block
// but is not a failure of the statement, so neither counted nor the end of the program; the
// caller keeps what the user typed.
bool esperarBaseOcupada(int& intentos, bool silencioso, const ErrorEjecucion& error, const QString& sqlRegistro)
{
    if (++intentos < kIntentosBaseOcupada)
        return true;
    if (!silencioso && MsgBox(QStringLiteral("La base de datos está bloqueada por otro equipo.") + QLatin1Char('\n') +
                                  QStringLiteral("Desea reintentar?"),
                              Botones::SiNo, Icono::Ninguno, QStringLiteral("Base de datos ocupada")) == Respuesta::Si)
        return true;
    BloqueSentencia(error, sqlRegistro);
    CerrarRs();
    return false;
}

// The failure policy around any attempt. Returns Ok, ClaveDuplicada (left to the caller, not
// counted) or Error after a silent failure; a failure that is not silent ends the program.
Intento conPolitica(const QString& sqlRegistro, bool silencioso, const std::function<Intento(ErrorEjecucion&)>& intento)
{
    int ocupada = 0;
    for (;;) {
        ErrorEjecucion error;
        const Intento r = intento(error);
        if (r != Intento::Error)
            return r;

        if (error.numero == kErrorBaseOcupada) {
            if (esperarBaseOcupada(ocupada, silencioso, error, sqlRegistro))
                continue;
            return Intento::Error;
        }
        Aplicacion::HacerEventos();
        if (!contarFallo())
            return Intento::Error;
        if (error.numero == kErrorFalloGeneral) {
            // A lost connection: open a new one and run the same statement again; the count stays.
            Reconectar();
            continue;
        }
        BloqueSentencia(error, sqlRegistro);
        CerrarRs();
        if (silencioso) {
            ErroresQuery = 0;
            return Intento::Error;
        }
        MsgBox(QStringLiteral("Ha ocurrido un error en la consulta. Verifique el log"), Botones::Aceptar,
               Icono::Informacion, QStringLiteral("Error en la consulta"));
        Aplicacion::Terminar();
        return Intento::Error;
    }
}

} // namespace

void ResultSet::Close()
{
    m_abierto = false;
    m_pos = 0;
    m_filas.clear();
}

void ResultSet::Llenar(QSqlQuery& consulta)
{
    m_filas.clear();
    const int columnas = consulta.record().count();
    while (consulta.next()) {
        QVector<QVariant> fila(columnas);
        for (int i = 0; i < columnas; ++i)
            fila[i] = consulta.value(i);
        m_filas.append(std::move(fila));
    }
    m_pos = 0;
    m_abierto = true;
}

QVariant ResultSet::Campo(int i) const
{
    if (Eof() || i < 0 || i >= m_filas[m_pos].size())
        return QVariant();
    return m_filas[m_pos][i];
}

QString ResultSet::Texto(int i) const
{
    const QVariant v = Campo(i);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return TextoFecha(v.toDate());
    return v.toString();
}

QString ResultSet::Fecha(int i) const
{
    // A date the engine typed (the server's) is already in its final form.
    const QVariant v = Campo(i);
    return v.typeId() == QMetaType::QDate ? TextoFecha(v.toDate()) : FormatoFecha(Texto(i));
}

qint16 Conectar(qint16 indice, qint16 tipo)
{
    try {
        MotorBD::Destino destino;
        destino.tipo = tipo;
        if (tipo == MotorBD::Servidor) {
            const QString baseIncorporada = DecodificarBase64(kBaseServidor);
            if (indice < 0 || indice > 1)
                throw ErrorEjecucion{9, QStringLiteral("Subíndice fuera del intervalo")};
            g_direcciones[indice] = ConfigActual.IP;
            destino.direccion = g_direcciones[indice];
            destino.puerto = ConfigActual.Puerto;
            // The instance name, when given, names the database on the server.
            destino.baseDeDatos = ConfigActual.Sentencia.isEmpty() ? baseIncorporada : ConfigActual.Sentencia;
            destino.usuario = kUsuarioServidor;
            destino.clave = DecodificarBase64(kClaveServidor);
        }
        Rs.Close();
        MotorBD::Abrir(destino);
        return 0;
    } catch (const ErrorEjecucion& e) {
        const Respuesta r = MsgBox(e.descripcion + QLatin1Char('\n') + QStringLiteral("Desea reintentar la conexión?"),
                                   Botones::SiNo, Icono::Ninguno, QStringLiteral("Error de conexion"));
        if (r == Respuesta::Si)
            return 1;
        if (tipo == MotorBD::Servidor)
            BloqueConexionServidor(e, g_direcciones[indice < 0 || indice > 1 ? 0 : indice]);
        else
            BloqueConexionLocal(e);
        EstadoLogin = 1;
        return 2;
    }
}

void Reconectar()
{
    for (;;) {
        const qint16 r = Conectar(IndiceServidor, ConfigActual.Tipo);
        if (r == 1)
            continue;
        if (r == 0)
            BaseConectada = true;
        return;
    }
}

bool EjecutarQuery(const QString& sql, bool silencioso)
{
    return conPolitica(sql, silencioso, [&](ErrorEjecucion& e) {
               const Intento r = intentar(sql, e);
               if (r == Intento::ClaveDuplicada)
                   e = errorClaveDuplicada();
               // Outside InsertarConClaveNueva a collision is an ordinary failure.
               return r == Intento::ClaveDuplicada ? Intento::Error : r;
           }) == Intento::Ok;
}

void CerrarRs()
{
    Rs.Close();
}

Lectura::Lectura(const QString& sql, bool silencioso) : m_ok(EjecutarQuery(sql, silencioso))
{
    if (m_ok)
        Rs.Requery();
}

Lectura::~Lectura()
{
    CerrarRs();
}

namespace {

Escritura escrituraDe(Intento r)
{
    return r == Intento::Ok          ? Escritura::Guardada
           : r == Intento::Rechazada ? Escritura::Rechazada
                                     : Escritura::NoGuardada;
}

// A transaction under the policy; a key collision runs it again up to corridas times, then is an
// ordinary failure.
Escritura transaccion(const QStringList& sentencias, bool silencioso, int corridas, const Guardia* guardia = nullptr)
{
    const QString registro = sentencias.join(QStringLiteral("; "));
    for (int corrida = 1;; ++corrida) {
        const Intento r = conPolitica(registro, silencioso, [&](ErrorEjecucion& e) {
            const Intento t = intentarTransaccion(sentencias, e, guardia);
            if (t != Intento::ClaveDuplicada || corrida < corridas)
                return t;
            e = errorClaveDuplicada();
            return Intento::Error;
        });
        if (r != Intento::ClaveDuplicada)
            return escrituraDe(r);
    }
}

ErrorEjecucion errorSinClaveLibre(qint32 maximo)
{
    return {kErrorDesbordamiento, QStringLiteral("Desbordamiento: no quedan claves libres hasta %1.").arg(maximo)};
}

// The key after the highest one read, as a whole number: past the top of the range it is above
// maximo instead of wrapping.
qint64 claveSiguiente(qint64 mayor, qint32 maximo)
{
    return mayor < maximo ? mayor + 1 : qint64(maximo) + 1;
}

// Past the top of its range the next key would overflow: refused instead of storing a wrapped
// number.
qint32 sinClaveLibre(const QString& sqlUltimaClave, qint32 maximo, bool silencioso)
{
    BloqueSentencia(errorSinClaveLibre(maximo), sqlUltimaClave);
    if (!silencioso)
        MsgBox(QStringLiteral("No se pudo guardar: se alcanzó el número máximo de registros (%1). Consulte al "
                              "administrador del sistema")
                   .arg(maximo),
               Botones::Aceptar, Icono::Informacion, QStringLiteral("Error al guardar"));
    return -1;
}

} // namespace

bool EjecutarTransaccion(const QStringList& sentencias, bool silencioso)
{
    return transaccion(sentencias, silencioso, 1) == Escritura::Guardada;
}

Escritura EjecutarTransaccion(const QStringList& sentencias, const Guardia& guardia)
{
    return transaccion(sentencias, false, 1, &guardia);
}

bool EjecutarReemplazo(const QStringList& sentencias, bool silencioso)
{
    return transaccion(sentencias, silencioso, kCorridasReemplazo) == Escritura::Guardada;
}

Escritura EjecutarReemplazo(const QStringList& sentencias, const Guardia& guardia)
{
    return transaccion(sentencias, false, kCorridasReemplazo, &guardia);
}

qint32 ConClaveNueva(const QString& sqlUltimaClave, const std::function<ResultadoDirecto(qint32)>& intentar,
                     bool silencioso, qint32 maximo)
{
    qint64 clave = 1;
    {
        Lectura ultima(sqlUltimaClave, silencioso);
        if (!ultima.Ok())
            return -1;
        if (ultima.HayFila())
            clave = claveSiguiente(Rs.Campo(0).toLongLong(), maximo);
    }
    for (;; ++clave) {
        if (clave > maximo)
            return sinClaveLibre(sqlUltimaClave, maximo, silencioso);
        switch (intentar(static_cast<qint32>(clave))) {
        case ResultadoDirecto::Ok: return static_cast<qint32>(clave);
        case ResultadoDirecto::Error:
        case ResultadoDirecto::Rechazada: return -1;
        case ResultadoDirecto::ClaveDuplicada: break; // another workstation took it a moment ago
        }
    }
}

qint32 InsertarConClaveNueva(const QString& sqlUltimaClave, const std::function<QString(qint32)>& armarInsert,
                             bool silencioso, qint32 maximo)
{
    return ConClaveNueva(
        sqlUltimaClave,
        [&](qint32 clave) {
            const QString sql = armarInsert(clave);
            return conPolitica(sql, silencioso, [&](ErrorEjecucion& e) { return intentar(sql, e); });
        },
        silencioso, maximo);
}

namespace {

// The key stored, or -1; ultimo says how the last run of the transaction ended.
qint32 transaccionConClaveNueva(const QString& sqlUltimaClave,
                                const std::function<QStringList(qint32)>& armarSentencias, bool silencioso,
                                const Guardia* guardia, Intento& ultimo)
{
    // A taken key rolls the whole transaction back, so the old rows stay until a key fits.
    return ConClaveNueva(
        sqlUltimaClave,
        [&](qint32 clave) {
            const QStringList sentencias = armarSentencias(clave);
            ultimo = conPolitica(sentencias.join(QStringLiteral("; ")), silencioso,
                                 [&](ErrorEjecucion& e) { return intentarTransaccion(sentencias, e, guardia); });
            return ultimo;
        },
        silencioso);
}

} // namespace

qint32 EjecutarTransaccionConClaveNueva(const QString& sqlUltimaClave,
                                        const std::function<QStringList(qint32)>& armarSentencias, bool silencioso)
{
    Intento ultimo = Intento::Error;
    return transaccionConClaveNueva(sqlUltimaClave, armarSentencias, silencioso, nullptr, ultimo);
}

Escritura EjecutarTransaccionConClaveNueva(const QString& sqlUltimaClave,
                                           const std::function<QStringList(qint32)>& armarSentencias,
                                           const Guardia& guardia)
{
    Intento ultimo = Intento::Error;
    return transaccionConClaveNueva(sqlUltimaClave, armarSentencias, false, &guardia, ultimo) != -1
               ? Escritura::Guardada
               : escrituraDe(ultimo);
}

ResultadoDirecto EjecutarDirecto(const QString& sql, ErrorEjecucion* error)
{
    int ocupada = 0;
    for (;;) {
        ErrorEjecucion e;
        const ResultadoDirecto r = intentar(sql, e);
        if (r == ResultadoDirecto::Error && e.numero == kErrorBaseOcupada && esperarBaseOcupada(ocupada, false, e, sql))
            continue;
        if (error)
            *error = e;
        return r;
    }
}

namespace {

bool esPerdida(const ErrorEjecucion& e)
{
    return e.numero == kErrorFalloGeneral;
}

// How one pass over a batch ended.
enum class Pasada { Hecha, Rechazo, Perdida, Ocupada, Fallo, Terminado };

Pasada pasadaFallida(const ErrorEjecucion& e)
{
    return esPerdida(e) ? Pasada::Perdida : e.numero == kErrorBaseOcupada ? Pasada::Ocupada : Pasada::Fallo;
}

// One pass over the rows inside one transaction. Without savepoints (the usual case, one round
// trip less per row on the server) the first refusal ends the pass, to be run again with them.
class PasadaLote
{
public:
    PasadaLote(const QVector<FilaLote>& filas, const QString& sqlUltimaClave, QVector<ResultadoFila>& resultados)
        : m_filas(filas), m_sqlClave(sqlUltimaClave), m_resultados(resultados)
    {
    }

    Pasada Correr(bool conPuntos)
    {
        for (ResultadoFila& r : m_resultados)
            r = ResultadoFila();
        SinClave.clear();
        if (!ejecutar(MotorBD::InicioEscritura()))
            return m_fallo;
        m_claveLeida = false;
        for (int i = 0; i < m_filas.size(); ++i) {
            const Pasada p = fila(i, conPuntos);
            if (p != Pasada::Hecha) {
                deshacer();
                return p;
            }
        }
        if (!ejecutar(QStringLiteral("COMMIT"))) {
            deshacer();
            return m_fallo;
        }
        return Pasada::Hecha;
    }

    ErrorEjecucion error;
    QString sql;
    // The rows refused for want of a key, logged once the batch is stored.
    QVector<int> SinClave;

private:
    // A statement of the pass itself, never a refusal of a row. A read leaves its rows in Rs.
    bool ejecutar(const QString& sentencia)
    {
        if (intentar(sentencia, error) == Intento::Ok)
            return true;
        Rs.Close();
        sql = sentencia;
        m_fallo = pasadaFallida(error);
        return false;
    }

    void deshacer()
    {
        ErrorEjecucion e;
        intentar(QStringLiteral("ROLLBACK"), e);
        Rs.Close();
    }

    bool leerClave(qint64& clave)
    {
        if (!ejecutar(m_sqlClave))
            return false;
        Rs.Requery();
        clave = Rs.Eof() ? 1 : claveSiguiente(Rs.Campo(0).toLongLong(), kMaximoClave32);
        Rs.Close();
        return true;
    }

    Pasada fila(int i, bool conPuntos)
    {
        const FilaLote& f = m_filas[i];
        if (f.claves > 0 && !m_claveLeida) {
            if (!leerClave(m_clave))
                return m_fallo;
            m_claveLeida = true;
        }
        if (conPuntos && !ejecutar(QStringLiteral("SAVEPOINT fila")))
            return m_fallo;
        for (;;) {
            if (f.claves > 0 && m_clave + f.claves - 1 > kMaximoClave32) {
                // Its keys would run past the top: refused alone, the batch goes on.
                m_resultados[i].error = errorSinClaveLibre(kMaximoClave32);
                SinClave.append(i);
                break;
            }
            Intento r = Intento::Ok;
            ErrorEjecucion e;
            QString fallida;
            for (const QString& s : f.armar(static_cast<qint32>(m_clave))) {
                r = intentar(s, e);
                Rs.Close();
                if (r != Intento::Ok) {
                    fallida = s;
                    break;
                }
            }
            if (r == Intento::Ok) {
                m_resultados[i].guardada = true;
                m_clave += f.claves;
                break;
            }
            if (r == Intento::Error && pasadaFallida(e) != Pasada::Fallo) {
                // A lost connection or a locked file: the whole pass runs again.
                error = e;
                sql = fallida;
                return pasadaFallida(e);
            }
            if (!conPuntos)
                return Pasada::Rechazo;
            if (!ejecutar(QStringLiteral("ROLLBACK TO SAVEPOINT fila")))
                return m_fallo;
            if (r == Intento::ClaveDuplicada && f.claves > 0) {
                // Taken by another workstation: the next free key, when there is a higher one.
                qint64 nueva = 0;
                if (!leerClave(nueva))
                    return m_fallo;
                if (nueva > m_clave) {
                    m_clave = nueva;
                    continue;
                }
            }
            if (r == Intento::ClaveDuplicada)
                e = {-2147217873, QStringLiteral("Clave duplicada.")};
            if (!contarFallo())
                return Pasada::Terminado;
            BloqueSentencia(e, fallida);
            ErroresQuery = 0;
            m_resultados[i].error = e;
            break;
        }
        if (conPuntos && !ejecutar(QStringLiteral("RELEASE SAVEPOINT fila")))
            return m_fallo;
        return Pasada::Hecha;
    }

    const QVector<FilaLote>& m_filas;
    const QString& m_sqlClave;
    QVector<ResultadoFila>& m_resultados;
    Pasada m_fallo = Pasada::Fallo;
    qint64 m_clave = 0;
    bool m_claveLeida = false;
};

} // namespace

QVector<ResultadoFila> EjecutarFilas(const QVector<FilaLote>& filas, const QString& sqlUltimaClave)
{
    QVector<ResultadoFila> resultados(filas.size());
    if (filas.isEmpty())
        return resultados;
    PasadaLote pasada(filas, sqlUltimaClave, resultados);
    bool conPuntos = false;
    int ocupada = 0;
    for (;;) {
        if (Rs.Abierto()) {
            pasada.error = errorObjetoAbierto();
            pasada.sql = QStringLiteral("BEGIN");
            break;
        }
        const Pasada p = pasada.Correr(conPuntos);
        if (p == Pasada::Hecha) {
            for (int i : pasada.SinClave)
                BloqueSentencia(resultados[i].error, sqlUltimaClave);
            return resultados;
        }
        if (p == Pasada::Rechazo) {
            conPuntos = true;
            continue;
        }
        if (p == Pasada::Terminado)
            break;
        if (p == Pasada::Ocupada) {
            // Waited out and asked about as every writer does; given up, no row is stored.
            if (esperarBaseOcupada(ocupada, false, pasada.error, pasada.sql))
                continue;
            break;
        }
        // Lost or failed as a whole: no row of this pass was kept.
        if (!contarFallo())
            break;
        if (p == Pasada::Perdida) {
            Reconectar();
            continue;
        }
        BloqueSentencia(pasada.error, pasada.sql);
        ErroresQuery = 0;
        break;
    }
    for (ResultadoFila& r : resultados)
        r = ResultadoFila{false, pasada.error};
    return resultados;
}

QSet<qint32> ClavesExistentes(const QString& tabla, const QString& columna, const QVector<qint32>& claves)
{
    constexpr int kPorSentencia = 500;
    QSet<qint32> existentes;
    for (int desde = 0; desde < claves.size(); desde += kPorSentencia) {
        QStringList lista;
        for (int i = desde; i < qMin(desde + kPorSentencia, int(claves.size())); ++i)
            lista << SqlEntero(claves[i]);
        const QString sql = QStringLiteral("Select ") + columna + QStringLiteral(" from ") + tabla +
                            QStringLiteral(" where ") + columna + QStringLiteral(" in (") +
                            lista.join(QLatin1Char(',')) + QLatin1Char(')');
        for (qint32 clave : LeerFilas(sql, [] { return Rs.Entero32(0); }))
            existentes.insert(clave);
    }
    return existentes;
}
