#include "MotorBD.h"

#include "Aplicacion.h"
#include "Plegado.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <sqlite3.h>

#include <cstring>

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

// PostgreSQL's strpos: the place of the second text in the first, 0 when absent (a byte
// position here; callers only ask whether it is above 0).
void sqliteStrpos(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* texto = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const auto* buscado = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const char* p = std::strstr(texto, buscado);
    sqlite3_result_int64(ctx, p ? (p - texto) + 1 : 0);
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
    sqlite3_create_function_v2(s, "translate", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteTranslate, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(s, "strpos", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteStrpos, nullptr,
                               nullptr, nullptr);
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

// Later additions to the schema, applied by the start-up step to new and existing databases
// alike: every step is idempotent and keeps every row.

// Search columns: the source column folded (lower case, no accents), kept by the database on
// every write whoever writes, so that a contains-search scans plain text and, on PostgreSQL, can
// use a trigram index. PostgreSQL computes them as generated columns; SQLite, which cannot add
// one that is stored, completes each written row with a trigger.
struct ColumnaDeBusqueda
{
    const char* tabla;
    const char* origen;
    const char* busqueda;
};
const ColumnaDeBusqueda kColumnasDeBusqueda[] = {
    {"Master_Quejas", "Apellido", "busca_apellido"}, {"Master_Quejas", "DNI", "busca_dni"},
    {"Master_Quejas", "NrLib", "busca_nrlib"},       {"Master_Quejas", "NroQueja", "busca_nroqueja"},
    {"Comprobantes_Quejas", "T1", "busca_t1"},       {"Comprobantes_Quejas", "T2", "busca_t2"},
    {"Comprobantes_Quejas", "T3", "busca_t3"},
};
// The tables with search columns, with their keys.
const char* const kTablasConBusqueda[][2] = {{"Master_Quejas", "pid"}, {"Comprobantes_Quejas", "PID"}};

// What the statements filter and join on: periods, reasons, reception dates, and the complaint
// number of the child tables whose key does not start with it. No statement filters complaints
// by category alone any more (the statistics group them), so that index would only slow writes.
// An index is given for SQLite, and for the server where it differs.
struct Indice
{
    const char* nombre;
    const char* columnas;
    const char* columnasServidor;
};
const Indice kIndices[] = {
    {"lugar_quejas_fecha", "Lugar_Quejas (Fecha, NroQueja)", nullptr},
    {"master_quejas_causa", "Master_Quejas (causa)", nullptr},
    // The lists by reception date, newest first and undated last, stop at their limit: an index
    // in exactly that order is walked and left there, however common the searched text. SQLite
    // keeps Nulls lowest, so it walks its index backwards; it also reads the search columns from
    // the index, so that a walk for a rare text tests each row without reading the table. The
    // server finds rare texts by their trigrams instead.
    {"master_quejas_orden_fecha",
     "Master_Quejas (fecha_queja, pid, busca_apellido, busca_dni, busca_nrlib, busca_nroqueja)",
     "Master_Quejas (fecha_queja DESC NULLS LAST, pid DESC)"},
    // Beside the key on IDQueja, the state too: the counts by state read the index alone.
    {"resolucion_quejas_estado", "Resolucion_quejas (IDQueja, Cerrada, Anulado)", nullptr},
    {"comprobantes_quejas_nrqueja", "Comprobantes_Quejas (NrQueja)", nullptr},
    {"relcatmov_quejas_categoria", "RelCatMov_Quejas (Categoria, Motivo)", nullptr},
};
// Replaced by the one above, which serves everything it served; SQLite would walk the smaller
// one and read the table for every row.
const char* const kIndicesRetirados[] = {"master_quejas_fecha_queja"};

bool esServidor(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QPSQL");
}

QString nombreDisparador(const char* tabla, const char* sufijo)
{
    return QString::fromLatin1(tabla).toLower() + QStringLiteral("_busqueda") + QLatin1String(sufijo);
}

QString nombreTrigrama(const ColumnaDeBusqueda& c)
{
    return QString::fromLatin1(c.tabla).toLower() + QLatin1Char('_') + QLatin1String(c.busqueda) +
           QStringLiteral("_trgm");
}

QStringList leerTextos(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw errorDeApertura(q.lastError());
    QStringList r;
    while (q.next())
        r << q.value(0).toString().toLower();
    return r;
}

// Indexes, triggers and the columns of the two tables with search columns, in the schema the
// connection works in, lower-cased; on the server also "pg_trgm" when the trigram extension can
// be installed or is.
QStringList objetosExistentes(QSqlDatabase& db)
{
    if (!esServidor(db))
        return leerTextos(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('index', 'trigger') "
                                             "UNION ALL SELECT name FROM pragma_table_info('Master_Quejas') "
                                             "UNION ALL SELECT name FROM pragma_table_info('Comprobantes_Quejas')"));
    return leerTextos(db, QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = current_schema() "
                                         "UNION ALL SELECT column_name FROM information_schema.columns WHERE "
                                         "table_schema = current_schema() AND table_name IN ('master_quejas', "
                                         "'comprobantes_quejas') UNION ALL SELECT name FROM pg_available_extensions "
                                         "WHERE name = 'pg_trgm'"));
}

QStringList objetosEsperados(bool servidor, bool conTrigramas)
{
    QStringList r;
    for (const Indice& i : kIndices)
        r << QLatin1String(i.nombre);
    for (const ColumnaDeBusqueda& c : kColumnasDeBusqueda) {
        r << QLatin1String(c.busqueda);
        if (conTrigramas)
            r << nombreTrigrama(c);
    }
    if (!servidor)
        for (const auto& t : kTablasConBusqueda)
            r << nombreDisparador(t[0], "_alta") << nombreDisparador(t[0], "_cambio");
    return r;
}

void agregarColumnasDeBusqueda(QSqlDatabase& db, const QStringList& existentes)
{
    const bool servidor = esServidor(db);
    for (const auto& t : kTablasConBusqueda) {
        const QString tabla = QLatin1String(t[0]);
        QStringList origenes;
        QStringList asignaciones;
        for (const ColumnaDeBusqueda& c : kColumnasDeBusqueda) {
            if (qstrcmp(c.tabla, t[0]) != 0)
                continue;
            const QString busqueda = QLatin1String(c.busqueda);
            const QString plegado = SqlPlegado(QLatin1String(c.origen));
            origenes << QLatin1String(c.origen);
            asignaciones << busqueda + QStringLiteral(" = ") +
                                SqlPlegado(QStringLiteral("NEW.") + QLatin1String(c.origen));
            if (existentes.contains(busqueda))
                continue;
            // The server computes a generated column for the rows already there too.
            ejecutar(db, servidor ? QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT GENERATED ALWAYS AS (%3) STORED")
                                        .arg(tabla, busqueda, plegado)
                                  : QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT").arg(tabla, busqueda));
            if (!servidor)
                ejecutar(db, QStringLiteral("UPDATE %1 SET %2 = %3").arg(tabla, busqueda, plegado));
        }
        if (servidor)
            continue;
        // SQLite cannot change the row being written: the row is completed right after.
        const QString completar = QStringLiteral("BEGIN UPDATE %1 SET %2 WHERE %3 = NEW.%3; END")
                                      .arg(tabla, asignaciones.join(QStringLiteral(", ")), QLatin1String(t[1]));
        ejecutar(db, QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %2 ")
                             .arg(nombreDisparador(t[0], "_alta"), tabla) +
                         completar);
        ejecutar(db, QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %2 ON %3 ")
                             .arg(nombreDisparador(t[0], "_cambio"), origenes.join(QStringLiteral(", ")), tabla) +
                         completar);
    }
}

// pg_trgm serves contains-searches from an index. It is used where it is installed or the role
// may install it; without it the searches scan the search columns.
void crearTrigramas(QSqlDatabase& db, const QStringList& existentes)
{
    const auto esquemaDeTrgm = [&] {
        return leerTextos(db, QStringLiteral("SELECT n.nspname FROM pg_extension e JOIN pg_namespace n ON n.oid = "
                                             "e.extnamespace WHERE e.extname = 'pg_trgm'"))
            .value(0);
    };
    QString esquema = esquemaDeTrgm();
    if (esquema.isEmpty()) {
        // One database-wide extension: one installer at a time, in public where it can, so that
        // dropping another schema never takes it along.
        ejecutar(db, QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('ostrevia pg_trgm'))"));
        esquema = esquemaDeTrgm();
        for (const QString& destino : {QStringLiteral(" SCHEMA public"), QString()}) {
            if (!esquema.isEmpty())
                break;
            ejecutar(db, QStringLiteral("SAVEPOINT trigramas"));
            if (QSqlQuery(db).exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm") + destino)) {
                ejecutar(db, QStringLiteral("RELEASE SAVEPOINT trigramas"));
                esquema = esquemaDeTrgm();
            } else {
                ejecutar(db, QStringLiteral("ROLLBACK TO SAVEPOINT trigramas"));
            }
        }
        if (esquema.isEmpty())
            return;
    }
    for (const ColumnaDeBusqueda& c : kColumnasDeBusqueda) {
        const QString nombre = nombreTrigrama(c);
        if (!existentes.contains(nombre))
            ejecutar(db, QStringLiteral("CREATE INDEX %1 ON %2 USING gin (%3 \"%4\".gin_trgm_ops)")
                             .arg(nombre, QLatin1String(c.tabla), QLatin1String(c.busqueda), esquema));
    }
}

// The server walks the date index for a text it expects in many rows and stops at the list's
// limit. With its usual sample, a rare text that the sample happens to hold looks common, and the
// walk then reads the whole index (seconds instead of a millisecond by its trigrams); a sample
// ten times as large keeps that out of reach. Idempotent, nothing rewritten.
void ampliarMuestraDeBusqueda(QSqlDatabase& db)
{
    for (const ColumnaDeBusqueda& c : kColumnasDeBusqueda)
        ejecutar(db, QStringLiteral("ALTER TABLE %1 ALTER COLUMN %2 SET STATISTICS 1000")
                         .arg(QLatin1String(c.tabla), QLatin1String(c.busqueda)));
}

void actualizarEsquema(QSqlDatabase& db)
{
    const bool servidor = esServidor(db);
    QStringList existentes = objetosExistentes(db);
    const bool conTrigramas = servidor && existentes.contains(QStringLiteral("pg_trgm"));
    bool completo = true;
    for (const QString& o : objetosEsperados(servidor, conTrigramas))
        completo = completo && existentes.contains(o);
    if (completo)
        return;

    // One workstation upgrades at a time; the others wait and then find everything in place.
    ejecutar(db, servidor ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    try {
        if (servidor)
            ejecutar(db, QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('ostrevia esquema ' || "
                                        "current_schema()))"));
        existentes = objetosExistentes(db);
        agregarColumnasDeBusqueda(db, existentes);
        if (servidor)
            ampliarMuestraDeBusqueda(db);
        for (const Indice& i : kIndices)
            if (!existentes.contains(QLatin1String(i.nombre)))
                ejecutar(db, QStringLiteral("CREATE INDEX %1 ON %2")
                                 .arg(QLatin1String(i.nombre),
                                      QLatin1String(servidor && i.columnasServidor ? i.columnasServidor : i.columnas)));
        for (const char* retirado : kIndicesRetirados)
            if (existentes.contains(QLatin1String(retirado)))
                ejecutar(db, QStringLiteral("DROP INDEX %1").arg(QLatin1String(retirado)));
        if (conTrigramas)
            crearTrigramas(db, existentes);
        ejecutar(db, QStringLiteral("COMMIT"));
    } catch (const ErrorEjecucion&) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace

namespace MotorBD {

QString RutaArchivoLocal()
{
    return Aplicacion::Ruta(QStringLiteral("bd/base.db"));
}

void EstablecerEsquema(const QString& esquema)
{
    g_esquema = esquema;
}

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

bool EsPostgres()
{
    return Conexion().driverName() == QLatin1String("QPSQL");
}

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
        actualizarEsquema(db);
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
    // The desk's statements are short: compiling them costs more than running them (half a second
    // on the bars' counts). Servers without JIT do not know the setting, which is no failure.
    QSqlQuery(db).exec(QStringLiteral("SET jit = off"));
    if (!g_esquema.isEmpty()) {
        ejecutar(db, QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(g_esquema));
        ejecutar(db, QStringLiteral("SET search_path TO %1").arg(g_esquema));
    }
    crearTablas(db);
    actualizarEsquema(db);
}

bool EsClaveDuplicada(const QSqlError& error)
{
    const QString codigo = error.nativeErrorCode();
    if (codigo == QLatin1String("23505") || codigo == QLatin1String("1555") || codigo == QLatin1String("2067"))
        return true;
    const QString texto = error.databaseText();
    return texto.contains(QLatin1String("UNIQUE constraint failed")) ||
           texto.contains(QLatin1String("duplicate key value"));
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
    const bool perdida =
        (error.type() == QSqlError::ConnectionError && EsPostgres()) || codigo.startsWith(QLatin1String("08")) ||
        codigo.startsWith(QLatin1String("57P0")) || texto.contains(QLatin1String("server closed the connection")) ||
        texto.contains(QLatin1String("terminating connection")) ||
        texto.contains(QLatin1String("no connection to the server")) ||
        texto.contains(QLatin1String("connection to server")) || (EsPostgres() && !Conexion().isOpen());
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
