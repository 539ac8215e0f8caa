#include "Usuarios.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Sql.h"
#include "Textos.h"

namespace {

void agregarFila(qint16 pid, const QString& usuario, const QString& clave, qint16 nivel = 3,
                 const QString& apellido = QStringLiteral("Pérez"), const QString& nombres = QStringLiteral("Ana"))
{
    Ejecutar(
        QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES (%1, %2, "
                       "%3, %4, %5, %6)")
            .arg(SqlEntero(pid), SqlTexto(usuario), SqlTexto(nombres), SqlTexto(apellido), SqlEntero(nivel),
                 SqlTexto(clave.isNull() ? QString() : CodificarBase64(clave))));
}

int contarUsuarios()
{
    return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Usuarios_Quejas"));
}

} // namespace

class UsuariosDatos : public BaseDePrueba
{
protected:
    void Preparar() override { BaseConectada = true; }

    bool login(QString nombre, QString clave) { return ComprobarUsuario(nombre, clave); }
};

TEST_P(UsuariosDatos, WithoutAConnectionTheLoginReportsStatusOne)
{
    BaseConectada = false;
    EXPECT_FALSE(login(QStringLiteral("Vortane"), QStringLiteral("abc")));
    EXPECT_EQ(EstadoLogin, 1);
}

TEST_P(UsuariosDatos, UntilARealUserExistsOnlyVortaneIsChecked)
{
    EXPECT_TRUE(login(QStringLiteral("cualquiera"), QString()));
    EXPECT_EQ(EstadoLogin, 2) << "an empty table is a first run";

    // The hidden row of Pid 0 that sites were delivered with.
    agregarFila(0, QStringLiteral("Vortane"), QStringLiteral("secreto"));
    UsuarioActual.Pid = 33;
    EXPECT_TRUE(login(QStringLiteral("otro"), QStringLiteral("lo que sea")));
    EXPECT_EQ(EstadoLogin, 2);
    EXPECT_EQ(UsuarioActual.Pid, 33) << "the first-run answer reads and sets nothing";

    EXPECT_TRUE(login(QStringLiteral("vortane"), QStringLiteral("x"))) << "the name is compared case-sensitively";
    EXPECT_EQ(EstadoLogin, 2);

    EXPECT_FALSE(login(QStringLiteral("Vortane"), QStringLiteral("mala")));
    EXPECT_EQ(EstadoLogin, -1);
    EXPECT_EQ(UsuarioActual.Nivel, -1);

    EXPECT_TRUE(login(QStringLiteral("Vortane"), QStringLiteral("secreto")));
    EXPECT_EQ(EstadoLogin, 0);
    EXPECT_EQ(UsuarioActual.Pid, 0);
}

TEST_P(UsuariosDatos, TheFirstAdministratorIsCheckedAtItsNextLogin)
{
    // A new database has no hidden row: the one real user must not be sent back to the
    // first-run window.
    EXPECT_FALSE(HayUsuarios());
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("x"));
    EXPECT_TRUE(HayUsuarios());
    EXPECT_TRUE(login(QStringLiteral("ana"), QStringLiteral("x")));
    EXPECT_EQ(EstadoLogin, 0);
    EXPECT_FALSE(login(QStringLiteral("nadie"), QStringLiteral("x")));
    EXPECT_EQ(EstadoLogin, -1);
}

TEST_P(UsuariosDatos, ASuccessfulLoginSetsTheCurrentUserButNotItsLoginName)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("uno"));
    agregarFila(7, QStringLiteral("o'neil"), QStringLiteral("Clave'1"), 0, QStringLiteral("O'Neil"),
                QStringLiteral("Seán"));
    UsuarioActual.Usuario = QStringLiteral("previo");
    EXPECT_TRUE(login(QStringLiteral("o'neil"), QStringLiteral("Clave'1")));
    EXPECT_EQ(EstadoLogin, 0);
    EXPECT_EQ(UsuarioActual.Pid, 7);
    EXPECT_EQ(UsuarioActual.Nivel, 0) << "a disabled user passes here; the login window refuses it";
    EXPECT_EQ(UsuarioActual.Apellido, QStringLiteral("O'Neil"));
    EXPECT_EQ(UsuarioActual.Nombres, QStringLiteral("Seán"));
    EXPECT_EQ(UsuarioActual.Usuario, QStringLiteral("previo"));
    EXPECT_FALSE(Rs.Abierto());

    // A failed check keeps everything but the level.
    EXPECT_FALSE(login(QStringLiteral("o'neil"), QStringLiteral("clave'1")));
    EXPECT_EQ(UsuarioActual.Nivel, -1);
    EXPECT_EQ(UsuarioActual.Pid, 7);
    EXPECT_EQ(PidTemporal, -1);
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(UsuariosDatos, AStoredPasswordThatIsNotBase64ReachesTheCallerWithTheResultSetClosed)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("uno"));
    agregarFila(2, QStringLiteral("beto"), QStringLiteral("dos"));
    SetPass(QStringLiteral("no!"), 2);
    EXPECT_THROW(login(QStringLiteral("beto"), QStringLiteral("dos")), ErrorEjecucion);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(UsuariosDatos, APasswordBeyondLatin1PassesThePasswordWindowButNotTheLogin)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("uno"));
    agregarFila(2, QStringLiteral("beto"), QStringLiteral("dos"));
    const QString clave = QStringLiteral("clave€");
    SetPass(CodificarBase64(clave), 2);
    EXPECT_TRUE(ComprobarPass(clave, 2));
    EXPECT_FALSE(ComprobarPass(QStringLiteral("clave"), 2));
    EXPECT_FALSE(ComprobarPass(clave, 99)) << "no such user";
    EXPECT_FALSE(login(QStringLiteral("beto"), clave));
    EXPECT_TRUE(login(QStringLiteral("beto"), QStringLiteral("clave?")));
}

TEST_P(UsuariosDatos, AddingAUserTakesTheNextKeyAndRefusesATakenName)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("uno"));
    agregarFila(5, QStringLiteral("beto"), QStringLiteral("dos"));
    RegUsuario u;
    u.Usuario = QStringLiteral("d'artagnan");
    u.Nombres = QStringLiteral("Charles");
    u.Apellido = QStringLiteral("D'Artagnan");
    u.Nivel = 2;
    EXPECT_TRUE(GuardarUsuario(u, CodificarBase64(QStringLiteral("mosquete")), 1));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Pid FROM Usuarios_Quejas WHERE Apellido = 'D''Artagnan'")),
              QStringLiteral("6"));
    EXPECT_TRUE(login(QStringLiteral("d'artagnan"), QStringLiteral("mosquete")));
    EXPECT_EQ(UsuarioActual.Nivel, 2);

    u.Nombres = QStringLiteral("Otro");
    EXPECT_FALSE(GuardarUsuario(u, QString(), 1));
    EXPECT_EQ(contarUsuarios(), 3);
}

TEST_P(UsuariosDatos, ALevelChangeWithTwoOrMoreUsersTouchesOnlyTheLevel)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("uno"));
    agregarFila(2, QStringLiteral("beto"), QStringLiteral("dos"));
    RegUsuario u;
    u.Pid = 2;
    u.Nivel = 4;
    u.Usuario = QStringLiteral("cambiado");
    u.Apellido = QStringLiteral("Cambiado");
    EXPECT_TRUE(GuardarUsuario(u, CodificarBase64(QStringLiteral("nueva")), 2));
    EXPECT_EQ(LeerTexto(QStringLiteral(
                  "SELECT usuario || '|' || Apellido || '|' || nivel FROM Usuarios_Quejas WHERE Pid = 2")),
              QStringLiteral("beto|Pérez|4"));
    EXPECT_TRUE(login(QStringLiteral("beto"), QStringLiteral("dos")));
}

TEST_P(UsuariosDatos, TheFirstUserTakesKeyOneAndLaterSavesChangeOnlyLevels)
{
    agregarFila(0, QStringLiteral("Vortane"), QStringLiteral("x"));
    RegUsuario u;
    u.Usuario = QStringLiteral("Vortane");
    u.Nivel = 3;
    EXPECT_FALSE(GuardarUsuario(u, QString(), 0)) << "a taken name is refused";

    u.Usuario = QStringLiteral("jefe");
    EXPECT_TRUE(GuardarUsuario(u, CodificarBase64(QStringLiteral("abc")), 0));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Pid FROM Usuarios_Quejas WHERE usuario = 'jefe'")), QStringLiteral("1"));

    // With one real user a save from the users window is a level change, not a second insert.
    u.Pid = 1;
    u.Usuario = QStringLiteral("otro");
    u.Nivel = 2;
    EXPECT_TRUE(GuardarUsuario(u, QString(), 0));
    EXPECT_EQ(contarUsuarios(), 2);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT usuario || '|' || nivel FROM Usuarios_Quejas WHERE Pid = 1")),
              QStringLiteral("jefe|2"));
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty());
}

TEST_P(UsuariosDatos, TheUserListLeavesOutPidZeroAndGivesTheLevelAsANumber)
{
    EXPECT_EQ(GetUsuarios().Ultimo, -1);
    agregarFila(3, QStringLiteral("carla"), QStringLiteral("x"), 4, QStringLiteral("Gómez"), QStringLiteral("Carla"));
    agregarFila(0, QStringLiteral("sistema"), QStringLiteral("x"));
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("x"), 1);
    const RegListaUsuarios l = GetUsuarios();
    ASSERT_EQ(l.Ultimo, 1);
    ASSERT_EQ(l.Items.size(), 2);
    EXPECT_EQ(l.Items[0].Pid, 1);
    EXPECT_EQ(l.Items[0].Nivel, QStringLiteral("1"));
    EXPECT_EQ(l.Items[1].Pid, 3);
    EXPECT_EQ(l.Items[1].Usuario, QStringLiteral("carla"));
    EXPECT_EQ(l.Items[1].Apellido, QStringLiteral("Gómez"));
    EXPECT_EQ(l.Items[1].Nombres, QStringLiteral("Carla"));
    EXPECT_EQ(l.Items[1].Nivel, QStringLiteral("4"));
}

TEST_P(UsuariosDatos, TheDisplayNameOfAMissingUserSaysSo)
{
    agregarFila(1, QStringLiteral("ana"), QStringLiteral("x"), 1, QStringLiteral("Pérez"), QStringLiteral("Ana María"));
    EXPECT_EQ(GetNombreUsuario(1), QStringLiteral("Pérez, Ana María"));
    EXPECT_EQ(GetNombreUsuario(5), QStringLiteral("Usuario Inexistente: 5"));
}

TEST_P(UsuariosDatos, TheNameSearchIgnoresCaseAndAccentsAndFallsBackToTwelve)
{
    agregarFila(0, QStringLiteral("sistema"), QStringLiteral("x"), 1, QStringLiteral("Sistema"),
                QStringLiteral("Interno"));
    agregarFila(4, QStringLiteral("jgarcia"), QStringLiteral("x"), 1, QStringLiteral("GARCÍA"), QStringLiteral("Juan"));
    agregarFila(6, QStringLiteral("o'hara"), QStringLiteral("x"), 1, QStringLiteral("O'Hara"), QStringLiteral("Kim"));
    EXPECT_EQ(GetUsuarioPID(QString()), 12);
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("nadie")), 12);
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("garcía")), 4);
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("GARCIA")), 4);
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("juan")), 4) << "given names are searched too";
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("o'ha")), 6);
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("interno")), 12) << "a match on Pid 0 gives 12";
    EXPECT_EQ(GetUsuarioPID(QStringLiteral("%")), 12) << "a typed % is not a wildcard";
}

INSTANCIAR_EN_MOTORES(UsuariosDatos);
