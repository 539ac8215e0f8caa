#include "AltaUsr.h"
#include "CambiarPass.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "FUsuarios.h"
#include "Formularios.h"
#include "ListaDato.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// The user and password windows over four users: the hidden row 0, Rita Luna (level 4), the
// signed-in Ana María Pérez (5, level 3 in the table) and Luis Gómez (7, level 1).
class VentanasDeUsuarios : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(3);
        Ejecutar({
            "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
            "(0, 'Vortane', 'Oculto', 'Oculto', 0, 'eHh4eHg='), "
            "(1, 'jefa', 'Rita', 'Luna', 4, 'Y2xhdmUx'), "
            "(5, 'aperez', 'Ana María', 'Pérez', 3, 'Y2xhdmU1'), "
            "(7, 'lgomez', 'Luis', 'Gómez', 1, 'Y2xhdmU3')",
        });
    }

    template <typename V> void escribir(const char* caja, const QString& texto)
    {
        ControlDe<V, QLineEdit>(caja)->setText(texto);
    }

    // Fills the add-user window; level -1 leaves the list without a choice.
    void altaCon(const QString& usuario, const QString& clave, const QString& repetida, int nivel,
                 const QString& nombre, const QString& apellido)
    {
        escribir<AltaUsr>("Usuario", usuario);
        escribir<AltaUsr>("Pass0", clave);
        escribir<AltaUsr>("Pass1", repetida);
        escribir<AltaUsr>("Nombre", nombre);
        escribir<AltaUsr>("Apellido", apellido);
        ControlDe<AltaUsr, QComboBox>("Nivel")->setCurrentIndex(nivel);
    }
    void cambiarCon(const QString& anterior, const QString& nueva, const QString& repetida)
    {
        escribir<CambiarPass>("CTANR", anterior);
        escribir<CambiarPass>("CTN1", nueva);
        escribir<CambiarPass>("CTN2", repetida);
    }

    QString clave(qint16 pid)
    {
        return LeerTexto(QStringLiteral("SELECT pass FROM Usuarios_Quejas WHERE Pid = %1").arg(pid));
    }
    qint32 nivel(qint16 pid)
    {
        return LeerEntero(QStringLiteral("SELECT nivel FROM Usuarios_Quejas WHERE Pid = %1").arg(pid));
    }
    qint32 usuarios() { return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Usuarios_Quejas")); }
    bool entra(QString nombre, QString pass) { return ComprobarUsuario(nombre, pass); }

    PrincipalDePrueba principalDePrueba;
};

TEST_P(VentanasDeUsuarios, AddUserChecksInOrderAndEachRefusalKeepsTheWindowWithItsContents)
{
    entrar(2);
    AltaUsr* w = Mostrar<AltaUsr>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Alta de usuarios"));
    auto* lista = ControlDe<AltaUsr, QComboBox>("Nivel");
    EXPECT_EQ(Items(lista), QStringList({QStringLiteral("Inhabitado"), QStringLiteral("Usuario"),
                                         QStringLiteral("Usuario Avanzado"), QStringLiteral("Administrador")}));
    EXPECT_EQ(lista->currentIndex(), -1) << "nothing chosen at load";
    EXPECT_FALSE(lista->isEditable());
    EXPECT_EQ((ControlDe<AltaUsr, QPushButton>("Aceptar")->text()), QStringLiteral("Guardar y continuar"));

    // Each step mends one fault and leaves every later one, so each message proves the order.
    struct Paso
    {
        QString usuario, clave, repetida;
        int nivel;
        QString nombre, apellido, mensaje;
        Icono icono;
    };
    const Paso pasos[] = {
        {QString(), QStringLiteral("1234"), QStringLiteral("9"), -1, QString(), QString(),
         QStringLiteral("La contraseña no puede tener menos de 5 carácteres"), Icono::Informacion},
        {QString(), QStringLiteral("Clave1"), QStringLiteral("clave1"), -1, QString(), QString(),
         QStringLiteral("Las contraseñas no coinciden"), Icono::Informacion},
        {QString(), QStringLiteral("clave1"), QStringLiteral("clave1"), -1, QString(), QString(),
         QStringLiteral("Seleccione un nivel de usuario"), Icono::Informacion},
        {QString(), QStringLiteral("clave1"), QStringLiteral("clave1"), 3, QString(), QString(),
         QStringLiteral("No puedes modificar el usuario por encima de tu rango"), Icono::Ninguno},
        {QString(), QStringLiteral("clave1"), QStringLiteral("clave1"), 2, QString(), QStringLiteral("Paz"),
         QStringLiteral("Llene sus datos con Nombre y apellido"), Icono::Informacion},
        {QString(), QStringLiteral("clave1"), QStringLiteral("clave1"), 2, QStringLiteral("Beto"), QString(),
         QStringLiteral("Llene sus datos con Nombre y apellido"), Icono::Informacion},
        {QString(), QStringLiteral("clave1"), QStringLiteral("clave1"), 2, QStringLiteral("Beto"),
         QStringLiteral("Paz"), QStringLiteral("Usuario Incorrecto"), Icono::Informacion},
    };
    for (const Paso& p : pasos) {
        altaCon(p.usuario, p.clave, p.repetida, p.nivel, p.nombre, p.apellido);
        Pulsar<AltaUsr>("Aceptar");
        ASSERT_FALSE(mostrados().isEmpty());
        EXPECT_EQ(ultimo().texto, p.mensaje);
        EXPECT_EQ(ultimo().icono, p.icono) << p.mensaje.toStdString();
        EXPECT_TRUE(ultimo().titulo.isEmpty()) << "the application title";
        ASSERT_TRUE(Formulario<AltaUsr>::Cargado());
        EXPECT_EQ((ControlDe<AltaUsr, QLineEdit>("Pass1")->text()), p.repetida) << "the boxes keep what was typed";
    }
    EXPECT_EQ(mostrados().size(), 7);
    EXPECT_EQ(usuarios(), 4);
    EXPECT_EQ(principalDePrueba.tiempoACero, 0);
}

TEST_P(VentanasDeUsuarios, AddedUserTakesTheNextKeyAndSignsIn)
{
    Mostrar<AltaUsr>();
    altaCon(QStringLiteral("mobrien"), QStringLiteral("Pampa#1"), QStringLiteral("Pampa#1"), 1,
            QStringLiteral("María José"), QStringLiteral("O'Brien"));
    Pulsar<AltaUsr>("Aceptar");

    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Usuario ingresado"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Ninguno);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Alta de usuarios"));
    EXPECT_FALSE(Formulario<AltaUsr>::Cargado());
    EXPECT_EQ(principalDePrueba.tiempoACero, 1);
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT Pid, usuario, nombres, Apellido, nivel, pass FROM Usuarios_Quejas "
                                       "WHERE Pid = 8"),
                        6, QStringLiteral("|")),
              QStringList({QStringLiteral("8|mobrien|María José|O'Brien|1|UGFtcGEjMQ==")}));

    ASSERT_TRUE(entra(QStringLiteral("mobrien"), QStringLiteral("Pampa#1")));
    EXPECT_EQ(UsuarioActual.Pid, 8);
    EXPECT_EQ(UsuarioActual.Nivel, 1);
}

TEST_P(VentanasDeUsuarios, ATakenLoginNameIsToldAndTheWindowKeepsItsContents)
{
    Mostrar<AltaUsr>();
    altaCon(QStringLiteral("lgomez"), QStringLiteral("clave1"), QStringLiteral("clave1"), 1, QStringLiteral("Beto"),
            QStringLiteral("Paz"));
    Pulsar<AltaUsr>("Aceptar");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No se pudo crear el usuario: el nombre lgomez ya existe."));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    ASSERT_TRUE(Formulario<AltaUsr>::Cargado());
    EXPECT_EQ((ControlDe<AltaUsr, QLineEdit>("Nombre")->text()), QStringLiteral("Beto"));
    EXPECT_EQ(usuarios(), 4);
    EXPECT_EQ(clave(7), QStringLiteral("Y2xhdmU3"));
    EXPECT_EQ(principalDePrueba.tiempoACero, 0);
}

// A failed insert is told once, by the failure itself: the name is free.
TEST_P(VentanasDeUsuarios, AnInsertThatFailsAtTheTopOfTheKeysIsNotCalledATakenName)
{
    Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                            "(32767, 'tope', 'Tito', 'Tope', 1, '')"));
    Mostrar<AltaUsr>();
    altaCon(QStringLiteral("zeta"), QStringLiteral("clave1"), QStringLiteral("clave1"), 1, QStringLiteral("Beto"),
            QStringLiteral("Paz"));
    Pulsar<AltaUsr>("Aceptar");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_TRUE(mostrados()[0].texto.contains(QStringLiteral("máximo de registros (32767)")))
        << mostrados()[0].texto.toStdString();
    EXPECT_EQ(usuarios(), 5);
    EXPECT_TRUE(Formulario<AltaUsr>::Cargado());
}

TEST_P(VentanasDeUsuarios, AVeryLongUserNameIsCutInTheListAndKeepsTheWindowOnTheScreen)
{
    const QString largo = QString(2000, QLatin1Char('L'));
    Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                            "(9, 'largo', '%1', '%1', 1, '')")
                 .arg(largo));
    FUsuarios* w = Mostrar<FUsuarios>();
    auto* lista = ControlDe<FUsuarios, ListaDato>("CmbUsuarios");
    Elegir(lista, lista->count() - 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(lista->currentText().startsWith(QStringLiteral("9 - ") + largo));
    EXPECT_TRUE(lista->TextoVisible().endsWith(QChar(0x2026)));
    EXPECT_LE(w->width(), QGuiApplication::primaryScreen()->availableGeometry().width());
}

TEST_P(VentanasDeUsuarios, EnterAndChoosingALevelMoveToTheNextControl)
{
    AltaUsr* w = Mostrar<AltaUsr>();
    ControlDe<AltaUsr, QLineEdit>("Usuario")->setFocus();
    QStringList recorrido{w->focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        recorrido << w->focusWidget()->objectName();
    }
    EXPECT_EQ(recorrido, QStringList({QStringLiteral("Usuario"), QStringLiteral("Pass0"), QStringLiteral("Pass1"),
                                      QStringLiteral("Nombre"), QStringLiteral("Apellido"), QStringLiteral("Nivel"),
                                      QStringLiteral("Aceptar")}));

    // Choosing with the mouse gives the list the focus first.
    ControlDe<AltaUsr, QComboBox>("Nivel")->setFocus();
    Elegir(ControlDe<AltaUsr, QComboBox>("Nivel"), 1);
    EXPECT_EQ(w->focusWidget()->objectName(), QStringLiteral("Aceptar"));
    EXPECT_TRUE(mostrados().isEmpty()) << "moving on saves nothing";

    CambiarPass* c = Mostrar<CambiarPass>();
    ControlDe<CambiarPass, QLineEdit>("CTANR")->setFocus();
    QTest::keyClick(ControlDe<CambiarPass, QLineEdit>("CTANR"), Qt::Key_Return);
    EXPECT_EQ(c->focusWidget()->objectName(), QStringLiteral("CTN1"));
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanasDeUsuarios, UsersWindowListsEveryUserButTheHiddenOneAndLevelsByTheActingUser)
{
    FUsuarios* w = Mostrar<FUsuarios>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Administrar usuarios"));
    auto* usuarios = ControlDe<FUsuarios, QComboBox>("CmbUsuarios");
    EXPECT_EQ(Items(usuarios), QStringList({QStringLiteral("1 - Luna, Rita"), QStringLiteral("5 - Pérez, Ana María"),
                                            QStringLiteral("7 - Gómez, Luis")}));
    EXPECT_EQ(usuarios->currentIndex(), -1);
    auto* niveles = ControlDe<FUsuarios, QComboBox>("CmbNivel");
    EXPECT_EQ(niveles->count(), 4) << "a level-3 user cannot give level 4";
    EXPECT_FALSE(niveles->isEditable()) << "a typed level is never stored";

    Formulario<FUsuarios>::Descargar();
    entrar(4);
    Mostrar<FUsuarios>();
    EXPECT_EQ((Items(ControlDe<FUsuarios, QComboBox>("CmbNivel")).value(4)), QStringLiteral("3 - Super administrador"));
}

TEST_P(VentanasDeUsuarios, LevelFourGivesLevelFourAndLevelThreeSetsAnyUserToAListedLevel)
{
    entrar(4);
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 2);
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), 4);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Permisos de usuario cambiados"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Acción realizada"));
    EXPECT_EQ(nivel(7), 4);
    EXPECT_EQ(clave(7), QStringLiteral("Y2xhdmU3")) << "only the level changes";
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT usuario FROM Usuarios_Quejas WHERE Pid = 7")), QStringLiteral("lgomez"));

    // The level change checks only the acting user's level, not the target's.
    Formulario<FUsuarios>::Descargar();
    entrar(3);
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 0);
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), 2);
    EXPECT_EQ(nivel(1), 2);
    EXPECT_EQ(nivel(5), 3);
    EXPECT_EQ(mostrados().size(), 2);
}

TEST_P(VentanasDeUsuarios, TheLastAdministratorWhoCanSignInCannotBeDemotedOrDisabled)
{
    Mostrar<FUsuarios>();
    // Another workstation demotes Rita after the load: Ana María is then the only administrator.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 2 WHERE Pid = 1"));
    const auto cambiar = [](int usuario, int nivel) {
        Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), usuario);
        Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), nivel);
    };
    const auto rechazado = [this] {
        return !mostrados().isEmpty() &&
               ultimo().texto == QStringLiteral("No se puede dejar el sistema sin administradores") &&
               ultimo().icono == Icono::Informacion && ultimo().titulo == QStringLiteral("No se puede cambiar");
    };
    for (int n : {2, 0}) {
        cambiar(1, n);
        EXPECT_TRUE(rechazado()) << n;
        EXPECT_EQ(nivel(5), 3) << n;
    }
    // A hidden row counts only when it can sign in: a level without a password is not enough.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 3, pass = '' WHERE Pid = 0"));
    cambiar(1, 2);
    EXPECT_TRUE(rechazado());
    EXPECT_EQ(nivel(5), 3);
    EXPECT_EQ(mostrados().size(), 3);

    // Another enabled administrator, hidden or listed, lets the same change through.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET pass = 'eHh4eHg=' WHERE Pid = 0"));
    cambiar(1, 2);
    EXPECT_FALSE(rechazado());
    EXPECT_EQ(nivel(5), 2);
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 0 WHERE Pid = 0"));
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 3 WHERE Pid = 5"));
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 4 WHERE Pid = 7"));
    cambiar(1, 0);
    EXPECT_FALSE(rechazado());
    EXPECT_EQ(nivel(5), 0);
    // A change that takes away no administrator is never refused, even where none is left.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 1 WHERE Pid = 7"));
    cambiar(0, 1);
    EXPECT_FALSE(rechazado());
    EXPECT_EQ(nivel(1), 1);
}

TEST_P(VentanasDeUsuarios, TheLevelBoxShowsTheChosenUsersStoredLevelAlsoAfterARefusal)
{
    Mostrar<FUsuarios>();
    auto* usuarios = ControlDe<FUsuarios, QComboBox>("CmbUsuarios");
    auto* niveles = ControlDe<FUsuarios, QComboBox>("CmbNivel");
    // Another workstation raises Luis after the load: the level shown is the one stored now.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 2 WHERE Pid = 7"));
    Elegir(usuarios, 2);
    EXPECT_EQ(niveles->currentText(), QStringLiteral("Usuario Avanzado"));
    // Level 4 is not in a level-3 user's list: shown as none, not as another level.
    Elegir(usuarios, 0);
    EXPECT_EQ(niveles->currentIndex(), -1);
    Elegir(usuarios, 1);
    EXPECT_EQ(niveles->currentText(), QStringLiteral("Administrador"));
    EXPECT_TRUE(mostrados().isEmpty()) << "showing a level asks nothing";

    // Refused: the last administrator who can sign in.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 2 WHERE Pid = 1"));
    Elegir(niveles, 0);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No se puede dejar el sistema sin administradores"));
    EXPECT_EQ(niveles->currentText(), QStringLiteral("Administrador"));
    EXPECT_EQ(nivel(5), 3);
    // A change that is stored shows as chosen.
    Elegir(usuarios, 2);
    Elegir(niveles, 1);
    EXPECT_EQ(nivel(7), 1);
    EXPECT_EQ(niveles->currentText(), QStringLiteral("Usuario"));

    // Refused: a level-2 user may not change levels.
    Formulario<FUsuarios>::Descargar();
    entrar(2);
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 2);
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), 3);
    EXPECT_EQ(ultimo().texto, QStringLiteral("No puede cambiar un permiso de usuario, hable con un administrador"));
    EXPECT_EQ((ControlDe<FUsuarios, QComboBox>("CmbNivel")->currentText()), QStringLiteral("Usuario"));
    EXPECT_EQ(nivel(7), 1);
}

TEST_P(VentanasDeUsuarios, UsersWindowRefusesLevelChangesBelowLevelThreeAndActionsWithoutAUser)
{
    entrar(2);
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 2);
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), 2);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto,
              QStringLiteral("No puede cambiar un permiso de usuario, hable con un administrador"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("No se puede cambiar"));
    EXPECT_EQ(nivel(7), 1);

    Formulario<FUsuarios>::Descargar();
    entrar(3);
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbNivel"), 0);
    Pulsar<FUsuarios>("Rcon");
    ASSERT_EQ(mostrados().size(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(mostrados()[i].texto, QStringLiteral("Seleccione un usuario del combo superior"));
        EXPECT_EQ(mostrados()[i].icono, Icono::Informacion);
        EXPECT_EQ(mostrados()[i].titulo, QStringLiteral("Error al cambiar contraseña: Exit Sub"));
    }
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT nivel, pass FROM Usuarios_Quejas ORDER BY Pid"), 2, QStringLiteral(" ")),
              QStringList({QStringLiteral("0 eHh4eHg="), QStringLiteral("4 Y2xhdmUx"), QStringLiteral("3 Y2xhdmU1"),
                           QStringLiteral("1 Y2xhdmU3")}));
}

TEST_P(VentanasDeUsuarios, AResetLetsTheUserSignInWithTheKnownTextAndChangeIt)
{
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 2);
    Pulsar<FUsuarios>("Rcon");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("La contraseña ha sido reinciada, el usuario debe ingregar "
                                                   "'731905' sin comillas y cambiar el pass."));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Usuario modificado"));
    EXPECT_TRUE(Formulario<FUsuarios>::Cargado()) << "the window stays open";
    EXPECT_EQ(clave(7), QStringLiteral("NzMxOTA1"));

    ASSERT_TRUE(entra(QStringLiteral("lgomez"), QStringLiteral("731905")));
    ASSERT_EQ(UsuarioActual.Pid, 7);
    Mostrar<CambiarPass>();
    cambiarCon(QStringLiteral("731905"), QStringLiteral("Tandil77"), QStringLiteral("Tandil77"));
    Pulsar<CambiarPass>("CambioPass");
    EXPECT_EQ(mostrados().size(), 1) << "no confirmation";
    EXPECT_FALSE(Formulario<CambiarPass>::Cargado());
    EXPECT_EQ(principalDePrueba.tiempoACero, 1);
    EXPECT_TRUE(entra(QStringLiteral("lgomez"), QStringLiteral("Tandil77")));
    EXPECT_FALSE(entra(QStringLiteral("lgomez"), QStringLiteral("731905")));
}

TEST_P(VentanasDeUsuarios, AResetOfAHigherRankedUserIsRefusedEvenWhenRaisedAfterTheLoad)
{
    Mostrar<FUsuarios>();
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 0);
    Pulsar<FUsuarios>("Rcon");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No puedes modificar el usuario por encima de tu rango"));
    EXPECT_EQ(clave(1), QStringLiteral("Y2xhdmUx"));

    // Another workstation raises Luis meanwhile.
    Ejecutar(QStringLiteral("UPDATE Usuarios_Quejas SET nivel = 4 WHERE Pid = 7"));
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 2);
    Pulsar<FUsuarios>("Rcon");
    ASSERT_EQ(mostrados().size(), 2);
    EXPECT_EQ(mostrados()[1].texto, QStringLiteral("No puedes modificar el usuario por encima de tu rango"));
    EXPECT_EQ(clave(7), QStringLiteral("Y2xhdmU3"));

    // Equal rank, the acting user included, is allowed.
    Elegir(ControlDe<FUsuarios, QComboBox>("CmbUsuarios"), 1);
    Pulsar<FUsuarios>("Rcon");
    EXPECT_EQ(clave(5), QStringLiteral("NzMxOTA1"));
}

TEST_P(VentanasDeUsuarios, PasswordChangeRefusesInOrderAndKeepsTheOldPassword)
{
    CambiarPass* w = Mostrar<CambiarPass>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cambiar mi contraseña"));
    EXPECT_EQ((ControlDe<CambiarPass, QPushButton>("CambioPass")->text()), QStringLiteral("Cambiar"));
    struct Paso
    {
        QString anterior, nueva, repetida, mensaje, titulo;
        Icono icono;
    };
    const Paso pasos[] = {
        {QStringLiteral("1234"), QStringLiteral("12"), QStringLiteral("1"),
         QStringLiteral("Contraseña anterior equivocada"), QString(), Icono::Ninguno},
        // A right old password with a short new one blames the new one.
        {QStringLiteral("clave5"), QStringLiteral("1234"), QStringLiteral("1234"),
         QStringLiteral("La contraseña no puede tener menos de 5 carácteres"), QString(), Icono::Ninguno},
        {QStringLiteral("clave5"), QStringLiteral("nueva1"), QStringLiteral("1234"),
         QStringLiteral("La contraseña no puede tener menos de 5 carácteres"), QString(), Icono::Ninguno},
        {QStringLiteral("Clave5"), QStringLiteral("nueva1"), QStringLiteral("nueva2"),
         QStringLiteral("Contraseña anterior incorrecta"), QString(), Icono::Informacion},
        {QStringLiteral("clave5"), QStringLiteral("nueva1"), QStringLiteral("Nueva1"),
         QStringLiteral("Las contraseñas nuevas no coinciden"), QStringLiteral("Contraseñas incorrectas"),
         Icono::Informacion},
    };
    for (const Paso& p : pasos) {
        cambiarCon(p.anterior, p.nueva, p.repetida);
        Pulsar<CambiarPass>("CambioPass");
        ASSERT_FALSE(mostrados().isEmpty());
        EXPECT_EQ(ultimo().texto, p.mensaje);
        EXPECT_EQ(ultimo().icono, p.icono) << p.mensaje.toStdString();
        EXPECT_EQ(ultimo().titulo, p.titulo);
        ASSERT_TRUE(Formulario<CambiarPass>::Cargado());
    }
    EXPECT_EQ(mostrados().size(), 5);
    // Only the differing new passwords are emptied.
    EXPECT_EQ((ControlDe<CambiarPass, QLineEdit>("CTANR")->text()), QStringLiteral("clave5"));
    EXPECT_TRUE((ControlDe<CambiarPass, QLineEdit>("CTN1")->text().isEmpty()));
    EXPECT_TRUE((ControlDe<CambiarPass, QLineEdit>("CTN2")->text().isEmpty()));
    EXPECT_EQ(clave(5), QStringLiteral("Y2xhdmU1"));
    EXPECT_EQ(principalDePrueba.tiempoACero, 0);
}

INSTANCIAR_EN_MOTORES(VentanasDeUsuarios);
