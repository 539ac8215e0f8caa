#include "F_Abrir.h"

#include "AtPrinc.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "PCarga.h"
#include "Sql.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
const QString kPrimeroDelMes = QStringLiteral("01") + QDate::currentDate().toString(QStringLiteral("/MM/yyyy"));

} // namespace

// The search-and-open window, on both engines, over a handful of complaints in every state.
class VentanaF_Abrir : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        fijarEquipo();
        // 1 open, 2 solved, 3 annulled, 4 open with a resolution not closed, 5 open.
        FilaQueja(1, QStringLiteral("05/03/2024"), QStringLiteral("GARCÍA"), QStringLiteral("Juan"),
                  QStringLiteral("30111222"), QStringLiteral("EXP-7781"), QStringLiteral("B-12"));
        FilaQueja(2, QStringLiteral("10/03/2024"), QStringLiteral("Gómez"), QStringLiteral("Laura"),
                  QStringLiteral("27444555"), QString(), QString());
        FilaQueja(3, QStringLiteral("12/03/2024"), QStringLiteral("Núñez"), QStringLiteral("Raúl"),
                  QStringLiteral("20555666"), QString(), QString());
        FilaQueja(4, QStringLiteral("20/03/2024"), QStringLiteral("Garciarena"), QStringLiteral("Sofía"),
                  QStringLiteral("33999111"), QString(), QStringLiteral("A-3"));
        FilaQueja(5, QStringLiteral("02/04/2024"), QStringLiteral("Ibáñez"), QStringLiteral("Carla"),
                  QStringLiteral("18222333"), QStringLiteral("CNRT 55/24"), QString());
        FilaResolucion(2, 2, 1, 0);
        FilaResolucion(3, 3, 0, 1);
        FilaResolucion(4, 4, 0, 0);
        comprobante(1, QStringLiteral("000123-4567"), QString(), QString(), 1, 1);
        comprobante(2, QStringLiteral("EQ-889"), QString(), QString(), 2, 4);
        comprobante(3, QStringLiteral("A"), QStringLiteral("0012"), QStringLiteral("00045678"), 3, 5);
        comprobante(4, QStringLiteral("B"), QStringLiteral("0099"), QStringLiteral("00011111"), 3, 1);
    }

    void comprobante(qint32 pid, const QString& t1, const QString& t2, const QString& t3, int tipo, qint32 queja)
    {
        Ejecutar(QStringLiteral("INSERT INTO Comprobantes_Quejas (PID, T1, T2, T3, Tipo, NrQueja) VALUES (") +
                 SqlEntero(pid) + QStringLiteral(", ") + SqlTexto(t1) + QStringLiteral(", ") + SqlTexto(t2) +
                 QStringLiteral(", ") + SqlTexto(t3) + QStringLiteral(", ") + SqlEntero(tipo) + QStringLiteral(", ") +
                 SqlEntero(queja) + QStringLiteral(")"));
    }

    F_Abrir* abrir()
    {
        F_Abrir* w = Formulario<F_Abrir>::Obtener();
        w->show();
        return w;
    }
    F_Abrir* ventana() { return Formulario<F_Abrir>::SiCargado(); }
    template <typename T> T* control(const QString& nombre) { return ventana()->findChild<T*>(nombre); }
    QLineEdit* caja(const char* nombre) { return control<QLineEdit>(QString::fromLatin1(nombre)); }
    GrillaTabla* grilla() { return control<GrillaTabla>(QStringLiteral("Quejas_Abiertas")); }
    QString dato(int i) { return control<QLabel>(QStringLiteral("Datos%1").arg(i))->text(); }
    QPushButton* boton(const char* nombre) { return control<QPushButton>(QString::fromLatin1(nombre)); }
    void pulsar(const char* nombre) { QTest::mouseClick(boton(nombre), Qt::LeftButton); }
    bool visible(const char* nombre) { return !control<QWidget>(QString::fromLatin1(nombre))->isHidden(); }

    // The complaint numbers listed, top to bottom.
    QStringList numeros() { return ColumnaDeGrilla(*grilla()); }
    void escribir(const char* nombre, const QString& texto)
    {
        caja(nombre)->clear();
        // The test keyboard types ASCII only; other letters arrive as typed text.
        bool ascii = true;
        for (QChar c : texto)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(caja(nombre), texto);
        else
            caja(nombre)->insert(texto);
    }
    void buscarCampo(int opcion, const QString& texto)
    {
        pulsar("CmdMF");
        if (opcion >= 0)
            control<QRadioButton>(QStringLiteral("Seleccion%1").arg(opcion))->setChecked(true);
        escribir("Tbusqueda", texto);
        pulsar("CmdBuscar");
    }
    void buscarNumero(const QString& texto)
    {
        escribir("Numero", texto);
        QTest::keyClick(caja("Numero"), Qt::Key_Return);
    }
    // On the box itself: the check box only reacts on its indicator and caption.
    void marcarVfin()
    {
        auto* c = control<QCheckBox>(QStringLiteral("Vfin"));
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
    }
};

TEST_P(VentanaF_Abrir, LoadListsOpenComplaintsNewestFirstAndSetsTheDateRange)
{
    abrir();
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("1")}));
    EXPECT_EQ(grilla()->TextMatrix(0, 3), QStringLiteral("Ape y nom"));
    EXPECT_EQ(caja("Hasta")->text(), kHoy);
    EXPECT_EQ(caja("Desde")->text(), kPrimeroDelMes);
    EXPECT_FALSE(boton("Abrir")->isEnabled());
    EXPECT_FALSE(visible("FrmOB"));
    EXPECT_FALSE(visible("FrmeBoE"));
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanaF_Abrir, OpenedFromTheMainWindowLeavesItOnWhileOpenedDirectlyKeepsItOffUntilUnload)
{
    AtPrinc* w = principalQuieta();
    w->Abrir_Click();
    ASSERT_TRUE(Formulario<F_Abrir>::Cargado());
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_TRUE(w->isEnabled());
    Formulario<F_Abrir>::Descargar();

    // As the DNI lookup opens it: no progress window whose unload switches the main window on.
    abrir();
    EXPECT_FALSE(w->isEnabled());
    Formulario<F_Abrir>::Descargar();
    EXPECT_TRUE(w->isEnabled());
}

TEST_P(VentanaF_Abrir, IncludeFinishedBoxListsEveryStateAndKeepsTheMainWindowOff)
{
    AtPrinc* w = principalQuieta();
    w->Abrir_Click();
    escribir("Desde", QStringLiteral("15/02/2024"));
    caja("Hasta")->setText(QStringLiteral("01/01/2020"));

    marcarVfin();
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
                                      QStringLiteral("2"), QStringLiteral("1")}));
    // With every state the date cell carries the time and the name too.
    EXPECT_EQ(grilla()->TextMatrix(5, 1), QStringLiteral("05/03/2024 - 10:15:00 - GARCÍA, Juan"));
    EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(caja("Desde")->text(), QStringLiteral("15/02/2024"));
    EXPECT_EQ(caja("Hasta")->text(), kHoy);

    marcarVfin();
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("1")}));
    EXPECT_EQ(caja("Desde")->text(), QStringLiteral("15/02/2024"));
}

TEST_P(VentanaF_Abrir, DateRangeListsUnsolvedComplaintsAndRefusesTextsThatAreNotDates)
{
    abrir();
    escribir("Desde", QStringLiteral("01/03/2024"));
    escribir("Hasta", QStringLiteral("31/03/2024"));
    pulsar("Ir");
    // The annulled complaint 3 is listed, the solved 2 is not.
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1")}));
    EXPECT_EQ(grilla()->TextMatrix(0, 4), QStringLiteral("DNI"));
    EXPECT_TRUE(mostrados().isEmpty());

    // Reversed bounds run the listing without a word.
    escribir("Desde", QStringLiteral("31/03/2024"));
    escribir("Hasta", QStringLiteral("01/03/2024"));
    pulsar("Ir");
    EXPECT_TRUE(numeros().isEmpty());
    EXPECT_TRUE(mostrados().isEmpty());

    for (const char* malo : {"31/02/2024", "2024-03-01", "", "ayer"}) {
        escribir("Desde", QString::fromLatin1(malo));
        escribir("Hasta", QStringLiteral("31/03/2024"));
        pulsar("Ir");
        ASSERT_EQ(mostrados().size(), 1) << malo;
        EXPECT_EQ(ultimo().texto, QStringLiteral("Fecha incorrecta"));
        EXPECT_EQ(ultimo().icono, Icono::Informacion);
        EXPECT_EQ(ultimo().titulo, QString());
        entorno->dialogos->mostrados.clear();
    }
}

// The lists let window events run between rows while they hold the one result set; a second
// click arriving then must not start another read, which would fail and end the program.
TEST_P(VentanaF_Abrir, ASecondClickWhileAListFillsLeavesTheListOfTheLastClick)
{
    abrir();
    escribir("Desde", QStringLiteral("01/03/2024"));
    escribir("Hasta", QStringLiteral("31/03/2024"));
    QTimer::singleShot(0, ventana(), [this] { pulsar("Ir"); });
    pulsar("Ir");
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1")}));
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);

    // The box's handler lets events run before listing; a second click comes meanwhile, between
    // two rows. Whatever the order, the list shows what the box says, without mixed rows.
    auto* vfin = control<QCheckBox>(QStringLiteral("Vfin"));
    marcarVfin();
    ASSERT_TRUE(vfin->isChecked());
    QTimer::singleShot(0, ventana(), [this] {
        QTimer::singleShot(0, ventana(), [this] {
            marcarVfin();
            buscarNumero(QStringLiteral("1"));
        });
    });
    marcarVfin();
    const QStringList todas{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"),
                            QStringLiteral("1")};
    const QStringList abiertas{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("1")};
    EXPECT_EQ(numeros(), vfin->isChecked() ? todas : abiertas);
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
}

// Another window's list lets events run between its rows; a search started then runs as at any
// other time.
TEST_P(VentanaF_Abrir, SearchesRunWhileAnotherWindowsListFills)
{
    abrir();
    escribir("Desde", QStringLiteral("01/03/2024"));
    escribir("Hasta", QStringLiteral("31/03/2024"));
    ASSERT_TRUE(DuranteOtroLlenado([this] { pulsar("Ir"); }));
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1")}));
    ASSERT_TRUE(DuranteOtroLlenado([this] { buscarCampo(1, QStringLiteral("garcia")); }));
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("1")}));
    ASSERT_TRUE(DuranteOtroLlenado([this] { buscarNumero(QStringLiteral("1")); }));
    EXPECT_EQ(dato(2), QStringLiteral("GARCÍA"));
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
}

// The list writes into the window's grid between yields: closing the window meanwhile (the user,
// a logout) deletes the grid, and the fill must stop instead of writing into it.
TEST_P(VentanaF_Abrir, ClosingTheWindowWhileItsListFillsStopsTheFill)
{
    AtPrinc* p = principalQuieta();
    const auto cerrar = [] {
        Formulario<F_Abrir>::Descargar();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    abrir();
    escribir("Desde", QStringLiteral("01/03/2024"));
    escribir("Hasta", QStringLiteral("31/03/2024"));
    QTimer::singleShot(0, cerrar);
    ventana()->Ir_Click();
    EXPECT_FALSE(Formulario<F_Abrir>::Cargado());
    EXPECT_TRUE(p->isEnabled());

    // The same while the window's own load lists the open complaints.
    QTimer::singleShot(0, cerrar);
    EXPECT_EQ(Formulario<F_Abrir>::Obtener(), nullptr);
    EXPECT_FALSE(Formulario<F_Abrir>::Cargado());
    EXPECT_TRUE(p->isEnabled());
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(VentanaF_Abrir, DoubleClickFillsOnlyAnEmptyDateBox)
{
    abrir();
    caja("Desde")->clear();
    caja("Hasta")->clear();
    QTest::mouseDClick(caja("Desde"), Qt::LeftButton);
    QTest::mouseDClick(caja("Hasta"), Qt::LeftButton);
    EXPECT_EQ(caja("Desde")->text(), kPrimeroDelMes);
    EXPECT_EQ(caja("Hasta")->text(), kHoy);

    caja("Desde")->setText(QStringLiteral("07/01/2024"));
    caja("Hasta")->setText(QStringLiteral("08/01/2024"));
    QTest::mouseDClick(caja("Desde"), Qt::LeftButton);
    QTest::mouseDClick(caja("Hasta"), Qt::LeftButton);
    EXPECT_EQ(caja("Desde")->text(), QStringLiteral("07/01/2024"));
    EXPECT_EQ(caja("Hasta")->text(), QStringLiteral("08/01/2024"));
}

TEST_P(VentanaF_Abrir, FieldSearchFindsByEachFieldIgnoringCaseAndAccents)
{
    abrir();
    buscarCampo(-1, QStringLiteral("111")); // no option chosen: DNI
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("1")}));
    EXPECT_FALSE(visible("FrmOB"));
    EXPECT_TRUE(grilla()->isVisible());

    buscarCampo(1, QStringLiteral("garcia"));
    EXPECT_EQ(numeros(), (QStringList{QStringLiteral("4"), QStringLiteral("1")}));
    EXPECT_EQ(grilla()->TextMatrix(2, 3), QStringLiteral("GARCÍA, Juan"));

    buscarCampo(1, QStringLiteral("NUÑEZ"));
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("3")});

    buscarCampo(2, QStringLiteral("cnrt"));
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("5")});

    buscarCampo(3, QStringLiteral("b-1"));
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("1")});

    buscarCampo(0, QStringLiteral("99999999"));
    EXPECT_TRUE(numeros().isEmpty());
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanaF_Abrir, FieldSearchNeedsTwoCharacters)
{
    abrir();
    const QStringList antes = numeros();
    buscarCampo(1, QStringLiteral("G"));
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Parámetros de busqueda insuficientes"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Cargue mas parámetros"));
    EXPECT_TRUE(visible("FrmOB"));
    EXPECT_EQ(numeros(), antes);

    buscarCampo(1, QStringLiteral("Gó"));
    EXPECT_EQ(mostrados().size(), 1);
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("2")});
}

TEST_P(VentanaF_Abrir, VoucherSearchAsksTicketOrLuggageAndIgnoresTheParcelBoxes)
{
    abrir();
    pulsar("CmdMF");
    pulsar("Command1");
    escribir("F1", QStringLiteral("A"));
    escribir("F2", QStringLiteral("0012"));
    escribir("F3", QStringLiteral("45678"));

    escribir("BolEquip", QStringLiteral("123"));
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Busqueda");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Desea buscar por boleto?\r\nSi  - Buscar por boleto\r\nNo - Buscar "
                                             "equipaje\r\nCancelar - Salir sin buscar"));
    EXPECT_EQ(ultimo().botones, Botones::SiNoCancelar);
    EXPECT_EQ(ultimo().icono, Icono::Ninguno);
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Busqueda"));
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("1")});
    EXPECT_FALSE(visible("FrmeBoE"));
    EXPECT_FALSE(visible("FrmOB"));

    escribir("BolEquip", QStringLiteral("eq-88"));
    entorno->dialogos->Responder(Respuesta::No);
    pulsar("Busqueda");
    EXPECT_EQ(numeros(), QStringList{QStringLiteral("4")});
}

TEST_P(VentanaF_Abrir, CancelInTheVoucherQuestionSearchesNothing)
{
    abrir();
    pulsar("CmdMF");
    pulsar("Command1");
    const QStringList antes = numeros();
    escribir("BolEquip", QStringLiteral("123"));
    entorno->dialogos->Responder(Respuesta::Cancelar);
    pulsar("Busqueda");
    EXPECT_EQ(numeros(), antes);
    EXPECT_TRUE(visible("FrmeBoE"));
    EXPECT_TRUE(visible("FrmOB"));
}

TEST_P(VentanaF_Abrir, VoucherSearchWithNothingTypedOnlyAsks)
{
    abrir();
    pulsar("Command1");
    pulsar("Busqueda");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto,
              QStringLiteral("Ingrese algún parámetro de busqueda... Boleto, equipaje o Guia de encomienda."));
    EXPECT_EQ(ultimo().icono, Icono::Ninguno);
    EXPECT_EQ(ultimo().botones, Botones::Aceptar);
    EXPECT_TRUE(visible("FrmeBoE"));
}

TEST_P(VentanaF_Abrir, ParcelBoxesChooseWhichPartsOfTheInvoiceAreSearched)
{
    abrir();
    struct Caso
    {
        const char *f1, *f2, *f3;
        QStringList esperado;
    };
    const QString uno = QStringLiteral("1"), cinco = QStringLiteral("5");
    const Caso casos[] = {
        {"a", "0012", "4567", {cinco}}, // all three
        {"b", "009", "", {uno}},        // letter and point of sale
        {"b", "", "", {uno}},           // letter only
        {"", "0012", "456", {cinco}},   // point of sale and number
        {"a", "", "11111", {}},         // letter and number of different invoices
        {"", "", "111", {uno}},         // number only
        {"", "00", "", {cinco, uno}},   // point of sale only: every invoice whose T2 holds it
    };
    for (const Caso& c : casos) {
        pulsar("Command1");
        escribir("BolEquip", QString());
        escribir("F1", QString::fromLatin1(c.f1));
        escribir("F2", QString::fromLatin1(c.f2));
        escribir("F3", QString::fromLatin1(c.f3));
        pulsar("Busqueda");
        EXPECT_EQ(numeros(), c.esperado) << c.f1 << "|" << c.f2 << "|" << c.f3;
    }
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanaF_Abrir, EnterInTheParcelBoxesMovesToTheNextOne)
{
    F_Abrir* w = abrir();
    pulsar("Command1");
    caja("F1")->setFocus();
    QTest::keyClick(caja("F1"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), caja("F2"));
    QTest::keyClick(caja("F2"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), caja("F3"));
}

TEST_P(VentanaF_Abrir, NumberLookUpShowsTheSummaryAndRefusesWrongNumbers)
{
    abrir();
    buscarNumero(QStringLiteral("1"));
    EXPECT_EQ(dato(0), QStringLiteral("05/03/2024"));
    EXPECT_EQ(dato(1), QStringLiteral("10:15:00"));
    EXPECT_EQ(dato(2), QStringLiteral("GARCÍA"));
    EXPECT_EQ(dato(3), QStringLiteral("Juan"));
    EXPECT_EQ(dato(4), QStringLiteral("30111222"));
    EXPECT_EQ(dato(5), QStringLiteral("1"));
    EXPECT_TRUE(boton("Abrir")->isEnabled());
    EXPECT_TRUE(mostrados().isEmpty());

    // Not numbers, or not above 0, or beyond the range of complaint numbers: nothing changes.
    for (const char* malo : {"0", "-3", "abc", "", "99999999999"}) {
        buscarNumero(QString::fromLatin1(malo));
        ASSERT_EQ(mostrados().size(), 1) << malo;
        EXPECT_EQ(ultimo().texto, QStringLiteral("Numero de atención incorrecto"));
        EXPECT_EQ(ultimo().icono, Icono::Informacion);
        EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));
        EXPECT_EQ(dato(2), QStringLiteral("GARCÍA"));
        EXPECT_TRUE(boton("Abrir")->isEnabled());
        entorno->dialogos->mostrados.clear();
    }

    buscarNumero(QStringLiteral("77"));
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("No existe el numero de atención solicitado"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(dato(i).isEmpty()) << i;
    EXPECT_EQ(dato(5), QStringLiteral("1"));
    EXPECT_FALSE(boton("Abrir")->isEnabled());
}

TEST_P(VentanaF_Abrir, DoubleClickOnAListedComplaintLooksItUp)
{
    F_Abrir* w = abrir();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    ASSERT_EQ(grilla()->TextMatrix(2, 0), QStringLiteral("4"));
    DobleClicCelda(grilla(), 2, 2);
    EXPECT_EQ(caja("Numero")->text(), QStringLiteral("4"));
    EXPECT_EQ(dato(2), QStringLiteral("Garciarena"));
    EXPECT_TRUE(boton("Abrir")->isEnabled());
}

TEST_P(VentanaF_Abrir, MostrarLooksUpTheNumberWrittenIntoTheWindow)
{
    F_Abrir* w = abrir();
    w->Numero()->setText(QStringLiteral("5"));
    w->Mostrar();
    EXPECT_EQ(dato(2), QStringLiteral("Ibáñez"));
    EXPECT_EQ(dato(5), QStringLiteral("5"));
}

TEST_P(VentanaF_Abrir, AbrirOpensTheComplaintInTheCaseWindowAndMinimisesTheSearch)
{
    AtPrinc* p = principalQuieta();
    p->Abrir_Click();
    F_Abrir* w = ventana();
    buscarNumero(QStringLiteral("4"));
    pulsar("Abrir");
    ASSERT_TRUE(Formulario<VisAtte>::Cargado());
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->NumeroCargado(), 4);
    EXPECT_TRUE(w->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(Formulario<F_Abrir>::Cargado());

    // The case window's "Abrir reclamo" brings the same search window back.
    Formulario<VisAtte>::SiCargado()->CmdARec_Click();
    EXPECT_EQ(ventana(), w);
    EXPECT_FALSE(w->windowState() & Qt::WindowMinimized);
}

INSTANCIAR_EN_MOTORES(VentanaF_Abrir);
