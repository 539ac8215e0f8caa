#include "AtPrinc.h"
#include "AbmMotivo.h"
#include "AgregarCat.h"
#include "AltaUsr.h"
#include "Ayuda.h"
#include "BarraVer.h"
#include "Bsnue.h"
#include "CambiarPass.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "DetallesL.h"
#include "FUsuarios.h"
#include "FResolucion.h"
#include "F_Abrir.h"
#include "FechasPeriodo.h"
#include "Formularios.h"
#include "Login.h"
#include "MenAb.h"
#include "MenuSecA.h"
#include "PCarga.h"
#include "Registros.h"
#include "Relaciones.h"
#include "Reportes.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

QString haceDias(int dias)
{
    return QDate::currentDate().addDays(-dias).toString(QStringLiteral("dd/MM/yyyy"));
}

int loginsAbiertos()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Login*>(w))
            ++n;
    return n;
}

// The names of the windows on the screen, minimised ones included.
QStringList ventanasEnPantalla()
{
    QStringList nombres;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            nombres << w->objectName();
    return nombres;
}

} // namespace

// The main window of a logged-in user, on both engines.
class PruebaAtPrinc : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        fijarEquipo();
        entrar(3);
    }
    AtPrinc* abrir() { return principal(); }

    // A complaint whose event happened `dias` ago; cerrada -1 means no resolution row.
    void queja(qint32 pid, int dias, int cerrada)
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, causa) VALUES (%1, %2, 1)")
                     .arg(pid)
                     .arg(SqlFecha(haceDias(dias))));
        Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (%1, %2)")
                     .arg(pid)
                     .arg(SqlFecha(haceDias(dias))));
        if (cerrada >= 0)
            FilaResolucion(pid, pid, cerrada);
    }
    QString conectado()
    {
        const QStringList r = LeerFilas(QStringLiteral("SELECT Conectado, PC FROM Registros_Quejas WHERE MAC = "
                                                       "'00:1B:A0:05:FF:0A' AND Usuario = 5"),
                                        2, QStringLiteral(" "));
        return r.isEmpty() ? QStringLiteral("none") : r[0];
    }

    MenuSecA* menu(AtPrinc* w) { return w->findChild<MenuSecA*>(QStringLiteral("MNU")); }
    BarraVer* barra(AtPrinc* w, const char* nombre) { return w->findChild<BarraVer*>(QString::fromLatin1(nombre)); }
    QString periodo(AtPrinc* w) { return w->findChild<QLabel*>(QStringLiteral("LblCm"))->text(); }
    // On the picture: once open, the widened control's centre is the title band, not the button.
    void pulsarBoton(AtPrinc* w)
    {
        QTest::mouseClick(w->findChild<MenAb*>(QStringLiteral("MenAb1")), Qt::LeftButton, {}, QPoint(20, 20));
    }
    // Presses a side-menu item as the user does: opens its section, then presses its picture.
    void pulsarItem(AtPrinc* w, int item)
    {
        auto prop = [&](int i) { return menu(w)->findChild<QToolButton*>(QStringLiteral("Prop%1").arg(i)); };
        if (item == 99 || item == 98) {
            QTest::mouseClick(prop(item == 99 ? 3 : 4), Qt::LeftButton);
            return;
        }
        QTest::mouseClick(prop(item / 3), Qt::LeftButton);
        QTest::mouseClick(menu(w)->findChild<QToolButton*>(QStringLiteral("Sec%1").arg(item)), Qt::LeftButton);
    }
};

TEST_P(PruebaAtPrinc, CaptionNamesTheUserAndLevelAndTheMenusFollowTheLevel)
{
    AtPrinc* w = abrir();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Ostrevia - Pérez, Ana María - Administrador"));
    EXPECT_TRUE(w->findChild<QMenu*>(QStringLiteral("Importar"))->menuAction()->isEnabled());
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->isEnabled());

    for (qint16 nivel : {1, 2}) {
        DescargarVentanas();
        entrar(nivel);
        w = abrir();
        // Also after the search window has switched the main window off and on again.
        for (int vez = 0; vez < 2; ++vez) {
            EXPECT_FALSE(w->findChild<QMenu*>(QStringLiteral("Importar"))->menuAction()->isEnabled()) << nivel;
            EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->isEnabled()) << nivel;
            EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("Salir"))->isEnabled()) << nivel;
            pulsarBoton(w);
            pulsarItem(w, 1);
            ASSERT_TRUE(Formulario<F_Abrir>::Cargado());
            Formulario<F_Abrir>::Descargar();
            ASSERT_TRUE(w->isEnabled());
        }
    }
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Ostrevia - Pérez, Ana María - Usuario Avanzado"));
}

TEST_P(PruebaAtPrinc, MenuButtonFoldsTheSideMenuOnceForEachPress)
{
    AtPrinc* w = abrir();
    EXPECT_FALSE(menu(w)->isVisible());
    pulsarBoton(w);
    EXPECT_TRUE(menu(w)->isVisible());
    pulsarBoton(w);
    EXPECT_FALSE(menu(w)->isVisible());
}

TEST_P(PruebaAtPrinc, BelowLevelTwoCatalogueAndUserItemsAreRefused)
{
    entrar(1);
    AtPrinc* w = abrir();
    pulsarBoton(w);
    for (int item = 3; item <= 7; ++item) {
        pulsarItem(w, item);
        ASSERT_EQ(entorno->dialogos->mostrados.size(), item - 2) << item;
        const CuadroMostrado& c = entorno->dialogos->mostrados.last();
        EXPECT_EQ(c.texto, QStringLiteral("Nivel de usuario insuficiente para realizar modificaciones"));
        EXPECT_EQ(c.titulo, QStringLiteral("Error de permisos"));
        EXPECT_EQ(c.icono, Icono::Informacion);
        EXPECT_TRUE(menu(w)->isVisible()) << "a refused item leaves the side menu open: " << item;
    }
    // The items every level may use still work and fold the menu.
    for (int item : {0, 1, 2, 8}) {
        pulsarItem(w, item);
        EXPECT_FALSE(menu(w)->isVisible()) << item;
        pulsarBoton(w);
    }
    pulsarItem(w, 99);
    EXPECT_FALSE(menu(w)->isVisible());
    ASSERT_TRUE(Formulario<Reportes>::Cargado());
    EXPECT_TRUE(Formulario<Reportes>::SiCargado()->isVisible());
    EXPECT_EQ(entorno->dialogos->mostrados.size(), 5) << "no message beyond the five refusals";
    EXPECT_TRUE(w->isEnabled()) << "the progress window of item 1 gave the window back";
}

TEST_P(PruebaAtPrinc, FromLevelTwoEveryItemFoldsTheSideMenu)
{
    entrar(2);
    AtPrinc* w = abrir();
    for (int item = 0; item <= 8; ++item) {
        pulsarBoton(w);
        ASSERT_TRUE(menu(w)->isVisible());
        pulsarItem(w, item);
        EXPECT_FALSE(menu(w)->isVisible()) << item;
    }
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
}

TEST_P(PruebaAtPrinc, AskingForAnOpenWindowBringsItUpAsItWasEvenMinimised)
{
    AtPrinc* w = abrir();
    const std::pair<int, std::function<QWidget*()>> items[] = {
        {0, [] { return Formulario<Bsnue>::SiCargado(); }},
        {1, [] { return Formulario<F_Abrir>::SiCargado(); }},
        {3, [] { return Formulario<Relaciones>::SiCargado(); }},
        {4, [] { return Formulario<AbmMotivo>::SiCargado(); }},
        {5, [] { return Formulario<AgregarCat>::SiCargado(); }},
        {6, [] { return Formulario<AltaUsr>::SiCargado(); }},
        {7, [] { return Formulario<FUsuarios>::SiCargado(); }},
        {8, [] { return Formulario<CambiarPass>::SiCargado(); }},
        {99, [] { return Formulario<Reportes>::SiCargado(); }},
    };
    for (const auto& [item, ventana] : items) {
        pulsarBoton(w);
        pulsarItem(w, item);
        QWidget* v = ventana();
        ASSERT_NE(v, nullptr) << item;
        v->showMinimized();
        pulsarBoton(w);
        pulsarItem(w, item);
        EXPECT_EQ(ventana(), v) << item;
        EXPECT_FALSE(v->isMinimized()) << item;
        QTRY_COMPARE(QApplication::activeWindow(), v);
    }
    // The search window, which minimises itself on opening a complaint, keeps what it held.
    Formulario<F_Abrir>::SiCargado()->Numero()->setText(QStringLiteral("41"));
    Formulario<F_Abrir>::SiCargado()->showMinimized();
    pulsarBoton(w);
    pulsarItem(w, 1);
    EXPECT_FALSE(Formulario<F_Abrir>::SiCargado()->isMinimized());
    EXPECT_EQ(Formulario<F_Abrir>::SiCargado()->Numero()->text(), QStringLiteral("41"));
    // The registry menu too.
    w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->trigger();
    Formulario<Registros>::SiCargado()->showMinimized();
    w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->trigger();
    EXPECT_FALSE(Formulario<Registros>::SiCargado()->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), Formulario<Registros>::SiCargado());
}

TEST_P(PruebaAtPrinc, NoItemPressedYetDoesNothing)
{
    AtPrinc* w = abrir();
    pulsarBoton(w);
    w->MNU_Presionado(); // the side menu reports -1 before its first press
    EXPECT_TRUE(menu(w)->isVisible());
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
}

TEST_P(PruebaAtPrinc, ExitQuestionAnsweredNoKeepsTheUserLoggedIn)
{
    AtPrinc* w = abrir();
    pulsarBoton(w);
    entorno->dialogos->Responder(Respuesta::No);
    pulsarItem(w, 98);
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 1);
    const CuadroMostrado& c = entorno->dialogos->mostrados[0];
    EXPECT_EQ(c.texto, QStringLiteral("Esta seguro/a que desea salir?"));
    EXPECT_EQ(c.titulo, QStringLiteral("Salir del sistema"));
    EXPECT_EQ(c.botones, Botones::SiNo);
    EXPECT_EQ(c.icono, Icono::Ninguno);
    EXPECT_TRUE(menu(w)->isVisible());
    EXPECT_TRUE(Formulario<AtPrinc>::Cargado());
    EXPECT_FALSE(Formulario<Login>::Cargado());
}

TEST_P(PruebaAtPrinc, ExitQuestionAnsweredYesLogsOutToOneLoginWindow)
{
    AtPrinc* w = abrir();
    w->TmrOffLine_Timer();
    ASSERT_EQ(conectado(), QStringLiteral("1 PUESTO-07"));
    Formulario<Reportes>::Obtener()->show();
    Formulario<DetallesL>::Obtener()->show();
    // "Nuevo reclamo" and its help: nothing of the session may outlive it.
    pulsarBoton(w);
    pulsarItem(w, 0);
    ASSERT_TRUE(Formulario<Bsnue>::Cargado());
    Formulario<Ayuda>::Obtener()->show();
    pulsarBoton(w);
    entorno->dialogos->Responder(Respuesta::Si);
    pulsarItem(w, 98);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(Formulario<AtPrinc>::Cargado());
    EXPECT_FALSE(Formulario<Reportes>::Cargado());
    EXPECT_FALSE(Formulario<DetallesL>::Cargado());
    EXPECT_FALSE(Formulario<Bsnue>::Cargado());
    EXPECT_FALSE(Formulario<Ayuda>::Cargado());
    EXPECT_EQ(ventanasEnPantalla(), QStringList{QStringLiteral("Login")});
    EXPECT_EQ(loginsAbiertos(), 1);
    ASSERT_TRUE(Formulario<Login>::Cargado());
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    EXPECT_EQ(conectado(), QStringLiteral("0 PUESTO-07"));
}

TEST_P(PruebaAtPrinc, SalirShowsTheLoginFirstAndEndsWithExactlyOneLoginWindow)
{
    AtPrinc* w = abrir();
    Formulario<Registros>::Obtener()->show();
    Formulario<PCarga>::Obtener()->show();
    EXPECT_FALSE(w->isEnabled());
    w->Salir_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(Formulario<AtPrinc>::Cargado());
    EXPECT_FALSE(Formulario<Registros>::Cargado());
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_EQ(loginsAbiertos(), 1);
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(PruebaAtPrinc, ClosingTheWindowIsALogoutToo)
{
    Formulario<Login>::Obtener()->show();
    AtPrinc* w = abrir();
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<AtPrinc>::Cargado());
    EXPECT_EQ(loginsAbiertos(), 1);
    EXPECT_TRUE(Formulario<Login>::SiCargado()->isVisible());
}

TEST_P(PruebaAtPrinc, TheProgressWindowSwitchesTheMainWindowOffAndOn)
{
    AtPrinc* w = abrir();
    Formulario<PCarga>::Obtener()->descripcion(QStringLiteral("Importando"));
    EXPECT_FALSE(w->isEnabled());
    Formulario<PCarga>::Descargar();
    EXPECT_TRUE(w->isEnabled());
}

TEST_P(PruebaAtPrinc, RegistryMenuOpensTheRegistryWindow)
{
    AtPrinc* w = abrir();
    w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->trigger();
    ASSERT_TRUE(Formulario<Registros>::Cargado());
    EXPECT_TRUE(Formulario<Registros>::SiCargado()->isVisible());
}

TEST_P(PruebaAtPrinc, BarsShowTheLastThirtyOneDaysByResolutionState)
{
    queja(1, 0, 1);  // closed
    queja(2, 31, 0); // resolution not closed, on the first day of the period
    queja(3, 5, -1); // no resolution
    queja(4, 32, 1); // before the period
    AtPrinc* w = abrir();
    const QString texto = QStringLiteral("Cantidad de solicitudes cargadas en el periodo entre ") + FechaMesAtras() +
                          QStringLiteral(" hasta ") + FechaHoy() + QStringLiteral(": 3");
    EXPECT_EQ(periodo(w), texto);
    EXPECT_EQ(w->TmrBarr()->interval(), 100);
    EXPECT_TRUE(w->TmrBarr()->isActive());
    EXPECT_EQ(w->TmrOffLine()->interval(), 60000);
    EXPECT_TRUE(w->TmrOffLine()->isActive());
    for (const char* b : {"BV1", "BV2", "BV3"}) {
        EXPECT_EQ(barra(w, b)->Maximo(), 100) << b << ": the bars wait for the timer";
        EXPECT_EQ(barra(w, b)->Actual(), 0) << b;
    }

    w->TmrBarr_Timer();
    EXPECT_FALSE(w->TmrBarr()->isActive()) << "the timer fires once per enabling";
    for (const char* b : {"BV1", "BV2", "BV3"}) {
        BarraVer* x = barra(w, b);
        EXPECT_EQ(x->Maximo(), 3) << b;
        EXPECT_EQ(x->Actual(), 1) << b;
        EXPECT_DOUBLE_EQ(x->Porcentaje(), 33.33) << b;
        EXPECT_EQ(x->ColorBarra(), 0x29E278) << b;
        EXPECT_EQ(x->AltoBarra(), qRound(x->AltoMarco() * 0.3333)) << b;
    }
    EXPECT_EQ(periodo(w), texto);
}

TEST_P(PruebaAtPrinc, BarsFollowEachStateCountAndStayWhenThePeriodIsEmpty)
{
    AtPrinc* w = abrir();
    EXPECT_TRUE(periodo(w).endsWith(QStringLiteral(": 0")));
    w->TmrBarr_Timer();
    for (const char* b : {"BV1", "BV2", "BV3"}) {
        EXPECT_EQ(barra(w, b)->Maximo(), 0) << b;
        EXPECT_EQ(barra(w, b)->ColorBarra(), 0x42E02C) << b << ": a total of 0 leaves the load values";
        EXPECT_EQ(barra(w, b)->AltoBarra(), qRound(barra(w, b)->AltoMarco() / 100.0)) << b;
    }

    queja(1, 1, -1);
    queja(2, 2, -1);
    queja(3, 3, -1);
    queja(4, 4, 0);
    // The case window re-arms the timer when it closes.
    w->TmrBarr()->start();
    w->TmrBarr_Timer();
    EXPECT_EQ(barra(w, "BV3")->Actual(), 3);
    EXPECT_DOUBLE_EQ(barra(w, "BV3")->Porcentaje(), 75);
    EXPECT_EQ(barra(w, "BV3")->ColorBarra(), 0x28C2E3);
    EXPECT_EQ(barra(w, "BV2")->Actual(), 1);
    EXPECT_EQ(barra(w, "BV2")->ColorBarra(), 0x29E278);
    EXPECT_EQ(barra(w, "BV1")->Actual(), 0);
    EXPECT_EQ(barra(w, "BV1")->ColorBarra(), 0x42E02C);
    EXPECT_EQ(barra(w, "BV1")->AltoBarra(), qRound(barra(w, "BV1")->AltoMarco() / 100.0))
        << "an empty bar keeps a one-percent sliver";
    EXPECT_TRUE(periodo(w).endsWith(QStringLiteral(": 4")));
}

// The period label at load and the bars 100 ms later show the same figures: one pass over the
// period's complaints serves both; a later refresh counts again.
TEST_P(PruebaAtPrinc, OpeningCountsThePeriodOnceForTheLabelAndTheFirstBars)
{
    if (esPostgres())
        GTEST_SKIP() << "only the local file reports every statement";
    queja(1, 0, 1);
    queja(2, 3, -1);
    AtPrinc* w = nullptr;
    const QStringList sentencias = SentenciasDurante([&] {
        w = abrir();
        w->TmrBarr_Timer();
    });
    EXPECT_EQ(sentencias.filter(QStringLiteral("Lugar_Quejas"), Qt::CaseInsensitive).size(), 1)
        << sentencias.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(periodo(w).endsWith(QStringLiteral(": 2")));
    EXPECT_EQ(barra(w, "BV1")->Actual(), 1);
    EXPECT_EQ(barra(w, "BV3")->Actual(), 1);
    EXPECT_EQ(barra(w, "BV3")->Maximo(), 2);

    queja(3, 1, -1);
    w->RearmarBarras();
    w->TmrBarr_Timer();
    EXPECT_TRUE(periodo(w).endsWith(QStringLiteral(": 3")));
    EXPECT_EQ(barra(w, "BV3")->Actual(), 2);
}

// Another window's list lets events run between its rows; a tick or a click then reads as at any
// other time.
TEST_P(PruebaAtPrinc, TimerTicksRunWhileAnotherWindowsListFills)
{
    queja(1, 0, 1);
    queja(2, 0, -1);
    AtPrinc* w = abrir();
    ASSERT_TRUE(DuranteOtroLlenado([w] {
        w->TmrBarr_Timer();
        w->TmrOffLine_Timer();
    }));
    EXPECT_EQ(barra(w, "BV1")->Maximo(), 2);
    EXPECT_EQ(barra(w, "BV1")->Actual(), 1);
    EXPECT_FALSE(w->TmrBarr()->isActive());
    EXPECT_EQ(conectado(), QStringLiteral("1 PUESTO-07"));
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(PruebaAtPrinc, WindowsThatReadAtLoadOpenWhileAnotherWindowsListFills)
{
    queja(1, 0, -1);
    AtPrinc* w = principalQuieta();
    ASSERT_TRUE(DuranteOtroLlenado([&] {
        pulsarBoton(w);
        pulsarItem(w, 1);
        w->findChild<QAction*>(QStringLiteral("UsuariosCn"))->trigger();
    }));
    EXPECT_EQ(entorno->terminaciones, 0) << "a click must not end the program";
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(Formulario<F_Abrir>::Cargado());
    EXPECT_TRUE(Formulario<Registros>::Cargado());
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_TRUE(w->isEnabled());
}

// The resolution window is the one window whose close the user may refuse: its question comes before
// anything is unloaded, and a refusal keeps the whole session, through every way out.
TEST_P(PruebaAtPrinc, TheLogoutAsksTheResolutionWindowFirstAndHappensWholeOrNotAtAll)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, Apellido, Nombres) VALUES (42, 'Gómez', 'Lucía')"));
    const QString pregunta = QStringLiteral("Desea guardar los cambios sin solucionar el llamado?");
    enum class Salida { Cierre, Salir, MenuLateral };
    enum class Respuestas { Cancelar, SiRechazado, No, SiGuardado };
    for (Salida salida : {Salida::Cierre, Salida::Salir, Salida::MenuLateral}) {
        for (Respuestas r : {Respuestas::Cancelar, Respuestas::SiRechazado, Respuestas::No, Respuestas::SiGuardado}) {
            const std::string caso = "way out " + std::to_string(int(salida)) + ", answer " + std::to_string(int(r));
            QPointer<AtPrinc> w = principalQuieta();
            w->TmrOffLine_Timer();
            Formulario<VisAtte>::Obtener()->Cargar_Reclamo(42);
            Pulsar<VisAtte>("Resolucion");
            QPointer<FResolucion> resolucion = Formulario<FResolucion>::SiCargado();
            ASSERT_TRUE(resolucion) << caso;
            ControlDe<FResolucion, QPlainTextEdit>("Detalle")->setPlainText(QStringLiteral("Pasajero compensado"));
            ControlDe<FResolucion, QLineEdit>("MontoI")->setText(r == Respuestas::SiRechazado ? QStringLiteral("abc")
                                                                                              : QStringLiteral("150"));
            entorno->dialogos->mostrados.clear();

            if (salida == Salida::MenuLateral)
                entorno->dialogos->Responder(Respuesta::Si);
            entorno->dialogos->Responder(r == Respuestas::Cancelar ? Respuesta::Cancelar
                                         : r == Respuestas::No     ? Respuesta::No
                                                                   : Respuesta::Si);
            switch (salida) {
            case Salida::Cierre: CerrarComoElSistema(w); break;
            case Salida::Salir: w->findChild<QAction*>(QStringLiteral("Salir"))->trigger(); break;
            case Salida::MenuLateral:
                pulsarBoton(w);
                pulsarItem(w, 98);
                break;
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(std::any_of(mostrados().begin(), mostrados().end(), [&](const CuadroMostrado& c) {
                return c.texto == pregunta;
            })) << caso;

            if (r == Respuestas::Cancelar || r == Respuestas::SiRechazado) {
                ASSERT_TRUE(w) << caso;
                EXPECT_TRUE(w->isVisible() && w->isEnabled()) << caso;
                EXPECT_FALSE(Formulario<Login>::Cargado()) << caso;
                ASSERT_TRUE(resolucion) << caso;
                EXPECT_TRUE(resolucion->isVisible()) << caso;
                EXPECT_EQ((ControlDe<FResolucion, QPlainTextEdit>("Detalle")->toPlainText()),
                          QStringLiteral("Pasajero compensado"))
                    << caso;
                EXPECT_TRUE(Formulario<VisAtte>::SiCargado() && Formulario<VisAtte>::SiCargado()->isVisible()) << caso;
                EXPECT_EQ(UsuarioActual.Pid, 5) << caso;
                EXPECT_EQ(conectado(), QStringLiteral("1 PUESTO-07")) << caso;
                EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas")), 0) << caso;
                // The session goes on: the user leaves it later, without saving.
                entorno->dialogos->Responder(Respuesta::No);
                Formulario<AtPrinc>::Descargar();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                EXPECT_EQ(ventanasEnPantalla(), QStringList{QStringLiteral("Login")}) << caso;
                EXPECT_EQ(loginsAbiertos(), 1) << caso;
                EXPECT_EQ(conectado(), QStringLiteral("0 PUESTO-07")) << caso;
                EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas WHERE Usuario = 5")),
                          r == Respuestas::SiGuardado ? 1 : 0)
                    << caso;
            }
            EXPECT_FALSE(Formulario<AtPrinc>::Cargado()) << caso;
            Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas"));
            Formulario<Login>::Descargar();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

INSTANCIAR_EN_MOTORES(PruebaAtPrinc);
