#include "Bsnue.h"

#include "AtPrinc.h"
#include "Ayuda.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "F_Abrir.h"
#include "F_Nuevo.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "MenuSecA.h"
#include "Quejas.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolButton>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

} // namespace

// The DNI lookup and its help window, on both engines, over the earlier complaints of two
// claimants whose DNIs share digits.
class VentanaBsnue : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        FilaQueja(1, QStringLiteral("05/03/2024"), QStringLiteral("García"), QStringLiteral("Juan Carlos"),
                  QStringLiteral("30111222"));
        FilaQueja(2, QStringLiteral("20/03/2024"), QStringLiteral("García"), QStringLiteral("Juan Carlos"),
                  QStringLiteral("30111222"));
        FilaQueja(3, QStringLiteral("10/03/2024"), QStringLiteral("Benítez"), QString(), QStringLiteral("27111222"));
        FilaQueja(4, QStringLiteral("11/03/2024"), QStringLiteral("Ibáñez"), QStringLiteral("Carla"),
                  QStringLiteral("18999000"));
    }

    Bsnue* abrir()
    {
        Bsnue* w = Formulario<Bsnue>::Obtener();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    Bsnue* ventana() { return Formulario<Bsnue>::SiCargado(); }
    QLineEdit* dni() { return ventana()->findChild<QLineEdit*>(QStringLiteral("DNI")); }
    GrillaTabla* grilla() { return ventana()->findChild<GrillaTabla*>(QStringLiteral("Quejas_Abiertas")); }
    QPushButton* boton(const char* nombre) { return ventana()->findChild<QPushButton*>(QString::fromLatin1(nombre)); }
    void pulsar(const char* nombre) { QTest::mouseClick(boton(nombre), Qt::LeftButton); }

    void buscar(const QString& texto) { EscribirYEnter(dni(), texto); }
    QStringList numeros() { return ColumnaDeGrilla(*grilla()); }
    void clicFila(int fila) { ClicCelda(grilla(), fila, 1); }
    void dobleClicFila(int fila) { DobleClicCelda(grilla(), fila, 1); }

    QLineEdit* campo(const char* nombre)
    {
        return Formulario<F_Nuevo>::SiCargado()->findChild<QLineEdit*>(QString::fromLatin1(nombre));
    }
    QComboBox* lista(const char* nombre)
    {
        return Formulario<F_Nuevo>::SiCargado()->findChild<QComboBox*>(QString::fromLatin1(nombre));
    }
    QString ayudaTitulo() { return Formulario<Ayuda>::SiCargado()->Titulo(); }
    QString ayudaTexto() { return Formulario<Ayuda>::SiCargado()->Texto(); }
};

TEST_P(VentanaBsnue, EnterListsTheEarlierComplaintsWhoseDniContainsTheText)
{
    abrir();
    EXPECT_EQ(ventana()->windowTitle(), QStringLiteral("Nuevo reclamo"));
    buscar(QStringLiteral("111222"));
    // Newest reception first.
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
    EXPECT_EQ(grilla()->TextMatrix(1, 3), QStringLiteral("García, Juan Carlos"));
    EXPECT_EQ(grilla()->TextMatrix(1, 4), QStringLiteral("30111222"));
    EXPECT_TRUE(grilla()->isVisible());
    EXPECT_TRUE(dni()->isEnabled());
    EXPECT_TRUE(boton("Nuevo")->isEnabled());
    EXPECT_TRUE(boton("BAyuda")->isEnabled());
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanaBsnue, InTheProgramsFontTheListShowsItsDatesWhole)
{
    AplicacionDelPrograma programa;
    FilaQueja(5, QStringLiteral("09/12/2026"), QStringLiteral("Díaz"), QStringLiteral("Ema"),
              QStringLiteral("30111999"));
    abrir();
    buscar(QStringLiteral("30111999"));
    ASSERT_EQ(grilla()->TextMatrix(1, 1), QStringLiteral("09/12/2026"));
    // The room a cell gives its text: the column less the grid line and the style's text margins.
    const int margen = grilla()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grilla()) + 1;
    for (int c : {1, 2}) {
        const QString texto = grilla()->TextMatrix(1, c);
        const int sitio = grilla()->columnWidth(c) - 1 - 2 * margen;
        EXPECT_EQ(grilla()->fontMetrics().elidedText(texto, Qt::ElideRight, sitio), texto)
            << texto.toStdString() << " in " << sitio << " pixels";
    }
}

TEST_P(VentanaBsnue, AWindowThatWouldStickOutOfTheScreenOpensInsideIt)
{
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    Bsnue* w = Formulario<Bsnue>::Obtener();
    // Where a window manager may put it: most of it below and right of the screen's edge.
    w->move(zona.right() - 120, zona.bottom() - 60);
    w->show();
    EXPECT_TRUE(zona.contains(w->frameGeometry())) << w->frameGeometry().x() << "," << w->frameGeometry().y();

    // Larger than the screen: made to fit it.
    w->hide();
    w->resize(zona.width() + 300, zona.height() + 200);
    w->show();
    EXPECT_TRUE(zona.contains(w->frameGeometry())) << w->frameGeometry().width() << "x" << w->frameGeometry().height();
}

TEST_P(VentanaBsnue, UnknownDniShowsOnlyTheHeaderAndKeepsTheWindowOpen)
{
    abrir();
    buscar(QStringLiteral("111222"));
    buscar(QStringLiteral("40000000"));
    EXPECT_EQ(grilla()->Rows(), 1);
    EXPECT_TRUE(grilla()->isVisible());
    EXPECT_TRUE(boton("Nuevo")->isEnabled());
    EXPECT_TRUE(Formulario<Bsnue>::Cargado());
}

TEST_P(VentanaBsnue, EnterWithoutDniRunsNoSearchAndHidesTheList)
{
    abrir();
    buscar(QStringLiteral("111222"));
    buscar(QString());
    EXPECT_EQ(grilla()->Rows(), 1);
    EXPECT_FALSE(grilla()->isVisible());
    EXPECT_TRUE(dni()->isEnabled());
}

TEST_P(VentanaBsnue, AbrirNuevoCopiesTheChosenClaimantIntoTheEntryForm)
{
    AtPrinc* p = principalQuieta();
    abrir();
    buscar(QStringLiteral("111222"));
    clicFila(3);
    pulsar("Nuevo");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<Bsnue>::Cargado());
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    EXPECT_EQ(campo("DNI")->text(), QStringLiteral("30111222"));
    EXPECT_EQ(campo("Apellido")->text(), QStringLiteral("García"));
    EXPECT_EQ(campo("Nombres")->text(), QStringLiteral("Juan Carlos"));
    EXPECT_EQ(campo("Fecha")->text(), kHoy);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(campo("Hora")->text()).hasMatch());
    EXPECT_EQ(Formulario<F_Nuevo>::SiCargado()->focusWidget(), campo("Domicilio"));
    EXPECT_FALSE(p->isEnabled());
}

TEST_P(VentanaBsnue, AbrirNuevoShowsALongClaimantFromTheStartOfEachBox)
{
    FilaQueja(5, QStringLiteral("12/03/2024"), QStringLiteral("Fernández de la Cruz y Goñi Echeverría"),
              QStringLiteral("María Fernanda Guadalupe del Rosario"), QStringLiteral("41234567"));
    abrir();
    buscar(QStringLiteral("41234567"));
    clicFila(1);
    pulsar("Nuevo");
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(campo("Apellido")->text(), QStringLiteral("Fernández de la Cruz y Goñi Echeverría"));
    EXPECT_GT(campo("Apellido")->fontMetrics().horizontalAdvance(campo("Apellido")->text()),
              campo("Apellido")->width());
    EXPECT_EQ(CajasSinSuInicio(Formulario<F_Nuevo>::SiCargado(),
                               {QStringLiteral("DNI"), QStringLiteral("Apellido"), QStringLiteral("Nombres")}),
              "");
}

// "Abrir nuevo" copies the row the list shows as current, whether it is the one the search left
// marked or one reached with the arrow keys.
TEST_P(VentanaBsnue, AbrirNuevoCopiesTheRowMarkedInTheList)
{
    abrir();
    buscar(QStringLiteral("111222"));
    ASSERT_EQ(numeros(), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
    EXPECT_EQ(grilla()->currentRow(), 3);

    grilla()->setFocus();
    QTest::keyClick(grilla(), Qt::Key_Up);
    ASSERT_EQ(grilla()->currentRow(), 2);
    pulsar("Nuevo");
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    EXPECT_EQ(campo("Apellido")->text(), QStringLiteral("Benítez"));
    EXPECT_EQ(campo("DNI")->text(), QStringLiteral("27111222"));
}

TEST_P(VentanaBsnue, ANameWithoutCommaFillsOnlyTheSurname)
{
    abrir();
    buscar(QStringLiteral("27111"));
    ASSERT_EQ(numeros(), QStringList{QStringLiteral("3")});
    // The stored name has no given names: the cell reads "Benítez, ".
    clicFila(1);
    pulsar("Nuevo");
    EXPECT_EQ(campo("Apellido")->text(), QStringLiteral("Benítez"));
    EXPECT_TRUE(campo("Nombres")->text().isEmpty());
    EXPECT_EQ(campo("DNI")->text(), QStringLiteral("27111222"));
}

TEST_P(VentanaBsnue, AbrirNuevoWithoutAComplaintRowStartsFromTheTypedDni)
{
    abrir();
    buscar(QStringLiteral("40000000"));
    pulsar("Nuevo");
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    EXPECT_EQ(campo("DNI")->text(), QStringLiteral("40000000"));
    EXPECT_TRUE(campo("Apellido")->text().isEmpty());
    EXPECT_TRUE(campo("Nombres")->text().isEmpty());
    EXPECT_EQ(campo("Fecha")->text(), kHoy);
}

TEST_P(VentanaBsnue, DoubleClickOpensTheComplaintInTheSearchWindowAndKeepsTheMainWindowOff)
{
    AtPrinc* p = principalQuieta();
    abrir();
    buscar(QStringLiteral("111222"));
    dobleClicFila(2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<Bsnue>::Cargado());
    ASSERT_TRUE(Formulario<F_Abrir>::Cargado());
    F_Abrir* a = Formulario<F_Abrir>::SiCargado();
    EXPECT_EQ(a->Numero()->text(), QStringLiteral("3"));
    EXPECT_EQ(a->findChild<QLabel*>(QStringLiteral("Datos2"))->text(), QStringLiteral("Benítez"));
    EXPECT_TRUE(a->findChild<QPushButton*>(QStringLiteral("Abrir"))->isEnabled());
    EXPECT_FALSE(p->isEnabled());
    Formulario<F_Abrir>::Descargar();
    EXPECT_TRUE(p->isEnabled());
}

TEST_P(VentanaBsnue, DoubleClickOnTheHeaderRowOpensNothing)
{
    abrir();
    buscar(QStringLiteral("111222"));
    dobleClicFila(0);
    EXPECT_TRUE(Formulario<Bsnue>::Cargado());
    EXPECT_FALSE(Formulario<F_Abrir>::Cargado());
}

// Another window's list lets events run between its rows; a search or a window opened then runs
// as at any other time.
TEST_P(VentanaBsnue, SearchesAndTheEntryFormRunWhileAnotherWindowsListFills)
{
    abrir();
    buscar(QStringLiteral("111222"));
    ASSERT_TRUE(DuranteOtroLlenado([this] { buscar(QStringLiteral("18999")); }));
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("4")});

    ASSERT_TRUE(DuranteOtroLlenado([this] { pulsar("Nuevo"); }));
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    EXPECT_EQ(campo("DNI")->text(), QStringLiteral("18999000"));
    EXPECT_EQ(Items(lista("Motivo_rec")), QStringList{QStringLiteral("0 - Reclamo general")})
        << "the form read its lists";
    EXPECT_FALSE(Formulario<Bsnue>::Cargado());
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(VentanaBsnue, HelpModeExplainsTheNextControlClickedAndThenEnds)
{
    abrir();
    pulsar("BAyuda");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Haga click en un contról para recibir ayuda del mismo o en el "
                                             "formulario para toda la ayuda"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));
    EXPECT_TRUE(ventana()->ModoAyuda());

    pulsar("Nuevo");
    EXPECT_FALSE(Formulario<F_Nuevo>::Cargado());
    ASSERT_TRUE(Formulario<Ayuda>::Cargado());
    EXPECT_TRUE(Formulario<Ayuda>::SiCargado()->isVisible());
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Lista de antecedentes por DNI."));
    EXPECT_TRUE(ayudaTexto().startsWith(QStringLiteral("Haga click aqui para abrir un nuevo reclamo")));
    EXPECT_FALSE(ventana()->ModoAyuda());

    // Outside help mode clicks on the box do nothing and the button opens the form.
    QTest::mouseClick(dni(), Qt::LeftButton);
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Lista de antecedentes por DNI."));
    pulsar("Nuevo");
    EXPECT_TRUE(Formulario<F_Nuevo>::Cargado());
}

TEST_P(VentanaBsnue, EachControlAndTheWindowHaveTheirTopic)
{
    abrir();
    buscar(QStringLiteral("111222"));
    pulsar("BAyuda");
    QTest::mouseClick(dni(), Qt::LeftButton);
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Texto de carga de DNI"));
    EXPECT_EQ(ayudaTexto().count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(ayudaTexto().endsWith(QStringLiteral("Si se encuentran datos se mostrarán en la lista de abajo.")));

    pulsar("BAyuda");
    clicFila(1);
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Lista de antecedentes por DNI."));
    EXPECT_EQ(ayudaTexto(),
              QStringLiteral("Esta lista se puede utilizar de 2 modos:\n\n1 - Haciendo doble click sobre un elemento "
                             "se abrirá el formulario de apertura de reclamos   ...o... \n\n2 - haciendo un click en "
                             "un elemento de la lista y presionando 'Abrir Nuevo' se cargarán autómaticamente los "
                             "datos a un formulario para abrir un nuevo\nreclamo."));

    pulsar("BAyuda");
    // A press on the window's background, away from every control.
    QTest::mouseClick(ventana(), Qt::LeftButton, {}, QPoint(2, ventana()->height() - 2));
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Formulario para creación de reclamo"));
    EXPECT_TRUE(ayudaTexto().contains(QStringLiteral("de existir se cargará una lista de denuncias")));
    EXPECT_TRUE(ayudaTexto().endsWith(QStringLiteral("para abrir un nuevo reclamo.")));
    EXPECT_FALSE(ventana()->ModoAyuda());
}

TEST_P(VentanaBsnue, HelpOnTheListAlsoAnswersAClickBelowItsRows)
{
    abrir();
    pulsar("BAyuda");
    // Before any search the list holds only its header: the click lands on its empty part.
    QTest::mouseClick(grilla()->viewport(), Qt::LeftButton, {}, QPoint(10, grilla()->viewport()->height() - 5));
    ASSERT_TRUE(Formulario<Ayuda>::Cargado());
    EXPECT_EQ(ayudaTitulo(), QStringLiteral("Lista de antecedentes por DNI."));
    EXPECT_TRUE(ayudaTexto().startsWith(QStringLiteral("Esta lista se puede utilizar de 2 modos:")));
    EXPECT_FALSE(ventana()->ModoAyuda());

    // Help mode is over: "Abrir nuevo" acts again.
    pulsar("Nuevo");
    EXPECT_TRUE(Formulario<F_Nuevo>::Cargado());
}

TEST_P(VentanaBsnue, HelpForAnotherWindowOrTopicKeepsThePreviousText)
{
    Ayuda* a = Formulario<Ayuda>::Obtener();
    a->Cargar_Ayuda(QStringLiteral("bsnue"), 0);
    a->Cargar_Ayuda(QStringLiteral("bsnue"), 4);
    a->Cargar_Ayuda(QStringLiteral("Bsnue"), 1);
    a->Cargar_Ayuda(QStringLiteral("lugar"), 2);
    EXPECT_EQ(a->Titulo(), QStringLiteral("Texto de carga de DNI"));
    EXPECT_TRUE(a->isVisible());
}

// The road of a new complaint from the main window's side menu to the case window.
TEST_P(VentanaBsnue, NewComplaintFromTheSideMenuEndsInTheCaseWindow)
{
    Ejecutar(QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Telefónico')"));
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (1, 'Demora', 0)"));
    Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (1, 'Sin empresa', ''), "
                            "(4, 'Autotransportes del Litoral S.A.', '30-71145820-0')"));
    AtPrinc* p = principalQuieta();
    MenuSecA* menu = p->findChild<MenuSecA*>(QStringLiteral("MNU"));
    menu->show();
    QTest::mouseClick(menu->findChild<QToolButton*>(QStringLiteral("Prop0")), Qt::LeftButton);
    QTest::mouseClick(menu->findChild<QToolButton*>(QStringLiteral("Sec0")), Qt::LeftButton);
    ASSERT_TRUE(Formulario<Bsnue>::Cargado());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana()));

    buscar(QStringLiteral("30111222"));
    ASSERT_EQ(numeros(), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    clicFila(1);
    pulsar("Nuevo");
    ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    EXPECT_FALSE(p->isEnabled());

    F_Nuevo* f = Formulario<F_Nuevo>::SiCargado();
    QTest::keyClicks(campo("Domicilio"), QStringLiteral("San Martin 455"));
    QTest::keyClicks(campo("Telefono"), QStringLiteral("0341 4215566"));
    auto elegir = [&](const char* nombre, int indice) { Elegir(lista(nombre), indice); };
    elegir("Tipo_Rec", 0);
    elegir("Motivo_rec", 0);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Guardar")), Qt::LeftButton);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Seleccione una causa de llamado"));
    elegir("Causa_rec", 0);
    elegir("CmbEmpresa", 0);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Guardar")), Qt::LeftButton);

    EXPECT_EQ(ultimo().texto, QStringLiteral("Se ha ingresado el reclamo con Nro: 5"));
    ASSERT_TRUE(Formulario<VisAtte>::Cargado());
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->NumeroCargado(), 5);
    EXPECT_FALSE(Formulario<F_Nuevo>::Cargado());
    EXPECT_TRUE(p->isEnabled());
    const RegQueja q = GetQueja(5);
    EXPECT_EQ(q.Apellido, QStringLiteral("García"));
    EXPECT_EQ(q.Nombres, QStringLiteral("Juan Carlos"));
    EXPECT_EQ(q.DNI, QStringLiteral("30111222"));
    EXPECT_EQ(q.fecha_queja, kHoy);
    EXPECT_EQ(q.Domicilio, QStringLiteral("San Martin 455"));
    EXPECT_EQ(q.Empresa.PID, 4);
    EXPECT_EQ(q.causa, 1);
}

INSTANCIAR_EN_MOTORES(VentanaBsnue);
