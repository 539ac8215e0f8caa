#include "AbmMotivo.h"
#include "AgregarCat.h"
#include "AltaUsr.h"
#include "AtPrinc.h"
#include "CambiarPass.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "FUsuarios.h"
#include "Formularios.h"
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
    template <typename V, typename T> T* control(const char* nombre)
    {
        return Formulario<V>::SiCargado()->template findChild<T*>(QString::fromLatin1(nombre));
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
    control<AgregarCat, QLineEdit>("TxtAgCat")->setText(QStringLiteral("Boletería"));
    for (int n = 3; n <= 8; ++n)
        item(w, n);
    EXPECT_EQ(Formulario<AgregarCat>::SiCargado(), abiertas[2]);
    EXPECT_EQ(Formulario<Relaciones>::SiCargado(), abiertas[0]);
    EXPECT_EQ((control<AgregarCat, QLineEdit>("TxtAgCat")->text()), QStringLiteral("Boletería"));
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());

    w->Salir_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(cargadas(), QList<bool>(6, false)) << "no user's maintenance window outlives the session";
    EXPECT_TRUE(Formulario<Login>::Cargado());
}

TEST_P(Administracion, WhileAnotherReadHoldsTheResultSetNoWindowReadsOrWrites)
{
    AtPrinc* w = principalQuieta();
    // Another window's list is filling and lets events run with the result set open.
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT PID FROM Motivos_quejas")));
    for (int n = 3; n <= 8; ++n)
        item(w, n);
    EXPECT_EQ(cargadas(), QList<bool>({false, false, false, true, false, true}))
        << "only the windows that read nothing at load open";
    CerrarRs();
    for (int n = 3; n <= 8; ++n)
        item(w, n);
    ASSERT_EQ(cargadas(), QList<bool>(6, true));
    control<AltaUsr, QLineEdit>("Usuario")->setText(QStringLiteral("bpaz"));
    control<AltaUsr, QLineEdit>("Pass0")->setText(QStringLiteral("clave1"));
    control<AltaUsr, QLineEdit>("Pass1")->setText(QStringLiteral("clave1"));
    control<AltaUsr, QLineEdit>("Nombre")->setText(QStringLiteral("Beto"));
    control<AltaUsr, QLineEdit>("Apellido")->setText(QStringLiteral("Paz"));
    control<AltaUsr, QComboBox>("Nivel")->setCurrentIndex(1);
    control<CambiarPass, QLineEdit>("CTANR")->setText(QStringLiteral("clave5"));
    control<CambiarPass, QLineEdit>("CTN1")->setText(QStringLiteral("nueva1"));
    control<CambiarPass, QLineEdit>("CTN2")->setText(QStringLiteral("nueva1"));
    Elegir(control<FUsuarios, QComboBox>("CmbUsuarios"), 0);

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("SELECT PID FROM Motivos_quejas")));
    auto* categoria = control<Relaciones, QComboBox>("Categoria");
    Elegir(categoria, 1);
    EXPECT_EQ(categoria->currentIndex(), -1) << "the combo keeps naming the category the right list shows";
    QTest::mouseClick(control<Relaciones, QPushButton>("Guardar"), Qt::LeftButton);
    auto* nuevaCategoria = control<AgregarCat, QLineEdit>("TxtAgCat");
    EscribirYEnter(nuevaCategoria, QStringLiteral("Boleteria"));
    EXPECT_EQ(nuevaCategoria->text(), QStringLiteral("Boleteria")) << "typing still types";
    EscribirYEnter(control<AbmMotivo, QLineEdit>("TxtAgCat"), QStringLiteral("Olvido"));
    QTest::mouseClick(control<AltaUsr, QPushButton>("Aceptar"), Qt::LeftButton);
    QTest::mouseClick(control<CambiarPass, QPushButton>("CambioPass"), Qt::LeftButton);
    QTest::mouseClick(control<FUsuarios, QPushButton>("Rcon"), Qt::LeftButton);

    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(Rs.Abierto()) << "the other reader's result set is left alone";
    CerrarRs();
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Motivos_quejas")), 2);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Causas_Quejas")), 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Usuarios_Quejas")), 1);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT pass FROM Usuarios_Quejas WHERE Pid = 5")), QStringLiteral("Y2xhdmU1"));
    EXPECT_EQ(cargadas(), QList<bool>(6, true));
}

INSTANCIAR_EN_MOTORES(Administracion);
