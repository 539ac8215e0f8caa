#include "AtPrinc.h"
#include "Config.h"
#include "Configurar.h"
#include "DialogosQt.h"
#include "F_Nuevo.h"
#include "Formularios.h"
#include "Inicio.h"
#include "Login.h"
#include "PCarga.h"
#include "VentanaDePrueba.h"
#include "VersionSistema.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Answers the real message boxes as a desk user would: No where No is offered, else OK. Every
// text answered is kept.
class Operador : public QObject
{
public:
    Operador()
    {
        connect(&m_ojos, &QTimer::timeout, this, [this] { mirar(); });
        m_ojos.start(20);
    }
    QStringList leidos;
    // Runs once a login window is on the screen and no box is open.
    std::function<void(Login*)> anteElLogin;

private:
    void mirar()
    {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!caja->isVisible())
                return;
            leidos << caja->text();
            QAbstractButton* no = caja->button(QMessageBox::No);
            QTest::mouseClick(no ? no : caja->button(QMessageBox::Ok), Qt::LeftButton);
            return;
        }
        Login* login = Formulario<Login>::SiCargado();
        if (login && login->isVisible() && anteElLogin) {
            auto accion = std::move(anteElLogin);
            anteElLogin = nullptr;
            accion(login);
        }
    }
    QTimer m_ojos;
};

} // namespace

// The program as started: its own application settings and real message boxes.
class FinDelPrograma : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The running version is already recorded, so the login window announces nothing.
        ASSERT_TRUE(VerificarVersion() || VerificarVersion());
        EstablecerDialogos(std::make_shared<DialogosQt>());
    }
    void TearDown() override
    {
        EstablecerDialogos(entorno.dialogos);
        DescargarVentanas();
    }

    EntornoDePrueba entorno;
    AplicacionDelPrograma aplicacion;
    Operador usuario;
};

TEST_F(FinDelPrograma, WithTheServerDownAnsweringNoLeadsToTheLoginAndOnlyItsCloseEndsTheProgram)
{
    ASSERT_TRUE(EscribirRegConfig(entorno.carpeta() + QStringLiteral("/Config.ini"),
                                  RegConfig{0, QStringLiteral("127.0.0.1"), QStringLiteral("1"), QString()}));
    bool cerradoPorElUsuario = false;
    usuario.anteElLogin = [&](Login* login) {
        // A login attempt says why it cannot work; the box closing ends nothing either.
        QTest::keyClicks(login->findChild<QLineEdit*>(QStringLiteral("Usuario")), QStringLiteral("ana"));
        QTest::keyClicks(login->findChild<QLineEdit*>(QStringLiteral("Pass")), QStringLiteral("clave"));
        QTimer::singleShot(0, login, [login, &cerradoPorElUsuario] {
            QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("Inicio")), Qt::LeftButton);
            QTimer::singleShot(200, login, [login, &cerradoPorElUsuario] {
                cerradoPorElUsuario = true;
                CerrarComoElSistema(login);
            });
        });
    };
    Main();
    // A desktop's window manager gives no focus to a splash screen, so the retry box has no window
    // to stand on: it is a window of its own, and closing it must not end the program.
    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(CorrerHastaElFin(20000));
    EXPECT_TRUE(cerradoPorElUsuario) << "the program ended before the user closed the login window";
    ASSERT_EQ(usuario.leidos.size(), 2) << usuario.leidos.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(usuario.leidos[0].endsWith(QStringLiteral("Desea reintentar la conexión?")));
    EXPECT_EQ(usuario.leidos[1], QStringLiteral("No se pudo conectar a la base: 127.0.0.1, Puerto: 1"));
}

TEST_F(FinDelPrograma, AConfigurationClosedWithoutOkEndsTheProgramEitherWayInAndStoresNothing)
{
    const QString config = entorno.carpeta() + QStringLiteral("/Config.ini");
    const auto cerrarLaConfiguracion = [] {
        QTimer::singleShot(0, [] { CerrarComoElSistema(Formulario<Configurar>::SiCargado()); });
    };
    const auto accesoAlLogin = [] {
        Login* login = Formulario<Login>::Obtener();
        login->show();
        auto* usuario = login->findChild<QLineEdit*>(QStringLiteral("Usuario"));
        QTest::keyClicks(usuario, QStringLiteral("/vereda"));
        QTest::keyClick(usuario, Qt::Key_Return);
        ASSERT_TRUE(Formulario<Configurar>::Cargado());
    };

    // A start without Config.ini: the splash closes itself after the configuration window opened,
    // and the login window it loaded was never shown.
    Main();
    ASSERT_TRUE(Formulario<Configurar>::Cargado());
    cerrarLaConfiguracion();
    EXPECT_TRUE(CorrerHastaElFin(10000)) << "the program was left running without a window";
    EXPECT_FALSE(QFile::exists(config));
    Formulario<Login>::Descargar();

    // The access text at the login: "Ok" hands over to a new login window and ends nothing...
    accesoAlLogin();
    Formulario<Configurar>::SiCargado()->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
    QTimer::singleShot(0, [] {
        QTest::mouseClick(Formulario<Configurar>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Actualizar")),
                          Qt::LeftButton);
    });
    EXPECT_FALSE(CorrerHastaElFin(500)) << "the configuration's Ok ended the program";
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    ASSERT_TRUE(QFile::remove(config));
    // ...while a close without it leaves no window, and the program ends.
    accesoAlLogin();
    cerrarLaConfiguracion();
    EXPECT_TRUE(CorrerHastaElFin(10000)) << "the program was left running without a window";
    EXPECT_FALSE(QFile::exists(config));
}

// The same program with a user logged in, on both engines.
class FinDeSesion : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        ASSERT_TRUE(VerificarVersion() || VerificarVersion());
        entrar(3);
    }
    AplicacionDelPrograma aplicacion;
};

// A switched-off main window takes no input, its close button included; on again, its close is the
// logout, and the login window's close then ends the program.
TEST_P(FinDeSesion, TheWindowManagersCloseOfTheMainWindowWaitsWhileItIsSwitchedOffThenLogsOut)
{
    QPointer<AtPrinc> principal = principalQuieta();
    QPointer<F_Nuevo> nuevo = Mostrar<F_Nuevo>();
    ASSERT_FALSE(principal->isEnabled()) << "the entry form switches the main window off";
    QTest::keyClicks(ControlDe<F_Nuevo, QLineEdit>("Apellido"), QStringLiteral("Gomez"));
    CerrarComoElSistema(principal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(principal && nuevo);
    EXPECT_TRUE(principal->isVisible() && nuevo->isVisible());
    EXPECT_EQ((ControlDe<F_Nuevo, QLineEdit>("Apellido")->text()), QStringLiteral("Gomez"));
    EXPECT_FALSE(Formulario<Login>::Cargado());
    Formulario<F_Nuevo>::Descargar();

    // "Cargando" up, as during an import or a report.
    Formulario<PCarga>::Obtener()->show();
    ASSERT_FALSE(principal->isEnabled());
    CerrarComoElSistema(principal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(principal);
    EXPECT_TRUE(Formulario<PCarga>::Cargado());
    EXPECT_FALSE(Formulario<Login>::Cargado());
    Formulario<PCarga>::Descargar();
    ASSERT_TRUE(principal->isEnabled());

    bool loginTrasLaSesion = false;
    bool cerradoPorElUsuario = false;
    QTimer::singleShot(0, [&] {
        CerrarComoElSistema(principal);
        QTimer::singleShot(100, [&] {
            Login* login = Formulario<Login>::SiCargado();
            loginTrasLaSesion = !principal && login && login->isVisible();
            cerradoPorElUsuario = true;
            if (login)
                CerrarComoElSistema(login);
        });
    });
    EXPECT_TRUE(CorrerHastaElFin(10000));
    EXPECT_TRUE(cerradoPorElUsuario) << "the program ended with the main window";
    EXPECT_TRUE(loginTrasLaSesion);
}

INSTANCIAR_EN_MOTORES(FinDeSesion);
