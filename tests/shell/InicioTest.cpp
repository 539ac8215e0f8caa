#include "Inicio.h"
#include "Conexion.h"
#include "Config.h"
#include "Configurar.h"
#include "Formularios.h"
#include "Login.h"
#include "VentanaDePrueba.h"
#include "VersionSistema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

void escribirConfig(const QString& carpeta, const RegConfig& c)
{
    ASSERT_TRUE(EscribirRegConfig(carpeta + QStringLiteral("/Config.ini"), c));
}

QString log(Inicio* splash, int i)
{
    return splash->findChild<QLabel*>(QStringLiteral("Log%1").arg(i))->text();
}

} // namespace

class Arranque : public ::testing::Test
{
protected:
    // The running version is already recorded, so the login window announces nothing.
    void SetUp() override { ASSERT_TRUE(VerificarVersion() || VerificarVersion()); }
    void TearDown() override { DescargarVentanas(); }
    EntornoDePrueba entorno;
};

TEST_F(Arranque, AValidConfigurationConnectsThenHandsOverToTheLogin)
{
    escribirConfig(entorno.carpeta(), RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()});
    ErroresQuery = 2;
    Main();
    EXPECT_EQ(ErroresQuery, 0);
    Inicio* splash = Formulario<Inicio>::SiCargado();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(log(splash, 0), QStringLiteral("Cargando componentes"));
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("VersionRev"))->text(), QStringLiteral("Versión: 1.0.0"));
    EXPECT_TRUE(splash->Timer2()->isActive());
    EXPECT_EQ(splash->Timer2()->interval(), 1500);
    EXPECT_FALSE(splash->Timer1()->isActive());

    splash->Timer2_Timer();
    EXPECT_TRUE(BaseConectada);
    EXPECT_TRUE(QDir(entorno.carpeta() + QStringLiteral("/temp")).exists());
    EXPECT_EQ(log(splash, 0), QStringLiteral("Iniciando sistema. . . OK "));
    EXPECT_EQ(log(splash, 1), QStringLiteral("Iniciando conexión. . . - OK!"));
    EXPECT_EQ(log(splash, 2), QStringLiteral("Cargando componentes"));
    EXPECT_FALSE(splash->Timer2()->isActive());
    EXPECT_TRUE(splash->Timer1()->isActive());
    EXPECT_EQ(splash->Timer1()->interval(), 1300);

    splash->Timer1_Timer();
    EXPECT_FALSE(Formulario<Inicio>::Cargado());
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    EXPECT_FALSE(Formulario<Configurar>::Cargado());
}

TEST_F(Arranque, AConnectionGivenUpStillEndsTheLogWithOk)
{
    escribirConfig(entorno.carpeta(), RegConfig{0, QStringLiteral("127.0.0.1"), QStringLiteral("1"), QString()});
    Main();
    Inicio* splash = Formulario<Inicio>::SiCargado();
    splash->Timer2_Timer(); // the scripted dialogs answer No to the retry prompt
    EXPECT_FALSE(BaseConectada);
    EXPECT_EQ(EstadoLogin, 1);
    EXPECT_EQ(log(splash, 1), QStringLiteral("Iniciando conexión. . . - OK!"));
    EXPECT_TRUE(splash->Timer1()->isActive());
}

TEST_F(Arranque, AnAddressMissingOpensTheConfigurationAndTheSplashClosesWithoutConnecting)
{
    escribirConfig(entorno.carpeta(), RegConfig{0, QString(), QStringLiteral("15000"), QString()});
    Main();
    Inicio* splash = Formulario<Inicio>::SiCargado();
    ASSERT_TRUE(Formulario<Configurar>::Cargado());
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("VersionRev"))->text(), QStringLiteral("Versión 0.0"));
    splash->Timer2_Timer();
    EXPECT_FALSE(Formulario<Inicio>::Cargado());
    EXPECT_TRUE(Formulario<Configurar>::Cargado());
    EXPECT_FALSE(BaseConectada);
    EXPECT_TRUE(entorno.dialogos->mostrados.isEmpty());
}

TEST_F(Arranque, AMissingFileOpensTheConfiguration)
{
    Main();
    EXPECT_TRUE(Formulario<Configurar>::Cargado());
}

TEST_F(Arranque, ATemporaryFolderThatCannotBeMadeIsLoggedAndStartUpGoesOn)
{
    escribirConfig(entorno.carpeta(), RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()});
    QFile estorbo(entorno.carpeta() + QStringLiteral("/temp"));
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly)); // a file where the folder should be
    estorbo.close();
    Main();
    Formulario<Inicio>::SiCargado()->Timer2_Timer();
    const QStringList l = entorno.errLog().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[2].mid(21), QStringLiteral(" - Error de acceso a la carpeta: ") + entorno.carpeta());
    EXPECT_TRUE(BaseConectada);
    EXPECT_TRUE(entorno.dialogos->mostrados.isEmpty());
}

TEST_F(Arranque, TheLogoFallsBackToTheSparePicture)
{
    escribirConfig(entorno.carpeta(), RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()});
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(entorno.carpeta() + QStringLiteral("/NoLogos.veqo"), "PNG"));
    Main();
    EXPECT_FALSE(Formulario<Inicio>::SiCargado()->CargarLogo().isNull());
}

TEST_F(Arranque, TheLogAddsLinesOnTopAndAppendsToTheNewest)
{
    escribirConfig(entorno.carpeta(), RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()});
    Main();
    Inicio* s = Formulario<Inicio>::SiCargado();
    s->AdInLog(QStringLiteral("uno"), false);
    s->AdInLog(QStringLiteral("dos"), false);
    s->AdInLog(QStringLiteral("tres"), false);
    s->AdInLog(QStringLiteral("más"), true);
    EXPECT_EQ(log(s, 0), QStringLiteral("tres - más"));
    EXPECT_EQ(log(s, 1), QStringLiteral("dos"));
    EXPECT_EQ(log(s, 2), QStringLiteral("uno"));
}
