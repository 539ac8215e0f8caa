#include "VisAtte.h"

#include "AtPrinc.h"
#include "Colores.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "EtiquetaDato.h"
#include "ListaDato.h"
#include "FResolucion.h"
#include "F_Abrir.h"
#include "F_Comprobante.h"
#include "Formularios.h"
#include "Lugar.h"
#include "PCarga.h"
#include "Seguimiento.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

// The case window over a small catalogue: two categories with paired reasons, free reasons
// (one annulled), a company, a user and complaint 42.
class VisAtteVentana : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(2);
        Ejecutar({
            "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
            "(5, 'aperez', 'Ana María', 'Pérez', 2, '')",
            "INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Telefónico')",
            "INSERT INTO Motivos_quejas (PID, Detalle) VALUES (1, 'Equipaje'), (2, 'Atención al pasajero')",
            "INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (1, 'Demora en la salida', 0), "
            "(2, 'Valija extraviada', 0), (3, 'Trato descortés', 0), (4, 'Causa vieja', 1), "
            "(5, 'Bolso dañado', 0)",
            "INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (1, 2), (1, 5), (2, 3)",
            "INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (4, 'Autotransportes del Litoral S.A.', "
            "'30-71145820-0')",
            "INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, Apellido, "
            "Nombres, Telefono, Telefono2, Correo, DNI, causa, usuario, Empresa, Domicilio, Localidad, "
            "Provincia, Pais, NrLib, Mediador, NroQueja) VALUES (42, '2025-03-14', '09:35:00', 1, 1, "
            "'El chofer dijo |~|no hay lugar|~|', 'Gómez', 'Lucía', '0341 455-1020', '341 15 602 3311', "
            "'lucia.gomez@correo.com.ar', '28456123', 2, 5, 4, 'Av. Pellegrini 1450', 'Rosario', "
            "'Santa Fe', 'Argentina', 'EXP-118', 'Defensoría', 'Q-7781')",
        });
    }

    void resolucion(int cerrada, int anulado) { FilaResolucion(1, 42, cerrada, anulado); }

    VisAtte* abrir(qint32 n = 42)
    {
        VisAtte* w = Formulario<VisAtte>::Obtener();
        w->Cargar_Reclamo(n);
        return w;
    }
    template <typename T> T* control(const char* nombre)
    {
        T* c = Formulario<VisAtte>::SiCargado()->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QString caja(const char* nombre) { return control<QLineEdit>(nombre)->text(); }
    QString etiqueta(const char* nombre) { return control<QLabel>(nombre)->text(); }
    QPlainTextEdit* detalle() { return control<QPlainTextEdit>("Detalle"); }
    void pulsar(const char* nombre) { QTest::mouseClick(control<QPushButton>(nombre), Qt::LeftButton); }
    void dobleClic(QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton); }

    // Picks an item of a panel combo as the user does.
    void elegir(const char* combo, int indice) { Elegir(control<QComboBox>(combo), indice); }
    QStringList items(const char* combo) { return Items(control<QComboBox>(combo)); }
};

TEST_P(VisAtteVentana, ShowsTheLoadedComplaintInItsFields)
{
    VisAtte* w = abrir();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Atencion Abierta"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(control<QGroupBox>("Carga")->isVisible());
    EXPECT_EQ(etiqueta("NrQueja"), QStringLiteral("Numero de reclamo: 000042"));
    const std::pair<const char*, const char*> cajas[] = {{"Apellido", "Gómez"},
                                                         {"Nombres", "Lucía"},
                                                         {"DNI", "28456123"},
                                                         {"Fecha", "14/03/2025"},
                                                         {"Hora", "09:35:00"},
                                                         {"Telefono", "0341 455-1020"},
                                                         {"Celular", "341 15 602 3311"},
                                                         {"Correo", "lucia.gomez@correo.com.ar"},
                                                         {"Domicilio", "Av. Pellegrini 1450"},
                                                         {"Localidad", "Rosario"},
                                                         {"Provincia", "Santa Fe"},
                                                         {"Pais", "Argentina"}};
    for (const auto& [nombre, valor] : cajas)
        EXPECT_EQ(caja(nombre), QString::fromUtf8(valor)) << nombre;
    const std::pair<const char*, const char*> etiquetas[] = {{"Numero", "EXP-118"},
                                                             {"Mediador", "Defensoría"},
                                                             {"NroQueja", "Q-7781"},
                                                             {"LblTipo", "Telefónico"},
                                                             {"LblMotivo", "Equipaje"},
                                                             {"LblCausa", "Valija extraviada"},
                                                             {"LblEmpresa", "Autotransportes del Litoral S.A."},
                                                             {"Usuario", "Pérez, Ana María"}};
    for (const auto& [nombre, valor] : etiquetas)
        EXPECT_EQ(etiqueta(nombre), QString::fromUtf8(valor)) << nombre;
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("El chofer dijo 'no hay lugar'"));
    EXPECT_TRUE(detalle()->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("Apellido")->isReadOnly());
    EXPECT_EQ(control<QLineEdit>("Apellido")->palette().color(QPalette::Base), ColorBGR(0xAFF3B3));
    EXPECT_EQ(control<QLineEdit>("Fecha")->palette().color(QPalette::Base), ColorBGR(0xE6FBE3));
    EXPECT_FALSE(control<QPushButton>("Guarda_Detalle")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>("FrmeCmbMotCau")->isVisible());
    // The progress window came and went.
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_EQ(w->EstadoCaso(), 0);
}

TEST_P(VisAtteVentana, LongStoredTextsAreCutToTheWindowWhichNeverGrowsForThem)
{
    VisAtte* w = abrir();
    QCoreApplication::sendPostedEvents();
    const QSize corta = w->size();
    // As long as the edit box lets a mediator, a file number or a name be typed.
    const QString largo = QString(5000, QLatin1Char('M'));
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, Apellido, Nombres, NrLib, Mediador, NroQueja, causa) "
                            "VALUES (43, '%1', '%1', '%1', '%1', '%1', 2)")
                 .arg(largo));
    abrir(43);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(w->size(), corta);
    EXPECT_LE(w->minimumSizeHint().width(), QGuiApplication::primaryScreen()->availableGeometry().width());
    for (const char* nombre : {"Numero", "Mediador", "NroQueja"}) {
        auto* l = control<EtiquetaDato>(nombre);
        EXPECT_EQ(l->text(), largo) << nombre;
        EXPECT_TRUE(l->TextoVisible().endsWith(QChar(0x2026))) << nombre;
        EXPECT_LE(l->mapTo(w, QPoint(l->width(), 0)).x(), w->width()) << nombre;
    }
    // The whole text is in the tooltip.
    auto* mediador = control<EtiquetaDato>("Mediador");
    QHelpEvent ayuda(QEvent::ToolTip, QPoint(5, 5), mediador->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(mediador, &ayuda);
    EXPECT_EQ(QToolTip::text(), largo);
    QToolTip::hideText();
    // Edits start from the whole stored text.
    entorno->dialogos->Escribir(QStringLiteral("Defensoría del Pueblo"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(mediador);
    EXPECT_EQ(entorno->dialogos->porDefecto.value(0), largo);
    EXPECT_EQ(etiqueta("Mediador"), QStringLiteral("Defensoría del Pueblo"));

    abrir(42);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(w->size(), corta);
    // Short texts show whole, to the last fraction of a pixel.
    for (EtiquetaDato* l : w->findChildren<EtiquetaDato*>())
        EXPECT_EQ(l->TextoVisible(), l->text()) << l->objectName().toStdString();
}

// The panel's lists hold every category and reason: a very long name is cut in them, whole in
// their tooltip and open list, and the window stays on the screen.
TEST_P(VisAtteVentana, TheCategoryPanelKeepsTheWindowOnTheScreenWhateverTheNames)
{
    const QString larga = QString(2770, QLatin1Char('L'));
    Ejecutar(QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) VALUES (3, '%1')").arg(larga));
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (6, '%1', 0)").arg(larga));
    Ejecutar({"INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (3, 6)",
              "UPDATE Master_Quejas SET motivo = 3, causa = 6 WHERE pid = 42"});
    VisAtte* w = abrir();
    dobleClic(control<QLabel>("LblCausa"));
    const QString item = QStringLiteral("3 - ") + larga;
    const int indice = items("Motivo_rec").indexOf(item);
    ASSERT_GE(indice, 0);
    elegir("Motivo_rec", indice);
    elegir("Causa_rec", 0);
    QCoreApplication::sendPostedEvents();
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(w->width(), pantalla.width());
    EXPECT_LE(w->minimumSizeHint().width(), pantalla.width());
    for (const char* nombre : {"Motivo_rec", "Causa_rec"}) {
        auto* lista = control<ListaDato>(nombre);
        ASSERT_NE(lista, nullptr);
        EXPECT_TRUE(lista->TextoVisible().endsWith(QChar(0x2026))) << nombre;
        EXPECT_LE(lista->mapTo(w, QPoint(lista->width(), 0)).x(), w->width()) << nombre;
        EXPECT_EQ(lista->itemData(lista->currentIndex(), Qt::ToolTipRole).toString(), lista->currentText()) << nombre;
    }
    EXPECT_EQ(control<QComboBox>("Causa_rec")->currentText(), QStringLiteral("6 - ") + larga);
    pulsar("CmdGuarMotRe");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT motivo || ' ' || causa FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("3 6"));
    EXPECT_LE(w->width(), pantalla.width());
}

TEST_P(VisAtteVentana, LongStoredTextsInTheBoxesReadFromTheirStart)
{
    const QString correo = QStringLiteral("maria.fernanda.gonzalez.de.los.andes@correo.com.ar");
    const QString localidad = QStringLiteral("San Martín de los Andes, Departamento Lácar");
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET Apellido = 'Fernández de la Cruz y Goñi', Nombres = 'María "
                            "Fernanda Guadalupe', Correo = '%1', Domicilio = 'Avenida Costanera Norte 1450, piso 3, "
                            "departamento B', Localidad = '%2', Provincia = 'Tierra del Fuego, Antártida e Islas del "
                            "Atlántico Sur', Pais = 'República Oriental del Uruguay' WHERE pid = 42")
                 .arg(correo, localidad));
    VisAtte* w = abrir();
    QCoreApplication::sendPostedEvents();
    const QStringList cajas{QStringLiteral("Apellido"),  QStringLiteral("Nombres"),   QStringLiteral("DNI"),
                            QStringLiteral("Fecha"),     QStringLiteral("Hora"),      QStringLiteral("Telefono"),
                            QStringLiteral("Celular"),   QStringLiteral("Correo"),    QStringLiteral("Domicilio"),
                            QStringLiteral("Localidad"), QStringLiteral("Provincia"), QStringLiteral("Pais")};
    EXPECT_EQ(CajasSinSuInicio(w, cajas), "");
    auto* caja = control<QLineEdit>("Correo");
    EXPECT_EQ(caja->text(), correo);
    EXPECT_GT(caja->fontMetrics().horizontalAdvance(correo), caja->width()) << "longer than its box";
    EXPECT_GT(caja->fontMetrics().horizontalAdvance(localidad), control<QLineEdit>("Localidad")->width());

    // The same after a reload, as every field edit makes.
    abrir();
    EXPECT_EQ(CajasSinSuInicio(w, cajas), "");
}

// The database refuses the writes of the case and its vouchers and resolution windows, as when a
// save is given up: what the user typed stays where it was typed, ready to be saved again.
TEST_P(VisAtteVentana, ASaveTheDatabaseDoesNotTakeKeepsWhatWasTyped)
{
    abrir();
    // Reads go on, writes fail: each table behind a view that no engine lets change.
    const char* const tablas[] = {"Master_Quejas", "Comprobantes_quejas", "Resolucion_quejas"};
    for (const char* t : tablas) {
        Ejecutar(QStringLiteral("ALTER TABLE %1 RENAME TO %1_guardada").arg(QLatin1String(t)));
        Ejecutar(QStringLiteral("CREATE VIEW %1 AS SELECT DISTINCT * FROM %1_guardada").arg(QLatin1String(t)));
    }

    dobleClic(detalle()->viewport());
    detalle()->setPlainText(QStringLiteral("Pide el reintegro del pasaje"));
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("Pide el reintegro del pasaje"));
    EXPECT_FALSE(detalle()->isReadOnly());
    EXPECT_TRUE(control<QPushButton>("Guarda_Detalle")->isEnabled());

    entorno->dialogos->Escribir(QStringLiteral("Defensoría del Pueblo"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLabel>("Mediador"));
    EXPECT_EQ(etiqueta("Mediador"), QStringLiteral("Defensoría"));

    pulsar("Scomp");
    auto* tipos = Formulario<F_Comprobante>::SiCargado()->findChild<QComboBox*>(QStringLiteral("TipoTicket"));
    Elegir(tipos, 0);
    auto* boleto = Formulario<F_Comprobante>::SiCargado()->findChild<QLineEdit*>(QStringLiteral("Boleto"));
    QTest::keyClicks(boleto, QStringLiteral("B-0042"));
    QTest::keyClick(boleto, Qt::Key_Return);
    EXPECT_EQ(boleto->text(), QStringLiteral("B-0042"));
    EXPECT_EQ(Formulario<F_Comprobante>::SiCargado()->findChild<QListWidget*>(QStringLiteral("ListBolet"))->count(), 0);

    pulsar("Resolucion");
    auto* resolucion = Formulario<FResolucion>::SiCargado()->findChild<QPlainTextEdit*>(QStringLiteral("Detalle"));
    resolucion->setPlainText(QStringLiteral("Se reintegra el pasaje"));
    entorno->dialogos->Responder(Respuesta::Si); // save on the way out
    EXPECT_FALSE(Formulario<FResolucion>::Descargar());
    EXPECT_EQ(resolucion->toPlainText(), QStringLiteral("Se reintegra el pasaje"));

    // Once the database takes writes again, each kept entry is saved as it stands.
    for (const char* t : tablas) {
        Ejecutar(QStringLiteral("DROP VIEW %1").arg(QLatin1String(t)));
        Ejecutar(QStringLiteral("ALTER TABLE %1_guardada RENAME TO %1").arg(QLatin1String(t)));
    }
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_TRUE(detalle()->isReadOnly());
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("Pide el reintegro del pasaje"));

    const int cuadros = mostrados().size();
    entorno->dialogos->Escribir(QStringLiteral("Defensoría del Pueblo"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLabel>("Mediador"));
    EXPECT_EQ(entorno->dialogos->porDefecto.last(), QStringLiteral("Defensoría del Pueblo"))
        << "the unsaved value is offered again";
    EXPECT_GT(mostrados().size(), cuadros);
    EXPECT_EQ(etiqueta("Mediador"), QStringLiteral("Defensoría del Pueblo"));

    QTest::keyClick(boleto, Qt::Key_Return);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT T1 FROM Comprobantes_quejas WHERE NrQueja = 42")),
              QStringLiteral("B-0042"));
    EXPECT_EQ(boleto->text(), QString());

    entorno->dialogos->Responder(Respuesta::Si);
    EXPECT_TRUE(Formulario<FResolucion>::Descargar());
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Detalle FROM Resolucion_quejas WHERE IDQueja = 42")),
              QStringLiteral("Se reintegra el pasaje"));
}

TEST_P(VisAtteVentana, NumberCaptionPadsToSixDigitsAndShowsLongerNumbersInFull)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, Apellido) VALUES (1234567, 'Ruiz')"));
    abrir(1234567);
    EXPECT_EQ(etiqueta("NrQueja"), QStringLiteral("Numero de reclamo: 1234567"));
    EXPECT_EQ(caja("Apellido"), QStringLiteral("Ruiz"));
}

TEST_P(VisAtteVentana, CerrarReclamoEmptiesTheWindowAndKeepsTheCaseState)
{
    resolucion(1, 0);
    VisAtte* w = abrir();
    w->Cerrar_Reclamo();
    EXPECT_EQ(w->NumeroCargado(), 0);
    EXPECT_FALSE(control<QGroupBox>("Carga")->isVisible());
    EXPECT_EQ(caja("Apellido"), QString());
    EXPECT_EQ(w->EstadoCaso(), 1);
}

TEST_P(VisAtteVentana, CaseStateTakesAnyFlagAndAnnulledWins)
{
    struct Caso
    {
        int cerrada, anulado;
        qint16 estado;
        const char* mensaje;
    };
    const Caso casos[] = {{1, 0, 1, "Reclamo solucionado, no se puede modificar"},
                          {2, 0, 1, "Reclamo solucionado, no se puede modificar"},
                          {0, 1, 2, "Reclamo anulado, no se puede modificar"},
                          {1, 1, 2, "Reclamo anulado, no se puede modificar"},
                          {0, 0, 0, nullptr}};
    for (const Caso& c : casos) {
        Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas"));
        resolucion(c.cerrada, c.anulado);
        VisAtte* w = abrir();
        EXPECT_EQ(w->EstadoCaso(), c.estado) << c.cerrada << "/" << c.anulado;
        const int antes = mostrados().size();
        dobleClic(control<QLineEdit>("Apellido"));
        if (c.mensaje) {
            ASSERT_EQ(mostrados().size(), antes + 1);
            EXPECT_EQ(ultimo().texto, QString::fromLatin1(c.mensaje));
            EXPECT_EQ(ultimo().icono, Icono::Informacion);
            EXPECT_EQ(ultimo().titulo, QString());
        } else {
            // Editable: the input box comes, then the confirmation (answered No by default).
            ASSERT_EQ(mostrados().size(), antes + 2);
            EXPECT_EQ(mostrados()[antes].titulo, QStringLiteral("Cambiar"));
        }
    }
    Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas"));
    EXPECT_EQ(abrir()->EstadoCaso(), 0);
}

// The window was filled while the complaint was editable; an administrator at another desk then
// solves or annuls it.
TEST_P(VisAtteVentana, EditsAreRefusedOnceAnotherDeskSolvedOrAnnulledTheComplaint)
{
    VisAtte* w = abrir();
    resolverEnOtroPuesto(42, QStringLiteral("Solucionado en otro puesto"), 1);
    entorno->dialogos->Escribir(QStringLiteral("0341 400-0000"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLineEdit>("Telefono"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("Reclamo solucionado, no se puede modificar"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Telefono FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("0341 455-1020"));
    EXPECT_EQ(w->EstadoCaso(), 1) << "the window shows the stored state";

    // The detail being edited when the complaint is annulled.
    Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas"));
    abrir();
    dobleClic(detalle()->viewport());
    detalle()->setPlainText(QStringLiteral("Agrega que perdió la conexión"));
    resolverEnOtroPuesto(42, QStringLiteral("Anulado en otro puesto"), 0, 1);
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(ultimo().texto, QStringLiteral("Reclamo anulado, no se puede modificar"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("El chofer dijo |~|no hay lugar|~|"));
    EXPECT_EQ(w->EstadoCaso(), 2);
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("El chofer dijo 'no hay lugar'"));
    EXPECT_TRUE(detalle()->isReadOnly());
    EXPECT_FALSE(control<QPushButton>("Guarda_Detalle")->isEnabled());
}

// The window read the complaint solved; another desk changes its state meanwhile. An edit the
// window would refuse reads the stored state first, and the window shows it.
TEST_P(VisAtteVentana, AnEditTheWindowWouldRefuseFollowsTheStoredStateAnotherDeskLeft)
{
    resolucion(1, 0);
    VisAtte* w = abrir();
    resolverEnOtroPuesto(42, QStringLiteral("Reabierto en otro puesto"), 0);
    enOtroPuesto(7, 3, [] {
        ASSERT_TRUE(
            EjecutarQuery(QStringLiteral("UPDATE Master_Quejas SET Correo = 'lucia@otro.com.ar' WHERE pid = 42")));
    });
    entorno->dialogos->Escribir(QStringLiteral("0341 400-0000"));
    entorno->dialogos->Responder(Respuesta::Si);
    const int antes = mostrados().size();
    dobleClic(control<QLineEdit>("Telefono"));
    ASSERT_EQ(mostrados().size(), antes + 2) << ultimo().texto.toStdString();
    EXPECT_EQ(mostrados()[antes].titulo, QStringLiteral("Cambiar"));
    EXPECT_EQ(entorno->dialogos->porDefecto.value(0), QStringLiteral("0341 455-1020"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Telefono FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("0341 400-0000"));
    EXPECT_EQ(w->EstadoCaso(), 0);
    EXPECT_EQ(caja("Correo"), QStringLiteral("lucia@otro.com.ar"));

    // Still closed, but annulled now: refused as annulled, and the window shows it so.
    Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas"));
    resolucion(1, 0);
    abrir();
    resolverEnOtroPuesto(42, QStringLiteral("Anulado en otro puesto"), 0, 1);
    dobleClic(detalle()->viewport());
    EXPECT_EQ(ultimo().texto, QStringLiteral("Reclamo anulado, no se puede modificar"));
    EXPECT_EQ(w->EstadoCaso(), 2);
    EXPECT_TRUE(detalle()->isReadOnly());

    // Reopened again: the detail edit opens.
    resolverEnOtroPuesto(42, QStringLiteral("Reabierto en otro puesto"), 0);
    dobleClic(detalle()->viewport());
    EXPECT_EQ(w->EstadoCaso(), 0);
    EXPECT_FALSE(detalle()->isReadOnly());
    EXPECT_TRUE(control<QPushButton>("Guarda_Detalle")->isEnabled());

    // Solved while the detail was being edited, then reopened: the save stores what was typed.
    resolverEnOtroPuesto(42, QStringLiteral("Solucionado en otro puesto"), 1);
    w->Cargar_Reclamo(42);
    ASSERT_EQ(w->EstadoCaso(), 1);
    detalle()->setPlainText(QStringLiteral("Agrega que perdió la conexión"));
    resolverEnOtroPuesto(42, QStringLiteral("Reabierto en otro puesto"), 0);
    entorno->dialogos->Responder(Respuesta::No);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("Agrega que perdió la conexión"));
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("Agrega que perdió la conexión"));
    EXPECT_TRUE(detalle()->isReadOnly());
}

TEST_P(VisAtteVentana, FieldEditsStoreTheValueAsTypedApostrophesIncluded)
{
    abrir();
    entorno->dialogos->Escribir(QStringLiteral("D'Alessandro"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLineEdit>("Apellido"));
    ASSERT_GE(mostrados().size(), 2);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Ingrese un nuevo valor"));
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Cambiar"));
    EXPECT_EQ(mostrados()[1].texto, QStringLiteral("Desea modificarlo?"));
    EXPECT_EQ(mostrados()[1].botones, Botones::SiNo);
    EXPECT_EQ(mostrados()[1].icono, Icono::Ninguno);
    EXPECT_EQ(mostrados()[1].titulo, QStringLiteral("Modificar?"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Apellido FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("D'Alessandro"));
    EXPECT_EQ(caja("Apellido"), QStringLiteral("D'Alessandro"));

    // The labels: the file number by a single click, the mediator by a double-click.
    entorno->dialogos->Escribir(QStringLiteral("EXP-118/B"));
    entorno->dialogos->Responder(Respuesta::Si);
    QTest::mouseClick(control<QLabel>("Numero"), Qt::LeftButton);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT NrLib FROM Master_Quejas WHERE pid = 42")), QStringLiteral("EXP-118/B"));
    EXPECT_EQ(etiqueta("Numero"), QStringLiteral("EXP-118/B"));

    entorno->dialogos->Escribir(QStringLiteral("  O'Neill; drop table x  "));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLabel>("Mediador"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Mediador FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("  O'Neill; drop table x  "));

    entorno->dialogos->Escribir(QStringLiteral("0341 400-0000"));
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLineEdit>("Celular"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Telefono2 FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("0341 400-0000"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Telefono FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("0341 455-1020"));
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(VisAtteVentana, AnsweringNoChangesNothingAndACancelledInputStoresEmptyOnYes)
{
    abrir();
    entorno->dialogos->Escribir(QStringLiteral("Otro"));
    entorno->dialogos->Responder(Respuesta::No);
    dobleClic(control<QLineEdit>("DNI"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT DNI FROM Master_Quejas WHERE pid = 42")), QStringLiteral("28456123"));
    EXPECT_EQ(caja("DNI"), QStringLiteral("28456123"));

    // The input box gives "" when cancelled; the confirmation still decides.
    entorno->dialogos->Responder(Respuesta::Si);
    dobleClic(control<QLineEdit>("Correo"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Correo FROM Master_Quejas WHERE pid = 42")), QString());
}

TEST_P(VisAtteVentana, DetailEditIsEscapedStoredAndShownBack)
{
    abrir();
    dobleClic(detalle()->viewport());
    EXPECT_FALSE(detalle()->isReadOnly());
    EXPECT_EQ(detalle()->palette().color(QPalette::Base), ColorBGR(0xFFFFFF));
    EXPECT_TRUE(control<QPushButton>("Guarda_Detalle")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("Cancelar")->isEnabled());

    detalle()->setPlainText(QStringLiteral("Reclama por 'demora' de 2 horas"));
    pulsar("Guarda_Detalle"); // No: stays in edit
    EXPECT_FALSE(detalle()->isReadOnly());
    EXPECT_TRUE(control<QPushButton>("Guarda_Detalle")->isEnabled());
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("El chofer dijo |~|no hay lugar|~|"));

    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QStringLiteral("Reclama por |~|demora|~| de 2 horas"));
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("Reclama por 'demora' de 2 horas"));
    EXPECT_TRUE(detalle()->isReadOnly());
    EXPECT_EQ(detalle()->palette().color(QPalette::Base), ColorBGR(0xAFF3B3));
    EXPECT_FALSE(control<QPushButton>("Guarda_Detalle")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("Cancelar")->isEnabled());

    // Cancelar puts the stored text back.
    dobleClic(detalle()->viewport());
    detalle()->setPlainText(QStringLiteral("borrador"));
    pulsar("Cancelar");
    EXPECT_EQ(detalle()->toPlainText(), QStringLiteral("Reclama por 'demora' de 2 horas"));
    EXPECT_TRUE(detalle()->isReadOnly());
    EXPECT_FALSE(control<QPushButton>("Cancelar")->isEnabled());
}

TEST_P(VisAtteVentana, DetailBoxLimitsTypingButKeepsALongerStoredDetailWhole)
{
    abrir();
    dobleClic(detalle()->viewport());
    detalle()->selectAll();
    detalle()->insertPlainText(QString(4100, QLatin1Char('x'))); // a paste
    EXPECT_EQ(detalle()->toPlainText(), QString(4000, QLatin1Char('x')));
    QTest::keyClicks(detalle(), QStringLiteral("yy"));
    EXPECT_EQ(detalle()->toPlainText().size(), 4000);
    pulsar("Cancelar");

    // An imported detail may be longer than the box: it is shown whole and a detail save keeps it.
    const QString largo = QString(4500, QLatin1Char('a')) + QStringLiteral(" 'fin'");
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET detalle = '%1 |~|fin|~|' WHERE pid = 42")
                 .arg(QString(4500, QLatin1Char('a'))));
    abrir();
    EXPECT_EQ(detalle()->toPlainText(), largo);
    dobleClic(detalle()->viewport());
    QTest::keyClicks(detalle(), QStringLiteral("!"));
    EXPECT_EQ(detalle()->toPlainText(), largo);
    entorno->dialogos->Responder(Respuesta::Si);
    pulsar("Guarda_Detalle");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT detalle FROM Master_Quejas WHERE pid = 42")),
              QString(4500, QLatin1Char('a')) + QStringLiteral(" |~|fin|~|"));
    EXPECT_EQ(detalle()->toPlainText(), largo);
}

TEST_P(VisAtteVentana, PanelListsReasonsOfTheChosenCategoryAndChecksBothChoices)
{
    abrir();
    dobleClic(control<QLabel>("LblCausa"));
    EXPECT_TRUE(control<QGroupBox>("FrmeCmbMotCau")->isVisible());
    EXPECT_EQ(items("Motivo_rec"), (QStringList{QStringLiteral("0 - Reclamo general"), QStringLiteral("1 - Equipaje"),
                                                QStringLiteral("2 - Atención al pasajero")}));
    EXPECT_TRUE(items("Causa_rec").isEmpty());

    pulsar("CmdGuarMotRe");
    EXPECT_EQ(ultimo().texto, QStringLiteral("Seleccione un motivo de llamado"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);

    // The general category offers the reasons in no pair, without the annulled one.
    elegir("Motivo_rec", 0);
    EXPECT_EQ(items("Causa_rec"), (QStringList{QStringLiteral("1 - Demora en la salida")}));
    elegir("Motivo_rec", 1);
    EXPECT_EQ(items("Causa_rec"),
              (QStringList{QStringLiteral("2 - Valija extraviada"), QStringLiteral("5 - Bolso dañado")}));
    pulsar("CmdGuarMotRe");
    EXPECT_EQ(ultimo().texto, QStringLiteral("Seleccione una causa de llamado"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Ostrevia"));

    pulsar("CmdCancelmtq");
    EXPECT_FALSE(control<QGroupBox>("FrmeCmbMotCau")->isVisible());
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT causa FROM Master_Quejas WHERE pid = 42")), QStringLiteral("2"));
}

TEST_P(VisAtteVentana, PanelStoresCategoryAsMotivoAndReasonAsCausa)
{
    abrir();
    dobleClic(control<QLabel>("LblCausa"));
    elegir("Motivo_rec", 2);
    elegir("Causa_rec", 0);
    pulsar("CmdGuarMotRe");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT motivo FROM Master_Quejas WHERE pid = 42")), QStringLiteral("2"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT causa FROM Master_Quejas WHERE pid = 42")), QStringLiteral("3"));
    EXPECT_EQ(etiqueta("LblMotivo"), QStringLiteral("Atención al pasajero"));
    EXPECT_EQ(etiqueta("LblCausa"), QStringLiteral("Trato descortés"));
    EXPECT_FALSE(control<QGroupBox>("FrmeCmbMotCau")->isVisible());
}

// The road of a case: solved, then annulled, through the resolution window; each time the case
// refuses field edits but still opens its detail windows and takes a new category and reason.
TEST_P(VisAtteVentana, SolvedAndAnnulledCasesRefuseEditsButOpenDetailsAndChangeCategory)
{
    UsuarioActual.Nivel = 3;
    abrir();

    pulsar("Resolucion");
    FResolucion* r = Formulario<FResolucion>::SiCargado();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    r->findChild<QCheckBox*>(QStringLiteral("Solucionado"))->setChecked(true);
    QTest::mouseClick(r->findChild<QPushButton*>(QStringLiteral("Solucionar")), Qt::LeftButton);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Guardado"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<FResolucion>::Cargado());
    VisAtte* w = Formulario<VisAtte>::SiCargado();
    EXPECT_EQ(w->EstadoCaso(), 1);

    const auto comprobarCaso = [&](const QString& negativa) {
        for (const char* nombre : {"Apellido", "Domicilio", "Pais"}) {
            dobleClic(control<QLineEdit>(nombre));
            EXPECT_EQ(ultimo().texto, negativa) << nombre;
        }
        QTest::mouseClick(control<QLabel>("NroQueja"), Qt::LeftButton);
        EXPECT_EQ(ultimo().texto, negativa);
        dobleClic(detalle()->viewport());
        EXPECT_EQ(ultimo().texto, negativa);
        EXPECT_TRUE(detalle()->isReadOnly());
        EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Apellido FROM Master_Quejas WHERE pid = 42")),
                  QStringLiteral("Gómez"));

        pulsar("Datoss");
        ASSERT_TRUE(Formulario<Lugar>::Cargado());
        EXPECT_TRUE(Formulario<Lugar>::SiCargado()->isVisible());
        pulsar("Scomp");
        ASSERT_TRUE(Formulario<F_Comprobante>::Cargado());
        EXPECT_TRUE(Formulario<F_Comprobante>::SiCargado()->isVisible());
        pulsar("Seguimientos");
        ASSERT_TRUE(Formulario<Seguimiento>::Cargado());
        EXPECT_EQ(Formulario<Seguimiento>::SiCargado()->findChild<QLabel*>(QStringLiteral("NrQueja0"))->text(),
                  QStringLiteral("42"));
        pulsar("Resolucion");
        ASSERT_TRUE(Formulario<FResolucion>::Cargado());
        pulsar("Imprimir_Atte");
        for (bool cerrado : {Formulario<Lugar>::Descargar(), Formulario<F_Comprobante>::Descargar(),
                             Formulario<Seguimiento>::Descargar()})
            EXPECT_TRUE(cerrado);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    comprobarCaso(QStringLiteral("Reclamo solucionado, no se puede modificar"));

    dobleClic(control<QLabel>("LblCausa"));
    elegir("Motivo_rec", 2);
    elegir("Causa_rec", 0);
    pulsar("CmdGuarMotRe");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT causa FROM Master_Quejas WHERE pid = 42")), QStringLiteral("3"));
    EXPECT_EQ(etiqueta("LblCausa"), QStringLiteral("Trato descortés"));

    // Now annul it from the resolution window still open.
    r = Formulario<FResolucion>::SiCargado();
    ASSERT_NE(r, nullptr);
    r->findChild<QCheckBox*>(QStringLiteral("Anulado"))->setChecked(true);
    r->findChild<QPlainTextEdit*>(QStringLiteral("Detalle"))->setPlainText(QStringLiteral("Duplicado del 41"));
    entorno->dialogos->Responder(Respuesta::Si);
    QTest::mouseClick(r->findChild<QPushButton*>(QStringLiteral("Solucionar")), Qt::LeftButton);
    EXPECT_EQ(ultimo().texto, QStringLiteral("Guardado"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->EstadoCaso(), 2);
    comprobarCaso(QStringLiteral("Reclamo anulado, no se puede modificar"));

    dobleClic(control<QLabel>("LblCausa"));
    elegir("Motivo_rec", 0);
    elegir("Causa_rec", 0);
    pulsar("CmdGuarMotRe");
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT motivo FROM Master_Quejas WHERE pid = 42")), QStringLiteral("0"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT causa FROM Master_Quejas WHERE pid = 42")), QStringLiteral("1"));
    EXPECT_EQ(etiqueta("LblMotivo"), QStringLiteral("Reclamo general"));
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(VisAtteVentana, AbrirReclamoBringsTheMinimisedSearchWindowBack)
{
    abrir();
    F_Abrir* buscar = Formulario<F_Abrir>::Obtener();
    buscar->showMinimized();
    ASSERT_TRUE(buscar->windowState() & Qt::WindowMinimized);
    pulsar("CmdARec");
    EXPECT_FALSE(buscar->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(buscar->isVisible());
    // The case window stays as it was.
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->NumeroCargado(), 42);
}

// Another window's list lets events run between its rows: whatever the user does then in the case
// window and the windows it opens reads and writes as at any other time.
TEST_P(VisAtteVentana, TheCaseAndItsWindowsWorkWhileAnotherWindowsListFills)
{
    VisAtte* w = abrir();
    const auto durante = [](const std::function<void()>& accion) { ASSERT_TRUE(DuranteOtroLlenado(accion)); };
    const auto en = [](QWidget* ventana, const char* nombre) {
        return ventana->findChild<QWidget*>(QString::fromLatin1(nombre));
    };
    const auto clic = [&](QWidget* ventana, const char* nombre) {
        QTest::mouseClick(en(ventana, nombre), Qt::LeftButton);
    };

    entorno->dialogos->Escribir(QStringLiteral("Paz"));
    entorno->dialogos->Responder(Respuesta::Si);
    durante([&] { dobleClic(control<QLineEdit>("Apellido")); });
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Apellido FROM Master_Quejas WHERE pid = 42")), QStringLiteral("Paz"));
    EXPECT_EQ(caja("Apellido"), QStringLiteral("Paz"));

    durante([&] { pulsar("Datoss"); });
    Lugar* lugar = Formulario<Lugar>::SiCargado();
    ASSERT_NE(lugar, nullptr);
    durante([&] {
        Elegir(lugar->findChild<QComboBox*>(QStringLiteral("Lugar")), 0);
        static_cast<QLineEdit*>(en(lugar, "Dato1"))->setText(QStringLiteral("01/03/2025"));
        clic(lugar, "Guarda");
    });
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Lugar FROM Lugar_Quejas WHERE NroQueja = 42")), QStringLiteral("0"));

    pulsar("Scomp");
    F_Comprobante* comprobantes = Formulario<F_Comprobante>::SiCargado();
    ASSERT_NE(comprobantes, nullptr);
    durante([&] {
        Elegir(comprobantes->findChild<QComboBox*>(QStringLiteral("TipoTicket")), 0);
        EscribirYEnter(static_cast<QLineEdit*>(en(comprobantes, "Boleto")), QStringLiteral("000777"));
    });
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT T1 FROM Comprobantes_Quejas WHERE NrQueja = 42")),
              QStringLiteral("000777"));

    pulsar("Seguimientos");
    Seguimiento* seguimiento = Formulario<Seguimiento>::SiCargado();
    ASSERT_NE(seguimiento, nullptr);
    durante([&] {
        static_cast<QPlainTextEdit*>(en(seguimiento, "Seguimiento"))->setPlainText(QStringLiteral("Volvió a llamar"));
        clic(seguimiento, "Agregar");
    });
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Seguimiento_quejas WHERE Queja = 42")), 1);

    durante([&] { pulsar("CmdARec"); });
    EXPECT_TRUE(Formulario<F_Abrir>::Cargado());

    pulsar("Resolucion");
    FResolucion* resolucion = Formulario<FResolucion>::SiCargado();
    ASSERT_NE(resolucion, nullptr);
    durante([&] {
        static_cast<QPlainTextEdit*>(en(resolucion, "Detalle"))->setPlainText(QStringLiteral("Se le pidió disculpas"));
        static_cast<QCheckBox*>(en(resolucion, "Solucionado"))->setChecked(true);
        clic(resolucion, "Solucionar");
    });
    EXPECT_EQ(w->EstadoCaso(), 1);

    EXPECT_EQ(entorno->terminaciones, 0) << "no action may end the program";
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(VisAtteVentana, ClosingReArmsTheMainWindowStatisticsEachTime)
{
    AtPrinc* p = principal();
    for (int vez = 0; vez < 2; ++vez) {
        abrir();
        p->TmrBarr()->stop();
        ASSERT_TRUE(Formulario<VisAtte>::Descargar());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(Formulario<VisAtte>::Cargado());
        EXPECT_TRUE(p->TmrBarr()->isActive()) << vez;
    }
    // The progress window of each load gave the main window back.
    EXPECT_TRUE(p->isEnabled());
}

INSTANCIAR_EN_MOTORES(VisAtteVentana);
