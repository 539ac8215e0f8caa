#include "MotorBD.h"

#include "Aplicacion.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <sqlite3.h>

namespace {

QString g_esquema;
thread_local QString t_nombre;
QAtomicInt g_esperaBloqueo = 10000;

// Types valid on both engines; dates are DATE (ISO text on SQLite) so periods compare as dates.
const char* const kTablas[] = {
    "CREATE TABLE IF NOT EXISTS Usuarios_Quejas (Pid INTEGER PRIMARY KEY, usuario TEXT, nombres TEXT, "
    "Apellido TEXT, nivel INTEGER, pass TEXT)",
    "CREATE TABLE IF NOT EXISTS Master_Quejas (pid INTEGER PRIMARY KEY, fecha_queja DATE, hora_queja TEXT, "
    "motivo INTEGER, tipo_queja INTEGER, detalle TEXT, Apellido TEXT, Nombres TEXT, Telefono TEXT, "
    "Telefono2 TEXT, Correo TEXT, DNI TEXT, Contacto TEXT, causa INTEGER, usuario INTEGER, Empresa INTEGER, "
    "Domicilio TEXT, Localidad TEXT, Provincia TEXT, Pais TEXT, Importada INTEGER DEFAULT 0, NrLib TEXT, "
    "Mediador TEXT, NroQueja TEXT)",
    "CREATE TABLE IF NOT EXISTS Lugar_Quejas (NroQueja INTEGER PRIMARY KEY, Lugar TEXT, Det_Lugar TEXT, "
    "Fecha DATE, Hora TEXT, Dato3 TEXT, Dato4 TEXT, Dato5 TEXT, Dato6 TEXT, Dato7 TEXT, Dato8 TEXT, "
    "Dato9 TEXT, Tipo_Comprob INTEGER, Comprobante TEXT, Legajos TEXT, Det_legajos TEXT, Desde TEXT, "
    "Hasta TEXT, Hora_Serv TEXT, Sector TEXT, Unidad TEXT)",
    "CREATE TABLE IF NOT EXISTS Comprobantes_Quejas (PID INTEGER PRIMARY KEY, T1 TEXT, T2 TEXT, T3 TEXT, "
    "Tipo INTEGER, NrQueja INTEGER)",
    "CREATE TABLE IF NOT EXISTS Seguimiento_quejas (Pid INTEGER NOT NULL, Queja INTEGER NOT NULL, "
    "Detalle TEXT, Usuario INTEGER, Fecha DATE, ApYNom TEXT, PRIMARY KEY (Queja, Pid))",
    "CREATE TABLE IF NOT EXISTS Resolucion_quejas (PID INTEGER PRIMARY KEY, IDQueja INTEGER, Detalle TEXT, "
    "Sancion TEXT, Monto TEXT, Fecha DATE, Cerrada INTEGER, Usuario INTEGER, supervisor TEXT, "
    "FechaFin DATE, Anulado INTEGER, usr_Anula INTEGER)",
    "CREATE TABLE IF NOT EXISTS Tipos_Quejas (PID INTEGER PRIMARY KEY, Detalle TEXT)",
    "CREATE TABLE IF NOT EXISTS Motivos_quejas (PID INTEGER PRIMARY KEY, Detalle TEXT)",
    "CREATE TABLE IF NOT EXISTS Causas_Quejas (Pid INTEGER PRIMARY KEY, Detalle TEXT, Anulada INTEGER DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS RelCatMov_Quejas (Categoria INTEGER, Motivo INTEGER)",
    "CREATE TABLE IF NOT EXISTS Empresas_quejas (PID INTEGER PRIMARY KEY, Detalle TEXT, Cuit TEXT)",
    "CREATE TABLE IF NOT EXISTS Coches_quejas (Pid INTEGER PRIMARY KEY, interno INTEGER, Empresa INTEGER, "
    "Asientos INTEGER, Dominio TEXT)",
    "CREATE TABLE IF NOT EXISTS MasterAgencias (Pid INTEGER PRIMARY KEY, Codplu TEXT, CodEnco TEXT, "
    "Descripcion TEXT, GrupoInt INTEGER, Telefono1 TEXT, Correo TEXT, Domicilio TEXT, piso_depto TEXT, "
    "numeral TEXT, localidad TEXT, Provincia TEXT, pais TEXT)",
    "CREATE TABLE IF NOT EXISTS supervisores_quejas (pid INTEGER PRIMARY KEY, supervisor TEXT)",
    "CREATE TABLE IF NOT EXISTS Registros_Quejas (PID INTEGER PRIMARY KEY, MAC TEXT, Nombre TEXT, "
    "Usuario INTEGER, Fecha TEXT, Hora TEXT, PC TEXT, Version TEXT, Conectado INTEGER)",
};

ErrorEjecucion errorDeApertura(const QSqlError& e)
{
    // Server messages span lines; the error log keeps a description on one line.
    QString texto = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return ErrorEjecucion{kErrorFalloGeneral, texto.simplified()};
}

void ejecutar(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw errorDeApertura(q.lastError());
}

// Unicode-aware lower() and PostgreSQL's translate() for SQLite, so that one contains-search
// text ignores case and accents on both engines.
void sqliteLower(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray r = QString::fromUtf8(t).toLower().toUtf8();
    sqlite3_result_text(ctx, r.constData(), r.size(), SQLITE_TRANSIENT);
}

void sqliteTranslate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    const QString de = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])));
    const QString a = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[2])));
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const int i = de.indexOf(c);
        if (i < 0)
            r += c;
        else if (i < a.size())
            r += a[i];
    }
    const QByteArray u = r.toUtf8();
    sqlite3_result_text(ctx, u.constData(), u.size(), SQLITE_TRANSIENT);
}

void registrarFuncionesSqlite(QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return;
    sqlite3* s = *static_cast<sqlite3* const*>(h.data());
    if (!s)
        return;
    sqlite3_create_function_v2(s, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteLower, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(s, "translate", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteTranslate,
                               nullptr, nullptr, nullptr);
}

// Each save replaces a complaint's resolution, so a complaint has at most one resolution row: a
// key on IDQueja keeps two workstations saving at once from leaving two. A database made before
// the key keeps, of each complaint's rows, the newest (highest PID), as the next save would.
void unaResolucionPorQueja(QSqlDatabase& db)
{
    const QString indice = QStringLiteral("Resolucion_quejas_IDQueja");
    QSqlQuery q(db);
    const QString existe = db.driverName() == QLatin1String("QPSQL")
                               ? QStringLiteral("SELECT to_regclass('%1') IS NOT NULL").arg(indice.toLower())
                               : QStringLiteral("SELECT COUNT(*) > 0 FROM sqlite_master WHERE type = 'index' "
                                                "AND name = '%1'")
                                     .arg(indice);
    if (!q.exec(existe))
        throw errorDeApertura(q.lastError());
    if (q.next() && q.value(0).toBool())
        return;
    if (!db.transaction())
        throw errorDeApertura(db.lastError());
    try {
        ejecutar(db,
                 QStringLiteral("DELETE FROM Resolucion_quejas WHERE IDQueja IS NOT NULL AND PID NOT IN "
                                "(SELECT MAX(PID) FROM Resolucion_quejas WHERE IDQueja IS NOT NULL GROUP BY IDQueja)"));
        ejecutar(db, QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON Resolucion_quejas (IDQueja)").arg(indice));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QSqlError e = db.lastError();
        db.rollback();
        throw errorDeApertura(e);
    }
}

void crearTablas(QSqlDatabase& db)
{
    for (const char* sql : kTablas)
        ejecutar(db, QString::fromLatin1(sql));
    unaResolucionPorQueja(db);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Motivos_quejas")))
        throw errorDeApertura(q.lastError());
    if (q.next() && q.value(0).toLongLong() == 0)
        ejecutar(db, QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) VALUES (0, 'Reclamo general')"));
}

} // namespace

namespace MotorBD {

QString RutaArchivoLocal() { return Aplicacion::Ruta(QStringLiteral("bd/base.db")); }

void EstablecerEsquema(const QString& esquema) { g_esquema = esquema; }

void EstablecerEsperaBloqueo(int milisegundos)
{
    g_esperaBloqueo = milisegundos;
}

QSqlDatabase Conexion()
{
    if (t_nombre.isEmpty())
        return QSqlDatabase();
    return QSqlDatabase::database(t_nombre, false);
}

bool EsPostgres() { return Conexion().driverName() == QLatin1String("QPSQL"); }

QString InicioEscritura()
{
    return EsPostgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

void Abrir(const Destino& destino)
{
    // A new connection object at every attempt, as the query runner expects.
    if (!t_nombre.isEmpty()) {
        const QString viejo = t_nombre;
        t_nombre.clear();
        QSqlDatabase::removeDatabase(viejo);
    }
    static QAtomicInt contador;
    const QString nombre = QStringLiteral("ostrevia-%1-%2")
                               .arg(reinterpret_cast<quintptr>(QThread::currentThreadId()))
                               .arg(contador.fetchAndAddRelaxed(1));

    if (destino.tipo == ArchivoLocal) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        t_nombre = nombre;
        const QString ruta = RutaArchivoLocal();
        QDir().mkpath(QFileInfo(ruta).absolutePath());
        db.setDatabaseName(ruta);
        // Rollback journal, not write-ahead logging: the program folder, and so this file, may
        // live on a network share, where write-ahead logging does not work.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(g_esperaBloqueo.loadRelaxed()));
        if (!db.open())
            throw errorDeApertura(db.lastError());
        registrarFuncionesSqlite(db);
        crearTablas(db);
        return;
    }
    if (destino.tipo != Servidor)
        throw ErrorEjecucion{kErrorFalloGeneral, QStringLiteral("Tipo de conexión desconocido")};

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nombre);
    t_nombre = nombre;
    db.setHostName(destino.direccion);
    bool ok = false;
    const int puerto = destino.puerto.trimmed().toInt(&ok);
    if (ok)
        db.setPort(puerto);
    db.setDatabaseName(destino.baseDeDatos);
    db.setUserName(destino.usuario);
    db.setPassword(destino.clave);
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (!db.open())
        throw errorDeApertura(db.lastError());
    // Backslashes in texts are plain characters; dates are read and written day-first as ISO.
    ejecutar(db, QStringLiteral("SET standard_conforming_strings = on"));
    ejecutar(db, QStringLiteral("SET client_min_messages = warning"));
    if (!g_esquema.isEmpty()) {
        ejecutar(db, QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(g_esquema));
        ejecutar(db, QStringLiteral("SET search_path TO %1").arg(g_esquema));
    }
    crearTablas(db);
}

bool EsClaveDuplicada(const QSqlError& error)
{
    const QString codigo = error.nativeErrorCode();
    if (codigo == QLatin1String("23505") || codigo == QLatin1String("1555") || codigo == QLatin1String("2067"))
        return true;
    const QString texto = error.databaseText();
    return texto.contains(QLatin1String("UNIQUE constraint failed"))
           || texto.contains(QLatin1String("duplicate key value"));
}

bool EsBaseOcupada(const QSqlError& error)
{
    // SQLITE_BUSY: another connection holds the file's lock beyond the busy timeout.
    return !EsPostgres() && (error.nativeErrorCode() == QLatin1String("5") ||
                             error.databaseText().contains(QLatin1String("database is locked")));
}

ErrorEjecucion Traducir(const QSqlError& error)
{
    const QString codigo = error.nativeErrorCode();
    QString texto = error.databaseText().simplified();
    if (texto.isEmpty())
        texto = error.text().simplified();
    if (EsBaseOcupada(error))
        return ErrorEjecucion{kErrorBaseOcupada, texto};

    // The SQLite driver reports every failed step (a CHECK or NOT NULL constraint too) as a
    // connection error; only the server can lose its connection.
    const bool perdida = (error.type() == QSqlError::ConnectionError && EsPostgres())
                         || codigo.startsWith(QLatin1String("08"))
                         || codigo.startsWith(QLatin1String("57P0"))
                         || texto.contains(QLatin1String("server closed the connection"))
                         || texto.contains(QLatin1String("terminating connection"))
                         || texto.contains(QLatin1String("no connection to the server"))
                         || texto.contains(QLatin1String("connection to server"))
                         || (EsPostgres() && !Conexion().isOpen());
    if (perdida)
        return ErrorEjecucion{kErrorFalloGeneral, texto};

    bool esNumero = false;
    const long numero = codigo.toLong(&esNumero);
    if (esNumero && numero != 0)
        return ErrorEjecucion{numero, texto};
    // PostgreSQL's codes are not numbers: keep the code in the text, under the provider's
    // "errors in command" number.
    if (!codigo.isEmpty())
        texto = codigo + QLatin1String(": ") + texto;
    return ErrorEjecucion{-2147217900, texto};
}

} // namespace MotorBD
