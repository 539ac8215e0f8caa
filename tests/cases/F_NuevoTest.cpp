#include "F_Nuevo.h"

#include "AtPrinc.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "Quejas.h"
#include "Textos.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

} // namespace

// The entry form over a small catalogue: types, the general category and two others, free,
// paired and disabled reasons, three companies.
class VentanaF_Nuevo : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        Ejecutar({
            "INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Telefónico'), (2, 'Correo electrónico')",
            "INSERT INTO Motivos_quejas (PID, Detalle) VALUES (3, 'Equipaje'), (5, 'Atención al pasajero')",
            "INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (1, 'Demora en la salida', 0), "
            "(2, 'Rotura de valija', 0), (3, 'Pérdida de bulto', 1), (4, 'Servicio cancelado', 1), "
            "(6, 'Maltrato del chofer', 0)",
            "INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (3, 2), (3, 3), (5, 6)",
            "INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (1, 'Sin empresa', ''), "
            "(4, 'Autotransportes del Litoral S.A.', '30-71145820-0'), (7, 'Expreso Andino', '30-50001234-9')",
        });
    }

    qint32 contar() { return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Master_Quejas")); }
    F_Nuevo* abrir()
    {
        F_Nuevo* w = Formulario<F_Nuevo>::Obtener();
        w->show();
        return w;
    }
    F_Nuevo* ventana() { return Formulario<F_Nuevo>::SiCargado(); }
    QLineEdit* caja(const char* nombre) { return ventana()->findChild<QLineEdit*>(QString::fromLatin1(nombre)); }
    QComboBox* lista(const char* nombre) { return ventana()->findChild<QComboBox*>(QString::fromLatin1(nombre)); }
    void escribir(const char* nombre, const QString& texto)
    {
        caja(nombre)->clear();
        caja(nombre)->insert(texto);
    }
    // A pick in a list, as the user makes it.
    void elegir(const char* nombre, int indice) { Elegir(lista(nombre), indice); }
    void guardar() { QTest::mouseClick(ventana()->findChild<QPushButton*>(QStringLiteral("Guardar")), Qt::LeftButton); }

    // Everything a save needs, the category "Equipaje" with its reason "Rotura de valija".
    void completar()
    {
        escribir("Apellido", QStringLiteral("O'Brien"));
        escribir("Nombres", QStringLiteral("Martina"));
        escribir("DNI", QStringLiteral("30111222"));
        escribir("Fecha", QStringLiteral("05/03/2024"));
        escribir("Hora", QStringLiteral("10:15:00"));
        escribir("Correo", QStringLiteral("martina@example.com"));
        elegir("Tipo_Rec", 1);
        elegir("Motivo_rec", 1);
        elegir("Causa_rec", 0);
        elegir("CmbEmpresa", 1);
    }
};

TEST_P(VentanaF_Nuevo, LoadFillsTheListsAndTheDateAndSwitchesTheMainWindowOff)
{
    AtPrinc* p = principalQuieta();
    abrir();
    EXPECT_FALSE(p->isEnabled());
    EXPECT_EQ(ventana()->windowTitle(), QStringLiteral("Alta de Incidencia"));
    EXPECT_EQ(Items(lista("Tipo_Rec")),
              (QStringList{QStringLiteral("1 - Telefónico"), QStringLiteral("2 - Correo electrónico")}));
    EXPECT_EQ(Items(lista("Motivo_rec")),
              (QStringList{QStringLiteral("0 - Reclamo general"), QStringLiteral("3 - Equipaje"),
                           QStringLiteral("5 - Atención al pasajero")}));
    // The company with the lowest PID is never offered.
    EXPECT_EQ(Items(lista("CmbEmpresa")), (QStringList{QStringLiteral("4 - Autotransportes del Litoral S.A."),
                                                       QStringLiteral("7 - Expreso Andino")}));
    EXPECT_EQ(lista("Causa_rec")->count(), 0);
    EXPECT_EQ(lista("Provincia")->count(), 22);
    EXPECT_EQ(lista("Provincia")->itemText(4), QStringLiteral("Córdoba"));
    EXPECT_EQ(lista("Provincia")->currentText(), QStringLiteral("Provincia"));
    EXPECT_EQ(caja("Pais")->text(), QStringLiteral("Argentina"));
    EXPECT_EQ(caja("Fecha")->text(), kHoy);
    EXPECT_TRUE(caja("Hora")->text().isEmpty());
    EXPECT_EQ(ventana()->findChild<QLabel*>(QStringLiteral("Usuario"))->text(), QStringLiteral("Pérez, Ana María"));
}

TEST_P(VentanaF_Nuevo, ChoosingACategoryListsItsEnabledReasons)
{
    abrir();
    elegir("Motivo_rec", 0);
    EXPECT_EQ(Items(lista("Causa_rec")), QStringList{QStringLiteral("1 - Demora en la salida")});
    elegir("Motivo_rec", 1);
    EXPECT_EQ(Items(lista("Causa_rec")), QStringList{QStringLiteral("2 - Rotura de valija")});
    EXPECT_EQ(lista("Causa_rec")->currentIndex(), -1);
    elegir("Motivo_rec", 2);
    EXPECT_EQ(Items(lista("Causa_rec")), QStringList{QStringLiteral("6 - Maltrato del chofer")});
    EXPECT_TRUE(lista("Causa_rec")->isVisible());
    EXPECT_EQ(ventana()->focusWidget(), lista("Motivo_rec"));
}

TEST_P(VentanaF_Nuevo, EnterWalksThroughTheClaimantFields)
{
    F_Nuevo* w = abrir();
    const char* const orden[] = {"Apellido",  "Nombres",   "DNI",  "Fecha",    "Hora",    "Domicilio",
                                 "Localidad", "Provincia", "Pais", "Telefono", "Celular", "Correo"};
    caja("Apellido")->setFocus();
    for (size_t i = 0; i + 1 < std::size(orden); ++i) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        QWidget* esperado =
            std::string(orden[i + 1]) == "Provincia" ? static_cast<QWidget*>(lista("Provincia")) : caja(orden[i + 1]);
        QWidget* foco = w->focusWidget();
        if (foco && foco->parentWidget() == lista("Provincia"))
            foco = lista("Provincia"); // the editable list's own text box
        EXPECT_EQ(foco, esperado) << "after " << orden[i];
    }
    QTest::keyClick(caja("Correo"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), caja("Correo"));
}

TEST_P(VentanaF_Nuevo, DateAndTimeFillThemselvesOnEnterAndDoubleClick)
{
    abrir();
    const QRegularExpression hora(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$"));
    escribir("Fecha", QStringLiteral("01/01/1999"));
    QTest::keyClick(caja("Fecha"), Qt::Key_Return);
    EXPECT_EQ(caja("Fecha")->text(), kHoy);
    escribir("Fecha", QStringLiteral("x"));
    QTest::mouseDClick(caja("Fecha"), Qt::LeftButton);
    EXPECT_EQ(caja("Fecha")->text(), kHoy);

    escribir("Hora", QStringLiteral("9"));
    QTest::keyClick(caja("Hora"), Qt::Key_Return);
    EXPECT_TRUE(hora.match(caja("Hora")->text()).hasMatch()) << caja("Hora")->text().toStdString();
    escribir("Hora", QStringLiteral("9"));
    QTest::mouseDClick(caja("Hora"), Qt::LeftButton);
    EXPECT_TRUE(hora.match(caja("Hora")->text()).hasMatch()) << caja("Hora")->text().toStdString();
}

TEST_P(VentanaF_Nuevo, ChecksStopAtTheFirstFailureInOrderAndSaveNothing)
{
    abrir();
    caja("Fecha")->clear();
    struct Paso
    {
        std::function<void()> antes;
        const char* mensaje;
    };
    const Paso pasos[] = {
        {[] {}, "No se puede ingresar sin un nombre de reclamante"},
        {[&] { escribir("Apellido", QStringLiteral("García")); }, "No se puede ingresar sin un nombre de reclamante"},
        {[&] { escribir("Nombres", QStringLiteral(" ")); }, "No se puede ingresar el DNI del reclamante"},
        {[&] { escribir("DNI", QStringLiteral("30111222")); }, "No se puede ingresar sin la fecha del reclamo"},
        // An impossible date is refused only after the contact check.
        {[&] { escribir("Fecha", QStringLiteral("31/02/2024")); }, "No se puede ingresar sin la hora del reclamo"},
        {[&] { escribir("Hora", QStringLiteral("10:15:00")); }, "No se puede ingresar sin un contacto de reclamante"},
        {[&] { escribir("Correo", QStringLiteral("j@example.com")); }, "Fecha cargada invalida"},
        {[&] { escribir("Fecha", QStringLiteral("2024-03-05")); }, "Fecha cargada invalida"},
        {[&] { escribir("Fecha", QStringLiteral("5/3/2024")); }, "Seleccione un motivo de llamado"},
        // The reason list is empty until a category is chosen.
        {[&] { lista("Motivo_rec")->setCurrentIndex(1); }, "Seleccione una causa de llamado"},
        {[&] { elegir("Motivo_rec", 1); }, "Seleccione una causa de llamado"},
        {[&] { elegir("Causa_rec", 0); }, "Tipo de contacto invalido"},
        {[&] { elegir("Tipo_Rec", 0); }, "Empresa del reclamo no cargada"},
    };
    for (const Paso& p : pasos) {
        p.antes();
        entorno->dialogos->mostrados.clear();
        guardar();
        ASSERT_EQ(mostrados().size(), 1) << p.mensaje;
        EXPECT_EQ(ultimo().texto, QString::fromUtf8(p.mensaje));
        EXPECT_EQ(ultimo().icono, Icono::Informacion);
        EXPECT_EQ(ultimo().titulo, QString());
        ASSERT_TRUE(Formulario<F_Nuevo>::Cargado());
    }
    EXPECT_EQ(contar(), 0);
    EXPECT_EQ(caja("Apellido")->text(), QStringLiteral("García"));
}

// Another window's list lets events run between its rows; picking a category and saving then
// read and write as at any other time.
TEST_P(VentanaF_Nuevo, ReasonsAndTheSaveRunWhileAnotherWindowsListFills)
{
    FilaQueja(1, QStringLiteral("01/03/2024"), QStringLiteral("García"), QStringLiteral("Juan"),
              QStringLiteral("20111222"));
    abrir();
    completar();
    ASSERT_TRUE(DuranteOtroLlenado([this] { elegir("Motivo_rec", 2); }));
    EXPECT_EQ(Items(lista("Causa_rec")), QStringList{QStringLiteral("6 - Maltrato del chofer")});
    ASSERT_TRUE(DuranteOtroLlenado([this] {
        elegir("Causa_rec", 0);
        guardar();
    }));
    EXPECT_EQ(entorno->terminaciones, 0);
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Se ha ingresado el reclamo con Nro: 2"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT causa FROM Master_Quejas WHERE pid = 2")), QStringLiteral("6"));
    EXPECT_FALSE(Formulario<F_Nuevo>::Cargado());
}

TEST_P(VentanaF_Nuevo, AnyOneContactIsEnough)
{
    abrir();
    for (const char* contacto : {"Telefono", "Celular", "Correo"}) {
        completar();
        escribir("Telefono", QString());
        escribir("Celular", QString());
        escribir("Correo", QString());
        escribir("Fecha", QStringLiteral("31/02/2024"));
        escribir(contacto, QStringLiteral("1"));
        entorno->dialogos->mostrados.clear();
        guardar();
        EXPECT_EQ(ultimo().texto, QStringLiteral("Fecha cargada invalida")) << contacto;
    }
}

TEST_P(VentanaF_Nuevo, SavesWhatWasTypedShowsTheNumberAndOpensTheCaseWindow)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, Apellido, Nombres, DNI) "
                            "VALUES (41, '2024-01-02', '09:00:00', 'Previa', 'Queja', '1')"));
    AtPrinc* p = principalQuieta();
    abrir();
    completar();
    escribir("Telefono", QStringLiteral("(0341) 437-2260"));
    escribir("Celular", QStringLiteral("341 155 0101"));
    escribir("Domicilio", QStringLiteral("Bv. Oroño 1234"));
    escribir("Localidad", QStringLiteral("Rosario"));
    lista("Provincia")->setCurrentIndex(18);
    escribir("Numero", QStringLiteral("EXP-7781"));
    escribir("Mediador", QStringLiteral("Dra. Ruiz"));
    ventana()->findChild<QPlainTextEdit*>(QStringLiteral("Detalle"))->setPlainText(QStringLiteral("Llegó 'rota'"));

    guardar();
    ASSERT_EQ(mostrados().size(), 1);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Se ha ingresado el reclamo con Nro: 42"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));
    ASSERT_TRUE(Formulario<VisAtte>::Cargado());
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->NumeroCargado(), 42);
    EXPECT_FALSE(Formulario<F_Nuevo>::Cargado());
    EXPECT_TRUE(p->isEnabled());

    const RegQueja q = GetQueja(42);
    EXPECT_EQ(q.Apellido, QStringLiteral("O'Brien"));
    EXPECT_EQ(q.Nombres, QStringLiteral("Martina"));
    EXPECT_EQ(q.DNI, QStringLiteral("30111222"));
    EXPECT_EQ(q.fecha_queja, QStringLiteral("05/03/2024"));
    EXPECT_EQ(q.hora_queja, QStringLiteral("10:15:00"));
    EXPECT_EQ(q.Telefono, QStringLiteral("(0341) 437-2260"));
    EXPECT_EQ(q.Telefono2, QStringLiteral("341 155 0101"));
    EXPECT_EQ(q.Correo, QStringLiteral("martina@example.com"));
    EXPECT_EQ(q.Domicilio, QStringLiteral("Bv. Oroño 1234"));
    EXPECT_EQ(q.Localidad, QStringLiteral("Rosario"));
    EXPECT_EQ(q.Provincia, QStringLiteral("Santa Fe"));
    EXPECT_EQ(q.Pais, QStringLiteral("Argentina"));
    EXPECT_EQ(q.NrLib, QStringLiteral("EXP-7781"));
    EXPECT_EQ(q.Mediador, QStringLiteral("Dra. Ruiz"));
    EXPECT_EQ(q.tipo_queja, 2);
    EXPECT_EQ(q.motivo, 3);
    EXPECT_EQ(q.causa, 2);
    EXPECT_EQ(q.Empresa.PID, 7);
    EXPECT_EQ(q.usuario, 5);
    EXPECT_EQ(q.detalle, EscaparComillas(QStringLiteral("Llegó 'rota'")));
    EXPECT_TRUE(q.Contacto.isEmpty());
}

TEST_P(VentanaF_Nuevo, AProvinceNotChosenFromTheListIsStoredEmpty)
{
    abrir();
    completar();
    guardar(); // the initial text "Provincia"
    ASSERT_TRUE(Formulario<VisAtte>::Cargado());
    EXPECT_TRUE(GetQueja(1).Provincia.isEmpty());

    abrir();
    completar();
    lista("Provincia")->setCurrentIndex(2);
    lista("Provincia")->setEditText(QStringLiteral("Chaco austral"));
    guardar();
    EXPECT_TRUE(GetQueja(2).Provincia.isEmpty());
}

TEST_P(VentanaF_Nuevo, ClosingWithoutSavingStoresNothingAndSwitchesTheMainWindowOn)
{
    AtPrinc* p = principalQuieta();
    abrir();
    completar();
    ventana()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<F_Nuevo>::Cargado());
    EXPECT_TRUE(p->isEnabled());
    EXPECT_EQ(contar(), 0);
}

TEST_P(VentanaF_Nuevo, DetailHoldsAtMost3900Characters)
{
    abrir();
    auto* d = ventana()->findChild<QPlainTextEdit*>(QStringLiteral("Detalle"));
    d->setPlainText(QString(3897, QLatin1Char('a')));
    d->moveCursor(QTextCursor::End);
    QTest::keyClicks(d, QStringLiteral("bcdef"));
    EXPECT_EQ(d->toPlainText(), QString(3897, QLatin1Char('a')) + QStringLiteral("bcd"));

    // A paste in the middle keeps what stood there and loses the pasted overflow.
    QTextCursor c = d->textCursor();
    c.setPosition(1);
    d->setTextCursor(c);
    d->insertPlainText(QStringLiteral("XYZ"));
    EXPECT_EQ(d->toPlainText().size(), 3900);
    EXPECT_TRUE(d->toPlainText().endsWith(QStringLiteral("bcd")));
    EXPECT_FALSE(d->toPlainText().contains(QLatin1Char('X')));
}

INSTANCIAR_EN_MOTORES(VentanaF_Nuevo);
