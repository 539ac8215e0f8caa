#include "AbmMotivo.h"
#include "AgregarCat.h"
#include "AltaUsr.h"
#include "AtPrinc.h"
#include "CambiarPass.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "FUsuarios.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "Login.h"
#include "MenuSecA.h"
#include "PCarga.h"
#include "Relaciones.h"
#include "VentanaDePrueba.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The administration windows as the main window's side menu opens them and the logout closes them.
class Administracion : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(3);
        FilaMotivo(1, QStringLiteral("Equipaje"));
        FilaCausa(1, QStringLiteral("Demora"));
        Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
                                "(5, 'aperez', 'Ana', 'Pérez', 3, 'Y2xhdmU1')"));
    }
    void item(AtPrinc* w, int n) { w->findChild<MenuSecA*>(QStringLiteral("MNU"))->Sec_Click(n); }
    // Whether each window of items 3 to 8 is loaded, in item order.
    QList<bool> cargadas()
    {
        return {Formulario<Relaciones>::Cargado(), Formulario<AbmMotivo>::Cargado(),
                Formulario<AgregarCat>::Cargado(), Formulario<AltaUsr>::Cargado(),
                Formulario<FUsuarios>::Cargado(),  Formulario<CambiarPass>::Cargado()};
    }
};

TEST_P(Administracion, SideMenuItemsThreeToEightOpenOneWindowEachAndTheLogoutClosesThemAll)
{
    AtPrinc* w = principalQuieta();
    for (int n = 3; n <= 8; ++n)
        item(w, n);
    EXPECT_EQ(cargadas(), QList<bool>(6, true));
    const QWidget* abiertas[] = {Formulario<Relaciones>::SiCargado(), Formulario<AbmMotivo>::SiCargado(),
                                 Formulario<AgregarCat>::SiCargado(), Formulario<AltaUsr>::SiCargado(),
                                 Formulario<FUsuarios>::SiCargado(),  Formulario<CambiarPass>::SiCargado()};
    for (const QWidget* v : abiertas)
        EXPECT_TRUE(v->isVisible()) << v->objectName().toStdString();
    EXPECT_TRUE(w->isEnabled()) << "the reasons window's progress window gave the main window back";
    EXPECT_FALSE(Formulario<PCarga>::Cargado());

    // Asked again, each window comes back as it is: not loaded a second time.
    ControlDe<AgregarCat, QLineEdit>("TxtAgCat")->setText(QStringLiteral("Boletería"));
    for (int n = 3; n <= 8; ++n)
        item(w, n);
    EXPECT_EQ(Formulario<AgregarCat>::SiCargado(), abiertas[2]);
    EXPECT_EQ(Formulario<Relaciones>::SiCargado(), abiertas[0]);
    EXPECT_EQ((ControlDe<AgregarCat, QLineEdit>("TxtAgCat")->text()), QStringLiteral("Boletería"));
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());

    w->Salir_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(cargadas(), QList<bool>(6, false)) << "no user's maintenance window outlives the session";
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

TEST_P(Administracion, ReasonsWindowClosedWhileItFillsGivesTheMainWindowBack)
{
    AtPrinc* w = principalQuieta();
    // The close comes while the progress window lets events run.
    QTimer::singleShot(0, [] { Formulario<AbmMotivo>::Descargar(); });
    AbmMotivo* a = Formulario<AbmMotivo>::Obtener();
    EXPECT_TRUE(!a || a->Descargada());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<AbmMotivo>::Cargado());
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(entorno->terminaciones, 0);

    // Opened again, it loads afresh.
    item(w, 4);
    ASSERT_TRUE(Formulario<AbmMotivo>::Cargado());
    EXPECT_EQ((ControlDe<AbmMotivo, GrillaTabla>("ListaMotivos")->Rows()), 2);
    EXPECT_TRUE(w->isEnabled());
}

INSTANCIAR_EN_MOTORES(Administracion);
