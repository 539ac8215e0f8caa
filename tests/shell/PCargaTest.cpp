#include "PCarga.h"
#include "Formularios.h"
#include "Principal.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

// A stand-in main window switched through the main-window interface.
class PCargaTest : public ::testing::Test, public Principal
{
protected:
    void SetUp() override { VentanaPrincipal::Instalar(this); }
    void TearDown() override
    {
        Formulario<PCarga>::Descargar();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        VentanaPrincipal::Quitar(this);
    }
    void Habilitar(bool habilitada) override
    {
        llamadas << habilitada;
        principal.setEnabled(habilitada);
    }
    void TiempoACero() override {}
    void RearmarBarras() override {}
    void Nuevo_Click() override {}
    void Abrir_Click() override {}
    QString texto(const char* nombre)
    {
        return Formulario<PCarga>::Obtener()->findChild<QLabel*>(QString::fromLatin1(nombre))->text();
    }

    QWidget principal;
    QList<bool> llamadas;
};

TEST_F(PCargaTest, LoadSwitchesTheMainWindowOffAndUnloadOnAgain)
{
    Formulario<PCarga>::Obtener()->Valor(QStringLiteral("Abriendo"));
    EXPECT_FALSE(principal.isEnabled());
    Formulario<PCarga>::Obtener()->show();
    Formulario<PCarga>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(principal.isEnabled());
    EXPECT_EQ(llamadas, QList<bool>({false, true})) << "one switch each way";
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
}

TEST_F(PCargaTest, UnloadEnablesAMainWindowThatAnotherWindowHadSwitchedOff)
{
    principal.setEnabled(false);
    Formulario<PCarga>::Obtener();
    Formulario<PCarga>::Descargar();
    EXPECT_TRUE(principal.isEnabled());
}

TEST_F(PCargaTest, NeverShownWindowStillGivesTheMainWindowBack)
{
    Formulario<PCarga>::Obtener()->descripcion(QStringLiteral("x"));
    delete Formulario<PCarga>::SiCargado();
    EXPECT_TRUE(principal.isEnabled());
    EXPECT_EQ(llamadas, QList<bool>({false, true}));
}

TEST_F(PCargaTest, OperationsWriteTheirLabels)
{
    PCarga* w = Formulario<PCarga>::Obtener();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cargando"));
    w->Valor(QStringLiteral("Abriendo"));
    w->descripcion(QStringLiteral("Abriendo formulario de carga"));
    w->descripcionb(QStringLiteral("Fila 3"));
    EXPECT_EQ(texto("Label1"), QStringLiteral("Cargando . . ."));
    EXPECT_EQ(texto("Label2"), QStringLiteral("Abriendo"));
    EXPECT_EQ(texto("Label3"), QStringLiteral("Abriendo formulario de carga"));
    EXPECT_EQ(texto("Label4"), QStringLiteral("Fila 3"));
}
