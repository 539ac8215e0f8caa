#include "F_Comprobante.h"

#include "Comprobantes.h"
#include "Formularios.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class F_ComprobanteVentana : public VentanaDePrueba
{
protected:
    void Preparar() override { UsuarioActual.Nivel = 2; }

    void cerrar()
    {
        Formulario<F_Comprobante>::Descargar();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // As the case window does: show, then load the complaint.
    F_Comprobante* abrir(qint32 n)
    {
        F_Comprobante* w = Formulario<F_Comprobante>::Obtener();
        w->show();
        w->Carga_Comp(n);
        return w;
    }

    template <typename T> T* control(const char* nombre)
    {
        return Formulario<F_Comprobante>::SiCargado()->findChild<T*>(QString::fromLatin1(nombre));
    }
    QComboBox* tipo() { return control<QComboBox>("TipoTicket"); }
    QListWidget* lista(const char* nombre) { return control<QListWidget>(nombre); }
    bool visible(const char* marco) { return !control<QGroupBox>(marco)->isHidden(); }

    QStringList textos(const char* nombre)
    {
        QStringList r;
        for (int i = 0; i < lista(nombre)->count(); ++i)
            r << lista(nombre)->item(i)->text();
        return r;
    }

    void elegirTipo(int indice) { Elegir(tipo(), indice); }

    void escribirYEnter(const char* nombre, const QString& texto)
    {
        QLineEdit* c = control<QLineEdit>(nombre);
        QTest::keyClicks(c, texto);
        QTest::keyClick(c, Qt::Key_Return);
    }

    void dobleClic(const char* nombre, int fila)
    {
        QListWidget* l = lista(nombre);
        const QRect r = l->visualItemRect(l->item(fila));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    QStringList guardados(qint32 n)
    {
        QStringList r;
        for (const RegComprobante& c : GetComprobantes(n).Items)
            r << QString::number(c.Tipo) + QLatin1Char(':') + c.Texto;
        return r;
    }
};

TEST_P(F_ComprobanteVentana, TicketsAreStoredAtOnceAndADuplicateIsRefused)
{
    abrir(5);
    EXPECT_FALSE(visible("FrmBol"));
    elegirTipo(0);
    EXPECT_TRUE(visible("FrmBol"));
    EXPECT_FALSE(visible("FrmEq"));
    EXPECT_FALSE(visible("Factura"));

    escribirYEnter("Boleto", QStringLiteral("000123"));
    EXPECT_EQ(textos("ListBolet"), QStringList{QStringLiteral("000123")});
    EXPECT_EQ(guardados(5), QStringList{QStringLiteral("1:000123")});
    EXPECT_EQ(control<QLineEdit>("Boleto")->text(), QString());
    EXPECT_FALSE(tipo()->isEnabled()) << "the kind is fixed after an addition";

    escribirYEnter("Boleto", QStringLiteral("O'Brien-77"));
    escribirYEnter("Boleto", QStringLiteral("000123"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("El comprobante se encuentra cargado en boletos"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(control<QLineEdit>("Boleto")->text(), QStringLiteral("000123")) << "the refused text stays";
    EXPECT_EQ(guardados(5), (QStringList{QStringLiteral("1:000123"), QStringLiteral("1:O'Brien-77")}));

    // Reopened: the same number as a luggage ticket is another voucher.
    cerrar();
    abrir(5);
    EXPECT_EQ(tipo()->currentIndex(), 0);
    EXPECT_EQ(textos("ListBolet"), (QStringList{QStringLiteral("000123"), QStringLiteral("O'Brien-77")}));
    EXPECT_TRUE(tipo()->isEnabled());
    elegirTipo(1);
    EXPECT_TRUE(visible("FrmBol"));
    EXPECT_TRUE(visible("FrmEq"));
    escribirYEnter("Equipaje", QStringLiteral("000123"));
    escribirYEnter("Equipaje", QStringLiteral("000123"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("El comprobante se encuentra cargado en equipajes"));
    EXPECT_EQ(GetComprobantes(5).Tipo, 2);
    EXPECT_EQ(guardados(5).count(QStringLiteral("2:000123")), 1);
}

TEST_P(F_ComprobanteVentana, ParcelInvoiceIsStoredAndShownAsLetterPointAndNumber)
{
    abrir(6);
    elegirTipo(2);
    EXPECT_TRUE(visible("Factura"));
    EXPECT_FALSE(visible("FrmBol"));
    EXPECT_TRUE(lista("ListEnco")->isEnabled());

    F_Comprobante* w = Formulario<F_Comprobante>::SiCargado();
    escribirYEnter("Enc1", QStringLiteral("AB"));
    EXPECT_EQ(control<QLineEdit>("Enc1")->text(), QStringLiteral("A")) << "one letter";
    EXPECT_EQ(w->focusWidget(), control<QLineEdit>("Enc2"));
    escribirYEnter("Enc2", QStringLiteral("0001"));
    EXPECT_EQ(w->focusWidget(), control<QLineEdit>("Enc3"));
    escribirYEnter("Enc3", QStringLiteral("12345"));

    EXPECT_EQ(textos("ListEnco"), QStringList{QStringLiteral("A 0001-12345")});
    EXPECT_EQ(guardados(6), QStringList{QStringLiteral("3:A 0001-12345")});
    for (const char* c : {"Enc1", "Enc2", "Enc3"})
        EXPECT_EQ(control<QLineEdit>(c)->text(), QString()) << c;

    // Missing parts: nothing stored.
    escribirYEnter("Enc1", QStringLiteral("B"));
    escribirYEnter("Enc3", QStringLiteral("99"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("Cargue todos los datos"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Guardar encomienda"));
    control<QLineEdit>("Enc3")->clear();
    escribirYEnter("Enc2", QStringLiteral("0002"));
    QTest::keyClick(control<QLineEdit>("Enc3"), Qt::Key_Return);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Cargue todos los datos"));
    EXPECT_EQ(guardados(6).size(), 1);

    // Once invoices are stored, the kind is locked and the invoice frame stays.
    const int antes = entorno->dialogos->mostrados.size();
    for (int i : {0, 1, 2}) {
        elegirTipo(i);
        EXPECT_EQ(ultimo().texto,
                  QStringLiteral("No se puede cambiar el tipo de comprobante si está cargada una encomienda"));
        EXPECT_EQ(ultimo().titulo, QStringLiteral("Información del sistema"));
        EXPECT_TRUE(visible("Factura"));
        EXPECT_FALSE(visible("FrmBol"));
    }
    EXPECT_EQ(entorno->dialogos->mostrados.size(), antes + 3);
}

// A character written as two UTF-16 units that does not fit whole is left out, not cut in half.
TEST_P(F_ComprobanteVentana, TheInvoiceBoxesLengthsKeepWholeCharacters)
{
    abrir(6);
    elegirTipo(2);
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QLineEdit* enc2 = control<QLineEdit>("Enc2");
    enc2->insert(QStringLiteral("123") + emoji); // a paste
    EXPECT_EQ(enc2->text(), QStringLiteral("123"));
    enc2->insert(QStringLiteral("4"));
    EXPECT_EQ(enc2->text(), QStringLiteral("1234"));
    // Pasted in the middle: what fits whole goes in, the rest is left out.
    enc2->setText(QStringLiteral("12"));
    enc2->setCursorPosition(1);
    enc2->insert(QStringLiteral("x") + emoji);
    EXPECT_EQ(enc2->text(), QStringLiteral("1x2"));
    enc2->setText(QStringLiteral("1"));
    enc2->insert(emoji + QStringLiteral("9"));
    EXPECT_EQ(enc2->text(), QStringLiteral("1") + emoji + QStringLiteral("9"));

    escribirYEnter("Enc1", QStringLiteral("A"));
    control<QLineEdit>("Enc3")->insert(QString(9, QLatin1Char('5')) + emoji);
    QTest::keyClick(control<QLineEdit>("Enc3"), Qt::Key_Return);
    EXPECT_EQ(guardados(6), QStringList{QStringLiteral("3:A 1") + emoji + QStringLiteral("9-555555555")});
}

TEST_P(F_ComprobanteVentana, TypeListKeepsTicketsAndInvoicesApart)
{
    AgregarComprobante(7, QStringLiteral("100"), QString(), QString(), 1);
    abrir(7);
    EXPECT_TRUE(visible("FrmBol"));
    EXPECT_FALSE(visible("FrmEq"));
    elegirTipo(2);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Seleccione otro tipo de comprobante"));
    EXPECT_EQ(tipo()->currentIndex(), -1);
    EXPECT_FALSE(visible("Factura"));
    elegirTipo(1);
    EXPECT_TRUE(visible("FrmBol"));
    EXPECT_TRUE(visible("FrmEq"));
    cerrar();

    AgregarComprobante(8, QStringLiteral("200"), QString(), QString(), 1);
    AgregarComprobante(8, QStringLiteral("E-1"), QString(), QString(), 2);
    abrir(8);
    EXPECT_EQ(tipo()->currentIndex(), 1);
    EXPECT_EQ(textos("ListBolet"), QStringList{QStringLiteral("200")});
    EXPECT_EQ(textos("ListEquip"), QStringList{QStringLiteral("E-1")});
    elegirTipo(0);
    EXPECT_EQ(ultimo().texto, QStringLiteral("No se puede cambiar si hay equipajes"));
    EXPECT_EQ(tipo()->currentIndex(), -1);
    elegirTipo(2);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Seleccione otro tipo de comprobante"));
    cerrar();

    // Invoices loaded from the database lock the kind just the same.
    AgregarComprobante(9, QStringLiteral("A"), QStringLiteral("0001"), QString(), 3);
    abrir(9);
    EXPECT_TRUE(visible("Factura"));
    EXPECT_EQ(textos("ListEnco"), QStringList{QStringLiteral("A")});
    elegirTipo(0);
    EXPECT_EQ(ultimo().texto,
              QStringLiteral("No se puede cambiar el tipo de comprobante si está cargada una encomienda"));
}

TEST_P(F_ComprobanteVentana, ABasicUserCannotChangeOrDeleteVouchers)
{
    AgregarComprobante(10, QStringLiteral("300"), QString(), QString(), 1);
    AgregarComprobante(10, QStringLiteral("E-9"), QString(), QString(), 2);
    UsuarioActual.Nivel = 1;
    abrir(10);
    entorno->dialogos->Escribir(QString());
    dobleClic("ListBolet", 0);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Un usuario no puede borrar o cambiar comprobantes"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("No se puede borrar"));
    dobleClic("ListEquip", 0);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Un usuario no puede cambiar o borrar comprobantes"));
    EXPECT_EQ(guardados(10), (QStringList{QStringLiteral("1:300"), QStringLiteral("2:E-9")}));
}

TEST_P(F_ComprobanteVentana, AnAdvancedUserChangesAndDeletesTickets)
{
    AgregarComprobante(11, QStringLiteral("300"), QString(), QString(), 1);
    AgregarComprobante(11, QStringLiteral("301"), QString(), QString(), 1);
    abrir(11);

    // Answering No changes nothing.
    entorno->dialogos->Escribir(QStringLiteral("399"));
    entorno->dialogos->Responder(Respuesta::No);
    dobleClic("ListBolet", 0);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Desea editar el comprobante?"));
    EXPECT_EQ(guardados(11), (QStringList{QStringLiteral("1:300"), QStringLiteral("1:301")}));

    entorno->dialogos->Escribir(QStringLiteral("3'99"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic("ListBolet", 0);
    const CuadroMostrado pregunta = entorno->dialogos->mostrados.value(entorno->dialogos->mostrados.size() - 2);
    EXPECT_EQ(pregunta.texto, QStringLiteral("Ingrese nuevo valor para el boleto"));
    EXPECT_EQ(pregunta.titulo, QStringLiteral("Nuevo valor"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Editar comprobante"));
    EXPECT_EQ(guardados(11), (QStringList{QStringLiteral("1:3'99"), QStringLiteral("1:301")}));
    EXPECT_EQ(textos("ListBolet"), (QStringList{QStringLiteral("3'99"), QStringLiteral("301")}));

    // An empty answer deletes.
    entorno->dialogos->Escribir(QString());
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic("ListBolet", 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Desea eliminar el comprobante?"));
    EXPECT_EQ(guardados(11), QStringList{QStringLiteral("1:3'99")});
    EXPECT_EQ(textos("ListBolet"), QStringList{QStringLiteral("3'99")});

    entorno->dialogos->Escribir(QString());
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic("ListBolet", 0);
    EXPECT_TRUE(guardados(11).isEmpty());
    EXPECT_EQ(lista("ListBolet")->count(), 0);
}

TEST_P(F_ComprobanteVentana, LeavingAsksFirstAndLosesNothing)
{
    abrir(12);
    elegirTipo(0);
    escribirYEnter("Boleto", QStringLiteral("77"));
    auto* salir = control<QPushButton>("Guardado");
    QTest::mouseClick(salir, Qt::LeftButton);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Desea salir del módulo?"));
    EXPECT_EQ(ultimo().botones, Botones::SiNo);
    EXPECT_TRUE(Formulario<F_Comprobante>::Cargado());

    entorno->dialogos->Responder(Respuesta::Si);
    QTest::mouseClick(salir, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<F_Comprobante>::Cargado());
    EXPECT_EQ(guardados(12), QStringList{QStringLiteral("1:77")});
}

TEST_P(F_ComprobanteVentana, LoadingAnotherComplaintStartsFromAnEmptyList)
{
    AgregarComprobante(13, QStringLiteral("500"), QString(), QString(), 1);
    abrir(13);
    ASSERT_EQ(textos("ListBolet"), QStringList{QStringLiteral("500")});

    Formulario<F_Comprobante>::SiCargado()->Carga_Comp(14);
    EXPECT_EQ(lista("ListBolet")->count(), 0);
    EXPECT_FALSE(visible("FrmBol"));
    elegirTipo(0);
    escribirYEnter("Boleto", QStringLiteral("500"));
    EXPECT_EQ(guardados(14), QStringList{QStringLiteral("1:500")});
    EXPECT_EQ(guardados(13), QStringList{QStringLiteral("1:500")});
}

INSTANCIAR_EN_MOTORES(F_ComprobanteVentana);
