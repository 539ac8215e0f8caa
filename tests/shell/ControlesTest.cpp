#include "BarraVer.h"
#include "Colores.h"
#include "DialogosQt.h"
#include "EtiquetaDato.h"
#include "MenAb.h"
#include "MenuSecA.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

long colorVisto(BarraVer& b)
{
    auto* shape2 = b.findChild<QFrame*>(QStringLiteral("Shape2"));
    return BGRDeColor(shape2->palette().color(QPalette::Window));
}

QString canti(BarraVer& b)
{
    return b.findChild<QLabel*>(QStringLiteral("Canti"))->text();
}

void cargar(BarraVer& b, long maximo, long actual, long minimo = 0)
{
    b.Set_Max(maximo);
    b.Set_Min(minimo);
    b.Set_Curr(actual);
}

} // namespace

TEST(BarraVerTest, WithoutAPositiveMaximumTheBarKeepsWhatItShowed)
{
    BarraVer b;
    cargar(b, 10, 5);
    const long color = b.ColorBarra();
    const int alto = b.AltoBarra();
    b.Set_Max(0);
    b.Set_Curr(9);
    EXPECT_EQ(b.ColorBarra(), color);
    EXPECT_EQ(b.AltoBarra(), alto);
    EXPECT_EQ(canti(b), QStringLiteral("5"));

    BarraVer nueva;
    nueva.Set_Max(0);
    nueva.Set_Curr(5);
    EXPECT_EQ(nueva.AltoBarra(), 0);
    EXPECT_EQ(canti(nueva), QStringLiteral("0"));
    EXPECT_FALSE(nueva.findChild<QFrame*>(QStringLiteral("Shape2"))->isVisibleTo(&nueva));
}

TEST(BarraVerTest, AThirdFillsAThirdOfTheFrameInTheSecondColour)
{
    BarraVer b;
    cargar(b, 3, 1);
    EXPECT_DOUBLE_EQ(b.Porcentaje(), 33.33);
    EXPECT_EQ(b.ColorBarra(), 0x29E278);
    EXPECT_EQ(colorVisto(b), 0x29E278);
    EXPECT_NEAR(b.AltoBarra(), b.AltoMarco() / 3.0, 1.0);
    EXPECT_EQ(canti(b), QStringLiteral("1"));
}

TEST(BarraVerTest, EmptyBarShowsAOnePercentSliverInTheFirstColour)
{
    BarraVer b;
    cargar(b, 10, 0);
    EXPECT_EQ(b.ColorBarra(), 0x42E02C);
    EXPECT_NEAR(b.AltoBarra(), b.AltoMarco() / 100.0, 1.0);
    EXPECT_EQ(canti(b), QStringLiteral("0"));
}

TEST(BarraVerTest, ValueBelowTheMinimumCountsAsZeroNotAsTheMinimum)
{
    BarraVer b;
    cargar(b, 10, 3, 5);
    EXPECT_EQ(b.Actual(), 0);
    EXPECT_EQ(canti(b), QStringLiteral("0"));
    EXPECT_EQ(b.ColorBarra(), 0x42E02C);
}

TEST(BarraVerTest, FullAndOverfullBarsAreRedAndNotClamped)
{
    BarraVer b;
    cargar(b, 7, 7);
    EXPECT_DOUBLE_EQ(b.Porcentaje(), 100.0);
    EXPECT_EQ(b.ColorBarra(), 0x2929E2);
    EXPECT_EQ(b.AltoBarra(), b.AltoMarco());

    cargar(b, 10, 15);
    EXPECT_DOUBLE_EQ(b.Porcentaje(), 150.0);
    EXPECT_EQ(b.ColorBarra(), 0x2929E2);
    EXPECT_GT(b.AltoBarra(), b.AltoMarco());
    EXPECT_LT(b.TopeBarra(), 0) << "drawn above the frame";
}

TEST(BarraVerTest, ColourStepsAtEachThreshold)
{
    const struct
    {
        long actual;
        long color;
    } casos[] = {{1999, 0x42E02C}, {2000, 0x29E278}, {3999, 0x29E278}, {4000, 0x28E3C2}, {5999, 0x28E3C2},
                 {6000, 0x28C2E3}, {7999, 0x28C2E3}, {8000, 0x296FE2}, {9499, 0x296FE2}, {9500, 0x2929E2}};
    BarraVer b;
    for (const auto& c : casos) {
        cargar(b, 10000, c.actual);
        EXPECT_EQ(b.ColorBarra(), c.color) << c.actual;
    }
}

TEST(BarraVerTest, BarGrowsUpwardsFromJustBelowTheFrame)
{
    BarraVer b;
    for (long actual : {0L, 1L, 2L, 4L}) {
        cargar(b, 4, actual);
        EXPECT_EQ(b.TopeBarra() + b.AltoBarra(), b.AltoMarco() + 5) << actual;
    }
    const QRect barra = b.findChild<QFrame*>(QStringLiteral("Shape2"))->geometry();
    const QRect marco = b.findChild<QFrame*>(QStringLiteral("Shape1"))->geometry();
    EXPECT_EQ(barra.height(), marco.height());
    EXPECT_NEAR(barra.bottom(), marco.bottom(), 1);
}

TEST(EtiquetaDatoTest, ATextWithinThePreferredWidthShowsWholeInItsPreferredSize)
{
    const QStringList textos = {QStringLiteral("Reclamo general"),  QStringLiteral("Atención al pasajero"),
                                QStringLiteral("Defensoría"),       QStringLiteral("Autotransportes del Litoral S.A."),
                                QStringLiteral("Pérez, Ana María"), QStringLiteral("EXP-118")};
    for (const char* familia : {"Liberation Sans", "DejaVu Sans"}) {
        for (int puntos = 7; puntos <= 12; ++puntos) {
            EtiquetaDato l;
            l.setFont(QFont(QString::fromLatin1(familia), puntos));
            for (const QString& t : textos) {
                l.setText(t);
                l.resize(l.sizeHint());
                EXPECT_EQ(l.TextoVisible().toStdString(), t.toStdString()) << familia << " " << puntos << " pt";
            }
        }
    }
}

TEST(DialogosQtTest, AnInputBoxShowsItsProposedTextFromItsStartWhollyChosen)
{
    const QString propuesta = QStringLiteral("maria.fernanda.gonzalez.de.los.andes@correo.com.ar");
    int cursor = -1;
    QString elegido;
    QTimer::singleShot(0, [&] {
        auto* caja = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        cursor = caja->cursorPosition();
        elegido = caja->selectedText();
        QTest::keyClick(caja, Qt::Key_Return);
    });
    DialogosQt dialogos;
    EXPECT_EQ(dialogos.InputBox(QStringLiteral("Ingrese un nuevo valor"), QStringLiteral("Cambiar"), propuesta),
              propuesta);
    EXPECT_EQ(cursor, 0);
    EXPECT_EQ(elegido, propuesta) << "typing still replaces the whole text";
}

class MenuSecATest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        menu.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }
    void presionar(const QString& nombre)
    {
        auto* b = menu.findChild<QToolButton*>(nombre);
        ASSERT_NE(b, nullptr) << nombre.toStdString();
        ASSERT_TRUE(b->isVisible()) << nombre.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    std::vector<bool> abiertas() const
    {
        return {menu.SeccionAbierta(0), menu.SeccionAbierta(1), menu.SeccionAbierta(2)};
    }

    MenuSecA menu;
};

TEST_F(MenuSecATest, SectionHeadersFoldTheirSectionAndRaiseNothing)
{
    QSignalSpy spy(&menu, &MenuSecA::Presionado);
    EXPECT_EQ(abiertas(), std::vector<bool>({false, false, false}));
    presionar(QStringLiteral("Prop0"));
    EXPECT_EQ(abiertas(), std::vector<bool>({true, false, false}));
    presionar(QStringLiteral("Prop1"));
    EXPECT_EQ(abiertas(), std::vector<bool>({false, true, false}));
    presionar(QStringLiteral("Prop1"));
    EXPECT_EQ(abiertas(), std::vector<bool>({false, false, false}));
    presionar(QStringLiteral("Prop1"));
    EXPECT_EQ(abiertas(), std::vector<bool>({false, true, false}));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(menu.NrPresionado(), -1);
}

TEST_F(MenuSecATest, ItemPressClosesItsSectionAndRaisesItsNumberOnce)
{
    QSignalSpy spy(&menu, &MenuSecA::Presionado);
    int leidoEnElEvento = -2;
    QObject::connect(&menu, &MenuSecA::Presionado, [&] { leidoEnElEvento = menu.NrPresionado(); });
    presionar(QStringLiteral("Prop1"));
    presionar(QStringLiteral("Sec4"));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(leidoEnElEvento, 4) << "the number is set before the event";
    EXPECT_EQ(abiertas(), std::vector<bool>({false, false, false}));
}

TEST_F(MenuSecATest, EveryItemGivesItsOwnNumber)
{
    for (int i = 0; i < 9; ++i) {
        presionar(QStringLiteral("Prop%1").arg(i / 3));
        presionar(QStringLiteral("Sec%1").arg(i));
        EXPECT_EQ(menu.NrPresionado(), i);
    }
}

TEST_F(MenuSecATest, StatisticsAndExitHeadersCloseEverySectionAndRaise99And98)
{
    QSignalSpy spy(&menu, &MenuSecA::Presionado);
    presionar(QStringLiteral("Prop2"));
    presionar(QStringLiteral("Prop3"));
    EXPECT_EQ(menu.NrPresionado(), 99);
    EXPECT_EQ(abiertas(), std::vector<bool>({false, false, false}));
    presionar(QStringLiteral("Prop0"));
    presionar(QStringLiteral("Prop4"));
    EXPECT_EQ(menu.NrPresionado(), 98);
    EXPECT_EQ(abiertas(), std::vector<bool>({false, false, false}));
    EXPECT_EQ(spy.count(), 2);
}

// The main window acts on the item numbers; the words must name what it does with each.
TEST_F(MenuSecATest, PicturesCarryTheWordsOfWhatTheMainWindowDoes)
{
    const QStringList items = {"Nuevo reclamo",     "Abrir reclamo",     "Cerrar menú",     "Relaciones",
                               "Motivos",           "Agregar categoría", "Alta de usuario", "Administrar usuarios",
                               "Cambiar contraseña"};
    for (int i = 0; i < 9; ++i) {
        auto* b = menu.findChild<QToolButton*>(QStringLiteral("Sec%1").arg(i));
        EXPECT_EQ(b->text(), items[i]);
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(menu.findChild<QToolButton*>(QStringLiteral("Prop3"))->text(), QStringLiteral("Estadísticas"));
    EXPECT_EQ(menu.findChild<QToolButton*>(QStringLiteral("Prop4"))->text(), QStringLiteral("Salir"));
}

TEST(MenuSecAFuente, EveryWordShowsWholeUnderItsPictureWhateverTheFont)
{
    const QFont antes = QApplication::font();
    for (int puntos : {8, 12}) {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), puntos));
        MenuSecA menu;
        const QList<QToolButton*> botones = menu.findChildren<QToolButton*>();
        ASSERT_EQ(botones.size(), 14);
        for (QToolButton* b : botones) {
            EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString() << " at " << puntos << " pt";
            EXPECT_LE(b->sizeHint().height(), b->height()) << b->text().toStdString() << " at " << puntos << " pt";
        }
        // The open section stands beside its header, its pictures side by side.
        menu.Prop_Click(2);
        EXPECT_EQ(menu.findChild<QToolButton*>(QStringLiteral("Sec7"))->mapTo(&menu, QPoint(0, 0)).x(),
                  menu.findChild<QToolButton*>(QStringLiteral("Prop0"))->width() +
                      menu.findChild<QToolButton*>(QStringLiteral("Sec6"))->width());
    }
    QApplication::setFont(antes);
}

TEST_F(MenuSecATest, ClosedMenuTakesOnlyTheHeaderColumn)
{
    const int cerrado = menu.width();
    presionar(QStringLiteral("Prop0"));
    EXPECT_GT(menu.width(), cerrado);
    presionar(QStringLiteral("Sec2"));
    EXPECT_EQ(menu.width(), cerrado);
}

class MenAbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boton.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&boton));
    }
    QPoint centroImagen() const { return boton.findChild<QLabel*>(QStringLiteral("Botonn"))->geometry().center(); }

    MenAb boton;
};

TEST_F(MenAbTest, OnePressGivesOneEventAndOneFold)
{
    QSignalSpy spy(&boton, &MenAb::Presionado);
    EXPECT_EQ(boton.size(), QSize(148, 96));
    QTest::mouseClick(&boton, Qt::LeftButton, {}, centroImagen());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(boton.Abierto());
    EXPECT_EQ(boton.width(), 858);

    QTest::mouseClick(&boton, Qt::LeftButton, {}, centroImagen());
    EXPECT_EQ(spy.count(), 2);
    EXPECT_FALSE(boton.Abierto());
    EXPECT_EQ(boton.size(), QSize(148, 96));
}

TEST_F(MenAbTest, PressedPictureShowsUntilTheRelease)
{
    auto* botonn = boton.findChild<QLabel*>(QStringLiteral("Botonn"));
    auto* botons = boton.findChild<QLabel*>(QStringLiteral("Botons"));
    QTest::mousePress(&boton, Qt::LeftButton, {}, centroImagen());
    EXPECT_FALSE(botonn->isVisible());
    EXPECT_TRUE(botons->isVisible());
    // Released off the picture: the press still completes.
    QTest::mouseRelease(&boton, Qt::LeftButton, {}, QPoint(500, 40));
    EXPECT_TRUE(botonn->isVisible());
    EXPECT_FALSE(botons->isVisible());
    EXPECT_TRUE(boton.Abierto());
}

TEST_F(MenAbTest, PressBesideThePictureDoesNothing)
{
    QTest::mouseClick(&boton, Qt::LeftButton, {}, centroImagen());
    QSignalSpy spy(&boton, &MenAb::Presionado);
    QTest::mouseClick(&boton, Qt::LeftButton, {}, QPoint(600, 40));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(boton.Abierto());
}
