#include "AbmMotivo.h"
#include "AgregarCat.h"
#include "Colores.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "ListaDato.h"
#include "PCarga.h"
#include "Relaciones.h"
#include "VentanaDePrueba.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

QStringList textos(const QListWidget* lista)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->text();
    return r;
}

// A double-click on an item as the user makes it: the press selects it first.
void dobleClic(QListWidget* lista, int fila)
{
    const QPoint p = lista->visualItemRect(lista->item(fila)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

// The catalogue windows over categories 1 Equipaje and 2 Atención beside the general one, and
// reasons: Demora (1), Olvido (7) and Cobro indebido (12) in no pair, Sucio (5) disabled in no
// pair, Pérdida (3) and the disabled Rotura (4) paired with Equipaje, Maltrato (2) with Atención.
class VentanasDeCatalogos : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(2);
        FilaMotivo(1, QStringLiteral("Equipaje"));
        FilaMotivo(2, QStringLiteral("Atención"));
        FilaCausa(1, QStringLiteral("Demora"));
        FilaCausa(2, QStringLiteral("Maltrato"));
        FilaCausa(3, QStringLiteral("Pérdida"));
        FilaCausa(4, QStringLiteral("Rotura"), 1);
        FilaCausa(5, QStringLiteral("Sucio"), 1);
        FilaCausa(7, QStringLiteral("Olvido"));
        FilaCausa(12, QStringLiteral("Cobro indebido"));
        FilaPar(1, 3);
        FilaPar(1, 4);
        FilaPar(2, 2);
    }

    QListWidget* libres() { return ControlDe<Relaciones, QListWidget>("Motivo"); }
    QListWidget* elegidas() { return ControlDe<Relaciones, QListWidget>("Seleccionada"); }
    QComboBox* categorias() { return ControlDe<Relaciones, QComboBox>("Categoria"); }
    GrillaTabla* grilla() { return ControlDe<AbmMotivo, GrillaTabla>("ListaMotivos"); }
    QStringList pares()
    {
        return LeerFilas(QStringLiteral("SELECT Categoria, Motivo FROM RelCatMov_Quejas ORDER BY Categoria, Motivo"), 2,
                         QStringLiteral("-"));
    }
    QStringList fila(int r)
    {
        QStringList c;
        for (int i = 0; i < grilla()->Cols(); ++i)
            c << grilla()->TextMatrix(r, i);
        return c;
    }
    // The background of every cell of a grid row, as BGR values.
    QList<long> colores(int r)
    {
        QList<long> c;
        GrillaTabla* g = grilla();
        const int fila0 = g->Row(), col0 = g->Col();
        g->SetRow(r);
        for (int i = 0; i < g->Cols(); ++i) {
            g->SetCol(i);
            c << g->CellBackColor();
        }
        g->SetRow(fila0);
        g->SetCol(col0);
        return c;
    }
    int filaDe(const QString& pid) { return ColumnaDeGrilla(*grilla()).indexOf(pid) + 1; }

    PrincipalDePrueba principalDePrueba;
};

TEST_P(VentanasDeCatalogos, RelationsListFreeEnabledReasonsWithThreeDigitKeysAndTheChosenCategorysOwn)
{
    Relaciones* w = Mostrar<Relaciones>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Relaciones entre categorias y motivos"));
    EXPECT_EQ(textos(libres()), QStringList({QStringLiteral("001 - Demora"), QStringLiteral("007 - Olvido"),
                                             QStringLiteral("012 - Cobro indebido")}));
    EXPECT_EQ(Items(categorias()), QStringList({QStringLiteral("0 - Reclamo general"), QStringLiteral("1 - Equipaje"),
                                                QStringLiteral("2 - Atención")}));
    EXPECT_EQ(categorias()->currentIndex(), -1);
    EXPECT_FALSE(categorias()->isEditable());
    EXPECT_EQ(elegidas()->count(), 0);

    // The disabled Rotura, although paired, is in neither list.
    Elegir(categorias(), 1);
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("003 - Pérdida")}));
    Elegir(categorias(), 2);
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("002 - Maltrato")}));
    EXPECT_EQ(libres()->count(), 3) << "the middle list is not reloaded";
}

TEST_P(VentanasDeCatalogos, ALongCategoryNameLeavesTheReasonListsTheirShareAndShowsWholeInItsTooltip)
{
    const auto anchos = [this] {
        Relaciones* w = Mostrar<Relaciones>();
        QCoreApplication::sendPostedEvents();
        const std::pair<int, int> r{libres()->width(), elegidas()->width()};
        EXPECT_LE(w->width(), 760);
        Formulario<Relaciones>::Descargar();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return r;
    };
    const auto [medio, derecha] = anchos();
    const QString largo = QStringLiteral("Maleta ") + QString(309, QChar(0x00E1));
    FilaMotivo(3, largo);
    const auto [medioLargo, derechaLargo] = anchos();
    EXPECT_NEAR(medioLargo, medio, 1);
    EXPECT_NEAR(derechaLargo, derecha, 1);

    Mostrar<Relaciones>();
    QCoreApplication::sendPostedEvents();
    const QString item = QStringLiteral("3 - ") + largo;
    ASSERT_EQ(categorias()->findText(item), 3);
    EXPECT_EQ(categorias()->itemData(3, Qt::ToolTipRole).toString(), item) << "whole in the open list";
    Elegir(categorias(), 3);
    auto* lista = ControlDe<Relaciones, ListaDato>("Categoria");
    EXPECT_TRUE(lista->TextoVisible().startsWith(QStringLiteral("3 - Maleta")));
    EXPECT_TRUE(lista->TextoVisible().endsWith(QChar(0x2026)));
    QHelpEvent ayuda(QEvent::ToolTip, QPoint(5, 5), lista->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(lista, &ayuda);
    EXPECT_EQ(QToolTip::text(), item);
    QToolTip::hideText();
    Elegir(categorias(), 1);
    EXPECT_EQ(lista->TextoVisible(), QStringLiteral("1 - Equipaje"));
}

TEST_P(VentanasDeCatalogos, DoubleClicksMoveReasonsUntilTheListIsEmptyAndAnotherCategoryForgetsThem)
{
    Mostrar<Relaciones>();
    Elegir(categorias(), 1);
    for (int i = 0; i < 3; ++i)
        dobleClic(libres(), libres()->count() - 1);
    EXPECT_EQ(libres()->count(), 0) << "the last item leaves the list empty";
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("003 - Pérdida"), QStringLiteral("012 - Cobro indebido"),
                                               QStringLiteral("007 - Olvido"), QStringLiteral("001 - Demora")}));
    dobleClic(elegidas(), 0);
    EXPECT_EQ(textos(libres()), QStringList({QStringLiteral("003 - Pérdida")}));
    EXPECT_EQ(elegidas()->count(), 3);

    // Moves stay in the window: another category reloads the right list only.
    Elegir(categorias(), 2);
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("002 - Maltrato")}));
    EXPECT_EQ(textos(libres()), QStringList({QStringLiteral("003 - Pérdida")}));
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(pares().size(), 3) << "nothing is written before Guardar";
}

TEST_P(VentanasDeCatalogos, SavingRewritesTheCategorysPairsAsExactlyItsListedReasons)
{
    Mostrar<Relaciones>();
    Elegir(categorias(), 1);
    dobleClic(libres(), 0);
    dobleClic(libres(), 0);
    ASSERT_EQ(elegidas()->count(), 3);
    Pulsar<Relaciones>("Guardar");
    EXPECT_TRUE(mostrados().isEmpty());
    // Rotura's pair goes: a disabled reason was in neither list.
    EXPECT_EQ(pares(), QStringList({QStringLiteral("1-1"), QStringLiteral("1-3"), QStringLiteral("1-7"),
                                    QStringLiteral("2-2")}));
    EXPECT_EQ(elegidas()->count(), 3);
}

TEST_P(VentanasDeCatalogos, SavingRefusesTheGeneralCategoryAndAnEmptyListAsksFirst)
{
    Mostrar<Relaciones>();
    // No category chosen: the question, and Yes deletes nothing.
    entorno->dialogos->Responder(Respuesta::Si);
    Pulsar<Relaciones>("Guardar");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(pares().size(), 3);

    Elegir(categorias(), 0);
    dobleClic(libres(), 0);
    Pulsar<Relaciones>("Guardar");
    ASSERT_EQ(mostrados().size(), 2);
    EXPECT_EQ(mostrados()[1].texto, QStringLiteral("Reclamo general no es una categoria valida de relación"));
    EXPECT_EQ(mostrados()[1].botones, Botones::Aceptar);
    EXPECT_EQ(mostrados()[1].icono, Icono::Ninguno);
    EXPECT_TRUE(mostrados()[1].titulo.isEmpty());
    EXPECT_EQ(pares().size(), 3) << "nothing is written for the general category";

    Elegir(categorias(), 2);
    dobleClic(elegidas(), 0);
    ASSERT_EQ(elegidas()->count(), 0);
    Pulsar<Relaciones>("Guardar");
    ASSERT_EQ(mostrados().size(), 4);
    for (int i : {0, 2}) {
        EXPECT_EQ(mostrados()[i].texto, QStringLiteral("Desea borrar los motivos de esta categoría?"));
        EXPECT_EQ(mostrados()[i].botones, Botones::SiNo);
        EXPECT_EQ(mostrados()[i].icono, Icono::Ninguno);
        EXPECT_TRUE(mostrados()[i].titulo.isEmpty());
    }
    EXPECT_EQ(mostrados()[3].texto, QStringLiteral("Nada que guardar"));
    EXPECT_EQ(mostrados()[3].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[3].titulo, QStringLiteral("Nada que guardar"));
    EXPECT_EQ(pares().size(), 3);

    entorno->dialogos->Responder(Respuesta::Si);
    Pulsar<Relaciones>("Guardar");
    EXPECT_EQ(mostrados().size(), 5) << "Yes is not followed by a message";
    EXPECT_EQ(pares(), QStringList({QStringLiteral("1-3"), QStringLiteral("1-4")}));
}

TEST_P(VentanasDeCatalogos, HelpTellsHowAndTheTwoWindowsOpenEachOtherOnce)
{
    Relaciones* r = Mostrar<Relaciones>();
    Pulsar<Relaciones>("Aiuda");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto,
              QStringLiteral("Para crear la relación:\r\n1 - Seleccione la categoría que desea modificar\r\n2 - Haga "
                             "doble click sobre el motivo del cuadro del medio, el mismo se agregará a la categoria\r\n"
                             "Si desea borrar un motivo haga doble click en el cuadro de la derecha y el mismo quedará "
                             "fuera de la lista."));
    EXPECT_EQ(mostrados()[0].icono, Icono::Ninguno);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Ayuda para generar relaciones"));

    EXPECT_EQ((ControlDe<Relaciones, QPushButton>("RelCatMov_ir")->text()), QStringLiteral("Ir Alta de Motivos"));
    Pulsar<Relaciones>("RelCatMov_ir");
    ASSERT_TRUE(Formulario<AbmMotivo>::Cargado());
    AbmMotivo* a = Formulario<AbmMotivo>::SiCargado();
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ((ControlDe<AbmMotivo, QPushButton>("RelCatMov_ir")->text()),
              QStringLiteral("Ir a Relacion Categoría-Motivos"));
    Pulsar<AbmMotivo>("RelCatMov_ir");
    Pulsar<Relaciones>("RelCatMov_ir");
    EXPECT_EQ(Formulario<Relaciones>::SiCargado(), r);
    EXPECT_EQ(Formulario<AbmMotivo>::SiCargado(), a);
}

TEST_P(VentanasDeCatalogos, AddCategoryListsTheNamesAndReadsThemAgainOnEveryKey)
{
    AgregarCat* w = Mostrar<AgregarCat>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Agregar Categoria"));
    auto* caja = ControlDe<AgregarCat, QLineEdit>("TxtAgCat");
    EXPECT_EQ(caja->toolTip(), QStringLiteral("Luego de creada presione enter"));
    auto* lista = ControlDe<AgregarCat, QListWidget>("Categoria");
    EXPECT_EQ(textos(lista),
              QStringList({QStringLiteral("Reclamo general"), QStringLiteral("Equipaje"), QStringLiteral("Atención")}));

    // Another workstation adds one; the next typed key shows it.
    FilaMotivo(3, QStringLiteral("Boletería"));
    QTest::keyClicks(caja, QStringLiteral("a"));
    EXPECT_EQ(caja->text(), QStringLiteral("a"));
    EXPECT_EQ(lista->count(), 4);
    FilaMotivo(4, QStringLiteral("Encomiendas"));
    QTest::keyClick(caja, Qt::Key_Backspace);
    EXPECT_EQ(lista->count(), 5);
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(VentanasDeCatalogos, AddCategoryStoresTheNameAsTypedKeepsItAndRefusesAnEmptyOne)
{
    Mostrar<AgregarCat>();
    auto* caja = ControlDe<AgregarCat, QLineEdit>("TxtAgCat");
    QTest::keyClick(caja, Qt::Key_Return);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("No se puede agregar vacio"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_TRUE(mostrados()[0].titulo.isEmpty());

    caja->setText(QStringLiteral("Niños y 'bebés'"));
    QTest::keyClick(caja, Qt::Key_Return);
    EXPECT_EQ(caja->text(), QStringLiteral("Niños y 'bebés'")) << "the box keeps its text";
    QTest::keyClick(caja, Qt::Key_Return);
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT PID, Detalle FROM Motivos_quejas WHERE PID > 2 ORDER BY PID"), 2,
                        QStringLiteral(" ")),
              QStringList({QStringLiteral("3 Niños y 'bebés'"), QStringLiteral("4 Niños y 'bebés'")}));
    EXPECT_EQ((textos(ControlDe<AgregarCat, QListWidget>("Categoria")).mid(3)),
              QStringList({QStringLiteral("Niños y 'bebés'"), QStringLiteral("Niños y 'bebés'")}));
    EXPECT_EQ(mostrados().size(), 1);
}

TEST_P(VentanasDeCatalogos, ReasonsGridShowsStateColoursAndCategoryUnderTheProgressWindow)
{
    // Created by an import: no Anulada at all.
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (9, 'Extraviado', NULL)"));
    AbmMotivo* w = Mostrar<AbmMotivo>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ABM Motivo de reclamo"));
    EXPECT_EQ(principalDePrueba.habilitaciones, QList<bool>({false, true})) << "the progress window came and went";
    EXPECT_FALSE(Formulario<PCarga>::Cargado());

    GrillaTabla* g = grilla();
    EXPECT_TRUE(g->isVisible());
    ASSERT_EQ(g->Rows(), 9);
    EXPECT_EQ(fila(0), QStringList({QStringLiteral("Pid"), QStringLiteral("Detalle"), QStringLiteral("Anulado"),
                                    QStringLiteral("Asignacion")}));
    const int anchos[] = {1000, 3500, 1000, 3500};
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(g->ColWidth(c), anchos[c], 14) << c;
    EXPECT_EQ(ColumnaDeGrilla(*g), QStringList({"1", "2", "3", "4", "5", "7", "9", "12"}));
    EXPECT_EQ(fila(3), QStringList({"3", "Pérdida", "No", "Equipaje"}));
    EXPECT_EQ(fila(4), QStringList({"4", "Rotura", "Si", "Equipaje"}));
    EXPECT_EQ(fila(7), QStringList({"9", "Extraviado", "No", ""}));
    EXPECT_EQ(colores(4), QList<long>(4, 0xC0C0FF));
    EXPECT_EQ(colores(5), QList<long>(4, 0xC0C0FF));
    EXPECT_EQ(colores(7), QList<long>(4, 0xC0FFC0));
    EXPECT_EQ(colores(1), QList<long>(4, 0xC0FFC0));
}

TEST_P(VentanasDeCatalogos, TogglingWritesOneThenZeroAndOnlyThenTheReasonReachesRelationsOnReopening)
{
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (9, 'Extraviado', NULL)"));
    Mostrar<Relaciones>();
    EXPECT_FALSE(textos(libres()).contains(QStringLiteral("009 - Extraviado")));
    Mostrar<AbmMotivo>();
    const int r = filaDe(QStringLiteral("9"));
    ClicCelda(grilla(), r, 1);

    entorno->dialogos->Responder(Respuesta::No);
    Pulsar<AbmMotivo>("Inhabilitar");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Desea habilitar/inhabilitar la causa?"));
    EXPECT_EQ(mostrados()[0].botones, Botones::SiNo);
    EXPECT_EQ(mostrados()[0].icono, Icono::Ninguno);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Habilitar/Inhabilitar motivo"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Anulada FROM Causas_Quejas WHERE Pid = 9")), QString());

    entorno->dialogos->Responder(Respuesta::Si);
    Pulsar<AbmMotivo>("Inhabilitar");
    EXPECT_EQ(grilla()->TextMatrix(r, 2), QStringLiteral("Si"));
    EXPECT_EQ(colores(r), QList<long>(4, 0xC0C0FF));
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT Anulada FROM Causas_Quejas WHERE Pid = 9")), 1);

    entorno->dialogos->Responder(Respuesta::Si);
    Pulsar<AbmMotivo>("Inhabilitar");
    EXPECT_EQ(grilla()->TextMatrix(r, 2), QStringLiteral("No"));
    EXPECT_EQ(colores(r), QList<long>(4, 0xC0FFC0));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Anulada FROM Causas_Quejas WHERE Pid = 9")), QStringLiteral("0"));

    EXPECT_FALSE(textos(libres()).contains(QStringLiteral("009 - Extraviado"))) << "an open window is not reloaded";
    Formulario<Relaciones>::Descargar();
    Mostrar<Relaciones>();
    EXPECT_TRUE(textos(libres()).contains(QStringLiteral("009 - Extraviado")));
}

TEST_P(VentanasDeCatalogos, RenamingAndTogglingNeedAReasonRowAndTakeTheAnswerAsTyped)
{
    Mostrar<AbmMotivo>();
    ClicCelda(grilla(), 0, 1);
    Pulsar<AbmMotivo>("BtnRen");
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Seleccione un motivo para renombrarlo"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Ostrevia"));
    // Answered Yes on the header: no reason changes, the header stays.
    entorno->dialogos->Responder(Respuesta::Si);
    Pulsar<AbmMotivo>("Inhabilitar");
    EXPECT_EQ(fila(0), QStringList({QStringLiteral("Pid"), QStringLiteral("Detalle"), QStringLiteral("Anulado"),
                                    QStringLiteral("Asignacion")}));

    const int r = filaDe(QStringLiteral("1"));
    ClicCelda(grilla(), r, 0);
    Pulsar<AbmMotivo>("BtnRen"); // cancelled: the script answers ""
    entorno->dialogos->Escribir(QStringLiteral("Demora en la salida d'Ezeiza"));
    Pulsar<AbmMotivo>("BtnRen");
    ASSERT_EQ(mostrados().size(), 4);
    EXPECT_EQ(mostrados()[3].texto, QStringLiteral("Ingrese un nuevo nombre para el motivo"));
    EXPECT_EQ(mostrados()[3].titulo, QStringLiteral("Cambiar nombre al motivo"));
    EXPECT_EQ(entorno->dialogos->porDefecto, QStringList({QStringLiteral("Demora"), QStringLiteral("Demora")}));
    EXPECT_EQ(grilla()->TextMatrix(r, 1), QStringLiteral("Demora en la salida d'Ezeiza"));
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT Pid, Detalle, Anulada FROM Causas_Quejas WHERE Pid = 1"), 3,
                        QStringLiteral("|")),
              QStringList({QStringLiteral("1|Demora en la salida d'Ezeiza|0")}));
}

TEST_P(VentanasDeCatalogos, EnterAddsAnEnabledReasonWithTheWholeNameAndEmptiesTheBox)
{
    Mostrar<AbmMotivo>();
    auto* caja = ControlDe<AbmMotivo, QLineEdit>("TxtAgCat");
    EXPECT_EQ(caja->toolTip(), QStringLiteral("Luego de creada presione enter"));
    QTest::keyClick(caja, Qt::Key_Return);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Ingrese un nombre"));
    EXPECT_EQ(mostrados()[0].icono, Icono::Informacion);
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Agregar causa"));

    principalDePrueba.habilitaciones.clear();
    EscribirYEnter(caja, QStringLiteral("Equipaje de O'Hara"));
    EXPECT_TRUE(caja->text().isEmpty());
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT Pid, Detalle, Anulada FROM Causas_Quejas WHERE Pid > 12"), 3,
                        QStringLiteral("|")),
              QStringList({QStringLiteral("13|Equipaje de O'Hara|0")}));
    ASSERT_EQ(grilla()->Rows(), 9);
    EXPECT_EQ(fila(8), QStringList({"13", "Equipaje de O'Hara", "No", ""}));
    EXPECT_EQ(principalDePrueba.habilitaciones, QList<bool>({false, true})) << "reloaded under the progress window";
    EXPECT_EQ(mostrados().size(), 1);
}

TEST_P(VentanasDeCatalogos, ChoicesKeysAndSavesDuringAReadNeverShowOrSaveAStaleList)
{
    Mostrar<Relaciones>();
    // The second choice comes while the first one's reader lets events run.
    QTimer::singleShot(0, [this] { Elegir(categorias(), 2); });
    Elegir(categorias(), 1);
    EXPECT_EQ(categorias()->currentIndex(), 2);
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("002 - Maltrato")}));
    // A save meanwhile would give Maltrato to Equipaje.
    QTimer::singleShot(0, [] { Pulsar<Relaciones>("Guardar"); });
    Elegir(categorias(), 1);
    EXPECT_EQ(pares(), QStringList({QStringLiteral("1-3"), QStringLiteral("1-4"), QStringLiteral("2-2")}));
    EXPECT_EQ(textos(elegidas()), QStringList({QStringLiteral("003 - Pérdida")}));

    Mostrar<AgregarCat>();
    auto* caja = ControlDe<AgregarCat, QLineEdit>("TxtAgCat");
    QTimer::singleShot(0, [caja] {
        caja->setText(QStringLiteral("Boleteria"));
        QTest::keyClick(caja, Qt::Key_Return);
    });
    QTest::keyClick(caja, Qt::Key_A);
    EXPECT_EQ(textos(ControlDe<AgregarCat, QListWidget>("Categoria")).value(3), QStringLiteral("Boleteria"));
}

INSTANCIAR_EN_MOTORES(VentanasDeCatalogos);
