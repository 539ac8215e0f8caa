#include "ConsultasDePrueba.h"

#include "Conexion.h"
#include "Grilla.h"
#include "MotorBD.h"
#include "Sql.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>

void Ejecutar(const QString& sql)
{
    ASSERT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
}

void Ejecutar(std::initializer_list<const char*> sentencias)
{
    for (const char* sql : sentencias)
        Ejecutar(QString::fromUtf8(sql));
}

QString LeerTexto(const QString& sql)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    Rs.Requery();
    const QString v = Rs.Eof() ? QStringLiteral("<sin fila>") : Rs.Texto(0);
    CerrarRs();
    return v;
}

qint32 LeerEntero(const QString& sql)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    Rs.Requery();
    const qint32 n = Rs.Entero32(0);
    CerrarRs();
    return n;
}

QStringList LeerFilas(const QString& sql, int columnas, const QString& separador)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    QStringList filas;
    for (Rs.Requery(); !Rs.Eof(); Rs.MoveNext()) {
        QStringList textos;
        for (int i = 0; i < columnas; ++i)
            textos << Rs.Texto(i);
        filas << textos.join(separador);
    }
    CerrarRs();
    return filas;
}

QStringList SentenciasDurante(const std::function<void()>& accion)
{
    QStringList sentencias;
    if (MotorBD::EsPostgres()) {
        const qint32 sesion = LeerEntero(QStringLiteral("SELECT pg_backend_pid()"));
        accion();
        const QString nombre = QStringLiteral("otra-sesion");
        {
            QSqlDatabase otra = QSqlDatabase::cloneDatabase(MotorBD::Conexion(), nombre);
            const bool abierta = otra.open();
            QSqlQuery q(otra);
            EXPECT_TRUE(abierta &&
                        q.exec(QStringLiteral("SELECT query FROM pg_stat_activity WHERE pid = %1").arg(sesion)) &&
                        q.next())
                << otra.lastError().text().toStdString() << q.lastError().text().toStdString();
            sentencias << q.value(0).toString();
        }
        QSqlDatabase::removeDatabase(nombre);
        return sentencias;
    }
    const QVariant h = MotorBD::Conexion().driver()->handle();
    sqlite3* const db = qstrcmp(h.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3* const*>(h.data()) : nullptr;
    EXPECT_NE(db, nullptr);
    if (!db) {
        accion();
        return sentencias;
    }
    sqlite3_trace_v2(
        db, SQLITE_TRACE_STMT,
        [](unsigned, void* destino, void*, void* texto) {
            // The steps of a trigger come as comments.
            const char* sql = static_cast<const char*>(texto);
            if (qstrncmp(sql, "--", 2) != 0)
                static_cast<QStringList*>(destino)->append(QString::fromUtf8(sql));
            return 0;
        },
        &sentencias);
    accion();
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
    return sentencias;
}

void FilaCatalogo(const char* tabla, qint16 pid, const QString& detalle)
{
    Ejecutar(QStringLiteral("INSERT INTO %1 (PID, Detalle) VALUES (%2, %3)")
                 .arg(QLatin1String(tabla), SqlEntero(pid), SqlTexto(detalle)));
}

void FilaMotivo(qint16 pid, const QString& detalle)
{
    FilaCatalogo("Motivos_quejas", pid, detalle);
}

void FilaCausa(qint16 pid, const QString& detalle, int anulada)
{
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (%1, %2, %3)")
                 .arg(SqlEntero(pid), SqlTexto(detalle), SqlEntero(anulada)));
}

void FilaPar(qint16 categoria, qint16 causa)
{
    Ejecutar(QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (%1, %2)")
                 .arg(SqlEntero(categoria), SqlEntero(causa)));
}

void FilaQueja(qint32 pid, const QString& fecha, const QString& apellido, const QString& nombres, const QString& dni,
               const QString& nrLib, const QString& nroQueja)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, Apellido, Nombres, DNI, NrLib, "
                            "NroQueja, motivo, causa, tipo_queja, Empresa, usuario, detalle) VALUES (") +
             SqlEntero(pid) + QStringLiteral(", ") + SqlFecha(fecha) + QStringLiteral(", '10:15:00', ") +
             SqlTexto(apellido) + QStringLiteral(", ") + SqlTexto(nombres) + QStringLiteral(", ") + SqlTexto(dni) +
             QStringLiteral(", ") + SqlTexto(nrLib) + QStringLiteral(", ") + SqlTexto(nroQueja) +
             QStringLiteral(", 0, 0, 0, 0, 5, '')"));
}

void FilaResolucion(qint32 pid, qint32 idQueja, int cerrada, int anulado)
{
    Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) VALUES (%1, %2, %3, %4)")
                 .arg(pid)
                 .arg(idQueja)
                 .arg(cerrada)
                 .arg(anulado));
}

QStringList ColumnaDeGrilla(const Grilla& g, int col)
{
    QStringList r;
    for (int f = 1; f < g.Rows(); ++f)
        r << g.TextMatrix(f, col);
    return r;
}

void DatosAlAzar(unsigned semilla, int quejas)
{
    std::mt19937 azar(semilla);
    const auto entre = [&](int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(azar); };
    const auto uno = [&](std::initializer_list<const char*> valores) {
        return QString::fromLatin1(valores.begin()[entre(0, int(valores.size()) - 1)]);
    };
    const auto dia = [&] {
        return SqlFecha(QDate(2024, 1, 1).addDays(entre(0, 90)).toString(QStringLiteral("d/M/yyyy")));
    };

    // One transaction: a commit per row would make the local file slow to fill.
    QStringList sql;
    for (int c = 1; c <= 4; ++c)
        sql << QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) VALUES (%1, 'Categoría %1')").arg(c);
    for (int r = 1; r <= 12; ++r)
        sql << QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (%1, 'Causa %1', %2)")
                   .arg(r)
                   .arg(r == 5 || r == 9 ? 1 : 0);
    const auto par = [&](int categoria, int causa) {
        sql << QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (%1, %2)")
                   .arg(categoria)
                   .arg(causa);
    };
    for (int r = 1; r <= 12; ++r)
        for (int pares = entre(0, 2); pares > 0; --pares)
            par(entre(1, 4), r);
    par(2, 77);
    par(9, 3);
    sql << QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (1, 'Ruta Sur', '30-1'), (2, NULL, "
                          "NULL), (3, 'Andesmar', '30-3')")
        << QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel) VALUES (1, 'ana', "
                          "'Ana', 'Díaz', 1), (2, 'leo', 'Leo', NULL, 1), (3, 'eva', NULL, 'Sosa', 2)");

    for (int pid = 1; pid <= quejas; ++pid) {
        sql << (QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, Apellido, Nombres, motivo, "
                               "causa, Empresa, usuario) VALUES (%1, %2, '10:00:00', 'Apellido %1', 'Ana', %3, %4, "
                               "%5, %6)")
                    .arg(pid)
                    .arg(entre(0, 9) == 0 ? QStringLiteral("NULL") : dia())
                    .arg(uno({"NULL", "0", "1", "2", "3", "4", "4", "7"}),
                         uno({"NULL", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "99"}),
                         uno({"NULL", "1", "2", "3", "3", "9"}), uno({"NULL", "1", "2", "3", "3", "8"})));
        if (entre(0, 5) > 0) {
            QString fecha;
            switch (entre(0, 8)) {
            case 6: fecha = SqlFecha(entre(0, 1) ? QStringLiteral("01/02/2024") : QStringLiteral("29/02/2024")); break;
            case 7: fecha = SqlFecha(QStringLiteral("01/01/1900")); break;
            case 8: fecha = QStringLiteral("NULL"); break;
            default: fecha = dia();
            }
            sql << (QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha, Hora_Serv, Desde, Hasta, Unidad, "
                                   "Det_legajos) VALUES (%1, %2, %3, %4, 'Rosario', %5, %6)")
                        .arg(pid)
                        .arg(fecha, uno({"'22:15'", "NULL"}), uno({"'Córdoba'", "NULL"}), uno({"'3012'", "NULL"}),
                             uno({"'Chofer O''Neill'", "NULL"})));
        }
        if (entre(0, 2) > 0)
            sql << (QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) VALUES (%1, %2, "
                                   "%3, %4)")
                        .arg(pid * 10)
                        .arg(pid)
                        .arg(uno({"0", "1", "1", "2", "NULL"}), uno({"0", "0", "1", "NULL"})));
    }
    sql << (QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (%1, %2)")
                .arg(quejas + 100)
                .arg(SqlFecha(QStringLiteral("10/02/2024"))));
    sql << QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) VALUES (1, NULL, 0, 0), "
                          "(2, NULL, 1, 0)");
    ASSERT_TRUE(EjecutarTransaccion(sql));
}
