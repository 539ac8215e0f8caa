#include "Listado.h"

#include "Aplicacion.h"
#include "AtPrinc.h"
#include "Formularios.h"
#include "Impresoras.h"
#include "VentanaDePrueba.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The printer choice, with the workstation's printers given by the test.
class ListadoImpresoras : public VentanaDePrueba
{
protected:
    void TearDown() override
    {
        VentanaDePrueba::TearDown();
        Impresoras::EstablecerFuente(nullptr);
    }

    Listado* abrir(const QStringList& impresoras)
    {
        Impresoras::EstablecerFuente([impresoras] { return impresoras; });
        Listado* l = Formulario<Listado>::Obtener();
        l->show();
        return l;
    }
    QListWidget* lista() { return Formulario<Listado>::SiCargado()->findChild<QListWidget*>(QStringLiteral("List1")); }
    QStringList items()
    {
        QStringList r;
        for (int i = 0; i < lista()->count(); ++i)
            r << lista()->item(i)->text();
        return r;
    }
    void seleccionar(const QString& nombre)
    {
        lista()->setCurrentItem(lista()->findItems(nombre, Qt::MatchExactly).value(0));
        QTest::mouseClick(Formulario<Listado>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Aceptar")),
                          Qt::LeftButton);
    }
    static QString ruta() { return Aplicacion::Ruta(QStringLiteral("impresora.IMPref")); }
    static QByteArray archivo()
    {
        QFile f(ruta());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<sin archivo>");
    }
};

TEST_P(ListadoImpresoras, OffersTheAcceptablePrintersInTheirOrderWithTheLastSelected)
{
    Listado* l = abrir({"HP LaserJet", "Microsoft Print to PDF", "Brother FAX-2840", "Ricoh Aficio",
                        "Send To OneNote Office", "Microsoft XPS Document Writer", "microsoftPrinter", "Epson"});
    EXPECT_EQ(l->windowTitle(), QStringLiteral("Listado de impresoras disponibles"));
    EXPECT_EQ(l->findChild<QLabel*>(QStringLiteral("Etiqueta"))->text(),
              QStringLiteral("Seleccione la impresora con la que va a imprimir los boletos"));
    EXPECT_EQ(l->findChild<QPushButton*>(QStringLiteral("Aceptar"))->text(), QStringLiteral("Seleccionar"));
    EXPECT_EQ(items(), (QStringList{"HP LaserJet", "Ricoh Aficio", "microsoftPrinter", "Epson"}));
    ASSERT_NE(lista()->currentItem(), nullptr);
    EXPECT_EQ(lista()->currentItem()->text(), QStringLiteral("Epson"));

    for (const char* fuera : {"PDFCreator", "My OFFICE jet", "xps", "Oficina FaX", "Microsoft Print", "a pdf"})
        EXPECT_FALSE(Listado::Comprobar(QString::fromLatin1(fuera))) << fuera;
    for (const char* dentro : {"Microsoft", "microsoft-x", "HP", "", "Ofice"})
        EXPECT_TRUE(Listado::Comprobar(QString::fromLatin1(dentro))) << dentro;
}

TEST_P(ListadoImpresoras, SeleccionarStoresTheNameBehindItsLengthAndUnloads)
{
    abrir({"Caja Señor Ñandú", "Canon", ""});
    seleccionar(QStringLiteral("Caja Señor Ñandú"));
    EXPECT_FALSE(Formulario<Listado>::Cargado());
    EXPECT_EQ(archivo(), QByteArray("\x10\x00", 2) + QByteArray("Caja Se\xF1or \xD1"
                                                                "and\xFA"));
    EXPECT_EQ(Listado::LeerImpresora(), QStringLiteral("Caja Señor Ñandú"));

    // A shorter name over a longer one reads back alone.
    abrir({"Caja Señor Ñandú", "Canon", ""});
    seleccionar(QStringLiteral("Canon"));
    EXPECT_EQ(Listado::LeerImpresora(), QStringLiteral("Canon"));

    // A name of no characters is the two bytes of its length.
    QFile::remove(ruta());
    abrir({"Caja Señor Ñandú", "Canon", ""});
    seleccionar(QString());
    EXPECT_EQ(archivo(), QByteArray("\x00\x00", 2));
    EXPECT_EQ(Listado::LeerImpresora(), QString());
    EXPECT_TRUE(mostrados().isEmpty());
}

TEST_P(ListadoImpresoras, WithoutASelectionOrAWritableFileNothingLooksStored)
{
    abrir({});
    EXPECT_EQ(lista()->count(), 0);
    seleccionar(QString());
    EXPECT_EQ(ultimo().texto, QStringLiteral("No ha seleccionado ninguna impresora"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Error al guardar"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_TRUE(Formulario<Listado>::Cargado());
    EXPECT_EQ(archivo(), QByteArray("<sin archivo>"));
    Formulario<Listado>::Descargar();

    // The file cannot be written: the user is told, and the window stays for another try.
    ASSERT_TRUE(QDir().mkpath(ruta()));
    abrir({"Epson"});
    seleccionar(QStringLiteral("Epson"));
    EXPECT_TRUE(ultimo().texto.startsWith(QStringLiteral("No se pudo guardar la impresora")));
    EXPECT_TRUE(Formulario<Listado>::Cargado());
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("impresora.IMPref")));
}

TEST_P(ListadoImpresoras, TheLogoutUnloadsIt)
{
    entrar(3);
    principalQuieta();
    abrir({"Epson"});
    CerrarSesion();
    EXPECT_FALSE(Formulario<Listado>::Cargado());
}

INSTANCIAR_EN_MOTORES(ListadoImpresoras);
