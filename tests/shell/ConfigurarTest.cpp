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
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
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

namespace {

// Where a caption's text is drawn, in the window's coordinates: found in whichever label holds it.
QRect textoDe(const QWidget* ventana, const QString& titulo)
{
    for (const QLabel* l : ventana->findChildren<QLabel*>()) {
        const int i = l->text().indexOf(titulo);
        if (i < 0)
            continue;
        const QFontMetrics fm = l->fontMetrics();
        const QRect todo = QStyle::alignedRect(l->layoutDirection(), l->alignment(),
                                               QSize(fm.horizontalAdvance(l->text()), fm.height()), l->contentsRect());
        const QRect texto(todo.left() + fm.horizontalAdvance(l->text().left(i)), todo.top(),
                          fm.horizontalAdvance(titulo), todo.height());
        return texto.translated(l->mapTo(ventana, QPoint(0, 0)));
    }
    ADD_FAILURE() << titulo.toStdString();
    return {};
}

bool seSolapan(int a1, int a2, int b1, int b2)
{
    return a1 <= b2 && b1 <= a2;
}

// Over: sharing some width and just above; beside: sharing some height and just left.
bool sobre(const QRect& t, const QRect& caja)
{
    return seSolapan(t.left(), t.right(), caja.left(), caja.right()) && t.bottom() < caja.top() &&
           caja.top() - t.bottom() <= 16;
}
bool junto(const QRect& t, const QRect& caja)
{
    return seSolapan(t.top(), t.bottom(), caja.top(), caja.bottom()) && t.right() < caja.left() &&
           caja.left() - t.right() <= 16;
}

} // namespace

TEST_F(VentanaConfigurar, EachCaptionStandsOverTheBoxItNamesAndNoOther)
{
    const std::pair<QString, const char*> pares[] = {{QStringLiteral("Tipo de conexion"), "Combo1"},
                                                     {QStringLiteral("IP de conexion"), "IP"},
                                                     {QStringLiteral("Puerto"), "Puerto"},
                                                     {QStringLiteral("Sentencia"), "TxSentencia"}};
    const char* cajas[] = {"Combo1", "IP", "Puerto", "TxSentencia", "Comunes"};
    ventana->show();
    // As it opens, and widened.
    for (int ancho : {0, 1000}) {
        if (ancho > 0)
            ventana->resize(ancho, ventana->height());
        ventana->layout()->activate();
        for (const auto& [titulo, nombre] : pares) {
            const QRect t = textoDe(ventana, titulo);
            const QRect propia = control<QWidget>(nombre)->geometry();
            EXPECT_TRUE(sobre(t, propia) || junto(t, propia)) << titulo.toStdString() << " at width " << ancho;
            for (const char* otra : cajas) {
                if (qstrcmp(otra, nombre) == 0)
                    continue;
                EXPECT_FALSE(sobre(t, control<QWidget>(otra)->geometry()))
                    << titulo.toStdString() << " over " << otra << " at width " << ancho;
            }
        }
    }
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
