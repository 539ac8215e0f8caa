#include "Conexion.h"
#include "Aplicacion.h"
#include "BaseDePrueba.h"
#include "Catalogos.h"
#include "Comprobantes.h"
#include "Config.h"
#include "ConsultasDePrueba.h"
#include "ErrLog.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QDir>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>

namespace {

QStringList lineasLog(const EntornoDePrueba& e)
{
    QStringList l = e.errLog().split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// The text after "DD/MM/YYYY - hh:mm:ss".
QString trasHora(const QString& linea) { return linea.mid(21); }

} // namespace

class QueryRunner : public BaseDePrueba
{
};

TEST_P(QueryRunner, CreatesTheTablesAndTheGeneralCategory)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT PID, Detalle FROM Motivos_quejas")));
    Rs.Requery();
    ASSERT_FALSE(Rs.Eof());
    EXPECT_EQ(Rs.Entero16(0), 0);
    EXPECT_EQ(Rs.Texto(1), QStringLiteral("Reclamo general"));
    CerrarRs();
    // A second connection finds the tables in place and does not seed twice.
    Reconectar();
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT COUNT(*) FROM Motivos_quejas")));
    EXPECT_EQ(Rs.Entero32(0), 1);
    CerrarRs();
}

TEST_P(QueryRunner, AStatementWithoutRowsLeavesTheResultSetClosed)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Mail')")));
    EXPECT_FALSE(Rs.Abierto());
    CerrarRs();
    CerrarRs();
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(QueryRunner, AStatementWhileTheResultSetIsOpenFailsLikeAnyOther)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT PID FROM Motivos_quejas")));
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("SELECT PID FROM Tipos_Quejas"), true));
    EXPECT_EQ(ErroresQuery, 0) << "a silent failure resets the count";
    EXPECT_FALSE(Rs.Abierto()) << "the failure path closes the result set";
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral(" - Secuencia: SELECT PID FROM Tipos_Quejas")));
}

TEST_P(QueryRunner, ANonSilentFailureLogsTheStatementThenEndsTheProgram)
{
    UsuarioActual.Pid = 7;
    UsuarioActual.Apellido = QStringLiteral("Pérez");
    UsuarioActual.Nombres = QStringLiteral("Ana");
    UsuarioActual.Nivel = 2;
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("SELEC nada")));
    EXPECT_EQ(entorno->terminaciones, 1);
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
    const CuadroMostrado& c = entorno->dialogos->mostrados[0];
    EXPECT_EQ(c.texto, QStringLiteral("Ha ocurrido un error en la consulta. Verifique el log"));
    EXPECT_EQ(c.titulo, QStringLiteral("Error en la consulta"));
    EXPECT_EQ(c.icono, Icono::Informacion);

    const QStringList l = lineasLog(*entorno);
    ASSERT_EQ(l.size(), 6);
    EXPECT_TRUE(trasHora(l[0]).startsWith(QStringLiteral(" - Error Nro: ")));
    EXPECT_TRUE(trasHora(l[1]).startsWith(QStringLiteral(" - Descripcion: ")));
    EXPECT_EQ(trasHora(l[2]), QStringLiteral(" - Secuencia: SELEC nada"));
    EXPECT_EQ(trasHora(l[3]), QStringLiteral(" - Usuario: 7 - Pérez, Ana"));
    EXPECT_EQ(trasHora(l[4]), QStringLiteral(" - Nivel de Usuario: 2 - Usuario Avanzado"));
    EXPECT_EQ(trasHora(l[5]), QStringLiteral(" - - - - - - - - - - - - - - - -"));
    EXPECT_EQ(l[0].left(13), FechaHoy() + QStringLiteral(" - "));
}

TEST_P(QueryRunner, TheEndAfterAFatalFailureIsAFailureForWhateverStartedTheProgram)
{
    // Without the test seam the program really ends; its exit status must say it failed.
    Aplicacion::EstablecerTerminar(nullptr);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EjecutarQuery(QStringLiteral("SELEC nada")), ::testing::ExitedWithCode(1), "");
}

TEST_P(QueryRunner, BeforeAnyLoginTheUserLinesShowZeroAndInhabilitado)
{
    EjecutarQuery(QStringLiteral("SELEC nada"), true);
    const QStringList l = lineasLog(*entorno);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(trasHora(l[3]), QStringLiteral(" - Usuario: 0 - , "));
    EXPECT_EQ(trasHora(l[4]), QStringLiteral(" - Nivel de Usuario: 0 - Inhabilitado"));
}

TEST_P(QueryRunner, TheThirdCountedFailureEndsTheProgramBeforeItsBlockIsWritten)
{
    ErroresQuery = 2;
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("SELEC nada"), true));
    EXPECT_EQ(entorno->terminaciones, 1);
    EXPECT_TRUE(entorno->errLog().isEmpty());
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
    EXPECT_EQ(entorno->dialogos->mostrados[0].texto,
              QStringLiteral("Se ha perdido la conexión con el servidor al menos 3 veces. Se cerrará el programa"));
    EXPECT_EQ(entorno->dialogos->mostrados[0].titulo, QStringLiteral("Error en la conexión"));
}

TEST_P(QueryRunner, ASilentFailureAfterTwoCountedFailuresResetsTheCount)
{
    ErroresQuery = 1;
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("SELEC nada"), true));
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(QueryRunner, HostileTextsAreStoredAndReadBackUnchanged)
{
    const QStringList textos = {
        QStringLiteral("O'Brien"),
        QStringLiteral("'); DROP TABLE Master_Quejas; --"),
        QStringLiteral("C:\\temp\\nuevo \\' \\\\"),
        QStringLiteral("Ñandú, García, über, ç"),
        QStringLiteral("emoji 🚌🎫"),
        QString(10000, QLatin1Char('x')),
        QStringLiteral("''''"),
        QStringLiteral("%_ comodines"),
    };
    int pid = 1;
    for (const QString& t : textos) {
        ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (%1, %2)")
                                      .arg(SqlEntero(pid), SqlTexto(t))));
        ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT Detalle FROM Tipos_Quejas WHERE PID = ") + SqlEntero(pid)));
        EXPECT_EQ(Rs.Texto(0), t);
        CerrarRs();
        ++pid;
    }
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT COUNT(*) FROM Master_Quejas")));
    EXPECT_EQ(Rs.Entero32(0), 0);
    CerrarRs();
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(QueryRunner, ATextWithANulCharacterIsRefusedWithAClearError)
{
    // Literals never carry one (SqlTexto cleans texts); a statement built otherwise still must not run.
    const QString t = QStringLiteral("'antes") + QChar(0) + QStringLiteral("después'");
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, %1)").arg(t), true));
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("carácter nulo")));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT COUNT(*) FROM Tipos_Quejas")));
    EXPECT_EQ(Rs.Entero32(0), 0);
    CerrarRs();
}

TEST_P(QueryRunner, ContainsSearchesIgnoreCaseAndAccents)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'GARCÍA Núñez')")));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (2, '50% off')")));
    auto cuenta = [](const QString& buscado) {
        EjecutarQuery(QStringLiteral("SELECT COUNT(*) FROM Tipos_Quejas WHERE ") +
                      SqlContiene(QStringLiteral("Detalle"), buscado));
        const int n = Rs.Entero32(0);
        CerrarRs();
        return n;
    };
    EXPECT_EQ(cuenta(QStringLiteral("garcia")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("NUNEZ")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("núñez")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("0%")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("%")), 1) << "a typed % is not a wildcard";
    EXPECT_EQ(cuenta(QStringLiteral("_")), 0);
}

TEST_P(QueryRunner, DatesCompareAsDatesAndReadBackDayFirst)
{
    for (auto [pid, fecha] : {std::pair{1, "01/12/2024"}, std::pair{2, "2/3/2024"}, std::pair{3, "15/01/2025"}})
        ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja) VALUES (%1, %2)")
                                      .arg(SqlEntero(pid), SqlFecha(QString::fromLatin1(fecha)))));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT pid, fecha_queja FROM Master_Quejas WHERE fecha_queja >= %1 "
                                             "ORDER BY fecha_queja DESC")
                                  .arg(SqlFecha(QStringLiteral("1/3/2024")))));
    QStringList vistas;
    for (Rs.MoveFirst(); !Rs.Eof(); Rs.MoveNext())
        vistas << Rs.Fecha(1);
    CerrarRs();
    EXPECT_EQ(vistas, (QStringList{QStringLiteral("15/01/2025"), QStringLiteral("01/12/2024"), QStringLiteral("02/03/2024")}));
}

TEST_P(QueryRunner, AFailureInsideATransactionLeavesTheOldRows)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'viejo')")));
    EXPECT_FALSE(EjecutarTransaccion({QStringLiteral("DELETE FROM Tipos_Quejas"), QStringLiteral("INSERT INTO nada VALUES (1)")},
                                     true));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT Detalle FROM Tipos_Quejas")));
    EXPECT_EQ(Rs.Texto(0), QStringLiteral("viejo"));
    CerrarRs();
    EXPECT_TRUE(EjecutarTransaccion({QStringLiteral("DELETE FROM Tipos_Quejas"),
                                     QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (2, 'nuevo')")}));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT Detalle FROM Tipos_Quejas")));
    EXPECT_EQ(Rs.Texto(0), QStringLiteral("nuevo"));
    CerrarRs();
}

TEST_P(QueryRunner, AKeyTakenMeanwhileMovesTheInsertToTheNextKey)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'a')")));
    bool primero = true;
    const qint32 clave = InsertarConClaveNueva(QStringLiteral("SELECT PID FROM Tipos_Quejas ORDER BY PID DESC LIMIT 1"),
                                               [&](qint32 k) {
                                                   if (primero) {
                                                       // Another workstation takes key 2 between our read and our insert.
                                                       primero = false;
                                                       EjecutarDirecto(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (2, 'otro')"));
                                                   }
                                                   return QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (%1, 'b')")
                                                       .arg(k);
                                               });
    EXPECT_EQ(clave, 3);
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty());
}

TEST_P(QueryRunner, NewKeysStopAtTheTopOfTheirRangeInsteadOfWrapping)
{
    RegQueja q = QuejaVacia();
    q.Apellido = QStringLiteral("Ultima");
    FilaQueja(2147483646, QStringLiteral("01/01/2024"), QStringLiteral("Penultima"), QString(), QString());
    EXPECT_EQ(AgregarQueja(q), 2147483647) << "the top itself is still a key";
    EXPECT_EQ(AgregarQueja(q), -1);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("número máximo de registros (2147483647)")))
        << ultimo().texto.toStdString();
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Desbordamiento"))) << entorno->errLog().toStdString();

    // The 16-bit keys of categories, reasons and users stop at 32767.
    FilaMotivo(32767, QStringLiteral("tope"));
    AgregarCategoria(QStringLiteral("una más"));
    FilaCausa(32767, QStringLiteral("tope"));
    AgregarCausa(QStringLiteral("una más"));
    EXPECT_EQ(InsertarCausa(QStringLiteral("otra más")), -1);
    Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nivel) VALUES (32767, 'tope', 1)"));
    RegUsuario u;
    u.Usuario = QStringLiteral("nuevo");
    EXPECT_FALSE(GuardarUsuario(u, QString(), 1));
    EXPECT_EQ(mostrados().size(), 5);
    EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("(32767)"))) << ultimo().texto.toStdString();

    // The import is silent: only the log says so.
    Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja) VALUES (2147483647, 1)"));
    RegResolucion r = ResolucionVacia();
    r.IDQueja = 2;
    InsertarResolucion(r);
    EXPECT_EQ(mostrados().size(), 5);
    if (!esPostgres()) {
        // Only the local file can hold a key beyond 32 bits, put there by another program.
        Ejecutar(QStringLiteral("INSERT INTO Comprobantes_Quejas (PID, NrQueja) VALUES (9223372036854775807, 1)"));
        AgregarComprobante(1, QStringLiteral("B"), QString(), QString(), 1);
        EXPECT_EQ(mostrados().size(), 6);
    }

    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Master_Quejas WHERE pid < 0")), 0);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Motivos_quejas")), 2);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Causas_Quejas")), 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Usuarios_Quejas")), 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas")), 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Comprobantes_Quejas")), esPostgres() ? 0 : 1);
    EXPECT_EQ(entorno->errLog().count(QStringLiteral("Desbordamiento")), esPostgres() ? 6 : 7);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);
}

INSTANCIAR_EN_MOTORES(QueryRunner);

// A lost server connection is reopened and the statement runs again; the count stays.
class ConexionPerdida : public BaseDePrueba
{
};

TEST_P(ConexionPerdida, ReconnectsAfterTheServerEndsTheSessionAndRunsTheStatementAgain)
{
    if (!esPostgres())
        GTEST_SKIP() << "a lost connection is a server matter";
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT pg_backend_pid()")));
    const qint64 pid = Rs.Campo(0).toLongLong();
    CerrarRs();
    {
        // A second connection ends ours, as a server restart or a dropped socket would.
        QSqlDatabase otra = QSqlDatabase::cloneDatabase(MotorBD::Conexion(), QStringLiteral("verdugo"));
        ASSERT_TRUE(otra.open());
        QSqlQuery q(otra);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid)));
        otra.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verdugo"));
    QThread::msleep(100);

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT pg_backend_pid()")));
    EXPECT_NE(Rs.Campo(0).toLongLong(), pid);
    CerrarRs();
    EXPECT_EQ(ErroresQuery, 1) << "the failed attempt counts; the reconnection keeps the count";
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty());
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
}

INSTANCIAR_EN_MOTORES(ConexionPerdida);

// Connection failures: the retry prompt and the connection block.
class Conexion : public ::testing::Test
{
protected:
    EntornoDePrueba entorno;
};

TEST_F(Conexion, AnsweringYesKeepsRetryingAndNoLeavesStatusOneWithOneBlock)
{
    ConfigActual.Tipo = 0;
    ConfigActual.IP = QStringLiteral("127.0.0.1");
    ConfigActual.Puerto = QStringLiteral("1"); // nothing listens there
    ConfigActual.Sentencia = QStringLiteral("Lanternix");
    entorno.dialogos->Responder(Respuesta::Si);
    entorno.dialogos->Responder(Respuesta::Si);
    entorno.dialogos->Responder(Respuesta::No);
    Reconectar();
    EXPECT_FALSE(BaseConectada);
    EXPECT_EQ(EstadoLogin, 1);
    ASSERT_EQ(entorno.dialogos->mostrados.size(), 3);
    for (const CuadroMostrado& c : entorno.dialogos->mostrados) {
        EXPECT_TRUE(c.texto.endsWith(QStringLiteral("\nDesea reintentar la conexión?")));
        EXPECT_EQ(c.titulo, QStringLiteral("Error de conexion"));
        EXPECT_EQ(c.botones, Botones::SiNo);
        EXPECT_EQ(c.icono, Icono::Ninguno);
    }
    const QStringList l = lineasLog(entorno);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(trasHora(l[2]), QStringLiteral(" - Error en la conexión con la base 127.0.0.1"));
    EXPECT_EQ(trasHora(l[3]), QStringLiteral(" - Error en la conexión con el puerto 1"));
    EXPECT_EQ(trasHora(l[4]), QStringLiteral(" - Error en la conexión en la sentencia  Lanternix"));

    // Statements on the unopened connection take the failure path instead of reconnecting.
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("SELECT 1"), true));
    EXPECT_EQ(entorno.dialogos->mostrados.size(), 3);
}

TEST_F(Conexion, AnUnknownTypeFailsAndLogsTheLocalFile)
{
    ConfigActual.Tipo = -1;
    Reconectar();
    EXPECT_EQ(EstadoLogin, 1);
    const QStringList l = lineasLog(entorno);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(trasHora(l[2]), QStringLiteral(" - Error en la conexión con la base ") + entorno.carpeta() +
                                  QStringLiteral("/bd/base.db"));
}

TEST_F(Conexion, TheLocalFileIsCreatedBesideTheProgram)
{
    ConfigActual.Tipo = 1;
    Reconectar();
    EXPECT_TRUE(BaseConectada);
    EXPECT_TRUE(QFile::exists(entorno.carpeta() + QStringLiteral("/bd/base.db")));
}

TEST_F(Conexion, StepLabelBlocksCarryTheLabelAndTheUser)
{
    EscribirErrLog(QStringLiteral("Setear GetNivelDesc"), ErrorEjecucion{13, QStringLiteral("No coinciden los tipos")});
    const QStringList l = lineasLog(entorno);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(trasHora(l[0]), QStringLiteral(" - Error Nro: 13"));
    EXPECT_EQ(trasHora(l[1]), QStringLiteral(" - Descripcion: No coinciden los tipos"));
    EXPECT_EQ(trasHora(l[2]), QStringLiteral(" - Metodo: Setear GetNivelDesc"));
}

TEST_F(Conexion, ALogThatCannotBeWrittenIsReportedOnceAndItsBlocksGoToStandardError)
{
    // A folder where the log should be: it cannot be opened for appending.
    ASSERT_TRUE(QDir(entorno.carpeta()).mkdir(QStringLiteral("Errlog.txt")));
    // While the box is up, pending events write another block (a timer's failing statement).
    struct Reentrantes : DialogosGuion
    {
        Respuesta MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo) override
        {
            const Respuesta r = DialogosGuion::MsgBox(texto, botones, icono, titulo);
            EscribirErrLog(QStringLiteral("Durante el aviso"), ErrorEjecucion{5, QStringLiteral("dos")});
            return r;
        }
    };
    const auto dialogos = std::make_shared<Reentrantes>();
    EstablecerDialogos(dialogos);

    ::testing::internal::CaptureStderr();
    EscribirErrLog(QStringLiteral("Primero"), ErrorEjecucion{13, QStringLiteral("uno")});
    EscribirErrLog(QStringLiteral("Segundo"), ErrorEjecucion{13, QStringLiteral("tres")});
    const QString salida = QString::fromStdString(::testing::internal::GetCapturedStderr());

    ASSERT_EQ(dialogos->mostrados.size(), 1);
    const CuadroMostrado& c = dialogos->mostrados[0];
    EXPECT_EQ(c.texto,
              QStringLiteral("No se pudo escribir el registro de errores: ") + QDir::toNativeSeparators(RutaErrLog()));
    EXPECT_EQ(c.icono, Icono::Informacion);
    EXPECT_EQ(c.botones, Botones::Aceptar);
    EXPECT_EQ(c.titulo, QString()) << "the application title";
    for (const char* paso : {"Primero", "Durante el aviso", "Segundo"})
        EXPECT_TRUE(salida.contains(QStringLiteral(" - Metodo: ") + QLatin1String(paso))) << paso;
    EXPECT_EQ(salida.count(QStringLiteral(" - - - - - - - - - - - - - - - -\n")), 3);
}

// Batched writes of the imports: whole rows per transaction, each refused alone.
class EscriturasPorLotes : public BaseDePrueba
{
protected:
    static QString ultimaClave() { return QStringLiteral("SELECT PID FROM Tipos_Quejas ORDER BY PID DESC LIMIT 1"); }
    // A row of one type per text, keys from the first given.
    static FilaLote fila(QStringList textos, std::function<void(qint32)> antes = nullptr)
    {
        return {int(textos.size()), [textos, antes](qint32 clave) {
                    if (antes)
                        antes(clave);
                    QStringList s;
                    for (const QString& t : textos)
                        s << QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (%1, %2)")
                                 .arg(clave++)
                                 .arg(SqlTexto(t));
                    return s;
                }};
    }
    static QStringList tipos()
    {
        return LeerFilas(QStringLiteral("SELECT PID, Detalle FROM Tipos_Quejas ORDER BY PID"), 2, QStringLiteral(":"));
    }
    // Another workstation's connection to the same database and schema.
    static QSqlDatabase otraEstacion()
    {
        EjecutarQuery(QStringLiteral("SELECT current_schema()"));
        const QString esquema = Rs.Texto(0);
        CerrarRs();
        QSqlDatabase otra = QSqlDatabase::cloneDatabase(MotorBD::Conexion(), QStringLiteral("otra"));
        EXPECT_TRUE(otra.open());
        QSqlQuery(otra).exec(QStringLiteral("SET search_path TO %1").arg(esquema));
        return otra;
    }
    void TearDown() override
    {
        QSqlDatabase::removeDatabase(QStringLiteral("otra"));
        BaseDePrueba::TearDown();
    }
};

TEST_P(EscriturasPorLotes, ARefusedRowIsUndoneAloneAndTheOthersTakeTheNextKeys)
{
    Ejecutar(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (4, 'previo')"));
    if (esPostgres())
        Ejecutar(QStringLiteral("ALTER TABLE Tipos_Quejas ADD CONSTRAINT sin_falla CHECK (Detalle <> 'falla')"));
    else
        Ejecutar(QStringLiteral("CREATE TRIGGER sin_falla BEFORE INSERT ON Tipos_Quejas WHEN NEW.Detalle = 'falla' "
                                "BEGIN SELECT RAISE(ABORT, 'falla'); END"));
    const QVector<ResultadoFila> r =
        EjecutarFilas({fila({"a"}), fila({"antes", "falla"}), fila({"b"}), fila({"c", "d"})}, ultimaClave());
    ASSERT_EQ(r.size(), 4);
    EXPECT_TRUE(r[0].guardada);
    EXPECT_FALSE(r[1].guardada);
    EXPECT_FALSE(r[1].error.descripcion.isEmpty());
    EXPECT_TRUE(r[2].guardada && r[3].guardada);
    EXPECT_EQ(tipos(), (QStringList{"4:previo", "5:a", "6:b", "7:c", "8:d"})) << "the refused row leaves nothing";
    EXPECT_EQ(entorno->errLog().count(QStringLiteral(" - Secuencia: ")), 1);
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("'falla'")));
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(EscriturasPorLotes, AKeyTakenByAnotherWorkstationMovesTheRowOn)
{
    if (!esPostgres())
        GTEST_SKIP() << "the local file lets one workstation write at a time";
    QSqlDatabase otra = otraEstacion();
    int tomadas = 0;
    // The other workstation takes the very key the second row is about to use, twice.
    const auto tomar = [&](qint32 clave) {
        if (tomadas++ < 2)
            QSqlQuery(otra).exec(
                QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (%1, 'otra')").arg(clave));
    };
    const QVector<ResultadoFila> r = EjecutarFilas({fila({"a"}), fila({"b"}, tomar), fila({"c"})}, ultimaClave());
    otra.close();
    EXPECT_TRUE(r[0].guardada && r[1].guardada && r[2].guardada);
    const QStringList t = tipos();
    EXPECT_EQ(t.filter(QStringLiteral(":otra")).size(), 2);
    EXPECT_EQ(t.size(), 5);
    EXPECT_TRUE(entorno->errLog().isEmpty());
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(EscriturasPorLotes, ALostConnectionWritesTheWholeBatchAgain)
{
    if (!esPostgres())
        GTEST_SKIP() << "a lost connection is a server matter";
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT pg_backend_pid()")));
    const qint64 pid = Rs.Campo(0).toLongLong();
    CerrarRs();
    bool cortada = false;
    const auto cortar = [&](qint32) {
        if (cortada)
            return;
        cortada = true;
        QSqlDatabase otra = otraEstacion();
        QSqlQuery(otra).exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
        otra.close();
        QThread::msleep(100);
    };
    const QVector<ResultadoFila> r = EjecutarFilas({fila({"a"}), fila({"b"}, cortar), fila({"c"})}, ultimaClave());
    EXPECT_TRUE(r[0].guardada && r[1].guardada && r[2].guardada);
    EXPECT_EQ(tipos(), (QStringList{"1:a", "2:b", "3:c"})) << "the rows of the lost transaction are written once";
    EXPECT_EQ(ErroresQuery, 1) << "the lost attempt counts";
    EXPECT_EQ(entorno->terminaciones, 0);
}

INSTANCIAR_EN_MOTORES(EscriturasPorLotes);
