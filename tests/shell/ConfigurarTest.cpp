#include "Configurar.h"
#include "Config.h"
#include "Formularios.h"
#include "Login.h"
#include "VentanaDePrueba.h"
#include "VersionSistema.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class VentanaConfigurar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The running version is already recorded, so the login window announces nothing.
        ASSERT_TRUE(VerificarVersion() || VerificarVersion());
        ventana = Formulario<Configurar>::Obtener();
    }
    void TearDown() override { DescargarVentanas(); }
    template <typename T> T* control(const char* nombre) { return ventana->findChild<T*>(QString::fromLatin1(nombre)); }
    QByteArray archivo() const
    {
        QFile f(entorno.carpeta() + QStringLiteral("/Config.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void guardar() { QTest::mouseClick(control<QPushButton>("Actualizar"), Qt::LeftButton); }

    EntornoDePrueba entorno;
    Configurar* ventana = nullptr;
};

TEST_F(VentanaConfigurar, LoadingMinimisesTheLoginWindow)
{
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("Setear IP y Puerto de conexion a BD"));
    EXPECT_EQ(control<QComboBox>("Combo1")->currentIndex(), -1);
    EXPECT_TRUE(control<QLineEdit>("TxSentencia")->text().isEmpty());
}

TEST_F(VentanaConfigurar, SavingTheLocalTypeWritesTheRecordAndShowsTheLogin)
{
    control<QComboBox>("Combo1")->setCurrentIndex(1);
    guardar();
    EXPECT_EQ(archivo(), QByteArray::fromHex("010004004E6F497008004E6F50756572746F0000"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<Configurar>::Cargado());
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    EXPECT_FALSE(Formulario<Login>::SiCargado()->windowState() & Qt::WindowMinimized) << "a fresh login window";
    EXPECT_TRUE(ConfigActual.IP.isEmpty()) << "the new settings wait for the next start";
}

TEST_F(VentanaConfigurar, SavingWithoutChoosingATypeWritesMinusOne)
{
    guardar();
    EXPECT_EQ(archivo(), QByteArray::fromHex("FFFF04004E6F497008004E6F50756572746F0000"));
}

TEST_F(VentanaConfigurar, TheServerTypeKeepsTheTypedTextsAndTheChosenInstance)
{
    control<QComboBox>("Combo1")->setCurrentIndex(0);
    auto* ip = control<QLineEdit>("IP");
    ip->clear();
    QTest::keyClicks(ip, QStringLiteral("10.1.2.3"));
    auto* puerto = control<QLineEdit>("Puerto");
    puerto->clear();
    QTest::keyClicks(puerto, QStringLiteral("5432"));
    auto* comunes = control<QListWidget>("Comunes");
    comunes->setCurrentRow(1);
    ventana->Comunes_Click();
    EXPECT_EQ(control<QLineEdit>("TxSentencia")->text(), QStringLiteral("Lanternix"));
    comunes->setCurrentRow(0);
    ventana->Comunes_Click();
    EXPECT_TRUE(control<QLineEdit>("TxSentencia")->text().isEmpty()) << "-Ninguna- empties the instance";
    comunes->setCurrentRow(1);
    ventana->Comunes_Click();
    guardar();
    RegConfig c;
    ASSERT_TRUE(LeerRegConfig(RutaConfig(), c));
    EXPECT_EQ(c.Tipo, 0);
    EXPECT_EQ(c.IP, QStringLiteral("10.1.2.3"));
    EXPECT_EQ(c.Puerto, QStringLiteral("5432"));
    EXPECT_EQ(c.Sentencia, QStringLiteral("Lanternix"));
}

TEST_F(VentanaConfigurar, AFileThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    QDir().mkpath(entorno.carpeta() + QStringLiteral("/Config.ini")); // a folder in the file's place
    control<QComboBox>("Combo1")->setCurrentIndex(1);
    guardar();
    ASSERT_EQ(entorno.dialogos->mostrados.size(), 1);
    EXPECT_TRUE(entorno.dialogos->mostrados[0].texto.startsWith(QStringLiteral("No se pudo guardar la configuración")));
    EXPECT_TRUE(Formulario<Configurar>::Cargado());
}
