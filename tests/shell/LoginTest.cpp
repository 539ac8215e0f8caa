#include "Login.h"
#include "Aplicacion.h"
#include "AtPrinc.h"
#include "Bienvenido.h"
#include "Colores.h"
#include "Conexion.h"
#include "Config.h"
#include "Configurar.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "Red.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"
#include "VersionSistema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Marks EstadoLogin so a test can tell the login check never ran.
constexpr qint16 kSinComprobar = 42;

void escribirSysVer(const QByteArray& contenido)
{
    QFile f(RutaSysVer());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenido);
}

QByteArray leerSysVer()
{
    QFile f(RutaSysVer());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

long fondo(QLineEdit* caja)
{
    return BGRDeColor(caja->palette().color(QPalette::Base));
}

// The login window as the user finds it, driven through its boxes and its button.
struct Pantalla
{
    Login* ventana = nullptr;

    void abrir()
    {
        ventana = Formulario<Login>::Obtener();
        ventana->show();
    }
    QLineEdit* usuario() const { return ventana->findChild<QLineEdit*>(QStringLiteral("Usuario")); }
    QLineEdit* pass() const { return ventana->findChild<QLineEdit*>(QStringLiteral("Pass")); }
    void escribir(const QString& nombre, const QString& clave)
    {
        usuario()->clear();
        QTest::keyClicks(usuario(), nombre);
        pass()->clear();
        QTest::keyClicks(pass(), clave);
    }
    void iniciar() { QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("Inicio")), Qt::LeftButton); }
};

} // namespace

// ---- Without a database: version file, access text, connection failure ------------------

class LoginSinBase : public ::testing::Test
{
protected:
    void TearDown() override { DescargarVentanas(); }

    EntornoDePrueba entorno;
    Pantalla pantalla;
};

TEST_F(LoginSinBase, VersionLinesJoinTheNumbersWithoutSeparators)
{
    EXPECT_EQ(LineaVersion(1, 0, 23), QStringLiteral("1023"));
    EXPECT_EQ(LineaVersion(1, 10, 2), LineaVersion(11, 0, 2)) << "the two versions share one line";
}

TEST_F(LoginSinBase, TheNewVersionNoticeShowsOncePerVersion)
{
    pantalla.abrir();
    ASSERT_EQ(entorno.dialogos->mostrados.size(), 1);
    const CuadroMostrado& aviso = entorno.dialogos->mostrados[0];
    EXPECT_EQ(aviso.texto, QStringLiteral("Se ha instalado una nueva version."));
    EXPECT_EQ(aviso.icono, Icono::Informacion);
    EXPECT_EQ(aviso.titulo, QStringLiteral("Actualización de sistema"));
    EXPECT_EQ(leerSysVer(), LineaVersion().toLatin1() + '\n');

    DescargarVentanas();
    pantalla.abrir();
    EXPECT_EQ(entorno.dialogos->mostrados.size(), 1) << "same version: no second notice";

    DescargarVentanas();
    escribirSysVer("99\n");
    pantalla.abrir();
    EXPECT_EQ(entorno.dialogos->mostrados.size(), 2) << "another version recorded: the notice again";
    EXPECT_EQ(leerSysVer(), LineaVersion().toLatin1() + '\n');
}

TEST_F(LoginSinBase, VersionFilesWithoutTheRunningLine)
{
    escribirSysVer("");
    EXPECT_FALSE(VerificarVersion()) << "an empty file is another version";
    EXPECT_TRUE(VerificarVersion());

    escribirSysVer(LineaVersion().toLatin1() + "\r\n");
    EXPECT_TRUE(VerificarVersion()) << "a line ended by CR LF still matches";

    escribirSysVer(LineaVersion().toLatin1() + "0\n");
    EXPECT_FALSE(VerificarVersion()) << "the comparison is exact";
}

TEST_F(LoginSinBase, AVersionFileThatCannotBeKeptGivesNoNoticeAndNoFailure)
{
    QDir().mkpath(RutaSysVer()); // a folder in the file's place
    pantalla.abrir();
    EXPECT_TRUE(entorno.dialogos->mostrados.isEmpty());
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

TEST_F(LoginSinBase, TheAccessTextOpensTheConfigurationWithoutTouchingTheDatabase)
{
    escribirSysVer(LineaVersion().toLatin1() + '\n');
    EstadoLogin = kSinComprobar;
    pantalla.abrir();
    QTest::keyClicks(pantalla.usuario(), QStringLiteral("/vereda"));
    QTest::keyClick(pantalla.usuario(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(Formulario<Configurar>::Cargado());
    EXPECT_TRUE(Formulario<Configurar>::SiCargado()->isVisible());
    EXPECT_FALSE(Formulario<Login>::Cargado()) << "the login window unloads itself";
    EXPECT_EQ(EstadoLogin, kSinComprobar) << "the login check never ran";
    EXPECT_TRUE(entorno.dialogos->mostrados.isEmpty());
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_FALSE(QFile::exists(entorno.carpeta() + QStringLiteral("/bd/base.db")));
}

TEST_F(LoginSinBase, EnterMovesFromTheNameToThePasswordAndLogsInFromThere)
{
    escribirSysVer(LineaVersion().toLatin1() + '\n');
    EstadoLogin = kSinComprobar;
    pantalla.abrir();
    QApplication::setActiveWindow(pantalla.ventana);
    pantalla.usuario()->setFocus();
    QTest::keyClicks(pantalla.usuario(), QStringLiteral("/Vereda"));
    QTest::keyClick(pantalla.usuario(), Qt::Key_Return);
    EXPECT_FALSE(Formulario<Configurar>::Cargado()) << "the access text is compared exactly";
    EXPECT_TRUE(pantalla.pass()->hasFocus());
    EXPECT_EQ(EstadoLogin, kSinComprobar);

    QTest::keyClicks(pantalla.pass(), QStringLiteral("clave"));
    QTest::keyClick(pantalla.pass(), Qt::Key_Return);
    EXPECT_EQ(EstadoLogin, 1) << "Enter in the password box runs the login";
}

TEST_F(LoginSinBase, KeysTypedFasterThanTheyAreHandledKeepTheirOrder)
{
    escribirSysVer(LineaVersion().toLatin1() + '\n');
    pantalla.abrir();
    // Keys that queue up while the program is busy arrive as pending events, one after another.
    for (const char* letra : {"a", "n", "a"}) {
        const QString texto = QString::fromLatin1(letra);
        QCoreApplication::postEvent(
            pantalla.usuario(), new QKeyEvent(QEvent::KeyPress, Qt::Key_A + (letra[0] - 'a'), Qt::NoModifier, texto));
    }
    QCoreApplication::sendPostedEvents(pantalla.usuario(), QEvent::KeyPress);
    QCoreApplication::processEvents();
    EXPECT_EQ(pantalla.usuario()->text(), QStringLiteral("ana"));
}

TEST_F(LoginSinBase, WithoutAConnectionEveryLoginNamesTheTarget)
{
    escribirSysVer(LineaVersion().toLatin1() + '\n');
    pantalla.abrir();

    ConfigActual.Tipo = 1;
    pantalla.escribir(QStringLiteral("ana"), QStringLiteral("clave"));
    pantalla.iniciar();
    ConfigActual = RegConfig{0, QStringLiteral("10.1.2.3"), QStringLiteral("5432"), QString()};
    pantalla.iniciar();
    ConfigActual.Tipo = -1;
    pantalla.iniciar();

    ASSERT_EQ(entorno.dialogos->mostrados.size(), 3);
    const QString texto = QStringLiteral("No se pudo conectar a la base: ");
    EXPECT_EQ(entorno.dialogos->mostrados[0].texto, texto + entorno.carpeta() + QStringLiteral("/bd/base.db"));
    EXPECT_EQ(entorno.dialogos->mostrados[1].texto, texto + QStringLiteral("10.1.2.3, Puerto: 5432"));
    EXPECT_EQ(entorno.dialogos->mostrados[2].texto, texto);
    for (const CuadroMostrado& c : entorno.dialogos->mostrados) {
        EXPECT_EQ(c.icono, Icono::Critico);
        EXPECT_EQ(c.titulo, QStringLiteral("Error de conexión"));
    }
    EXPECT_TRUE(Formulario<Login>::Cargado());
    EXPECT_EQ(pantalla.pass()->text(), QStringLiteral("clave")) << "only a wrong login empties the password";
}

// ---- With a database, on both engines -------------------------------------------------------

class LoginConBase : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        escribirSysVer(LineaVersion().toLatin1() + '\n');
        Red::EstablecerTabla([] {
            Red::DireccionLocal fila;
            fila.ip = {10, 2, 3, 4};
            fila.hardware = QByteArray::fromHex("001BA005FF0A");
            return QVector<Red::DireccionLocal>{fila};
        });
        Red::EstablecerNombreEquipo([] { return QStringLiteral("PUESTO-7"); });
        pantalla.abrir();
    }

    void agregarUsuario(qint16 pid, const QString& usuario, const QString& claveBase64, qint16 nivel)
    {
        Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                                "(%1, '%2', 'Ana María', 'Quiroga', %3, '%4')")
                     .arg(pid)
                     .arg(usuario)
                     .arg(nivel)
                     .arg(claveBase64));
    }
    // Two users, so the first-run rule is over.
    void dosUsuarios(qint16 nivelDeAna = 3)
    {
        agregarUsuario(1, QStringLiteral("ana"), CodificarBase64(QStringLiteral("secreto")), nivelDeAna);
        agregarUsuario(2, QStringLiteral("beto"), CodificarBase64(QStringLiteral("otra")), 1);
    }
    int filasRegistro() { return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Registros_Quejas")); }

    Pantalla pantalla;
};

TEST_P(LoginConBase, ShortBoxesAreRefusedBeforeTheDatabaseAndTurnRed)
{
    dosUsuarios();
    EstadoLogin = kSinComprobar;
    pantalla.escribir(QStringLiteral("an"), QStringLiteral("secreto"));
    pantalla.iniciar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Especifique un usuario valido!"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_TRUE(mostrados()[0].titulo.isEmpty()) << "the application title";
    EXPECT_EQ(fondo(pantalla.usuario()), 0xC0C0FF);
    EXPECT_EQ(fondo(pantalla.pass()), 0xC0FFC0);

    pantalla.escribir(QStringLiteral("ana"), QStringLiteral("se"));
    pantalla.iniciar();
    ASSERT_EQ(mostrados().size(), 2);
    EXPECT_EQ(mostrados()[1].texto, QStringLiteral("Especifique una contraseña valida!"));
    EXPECT_EQ(fondo(pantalla.pass()), 0xC0C0FF);
    EXPECT_EQ(fondo(pantalla.usuario()), 0xC0C0FF) << "nothing turns a box green again";
    EXPECT_EQ(EstadoLogin, kSinComprobar);
}

TEST_P(LoginConBase, AWrongNameOrPasswordGetsOneMessageAndEmptiesThePassword)
{
    dosUsuarios();
    EXPECT_EQ(fondo(pantalla.usuario()), 0xC0FFC0);
    QApplication::setActiveWindow(pantalla.ventana);
    for (const auto& [nombre, clave] : {std::pair{QStringLiteral("ana"), QStringLiteral("Secreto")},
                                        std::pair{QStringLiteral("nadie"), QStringLiteral("secreto")}}) {
        pantalla.escribir(nombre, clave);
        pantalla.iniciar();
        ASSERT_FALSE(mostrados().isEmpty());
        const CuadroMostrado& c = mostrados().last();
        EXPECT_EQ(c.texto, QStringLiteral("Usuario o contraseña incorrecto"));
        EXPECT_EQ(c.icono, Icono::Critico);
        EXPECT_EQ(c.titulo, QStringLiteral("Error e inicio de sesión"));
        EXPECT_TRUE(pantalla.pass()->text().isEmpty());
        EXPECT_TRUE(pantalla.pass()->hasFocus());
        EXPECT_EQ(pantalla.usuario()->text(), nombre);
        EXPECT_EQ(fondo(pantalla.usuario()), 0xC0C0FF);
        EXPECT_EQ(fondo(pantalla.pass()), 0xC0C0FF);
    }
    EXPECT_EQ(mostrados().size(), 2);
    EXPECT_FALSE(Formulario<AtPrinc>::Cargado());
    EXPECT_TRUE(Formulario<Login>::Cargado());
    EXPECT_EQ(filasRegistro(), 0);
}

TEST_P(LoginConBase, ADisabledUserIsRefusedWithoutRegisteringTheWorkstation)
{
    dosUsuarios(0);
    pantalla.escribir(QStringLiteral("ana"), QStringLiteral("secreto"));
    pantalla.iniciar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Usuario inhabilitado, Dirijase a un administrador"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("No se puede ingresar"));
    EXPECT_EQ(filasRegistro(), 0);
    EXPECT_FALSE(Formulario<AtPrinc>::Cargado());
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

TEST_P(LoginConBase, ASuccessfulLoginRegistersTheWorkstationAndOpensTheMainWindow)
{
    dosUsuarios();
    pantalla.escribir(QStringLiteral("ana"), QStringLiteral("secreto"));
    pantalla.iniciar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(mostrados().isEmpty());
    ASSERT_TRUE(Formulario<AtPrinc>::Cargado());
    EXPECT_TRUE(Formulario<AtPrinc>::SiCargado()->isVisible());
    EXPECT_EQ(Formulario<AtPrinc>::SiCargado()->windowTitle(),
              QStringLiteral("Ostrevia - Quiroga, Ana María - Administrador"));
    EXPECT_FALSE(Formulario<Login>::Cargado());
    EXPECT_EQ(UsuarioActual.Pid, 1);

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT MAC, Nombre, Usuario, PC, Version, Conectado FROM "
                                             "Registros_Quejas")));
    ASSERT_FALSE(Rs.Eof());
    EXPECT_EQ(Rs.Texto(0), QStringLiteral("00:1B:A0:05:FF:0A"));
    EXPECT_EQ(Rs.Texto(1), QStringLiteral("Quiroga, Ana María"));
    EXPECT_EQ(Rs.Entero16(2), 1);
    EXPECT_EQ(Rs.Texto(3), QStringLiteral("PUESTO-7"));
    EXPECT_EQ(Rs.Texto(4), Aplicacion::VersionTexto());
    EXPECT_EQ(Rs.Entero32(5), 1);
    Rs.MoveNext();
    EXPECT_TRUE(Rs.Eof());
    CerrarRs();
}

TEST_P(LoginConBase, AFailingLoginCheckIsReportedAndLoggedWithItsStep)
{
    agregarUsuario(1, QStringLiteral("ana"), QStringLiteral("no es base64!"), 3);
    agregarUsuario(2, QStringLiteral("beto"), CodificarBase64(QStringLiteral("otra")), 1);
    pantalla.escribir(QStringLiteral("ana"), QStringLiteral("secreto"));
    pantalla.iniciar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(
        mostrados()[0].texto,
        QStringLiteral("Ha ocurrido un error al intentar iniciar la pantalla principal.\nRevise el log de errores"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Critico);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Error al iniciar."));
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral(" - Metodo: Login\n")));
    EXPECT_TRUE(Formulario<Login>::Cargado());
    EXPECT_EQ(entorno->terminaciones, 0);

    // The failed check leaves nothing behind that would stop the next one.
    pantalla.escribir(QStringLiteral("beto"), QStringLiteral("otra"));
    pantalla.iniciar();
    EXPECT_TRUE(Formulario<AtPrinc>::Cargado());
}

INSTANCIAR_EN_MOTORES(LoginConBase);
