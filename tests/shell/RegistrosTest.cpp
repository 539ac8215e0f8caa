#include "Registros.h"
#include "Aplicacion.h"
#include "AtPrinc.h"
#include "BasePing.h"
#include "Colores.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Equipos.h"
#include "Formularios.h"
#include "Red.h"
#include "Sql.h"
#include "VentanaDePrueba.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

Red::DireccionLocal direccion(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d,
                              QByteArray hardware = QByteArray())
{
    Red::DireccionLocal f;
    f.ip = {a, b, c, d};
    f.hardware = hardware;
    return f;
}

const QByteArray kHardwareA = QByteArray::fromHex("001BA005FF0A");
const QByteArray kHardwareB = QByteArray::fromHex("A0B1C2D3E4F5");

} // namespace

// The workstation's identity over a fixed address table and computer name.
class IdentidadDeRed : public ::testing::Test
{
protected:
    void SetUp() override { entorno = std::make_unique<EntornoDePrueba>(); }
    void TearDown() override
    {
        Red::EstablecerTabla(nullptr);
        Red::EstablecerNombreEquipo(nullptr);
        entorno.reset();
    }
    void tabla(const QVector<Red::DireccionLocal>& filas)
    {
        Red::EstablecerTabla([filas] { return filas; });
    }

    std::unique_ptr<EntornoDePrueba> entorno;
};

TEST_F(IdentidadDeRed, ChoosesTheLastAddressOutsideLoopbackLinkLocalAndHomeRanges)
{
    tabla({direccion(127, 0, 0, 1), direccion(192, 168, 0, 10), direccion(10, 2, 3, 4)});
    EXPECT_EQ(IPDeTabla(), QStringLiteral("10.2.3.4"));

    tabla({direccion(10, 0, 0, 1), direccion(172, 16, 0, 5)});
    EXPECT_EQ(IPDeTabla(), QStringLiteral("172.16.0.5"));

    tabla({direccion(10, 0, 0, 1), direccion(169, 254, 3, 3), direccion(192, 168, 1, 1)});
    EXPECT_EQ(IPLocal(), QStringLiteral("10.0.0.1"));
}

TEST_F(IdentidadDeRed, FallsBackToTheFirstAddressWhenNoneQualifies)
{
    tabla({direccion(127, 0, 0, 1), direccion(192, 168, 0, 10)});
    EXPECT_EQ(IPDeTabla(), QStringLiteral("127.0.0.1"));
    tabla({});
    EXPECT_EQ(IPDeTabla(), QString());
}

TEST_F(IdentidadDeRed, MoreThanSixAddressesGiveNoAddressAndNoHardwareAddress)
{
    QVector<Red::DireccionLocal> filas;
    for (std::uint8_t i = 1; i <= 6; ++i)
        filas << direccion(10, 0, 0, i, kHardwareA);
    tabla(filas);
    EXPECT_EQ(IPDeTabla(), QStringLiteral("10.0.0.6"));

    filas << direccion(10, 0, 0, 7, kHardwareA);
    tabla(filas);
    EXPECT_EQ(IPDeTabla(), QString());
    EXPECT_EQ(MacLocal(), QString());
}

TEST_F(IdentidadDeRed, HardwareAddressIsTheOneOfTheInterfaceHoldingTheChosenAddress)
{
    tabla({direccion(127, 0, 0, 1), direccion(10, 2, 3, 4, kHardwareA), direccion(172, 16, 0, 5, kHardwareB)});
    EXPECT_EQ(MacLocal(), QStringLiteral("A0:B1:C2:D3:E4:F5"));
    EXPECT_EQ(EscanearIP(10, 2, 3, 4), QStringLiteral("00:1B:A0:05:FF:0A"));
}

TEST_F(IdentidadDeRed, AddressThatDoesNotAnswerGivesAnEmptyHardwareAddress)
{
    tabla({direccion(127, 0, 0, 1), direccion(10, 2, 3, 4, kHardwareA)});
    EXPECT_EQ(EscanearIP(10, 2, 3, 5), QString()) << "no local interface holds it";
    EXPECT_EQ(EscanearIP(127, 0, 0, 1), QString()) << "loopback has no hardware address";
    EXPECT_EQ(EscanearIP(10, 2, 3, 260), QString());

    tabla({direccion(127, 0, 0, 1)});
    EXPECT_EQ(MacLocal(), QString());
    tabla({direccion(10, 2, 3, 4, QByteArray::fromHex("0011223344556677"))});
    EXPECT_EQ(MacLocal(), QString()) << "only a six-byte address answers";
}

TEST_F(IdentidadDeRed, FormatsHardwareAddressesAsUpperCaseHexPairs)
{
    EXPECT_EQ(FormatearMAC({0, 27, 160, 5, 255, 10}), QStringLiteral("00:1B:A0:05:FF:0A"));
    EXPECT_EQ(HexByte(0), QStringLiteral("00"));
    EXPECT_EQ(HexByte(0xAB), QStringLiteral("AB"));
    EXPECT_EQ(IPaTexto({192, 168, 0, 10}), QStringLiteral("192.168.0.10"));
}

TEST_F(IdentidadDeRed, ComputerNameFailureIsLoggedAndGivesAnEmptyName)
{
    Red::EstablecerNombreEquipo([] { return QStringLiteral("PUESTO-07"); });
    EXPECT_EQ(NombrePC(), QStringLiteral("PUESTO-07"));
    EXPECT_EQ(entorno->errLog(), QString());

    Red::EstablecerNombreEquipo([] { return QString(); });
    EXPECT_EQ(NombrePC(), QString());
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral(" - Metodo: GetComputerName en NombrePC")));
}

// The registry window over both engines.
class VentanaRegistros : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        ahora = QDateTime(QDate(2024, 3, 15), QTime(12, 0, 0));
        EstablecerRelojEquipos([this] { return ahora; });
    }
    void TearDown() override
    {
        EstablecerRelojEquipos(nullptr);
        VentanaDePrueba::TearDown();
    }

    // A row of the registry as another workstation would have left it; conectado < 0 stores NULL.
    void fila(int pid, const QString& mac, int usuario, const QString& hora, int conectado,
              const QString& fecha = QStringLiteral("15/03/2024"))
    {
        const QString estado = conectado < 0 ? QStringLiteral("NULL") : SqlEntero(conectado);
        Ejecutar(QStringLiteral("INSERT INTO Registros_Quejas (PID, MAC, Nombre, Usuario, Fecha, Hora, PC, Version, "
                                "Conectado) VALUES (") +
                 SqlEntero(pid) + QLatin1Char(',') + SqlTexto(mac) + QLatin1Char(',') +
                 SqlTexto(QStringLiteral("Paz, Ana")) + QLatin1Char(',') + SqlEntero(usuario) + QLatin1Char(',') +
                 SqlTexto(fecha) + QLatin1Char(',') + SqlTexto(hora) + QLatin1Char(',') +
                 SqlTexto(QStringLiteral("PC%1").arg(pid)) + QLatin1Char(',') + SqlTexto(Aplicacion::VersionTexto()) +
                 QLatin1Char(',') + estado + QLatin1Char(')'));
        CerrarRs();
    }

    QStringList columna(GrillaTabla* g, int c) { return ColumnaDeGrilla(*g, c); }

    long colorOnline(GrillaTabla* g, int r)
    {
        g->SetRow(r);
        g->SetCol(8);
        return g->CellBackColor();
    }

    QDateTime ahora;
};

TEST_P(VentanaRegistros, ShowsEveryRowConnectedFirstWithHeadersAndWidths)
{
    fila(1, QStringLiteral("00:1B:A0:05:FF:0A"), 3, QStringLiteral("11:58:00"), 0);
    fila(2, QStringLiteral("A0:B1:C2:D3:E4:F5"), 4, QStringLiteral("11:59:30"), 1);

    Registros* w = Formulario<Registros>::Obtener();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Registro de usuarios"));
    GrillaTabla* g = w->findChild<GrillaTabla*>(QStringLiteral("MSFlexGrid1"));
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->Cols(), 9);
    const QStringList titulos = {"PID", "Nombre", "PC", "MAC", "Fecha", "Hora", "Usuario", "Versión", "Online"};
    const int anchos[] = {500, 3500, 2000, 2000, 1000, 1000, 1000, 1000, 700};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(g->TextMatrix(0, c), titulos[c]);
        EXPECT_NEAR(g->ColWidth(c), anchos[c], 14) << "column " << c;
    }
    ASSERT_EQ(g->Rows(), 3);
    EXPECT_EQ(columna(g, 0), QStringList({"2", "1"}));
    EXPECT_EQ(columna(g, 3), QStringList({"A0:B1:C2:D3:E4:F5", "00:1B:A0:05:FF:0A"}));
    EXPECT_EQ(columna(g, 6), QStringList({"4", "3"}));
    EXPECT_EQ(columna(g, 8), QStringList({"1", "0"}));
    EXPECT_EQ(g->TextMatrix(1, 1), QStringLiteral("Paz, Ana"));
    EXPECT_EQ(g->TextMatrix(1, 2), QStringLiteral("PC2"));
    EXPECT_EQ(g->TextMatrix(1, 4), QStringLiteral("15/03/2024"));
    EXPECT_EQ(g->TextMatrix(1, 5), QStringLiteral("11:59:30"));
    EXPECT_EQ(g->TextMatrix(1, 7), Aplicacion::VersionTexto());
    EXPECT_TRUE(g->Visible());
}

TEST_P(VentanaRegistros, ColoursTheOnlineCellByConnectionState)
{
    fila(1, QStringLiteral("M1"), 3, QStringLiteral("11:59:00"), 1);
    fila(2, QStringLiteral("M2"), 4, QStringLiteral("11:59:00"), 0);
    fila(3, QStringLiteral("M3"), 5, QStringLiteral("11:59:00"), -1);
    // Seen eleven minutes ago: marked disconnected by this very refresh.
    fila(4, QStringLiteral("M4"), 6, QStringLiteral("11:49:00"), 1);

    GrillaTabla* g = Formulario<Registros>::Obtener()->MSFlexGrid1();
    ASSERT_EQ(g->Rows(), 5);
    for (int r = 1; r < g->Rows(); ++r) {
        const QString pid = g->TextMatrix(r, 0);
        const long esperado = pid == "1" ? 0xC0FFC0 : pid == "3" ? 0xFF : 0xC0C0FF;
        EXPECT_EQ(colorOnline(g, r), esperado) << "PID " << pid.toStdString();
    }
    EXPECT_EQ(g->TextMatrix(2, 0), QStringLiteral("4")) << "read while still connected, then marked";
    EXPECT_EQ(g->TextMatrix(2, 8), QStringLiteral("0"));
}

TEST_P(VentanaRegistros, TimerTickRefreshesTheGrid)
{
    fila(1, QStringLiteral("M1"), 3, QStringLiteral("11:59:00"), 1);
    Registros* w = Formulario<Registros>::Obtener();
    EXPECT_TRUE(w->TRefresh()->isActive());
    EXPECT_EQ(w->TRefresh()->interval(), 60000);
    ASSERT_EQ(w->MSFlexGrid1()->Rows(), 2);

    fila(2, QStringLiteral("M2"), 4, QStringLiteral("11:59:10"), 1);
    w->TRefresh_Timer();
    EXPECT_EQ(w->MSFlexGrid1()->Rows(), 3);
}

TEST_P(VentanaRegistros, TickWhileAnotherWindowsListFillsRefreshes)
{
    fila(1, QStringLiteral("M1"), 3, QStringLiteral("11:59:00"), 1);
    Registros* w = Formulario<Registros>::Obtener();
    fila(2, QStringLiteral("M2"), 4, QStringLiteral("11:59:10"), 1);
    FilaQueja(1, QStringLiteral("01/03/2024"), QStringLiteral("García"), QStringLiteral("Juan"),
              QStringLiteral("20111222"));

    ASSERT_TRUE(DuranteOtroLlenado([w] { w->TRefresh_Timer(); }));
    EXPECT_EQ(w->MSFlexGrid1()->Rows(), 3);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(VentanaRegistros, TickDuringTheFillDoesNotRestartIt)
{
    fila(1, QStringLiteral("M1"), 1, QStringLiteral("11:59:00"), 1);
    Registros* w = Formulario<Registros>::Obtener();
    for (int i = 2; i <= 4; ++i)
        fila(i, QStringLiteral("M%1").arg(i), qint16(i), QStringLiteral("11:59:00"), 1);
    int ticks = 0;
    // Runs while the refresh lets pending events run between rows.
    QTimer::singleShot(0, w, [w, &ticks] {
        ++ticks;
        w->TRefresh_Timer();
    });
    w->TRefresh_Timer();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(columna(w->MSFlexGrid1(), 0), QStringList({"1", "2", "3", "4"}));
    EXPECT_TRUE(w->MSFlexGrid1()->Visible());

    // The next tick after the fill refreshes again.
    fila(5, QStringLiteral("M5"), 5, QStringLiteral("11:59:00"), 1);
    w->TRefresh_Timer();
    EXPECT_EQ(w->MSFlexGrid1()->Rows(), 6);
}

TEST_P(VentanaRegistros, UnloadDuringTheFillStopsItSafely)
{
    for (int i = 1; i <= 3; ++i)
        fila(i, QStringLiteral("M%1").arg(i), qint16(i), QStringLiteral("11:59:00"), 1);
    Registros* w = Formulario<Registros>::Obtener();
    QTimer::singleShot(0, w, [] { Formulario<Registros>::Descargar(); });
    w->TRefresh_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<Registros>::Cargado());
}

// The window is registered before its fill lets events run: a second request then gets it.
TEST_P(VentanaRegistros, ASecondRequestDuringTheLoadGetsTheSameWindowAndTheLogoutUnloadsIt)
{
    for (int i = 1; i <= 3; ++i)
        fila(i, QStringLiteral("M%1").arg(i), qint16(i), QStringLiteral("11:59:00"), 1);
    entrar(3);
    QAction* registros = principalQuieta()->findChild<QAction*>(QStringLiteral("UsuariosCn"));
    const auto abiertas = [] {
        int n = 0;
        for (QWidget* v : QApplication::topLevelWidgets())
            n += qobject_cast<Registros*>(v) ? 1 : 0;
        return n;
    };
    QTimer::singleShot(0, registros, [registros] { registros->trigger(); });
    registros->trigger();
    EXPECT_EQ(abiertas(), 1);
    ASSERT_TRUE(Formulario<Registros>::Cargado());
    EXPECT_EQ(Formulario<Registros>::SiCargado()->MSFlexGrid1()->Rows(), 4);

    Formulario<AtPrinc>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(abiertas(), 0) << "the logout unloads the one registry window";
}

TEST_P(VentanaRegistros, IntervalButtonsRestartTheCountdown)
{
    Registros* w = Formulario<Registros>::Obtener();
    const int esperados[] = {10000, 30000, 60000};
    for (int i : {0, 1, 2}) {
        auto* b = w->findChild<QPushButton*>(QStringLiteral("Setr%1").arg(i));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(w->TRefresh()->interval(), esperados[i]);
        EXPECT_TRUE(w->TRefresh()->isActive());
        EXPECT_GT(w->TRefresh()->remainingTime(), esperados[i] - 1000);
    }
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Setr0")), Qt::LeftButton);
    Formulario<Registros>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Formulario<Registros>::Obtener()->TRefresh()->interval(), 60000) << "a new load starts at one minute";
}

INSTANCIAR_EN_MOTORES(VentanaRegistros);
