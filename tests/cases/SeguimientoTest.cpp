#include "Seguimiento.h"

#include "AtPrinc.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "VentanaDePrueba.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

// The follow-up window over complaint 42 (two notes, one by a user that no longer exists)
// and complaint 43 (none).
class SeguimientoVentana : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        Ejecutar({
            "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
            "(5, 'aperez', 'Ana María', 'Pérez', 1, '')",
            "INSERT INTO Master_Quejas (pid, Apellido, Nombres) VALUES (42, 'Gómez', 'Lucía'), "
            "(43, 'Ferreyra', 'Hugo')",
            "INSERT INTO Seguimiento_quejas (Pid, Queja, Detalle, Usuario, Fecha) VALUES "
            "(1, 42, 'Se llamó al pasajero', 5, '2025-03-15'), "
            "(2, 42, 'Respondió que |~|ya no viaja|~|', 9, '2025-03-18')",
        });
    }

    QStringList notas(qint32 queja)
    {
        EjecutarQuery(QStringLiteral("SELECT Pid, Detalle, Usuario, Fecha FROM Seguimiento_quejas WHERE Queja = %1 "
                                     "ORDER BY Pid")
                          .arg(queja));
        Rs.Requery();
        QStringList r;
        for (; !Rs.Eof(); Rs.MoveNext())
            r << Rs.Texto(0) + QLatin1Char('|') + Rs.Texto(1) + QLatin1Char('|') + Rs.Texto(2) + QLatin1Char('|') +
                     Rs.Fecha(3);
        CerrarRs();
        return r;
    }

    // As the case window does: show, then load the complaint.
    Seguimiento* abrir(qint32 n = 42)
    {
        Seguimiento* w = Formulario<Seguimiento>::Obtener();
        w->show();
        w->Cargar_Seg(n);
        return w;
    }
    template <typename T> T* control(const char* nombre)
    {
        T* c = Formulario<Seguimiento>::SiCargado()->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    GrillaTabla* grilla() { return control<GrillaTabla>("Msf1"); }
    QPlainTextEdit* nota() { return control<QPlainTextEdit>("Seguimiento"); }
    void agregar(const QString& texto)
    {
        nota()->setPlainText(texto);
        QTest::mouseClick(control<QPushButton>("Agregar"), Qt::LeftButton);
    }
    QStringList fila(int r)
    {
        QStringList c;
        for (int i = 0; i < grilla()->Cols(); ++i)
            c << grilla()->TextMatrix(r, i);
        return c;
    }
    void clicCelda(int r, int c) { ClicCelda(grilla(), r, c); }
    bool detalleVisible() { return !control<QGroupBox>("Frmdetalle")->isHidden(); }
};

TEST_P(SeguimientoVentana, ListsTheNotesNewestFirstWithTheirAuthors)
{
    Seguimiento* w = abrir();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Seguimientos"));
    EXPECT_EQ(control<QLabel>("NrQueja0")->text(), QStringLiteral("42"));
    EXPECT_EQ(control<QLabel>("NrQueja1")->text(), QStringLiteral("Gómez, Lucía"));
    GrillaTabla* g = grilla();
    ASSERT_EQ(g->Rows(), 3);
    EXPECT_EQ(fila(0),
              (QStringList{QStringLiteral("Seguimiento"), QStringLiteral("Fecha"), QStringLiteral("Operador")}));
    EXPECT_EQ(fila(1), (QStringList{QStringLiteral("Respondió que 'ya no viaja'"), QStringLiteral("18/03/2025"),
                                    QStringLiteral("Usuario Inexistente: 9")}));
    EXPECT_EQ(fila(2), (QStringList{QStringLiteral("Se llamó al pasajero"), QStringLiteral("15/03/2025"),
                                    QStringLiteral("Pérez, Ana María")}));
    // Twips become whole pixels (15 twips each).
    EXPECT_NEAR(g->ColWidth(0), 10500, 14);
    EXPECT_NEAR(g->ColWidth(1), 1900, 14);
    EXPECT_NEAR(g->ColWidth(2), 3000, 14);
    EXPECT_NEAR(g->RowHeight(1), 320, 14);
    EXPECT_EQ(control<QLineEdit>("Fecha")->text(), kHoy);
    EXPECT_TRUE(control<QLineEdit>("Fecha")->isReadOnly());
}

TEST_P(SeguimientoVentana, ComplaintWithoutNotesShowsOnlyTheHeader)
{
    abrir(42);
    abrir(43);
    EXPECT_EQ(grilla()->Rows(), 1);
    EXPECT_EQ(grilla()->TextMatrix(0, 2), QStringLiteral("Operador"));
    EXPECT_EQ(control<QLabel>("NrQueja0")->text(), QStringLiteral("43"));
    EXPECT_EQ(control<QLabel>("NrQueja1")->text(), QStringLiteral("Ferreyra, Hugo"));
}

TEST_P(SeguimientoVentana, NoteNeedsFourCharactersAndIsAddedFirstWithToday)
{
    abrir(43);
    agregar(QStringLiteral("abc"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("Ingrese un motivo de seguimiento"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(ultimo().titulo, QString());
    EXPECT_TRUE(notas(43).isEmpty());
    EXPECT_EQ(nota()->toPlainText(), QStringLiteral("abc"));

    agregar(QStringLiteral("abcd"));
    agregar(QStringLiteral("Le dijeron 'mañana' en la terminal"));
    EXPECT_EQ(notas(43), (QStringList{QStringLiteral("1|abcd|5|") + kHoy,
                                      QStringLiteral("2|Le dijeron |~|mañana|~| en la terminal|5|") + kHoy}));
    EXPECT_EQ(nota()->toPlainText(), QString());
    ASSERT_EQ(grilla()->Rows(), 3);
    EXPECT_EQ(fila(1), (QStringList{QStringLiteral("Le dijeron 'mañana' en la terminal"), kHoy,
                                    QStringLiteral("Pérez, Ana María")}));
    EXPECT_EQ(fila(2)[0], QStringLiteral("abcd"));
    // Numbered per complaint: complaint 42's notes are untouched.
    EXPECT_EQ(notas(42).size(), 2);
}

TEST_P(SeguimientoVentana, AddingBeforeAnyComplaintIsLoadedDoesNothing)
{
    Seguimiento* w = Formulario<Seguimiento>::Obtener();
    w->show();
    agregar(QStringLiteral("Nota sin reclamo"));
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(notas(0).isEmpty());
}

TEST_P(SeguimientoVentana, FailingInsertKeepsTheTypedNoteAndTellsTheUser)
{
    abrir(43);
    // Reads still work but the insert cannot: a view over the table refuses inserts on both engines.
    Ejecutar(QStringLiteral("ALTER TABLE Seguimiento_quejas RENAME TO Seguimiento_guardado"));
    Ejecutar(QStringLiteral("CREATE VIEW Seguimiento_quejas AS SELECT DISTINCT * FROM Seguimiento_guardado"));
    agregar(QStringLiteral("Llamar de nuevo el lunes"));
    EXPECT_EQ(ultimo().texto, QStringLiteral("No se pudo guardar el seguimiento. Intente nuevamente"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_EQ(nota()->toPlainText(), QStringLiteral("Llamar de nuevo el lunes"));
    EXPECT_EQ(grilla()->Rows(), 1);
    EXPECT_EQ(entorno->terminaciones, 0);

    Ejecutar(QStringLiteral("DROP VIEW Seguimiento_quejas"));
    Ejecutar(QStringLiteral("ALTER TABLE Seguimiento_guardado RENAME TO Seguimiento_quejas"));
    QTest::mouseClick(control<QPushButton>("Agregar"), Qt::LeftButton);
    EXPECT_EQ(notas(43).size(), 1);
    EXPECT_EQ(nota()->toPlainText(), QString());
}

TEST_P(SeguimientoVentana, ClickOnANoteShowsItsFullTextAndOtherClicksHideIt)
{
    abrir();
    clicCelda(1, 0);
    EXPECT_TRUE(detalleVisible());
    EXPECT_EQ(control<QPlainTextEdit>("TxtDetalle")->toPlainText(), QStringLiteral("Respondió que 'ya no viaja'"));

    clicCelda(1, 1);
    EXPECT_FALSE(detalleVisible());
    EXPECT_EQ(control<QPlainTextEdit>("TxtDetalle")->toPlainText(), QString());

    clicCelda(2, 0);
    EXPECT_TRUE(detalleVisible());
    clicCelda(0, 0);
    EXPECT_FALSE(detalleVisible());

    clicCelda(2, 0);
    QTest::mouseClick(control<QGroupBox>("Frmdetalle"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(detalleVisible());
}

TEST_P(SeguimientoVentana, NoteBoxLimitsTypingAndTheDetailShowsALongerImportedNoteWhole)
{
    // Imported notes keep their whole text, longer than a typed one can be.
    const QString larga = QString(3500, QLatin1Char('n'));
    Ejecutar(QStringLiteral("INSERT INTO Seguimiento_quejas (Pid, Queja, Detalle, Usuario, Fecha) VALUES "
                            "(3, 42, '%1', 5, '2025-03-19')")
                 .arg(larga));
    abrir();
    clicCelda(1, 0);
    EXPECT_EQ(control<QPlainTextEdit>("TxtDetalle")->toPlainText(), larga);

    nota()->insertPlainText(QString(3100, QLatin1Char('s'))); // a paste
    EXPECT_EQ(nota()->toPlainText(), QString(3000, QLatin1Char('s')));
    QTest::keyClicks(nota(), QStringLiteral("t"));
    EXPECT_EQ(nota()->toPlainText().size(), 3000);
}

// A character written as two UTF-16 units that does not fit whole is left out with what follows
// it, never stored cut in half.
TEST_P(SeguimientoVentana, TheNotesLimitKeepsWholeCharacters)
{
    abrir();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString aes(2999, QLatin1Char('a'));
    nota()->insertPlainText(aes + emoji + QStringLiteral("zz")); // a paste
    EXPECT_EQ(nota()->toPlainText(), aes);
    QTest::keyClicks(nota(), QStringLiteral("b"));
    EXPECT_EQ(nota()->toPlainText(), aes + QStringLiteral("b"));
    // Pasted in the middle: what fits whole goes in.
    nota()->setPlainText(QString(2998, QLatin1Char('a')));
    nota()->moveCursor(QTextCursor::Start);
    nota()->insertPlainText(QStringLiteral("z") + emoji + QStringLiteral("y"));
    EXPECT_EQ(nota()->toPlainText(), QStringLiteral("z") + QString(2998, QLatin1Char('a')));

    nota()->setPlainText(QString());
    nota()->insertPlainText(aes + emoji + QStringLiteral("zz"));
    QTest::mouseClick(control<QPushButton>("Agregar"), Qt::LeftButton);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Detalle FROM Seguimiento_quejas WHERE Queja = 42 AND Pid = 3")), aes);
}

TEST_P(SeguimientoVentana, MainWindowIsOffWhileTheWindowIsOpen)
{
    AtPrinc* p = principal();
    ASSERT_TRUE(p->isEnabled());
    abrir();
    EXPECT_FALSE(p->isEnabled());
    ASSERT_TRUE(Formulario<Seguimiento>::Descargar());
    EXPECT_TRUE(p->isEnabled());
}

INSTANCIAR_EN_MOTORES(SeguimientoVentana);
