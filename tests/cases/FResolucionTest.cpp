#include "FResolucion.h"

#include "Calendario.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "ListaDato.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

// The resolution window over complaints 42 and 43, three supervisors and two users.
class FResolucionVentana : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(3);
        Ejecutar({
            "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
            "(5, 'aperez', 'Ana María', 'Pérez', 3, ''), (6, 'jsosa', 'Jorge', 'Sosa', 1, '')",
            "INSERT INTO supervisores_quejas (pid, supervisor) VALUES (1, 'Carlos Benítez'), "
            "(2, 'Marta Quiroga'), (3, 'Raúl D''Angelo')",
            "INSERT INTO Master_Quejas (pid, Apellido, Nombres) VALUES (42, 'Gómez', 'Lucía'), "
            "(43, 'Ferreyra', 'Hugo')",
        });
    }

    void TearDown() override
    {
        cerrar();
        VentanaDePrueba::TearDown();
    }

    // Closing asks about unsaved changes when a save is allowed; No closes without saving.
    void cerrar()
    {
        FResolucion* w = Formulario<FResolucion>::SiCargado();
        if (!w)
            return;
        if (w->findChild<QPushButton*>(QStringLiteral("Solucionar"))->isEnabled())
            entorno->dialogos->Responder(Respuesta::No);
        Formulario<FResolucion>::Descargar();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The stored resolution of a complaint, its columns joined by "|".
    QString fila(qint32 queja)
    {
        EjecutarQuery(QStringLiteral("SELECT Detalle, Sancion, Monto, Fecha, Cerrada, Usuario, supervisor, FechaFin, "
                                     "Anulado, usr_Anula FROM Resolucion_quejas WHERE IDQueja = %1")
                          .arg(queja));
        Rs.Requery();
        QStringList r;
        if (!Rs.Eof())
            for (int i = 0; i < 10; ++i)
                r << (i == 3 || i == 7 ? Rs.Fecha(i) : Rs.Texto(i));
        CerrarRs();
        return r.isEmpty() ? QStringLiteral("<none>") : r.join(QLatin1Char('|'));
    }
    int filas(qint32 queja)
    {
        return LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas WHERE IDQueja = %1").arg(queja));
    }
    void resolucion(qint32 queja, int cerrada, int anulado, const QString& monto = QStringLiteral("0"))
    {
        Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Detalle, Sancion, Monto, Fecha, Cerrada, "
                                "Usuario, supervisor, FechaFin, Anulado, usr_Anula) VALUES (%1, %1, 'Se reintegró "
                                "el pasaje', 'Apercibimiento', '%2', '2025-03-20', %3, 5, 'Marta Quiroga', "
                                "'2025-03-22', %4, 6)")
                     .arg(queja)
                     .arg(monto)
                     .arg(cerrada)
                     .arg(anulado));
    }

    // As the case window does: show, then give the number.
    FResolucion* abrir(qint32 n = 42)
    {
        FResolucion* w = Formulario<FResolucion>::Obtener();
        w->show();
        w->SNqueja(n);
        return w;
    }
    template <typename T> T* control(const char* nombre)
    {
        T* c = Formulario<FResolucion>::SiCargado()->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QLineEdit* caja(const char* nombre) { return control<QLineEdit>(nombre); }
    QPlainTextEdit* texto(const char* nombre) { return control<QPlainTextEdit>(nombre); }
    QCheckBox* marca(const char* nombre) { return control<QCheckBox>(nombre); }
    QPushButton* guardar() { return control<QPushButton>("Solucionar"); }
    void pulsarGuardar() { QTest::mouseClick(guardar(), Qt::LeftButton); }
    bool guardadoYCerrado()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ultimo().texto == QStringLiteral("Guardado") && !Formulario<FResolucion>::Cargado();
    }
};

TEST_P(FResolucionVentana, FreshWindowWithoutResolutionIsEmptyAndSavableAtAnyLevel)
{
    for (qint16 nivel : {1, 2, 3}) {
        UsuarioActual.Nivel = nivel;
        FResolucion* w = abrir();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Resolución"));
        EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("0"));
        EXPECT_EQ(caja("Fecha")->text(), QString());
        EXPECT_EQ(caja("FechaFin")->text(), QString());
        EXPECT_EQ(texto("Detalle")->toPlainText(), QString());
        EXPECT_FALSE(marca("Solucionado")->isChecked());
        EXPECT_FALSE(marca("Anulado")->isChecked());
        EXPECT_TRUE(guardar()->isEnabled()) << nivel;
        EXPECT_FALSE(control<Calendario>("MV1")->isVisible());
        auto* sup = control<QComboBox>("cmbsup");
        ASSERT_EQ(sup->count(), 3);
        EXPECT_EQ(sup->itemText(2), QStringLiteral("Raúl D'Angelo"));
        EXPECT_EQ(sup->currentIndex(), -1);
        cerrar();
    }
}

TEST_P(FResolucionVentana, AVeryLongSupervisorNameIsCutInTheListAndKeepsTheWindowOnTheScreen)
{
    const QString largo = QString(2000, QLatin1Char('S'));
    Ejecutar(QStringLiteral("INSERT INTO supervisores_quejas (pid, supervisor) VALUES (4, '%1')").arg(largo));
    FResolucion* w = abrir();
    auto* lista = control<ListaDato>("cmbsup");
    Elegir(lista, 3);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(lista->currentText(), largo);
    EXPECT_TRUE(lista->TextoVisible().endsWith(QChar(0x2026)));
    EXPECT_LE(w->width(), QGuiApplication::primaryScreen()->availableGeometry().width());
}

TEST_P(FResolucionVentana, UnderTheProgramsLocaleTheCalendarsSpeakSpanishAndAmountsKeepTheirPoint)
{
    AplicacionDelPrograma programa;
    abrir();
    QTest::mouseClick(control<QPushButton>("CMV1"), Qt::LeftButton);
    Calendario* mv1 = control<Calendario>("MV1");
    mv1->SetValue(QDate(2025, 12, 9));
    EXPECT_EQ(mv1->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))->text(),
              QStringLiteral("diciembre"));
    const QAbstractItemModel* dias = mv1->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->model();
    QStringList cabecera;
    for (int c = 0; c < dias->columnCount(); ++c)
        cabecera << dias->data(dias->index(0, c)).toString();
    EXPECT_TRUE(cabecera.contains(QStringLiteral("lun")) && cabecera.contains(QStringLiteral("sáb")))
        << cabecera.join(QLatin1Char(' ')).toStdString();
    // A picked day still goes into the box day first with four digits.
    mv1->Elegir(QDate::currentDate());
    EXPECT_EQ(caja("Fecha")->text(), kHoy);

    // The amount is written with a decimal point, and shown with one.
    caja("MontoI")->setText(QStringLiteral("1500,5"));
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado()) << ultimo().texto.toStdString();
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QStringLiteral("1500.5"));
    abrir();
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("1500.50"));
}

TEST_P(FResolucionVentana, AStoredAmountReadsBackWithItsOwnDecimalMarkAndAnUntouchedSaveKeepsIt)
{
    AplicacionDelPrograma programa;
    struct Caso
    {
        const char *tecleado, *guardado, *mostrado, *deNuevo;
    };
    // Typed with the workstation's decimal comma; a point after it is no thousands mark.
    for (const Caso& c : {Caso{"0,001", "0.001", "0.00", "0"}, Caso{"12,345", "12.345", "12.35", "12.35"}}) {
        abrir();
        caja("MontoI")->clear();
        QTest::keyClicks(caja("MontoI"), QString::fromLatin1(c.tecleado));
        pulsarGuardar();
        ASSERT_TRUE(guardadoYCerrado()) << ultimo().texto.toStdString();
        EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QString::fromLatin1(c.guardado));
        abrir();
        EXPECT_EQ(caja("MontoI")->text(), QString::fromLatin1(c.mostrado));
        pulsarGuardar();
        ASSERT_TRUE(guardadoYCerrado()) << ultimo().texto.toStdString();
        EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QString::fromLatin1(c.deNuevo)) << c.tecleado;
    }
    // An older workstation stored a decimal comma.
    resolucion(43, 0, 0, QStringLiteral("7,5"));
    abrir(43);
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("7.50"));
}

TEST_P(FResolucionVentana, SolvingStoresTheRowAsTypedAndReloadsTheCaseWindow)
{
    VisAtte* caso = Formulario<VisAtte>::Obtener();
    caso->Cargar_Reclamo(42);
    ASSERT_EQ(caso->EstadoCaso(), 0);

    abrir();
    texto("Detalle")->setPlainText(QStringLiteral("Se reintegró el 50% a D'Amico"));
    texto("Sancion")->setPlainText(QStringLiteral("Suspensión del chofer 'JP'"));
    caja("MontoI")->setText(QStringLiteral("1500.5"));
    control<QComboBox>("cmbsup")->setCurrentIndex(2);
    QTest::mouseClick(control<QPushButton>("CMV1"), Qt::LeftButton);
    EXPECT_TRUE(control<Calendario>("MV1")->isVisible());
    control<Calendario>("MV1")->Elegir(QDate::currentDate());
    EXPECT_EQ(caja("Fecha")->text(), kHoy);
    EXPECT_FALSE(control<Calendario>("MV1")->isVisible());
    marca("Solucionado")->setChecked(true);
    pulsarGuardar();

    ASSERT_TRUE(guardadoYCerrado()) << ultimo().texto.toStdString();
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Incidente guardado correctamente"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(fila(42), QStringLiteral("Se reintegró el 50% a D'Amico|Suspensión del chofer 'JP'|1500.5|") + kHoy +
                            QStringLiteral("|1|5|Raúl D'Angelo|01/01/1900|0|-1"));
    EXPECT_EQ(caso->EstadoCaso(), 1);
    EXPECT_EQ(caso->NumeroCargado(), 42);

    // Reopened: the stored texts come back unchanged and the empty end date stays empty.
    abrir();
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("Se reintegró el 50% a D'Amico"));
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("1500.50"));
    EXPECT_EQ(caja("Fecha")->text(), kHoy);
    EXPECT_EQ(caja("FechaFin")->text(), QString());
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral("Raúl D'Angelo"));
    EXPECT_EQ(control<QLabel>("Usuario")->text(), QStringLiteral("Pérez, Ana María"));
    EXPECT_TRUE(marca("Solucionado")->isChecked());
    // Saved again without choosing a supervisor: the stored one stays.
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(filas(42), 1);
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 6, 6), QStringLiteral("Raúl D'Angelo"));
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QStringLiteral("1500.5"));
    // A chosen one replaces it.
    abrir();
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral("Raúl D'Angelo"));
    control<QComboBox>("cmbsup")->setCurrentIndex(0);
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 6, 6), QStringLiteral("Carlos Benítez"));
}

TEST_P(FResolucionVentana, StoredTextsInTheBoxesReadFromTheirStart)
{
    // An imported amount that is no number is shown as stored.
    const QString monto = QStringLiteral("Reintegro del pasaje completo y de los gastos de traslado");
    resolucion(42, 0, 0, monto);
    FResolucion* w = abrir();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(caja("MontoI")->text(), monto);
    EXPECT_GT(caja("MontoI")->fontMetrics().horizontalAdvance(monto), caja("MontoI")->width());
    EXPECT_EQ(CajasSinSuInicio(w, {QStringLiteral("Fecha"), QStringLiteral("FechaFin"), QStringLiteral("MontoI")}), "");
}

TEST_P(FResolucionVentana, AmountMustBeEmptyOrANumberNotBelowZero)
{
    abrir();
    caja("MontoI")->setText(QString());
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QStringLiteral("0"));

    abrir();
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("0.00"));
    for (const char* malo : {"abc", "12a", "inf"}) {
        caja("MontoI")->setText(QString::fromLatin1(malo));
        pulsarGuardar();
        EXPECT_EQ(ultimo().texto, QStringLiteral("El monto tiene que ser numerico o vacio")) << malo;
        EXPECT_EQ(ultimo().titulo, QString());
    }
    caja("MontoI")->setText(QStringLiteral("-5"));
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("El monto tiene que ser mayor que cero o vacio"));
    EXPECT_TRUE(Formulario<FResolucion>::Cargado());

    caja("MontoI")->setText(QStringLiteral("0.00"));
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QStringLiteral("0"));
}

TEST_P(FResolucionVentana, DetailLimitsTypingButAnImportedLongerDetailIsShownAndSavedWhole)
{
    abrir(43);
    texto("Detalle")->insertPlainText(QString(250, QLatin1Char('x'))); // a paste
    EXPECT_EQ(texto("Detalle")->toPlainText(), QString(200, QLatin1Char('x')));
    cerrar();

    // The import copies a resolution's detail as it comes, whatever its length.
    const QString largo = QString(300, QLatin1Char('d'));
    resolucion(42, 1, 0);
    Ejecutar(QStringLiteral("UPDATE Resolucion_quejas SET Detalle = '%1' WHERE IDQueja = 42").arg(largo));
    abrir(42);
    EXPECT_EQ(texto("Detalle")->toPlainText(), largo);
    QTest::keyClicks(texto("Detalle"), QStringLiteral("z"));
    EXPECT_EQ(texto("Detalle")->toPlainText(), largo);
    caja("MontoI")->setText(QStringLiteral("120"));
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 0, 0), largo);
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 2, 2), QStringLiteral("120"));
}

TEST_P(FResolucionVentana, DateBoxesAcceptDatesOrNothing)
{
    abrir();
    caja("Fecha")->setText(QStringLiteral("31/02/2025"));
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Fecha Incorrecta"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Error al guardar"));
    EXPECT_EQ(filas(42), 0);

    // Double-click fills an empty date with today only.
    caja("Fecha")->clear();
    QTest::mouseDClick(caja("Fecha"), Qt::LeftButton);
    EXPECT_EQ(caja("Fecha")->text(), kHoy);
    caja("Fecha")->setText(QStringLiteral("5/3/2025"));
    QTest::mouseDClick(caja("Fecha"), Qt::LeftButton);
    EXPECT_EQ(caja("Fecha")->text(), QStringLiteral("5/3/2025"));

    // A later day is refused and the calendar stays open.
    QTest::mouseClick(control<QPushButton>("CMV2"), Qt::LeftButton);
    control<Calendario>("MV2")->Elegir(QDate::currentDate().addDays(1));
    EXPECT_EQ(ultimo().texto, QStringLiteral("No se puede cargar una fecha posterior al día de hoy"));
    EXPECT_TRUE(control<Calendario>("MV2")->isVisible());
    EXPECT_EQ(caja("FechaFin")->text(), QString());
    control<Calendario>("MV2")->Elegir(QDate::currentDate());
    EXPECT_EQ(caja("FechaFin")->text(), kHoy);
    EXPECT_FALSE(control<Calendario>("MV2")->isVisible());

    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 3, 3), QStringLiteral("05/03/2025"));
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 7, 7), kHoy);

    // An end date that is no date is refused the same way, and the stored one stays.
    abrir();
    caja("FechaFin")->setText(QStringLiteral("31/02/2026"));
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Fecha Incorrecta"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Error al guardar"));
    EXPECT_TRUE(Formulario<FResolucion>::Cargado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 7, 7), kHoy);
}

TEST_P(FResolucionVentana, AnnullingNeedsConfirmationAndADetailAndStoresToday)
{
    abrir();
    marca("Anulado")->setChecked(true);
    caja("Fecha")->setText(QStringLiteral("01/02/2024"));
    texto("Detalle")->setPlainText(QStringLiteral("ok"));
    pulsarGuardar(); // the confirmation is answered No
    EXPECT_EQ(ultimo().texto, QStringLiteral("Esta seguro/a que desea anular el reclamo?"));
    EXPECT_EQ(ultimo().botones, Botones::SiNo);
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Anular reclamo"));
    EXPECT_EQ(filas(42), 0);

    entorno->dialogos->Responder(Respuesta::Si);
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Para anular un reclamo debe escribir un detalle"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Anular reclamo"));
    EXPECT_EQ(filas(42), 0);

    texto("Detalle")->setPlainText(QStringLiteral("Dup"));
    entorno->dialogos->Responder(Respuesta::Si);
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42), QStringLiteral("Dup||0|") + kHoy + QStringLiteral("|0|5||01/01/1900|1|5"));
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->EstadoCaso(), 2);

    UsuarioActual.Nivel = 3;
    abrir();
    EXPECT_EQ(control<QLabel>("Usuario")->text(), QStringLiteral("Anulado por: Pérez, Ana María"));
    EXPECT_TRUE(marca("Anulado")->isChecked());
}

TEST_P(FResolucionVentana, SolvedOrAnnulledCaseIsSavedAgainOnlyFromLevelThree)
{
    resolucion(42, 1, 0);
    resolucion(43, 0, 1);
    for (qint32 queja : {42, 43}) {
        for (qint16 nivel : {1, 2, 3}) {
            UsuarioActual.Nivel = nivel;
            abrir(queja);
            EXPECT_EQ(guardar()->isEnabled(), nivel >= 3) << queja << " level " << nivel;
            cerrar();
        }
    }
    // Level 3 clears both boxes: the case is editable again.
    abrir(42);
    EXPECT_EQ(caja("FechaFin")->text(), QStringLiteral("22/03/2025"));
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("0.00"));
    marca("Solucionado")->setChecked(false);
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 4, 4), QStringLiteral("0"));
    EXPECT_EQ(Formulario<VisAtte>::SiCargado()->EstadoCaso(), 0);
}

TEST_P(FResolucionVentana, LevelOneUserCannotReopenASolvedCaseByClosingTheWindow)
{
    resolucion(42, 1, 0);
    UsuarioActual.Nivel = 1;
    abrir();
    marca("Solucionado")->setChecked(false);
    const int antes = mostrados().size();
    entorno->dialogos->Responder(Respuesta::Si);
    EXPECT_TRUE(Formulario<FResolucion>::Descargar());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Nothing may be saved, so nothing is asked.
    EXPECT_EQ(mostrados().size(), antes);
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 4, 4), QStringLiteral("1"));
}

TEST_P(FResolucionVentana, ClosingWithoutSavingAsksAndCancelKeepsTheWindow)
{
    abrir();
    entorno->dialogos->Responder(Respuesta::Cancelar);
    EXPECT_FALSE(Formulario<FResolucion>::Descargar());
    EXPECT_EQ(ultimo().texto, QStringLiteral("Desea guardar los cambios sin solucionar el llamado?"));
    EXPECT_EQ(ultimo().botones, Botones::SiNoCancelar);
    EXPECT_EQ(ultimo().titulo, QString());
    EXPECT_TRUE(Formulario<FResolucion>::Cargado());

    // Yes saves, then the window closes whatever the outcome.
    texto("Detalle")->setPlainText(QStringLiteral("Pasajero compensado"));
    entorno->dialogos->Responder(Respuesta::Si);
    EXPECT_TRUE(Formulario<FResolucion>::Descargar());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Formulario<FResolucion>::Cargado());
    EXPECT_EQ(fila(42).section(QLatin1Char('|'), 0, 0), QStringLiteral("Pasajero compensado"));

    // A save that a check refuses keeps the window with what was typed.
    FResolucion* w = abrir(43);
    caja("MontoI")->setText(QStringLiteral("abc"));
    entorno->dialogos->Responder(Respuesta::Si);
    CerrarComoElSistema(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ultimo().texto, QStringLiteral("El monto tiene que ser numerico o vacio"));
    ASSERT_TRUE(Formulario<FResolucion>::Cargado());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("abc"));
    EXPECT_EQ(filas(43), 0);

    // No closes without saving.
    texto("Detalle")->setPlainText(QStringLiteral("borrador"));
    entorno->dialogos->Responder(Respuesta::No);
    EXPECT_TRUE(Formulario<FResolucion>::Descargar());
    EXPECT_EQ(filas(43), 0);
}

// This desk keeps the window open while an administrator at another desk saves the resolution.
TEST_P(FResolucionVentana, AResolutionAnotherDeskStoredAfterTheWindowReadItIsNotReplaced)
{
    const QString cambiada =
        QStringLiteral("La resolución fue modificada desde otro equipo. Vuelva a abrirla para ver la guardada.");
    const auto detalleCerradaUsuario = [&](qint32 queja) {
        const QStringList f = fila(queja).split(QLatin1Char('|'));
        return QStringList{f.value(0), f.value(4), f.value(5)}.join(QLatin1Char('|'));
    };

    // Read with none stored; meanwhile the complaint was solved, which a level-1 user may not undo.
    UsuarioActual.Nivel = 1;
    abrir(42);
    resolverEnOtroPuesto(42, QStringLiteral("Texto de A"), 1);
    texto("Detalle")->setPlainText(QStringLiteral("Texto de B"));
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, cambiada);
    ASSERT_TRUE(Formulario<FResolucion>::Cargado());
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("Texto de B"));
    EXPECT_EQ(detalleCerradaUsuario(42), QStringLiteral("Texto de A|1|7"));
    cerrar();
    abrir(42);
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("Texto de A"));
    EXPECT_TRUE(marca("Solucionado")->isChecked());
    EXPECT_FALSE(guardar()->isEnabled());
    cerrar();

    // Two administrators: the window that read the earlier resolution does not replace the later one.
    UsuarioActual.Nivel = 3;
    resolucion(43, 0, 0);
    abrir(43);
    resolverEnOtroPuesto(43, QStringLiteral("Texto de A"), 0);
    texto("Detalle")->setPlainText(QStringLiteral("Texto de B"));
    pulsarGuardar();
    EXPECT_EQ(ultimo().texto, cambiada);
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("Texto de B"));
    EXPECT_EQ(detalleCerradaUsuario(43), QStringLiteral("Texto de A|0|7"));
    EXPECT_EQ(filas(43), 1);

    // Read again, it saves as usual.
    cerrar();
    abrir(43);
    texto("Detalle")->setPlainText(QStringLiteral("Texto de B"));
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado()) << ultimo().texto.toStdString();
    EXPECT_EQ(detalleCerradaUsuario(43), QStringLiteral("Texto de B|0|5"));
}

TEST_P(FResolucionVentana, OpeningForAnotherComplaintDoesNotCarryTheFirstOnesResolution)
{
    resolucion(42, 1, 0, QStringLiteral("250"));
    abrir(42);
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("Se reintegró el pasaje"));
    abrir(43);
    EXPECT_EQ(texto("Detalle")->toPlainText(), QString());
    EXPECT_EQ(caja("MontoI")->text(), QStringLiteral("0"));
    EXPECT_FALSE(marca("Solucionado")->isChecked());
    EXPECT_EQ(control<QLabel>("Label4")->text(), QString());
    pulsarGuardar();
    ASSERT_TRUE(guardadoYCerrado());
    EXPECT_EQ(fila(43), QStringLiteral("||0|01/01/1900|0|5||01/01/1900|0|-1"));

    // The same complaint again keeps what the window holds when it has no row.
    abrir(43);
    texto("Detalle")->setPlainText(QStringLiteral("en curso"));
    Ejecutar(QStringLiteral("DELETE FROM Resolucion_quejas WHERE IDQueja = 43"));
    abrir(43);
    EXPECT_EQ(texto("Detalle")->toPlainText(), QStringLiteral("en curso"));
}

INSTANCIAR_EN_MOTORES(FResolucionVentana);
