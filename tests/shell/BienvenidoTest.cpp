#include "Bienvenido.h"
#include "AtPrinc.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "Login.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"
#include "VersionSistema.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

template <typename T, typename W> T* control(W* ventana, const char* nombre)
{
    return ventana->template findChild<T*>(QString::fromLatin1(nombre));
}

} // namespace

class PrimerUsuario : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        QFile f(RutaSysVer());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(LineaVersion().toLatin1() + '\n');
    }

    void ingresar(const QString& nombre, const QString& clave)
    {
        Login* login = Formulario<Login>::Obtener();
        login->show();
        QTest::keyClicks(control<QLineEdit>(login, "Usuario"), nombre);
        QTest::keyClicks(control<QLineEdit>(login, "Pass"), clave);
        QTest::mouseClick(control<QPushButton>(login, "Inicio"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Fills the first-user window; an empty text leaves its box empty.
    void completar(const QString& clave, const QString& repetida, const QString& nombre, const QString& apellido)
    {
        Bienvenido* b = Formulario<Bienvenido>::SiCargado();
        ASSERT_NE(b, nullptr);
        const std::pair<const char*, QString> campos[] = {
            {"Pass0", clave}, {"Pass1", repetida}, {"Nombre", nombre}, {"Apellido", apellido}};
        for (const auto& [caja, texto] : campos) {
            control<QLineEdit>(b, caja)->clear();
            QTest::keyClicks(control<QLineEdit>(b, caja), texto);
        }
    }
    void guardar()
    {
        QTest::mouseClick(control<QPushButton>(Formulario<Bienvenido>::SiCargado(), "Aceptar"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int usuarios() { return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Usuarios_Quejas")); }
};

TEST_P(PrimerUsuario, TheFirstRunCreatesUserOneAsAdministratorWithABase64Password)
{
    // Three characters each are enough for the login's own check.
    ingresar(QStringLiteral("adm"), QStringLiteral("123"));
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_FALSE(Formulario<Login>::Cargado());
    Bienvenido* b = Formulario<Bienvenido>::SiCargado();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(control<QLabel>(b, "Usuario")->text(), QStringLiteral("adm"));
    auto* nivel = control<QComboBox>(b, "Nivel");
    EXPECT_EQ(nivel->count(), 5);
    EXPECT_EQ(nivel->itemText(4), QStringLiteral("Super Admin"));
    EXPECT_EQ(nivel->currentIndex(), 3);
    EXPECT_FALSE(nivel->isEnabled());

    completar(QStringLiteral("clave1"), QStringLiteral("clave1"), QStringLiteral("Ana Luz"), QStringLiteral("O'Neill"));
    guardar();
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_FALSE(Formulario<Bienvenido>::Cargado());
    ASSERT_TRUE(Formulario<Login>::Cargado()) << "the login window comes back";
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT Pid, usuario, nombres, Apellido, nivel, pass FROM "
                                             "Usuarios_Quejas")));
    ASSERT_FALSE(Rs.Eof());
    EXPECT_EQ(Rs.Entero16(0), 1);
    EXPECT_EQ(Rs.Texto(1), QStringLiteral("adm"));
    EXPECT_EQ(Rs.Texto(2), QStringLiteral("Ana Luz"));
    EXPECT_EQ(Rs.Texto(3), QStringLiteral("O'Neill"));
    EXPECT_EQ(Rs.Entero16(4), 3);
    EXPECT_EQ(Rs.Texto(5), QStringLiteral("Y2xhdmUx"));
    Rs.MoveNext();
    EXPECT_TRUE(Rs.Eof());
    CerrarRs();
}

TEST_P(PrimerUsuario, TheNewAdministratorThenLogsIn)
{
    ingresar(QStringLiteral("adm"), QStringLiteral("123"));
    completar(QStringLiteral("clave1"), QStringLiteral("clave1"), QStringLiteral("Ana"), QStringLiteral("Quiroga"));
    guardar();
    ingresar(QStringLiteral("adm"), QStringLiteral("clave1"));
    EXPECT_FALSE(Formulario<Bienvenido>::Cargado());
    ASSERT_TRUE(Formulario<AtPrinc>::Cargado());
    EXPECT_EQ(Formulario<AtPrinc>::SiCargado()->windowTitle(),
              QStringLiteral("Ostrevia - Quiroga, Ana - Administrador"));
    EXPECT_EQ(usuarios(), 1);
}

TEST_P(PrimerUsuario, RefusesShortOrDifferentPasswordsAndMissingNames)
{
    ingresar(QStringLiteral("adm"), QStringLiteral("123"));
    struct Caso
    {
        QString clave, repetida, nombre, apellido, mensaje;
    };
    const Caso casos[] = {
        {QStringLiteral("1234"), QStringLiteral("1234"), QStringLiteral("Ana"), QStringLiteral("Quiroga"),
         QStringLiteral("La contraseña no puede tener menos de 5 carácteres")},
        {QStringLiteral("12345"), QStringLiteral("12346"), QStringLiteral("Ana"), QStringLiteral("Quiroga"),
         QStringLiteral("Las contraseñas no coinciden")},
        {QStringLiteral("Clave"), QStringLiteral("clave"), QStringLiteral("Ana"), QStringLiteral("Quiroga"),
         QStringLiteral("Las contraseñas no coinciden")},
        {QStringLiteral("12345"), QStringLiteral("12345"), QString(), QStringLiteral("Quiroga"),
         QStringLiteral("Llene sus datos con Nombre y apellido")},
        {QStringLiteral("12345"), QStringLiteral("12345"), QStringLiteral("Ana"), QString(),
         QStringLiteral("Llene sus datos con Nombre y apellido")},
    };
    for (const Caso& c : casos) {
        completar(c.clave, c.repetida, c.nombre, c.apellido);
        guardar();
        ASSERT_FALSE(mostrados().isEmpty());
        EXPECT_EQ(mostrados().last().texto, c.mensaje);
        EXPECT_EQ(mostrados().last().icono, Icono::Informacion);
        EXPECT_TRUE(mostrados().last().titulo.isEmpty()) << "the application title";
        EXPECT_TRUE(Formulario<Bienvenido>::Cargado()) << "the window stays for another try";
    }
    EXPECT_EQ(mostrados().size(), 5);
    EXPECT_EQ(usuarios(), 0);
}

TEST_P(PrimerUsuario, OutsideAdministratorModeALevelAboveTheUsersOwnIsRefused)
{
    UsuarioActual.Nivel = 2;
    Bienvenido* b = Formulario<Bienvenido>::Obtener();
    b->SetUsuario(QStringLiteral("adm"));
    b->Administra(false);
    EXPECT_EQ(control<QComboBox>(b, "Nivel")->currentIndex(), 3);
    completar(QStringLiteral("12345"), QStringLiteral("12345"), QStringLiteral("Ana"), QStringLiteral("Quiroga"));
    guardar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No puedes modificar el usuario por encima de tu rango"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Ninguno);
    EXPECT_EQ(usuarios(), 0);
}

TEST_P(PrimerUsuario, ClosingTheWindowBringsBackTheLoginWithoutSaving)
{
    ingresar(QStringLiteral("adm"), QStringLiteral("123"));
    ASSERT_TRUE(Formulario<Bienvenido>::Cargado());
    Formulario<Bienvenido>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    EXPECT_EQ(usuarios(), 0);
}

TEST_P(PrimerUsuario, AFirstUserWhoseNameIsTakenIsNotSavedAndTheUserIsTold)
{
    // The hidden row that sites were delivered with already holds the name.
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, "
                                             "pass) VALUES (0, 'adm', 'Ana', 'Quiroga', 3, 'Y2xhdmUx')")));
    Bienvenido* b = Formulario<Bienvenido>::Obtener();
    b->TextoCartel(QStringLiteral("Bienvenido!"));
    b->Administra(true);
    b->SetUsuario(QStringLiteral("adm"));
    b->show();
    completar(QStringLiteral("otra12"), QStringLiteral("otra12"), QStringLiteral("Beto"), QStringLiteral("Paz"));
    guardar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No se pudo crear el usuario: el nombre adm ya existe."));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(usuarios(), 1);
    EXPECT_FALSE(Formulario<Bienvenido>::Cargado());
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

TEST_P(PrimerUsuario, AnotherWorkstationsFirstUserMeanwhileLeavesEveryRowAsItWasAndIsTold)
{
    ingresar(QStringLiteral("adm"), QStringLiteral("123"));
    ASSERT_TRUE(Formulario<Bienvenido>::Cargado());
    // While the window is open another workstation creates the first administrator; the
    // hidden row that sites were delivered with stays disabled.
    ASSERT_TRUE(EjecutarQuery(
        QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                       "(0, 'Vortane', 'Oculto', 'Oculto', 0, 'eHh4'), (1, 'jefa', 'Rita', 'Luna', 3, 'eHh4')")));
    completar(QStringLiteral("clave1"), QStringLiteral("clave1"), QStringLiteral("Ana"), QStringLiteral("Quiroga"));
    guardar();

    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No se pudo crear el usuario: ya hay usuarios registrados."));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT Pid, usuario, nivel FROM Usuarios_Quejas ORDER BY Pid"), 3,
                        QStringLiteral(" ")),
              QStringList({QStringLiteral("0 Vortane 0"), QStringLiteral("1 jefa 3")}));
    EXPECT_FALSE(Formulario<Bienvenido>::Cargado());
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

INSTANCIAR_EN_MOTORES(PrimerUsuario);
