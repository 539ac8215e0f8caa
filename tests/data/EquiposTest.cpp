#include "Equipos.h"
#include "Aplicacion.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Sql.h"
#include "Usuarios.h"

namespace {

const QString kVersionVieja = QStringLiteral("0.0.1");

int contar()
{
    return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Registros_Quejas"));
}

void agregarFila(qint32 pid, qint16 usuario, const QString& fecha, const QString& hora, int conectado,
                 const QString& version, const QString& pc = QStringLiteral("PC1"),
                 const QString& mac = QStringLiteral("00:11:22:33:44:55"))
{
    Ejecutar(QStringLiteral("INSERT INTO Registros_Quejas (PID, MAC, Nombre, Usuario, Fecha, Hora, PC, Version, "
                            "Conectado) VALUES (%1, %2, 'N', %3, %4, %5, %6, %7, %8)")
                 .arg(SqlEntero(pid), SqlTexto(mac), SqlEntero(usuario), SqlTexto(fecha), SqlTexto(hora), SqlTexto(pc),
                      SqlTexto(version), SqlEntero(conectado)));
}

QStringList pids(const RegListaEquipos& l)
{
    QStringList r;
    for (const RegEquipo& e : l.Items)
        r << QString::number(e.PID) + QLatin1Char('=') + e.Conectado;
    return r;
}

QString pidsEnTabla()
{
    return LeerFilas(QStringLiteral("SELECT PID, Conectado FROM Registros_Quejas ORDER BY PID"), 2, QStringLiteral("="))
        .join(QLatin1Char(' '));
}

} // namespace

class RegistroEquipos : public BaseDePrueba
{
protected:
    void Preparar() override
    {
        UsuarioActual.Pid = 3;
        UsuarioActual.Apellido = QStringLiteral("O'Brien");
        UsuarioActual.Nombres = QStringLiteral("Ana");
        fijarHora(QTime(12, 0, 0, 500));
    }
    void TearDown() override
    {
        EstablecerRelojEquipos(nullptr);
        BaseDePrueba::TearDown();
    }

    void fijarHora(QTime hora, QDate dia = QDate(2024, 3, 15))
    {
        const QDateTime momento(dia, hora);
        EstablecerRelojEquipos([momento] { return momento; });
    }

    const QString hoy = QStringLiteral("15/03/2024");
    const QString ayer = QStringLiteral("14/03/2024");
    const QString actual = Aplicacion::VersionTexto();
};

TEST_P(RegistroEquipos, TheFirstLoginInsertsAConnectedRowWithTheDisplayName)
{
    RegistrarMAC(QStringLiteral("AA:BB:CC:DD:EE:FF"), QStringLiteral("CAJA-1"));
    const RegListaEquipos l = GetRegistrosDepurados();
    ASSERT_EQ(l.Ultimo, 0);
    const RegEquipo& e = l.Items[0];
    EXPECT_EQ(e.PID, 1);
    EXPECT_EQ(e.MAC, QStringLiteral("AA:BB:CC:DD:EE:FF"));
    EXPECT_EQ(e.Nombre, QStringLiteral("O'Brien, Ana"));
    EXPECT_EQ(e.Usuario, 3);
    EXPECT_EQ(e.Fecha, hoy);
    EXPECT_EQ(e.Hora, QStringLiteral("12:00:00"));
    EXPECT_EQ(e.PC, QStringLiteral("CAJA-1"));
    EXPECT_EQ(e.Version, actual);
    EXPECT_EQ(e.Conectado, QStringLiteral("1"));
}

TEST_P(RegistroEquipos, ALaterHeartbeatRefreshesTheRowButKeepsTheName)
{
    RegistrarMAC(QStringLiteral("AA"), QStringLiteral("CAJA-1"));
    DesconectarMAC(QStringLiteral("AA"));
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=0"));

    UsuarioActual.Apellido = QStringLiteral("Otro");
    fijarHora(QTime(18, 30, 5), QDate(2024, 3, 16));
    RegistrarMAC(QStringLiteral("AA"), QStringLiteral("CAJA-2"));
    EXPECT_EQ(contar(), 1);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Nombre || '|' || Fecha || '|' || Hora || '|' || PC || '|' || Conectado "
                                       "FROM Registros_Quejas")),
              QStringLiteral("O'Brien, Ana|16/03/2024|18:30:05|CAJA-2|1"));
}

TEST_P(RegistroEquipos, EachUserOfAWorkstationHasARowOfItsOwn)
{
    RegistrarMAC(QString(), QStringLiteral("SIN-RED"));
    UsuarioActual.Pid = 4;
    RegistrarMAC(QString(), QStringLiteral("SIN-RED"));
    DesconectarMAC(QString());
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 2=0"));
    DesconectarMAC(QStringLiteral("otra"));
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 2=0"));
}

TEST_P(RegistroEquipos, ARegistrationThatCannotReadItsRowIsLoggedUnderItsStep)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("DROP TABLE Registros_Quejas")));
    RegistrarMAC(QStringLiteral("AA"), QStringLiteral("PC"));
    DesconectarMAC(QStringLiteral("AA"));
    const QString log = entorno->errLog();
    EXPECT_TRUE(log.contains(QStringLiteral("Secuencia: Select PID from Registros_Quejas where MAC = 'AA'")));
    EXPECT_EQ(log.count(QStringLiteral(" - Metodo: EjecutarQuery en Registrar MAC")), 1)
        << "the disconnection ends quietly";
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
}

TEST_P(RegistroEquipos, ConnectedRowsComeFirstThenByPid)
{
    agregarFila(1, 1, hoy, QStringLiteral("11:59:00"), 0, actual);
    agregarFila(2, 2, hoy, QStringLiteral("11:59:00"), 1, actual);
    agregarFila(3, 3, hoy, QStringLiteral("11:59:00"), 0, actual);
    agregarFila(4, 4, hoy, QStringLiteral("11:59:00"), 1, actual);
    EXPECT_EQ(pids(GetRegistrosDepurados()), (QStringList{"2=1", "4=1", "1=0", "3=0"}));
}

TEST_P(RegistroEquipos, ARowSilentForExactlyTenMinutesStaysConnected)
{
    agregarFila(1, 1, hoy, QStringLiteral("11:50:00"), 1, actual);
    agregarFila(2, 2, hoy, QStringLiteral("11:49:59"), 1, actual);
    agregarFila(3, 3, ayer, QStringLiteral("23:59:59"), 1, actual);
    agregarFila(4, 4, hoy, QStringLiteral("9:05:00"), 1, actual);
    const RegListaEquipos l = GetRegistrosDepurados();
    EXPECT_EQ(pids(l), (QStringList{"1=1", "2=0", "3=0", "4=0"})) << "the list shows the new state at once";
    EXPECT_EQ(l.Items[3].Hora, QStringLiteral("09:05:00"));
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 2=0 3=0 4=0"));
}

TEST_P(RegistroEquipos, BeforeTenPastMidnightNothingOfTodayIsStale)
{
    fijarHora(QTime(0, 9, 59));
    agregarFila(1, 1, hoy, QStringLiteral("00:00:00"), 1, actual);
    agregarFila(2, 2, ayer, QStringLiteral("23:59:59"), 1, actual);
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 2=1"));
    GetRegistrosDepurados();
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 2=0"));
}

TEST_P(RegistroEquipos, ALoneDisconnectedRowOfAnotherVersionIsPurgedButStaysInTheList)
{
    agregarFila(1, 1, hoy, QStringLiteral("11:59:00"), 0, kVersionVieja);
    agregarFila(2, 2, hoy, QStringLiteral("11:59:00"), 0, actual);
    agregarFila(3, 3, hoy, QStringLiteral("11:59:00"), 1, kVersionVieja);
    const RegListaEquipos l = GetRegistrosDepurados();
    EXPECT_EQ(pids(l), (QStringList{"3=1", "1=0", "2=0"}));
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("2=0 3=1"));
}

TEST_P(RegistroEquipos, TwoDisconnectedRowsOfTheSameOldVersionArePurgedOnePerCall)
{
    agregarFila(1, 5, hoy, QStringLiteral("11:59:00"), 0, kVersionVieja, QStringLiteral("PC1"));
    agregarFila(2, 5, ayer, QStringLiteral("11:59:00"), 0, kVersionVieja, QStringLiteral("PC2"));
    GetRegistrosDepurados();
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("2=0"));
    GetRegistrosDepurados();
    EXPECT_EQ(pidsEnTabla(), QString());
}

TEST_P(RegistroEquipos, AnotherVersionsLeftoverGoesOnlyWhenBothDateAndPcDiffer)
{
    // User 5 works today on PC1; an old row from another day and PC goes, one sharing the PC stays.
    agregarFila(1, 5, hoy, QStringLiteral("11:59:00"), 1, actual, QStringLiteral("PC1"));
    agregarFila(2, 5, ayer, QStringLiteral("08:00:00"), 0, kVersionVieja, QStringLiteral("PC2"));
    agregarFila(3, 6, hoy, QStringLiteral("11:59:00"), 1, actual, QStringLiteral("PC1"));
    agregarFila(4, 6, ayer, QStringLiteral("08:00:00"), 0, kVersionVieja, QStringLiteral("PC1"));
    agregarFila(5, 6, ayer, QStringLiteral("08:00:00"), 0, actual, QStringLiteral("PC1"));
    GetRegistrosDepurados();
    // Row 4 is also compared with itself (same old version) and goes; row 5 has the running version.
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 3=1 5=0"));

    agregarFila(6, 7, hoy, QStringLiteral("11:59:00"), 1, actual, QStringLiteral("PC1"));
    agregarFila(7, 7, ayer, QStringLiteral("08:00:00"), 0, actual, QStringLiteral("PC2"));
    GetRegistrosDepurados();
    EXPECT_EQ(pidsEnTabla(), QStringLiteral("1=1 3=1 5=0 6=1 7=0")) << "rows of the running version stay";
}

INSTANCIAR_EN_MOTORES(RegistroEquipos);
