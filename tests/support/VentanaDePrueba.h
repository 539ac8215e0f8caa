#pragma once

#include "BaseDePrueba.h"
#include "Formularios.h"
#include "Principal.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <functional>
#include <string>

class AtPrinc;
class GrillaTabla;
class QComboBox;
class QLineEdit;

// Windows over a database, on both engines: the signed-in user, a known workstation behind the
// network seams, and every window unloaded at the end so that no test leaks into the next.
class VentanaDePrueba : public BaseDePrueba
{
protected:
    void TearDown() override;

    // User 5, "Pérez, Ana María", signed in at this level.
    static void entrar(qint16 nivel);
    // The workstation 10.4.0.7 (00:1B:A0:05:FF:0A) named "PUESTO-07", as the main window registers it.
    static void fijarEquipo();
    // The main window of the signed-in user on that workstation.
    static AtPrinc* principal();
    // The same with its timers stopped, for tests that do not drive them.
    static AtPrinc* principalQuieta();
    // Another desk on the same database: accion runs on a connection of its own, signed in as user
    // pid at this level, while this desk waits.
    static void enOtroPuesto(qint16 pid, qint16 nivel, const std::function<void()>& accion);
    // An administrator, user 7, saves the complaint's resolution at another desk: this detail and
    // these flags.
    static void resolverEnOtroPuesto(qint32 queja, const QString& detalle, int cerrada, int anulado = 0);
};

// A stand-in main window for windows tested alone: records what they ask of it. Installed
// while it lives.
class PrincipalDePrueba : public Principal
{
public:
    PrincipalDePrueba() { VentanaPrincipal::Instalar(this); }
    ~PrincipalDePrueba() override { VentanaPrincipal::Quitar(this); }

    void Habilitar(bool habilitada) override { habilitaciones << habilitada; }
    void TiempoACero() override { ++tiempoACero; }
    void RearmarBarras() override {}
    void Nuevo_Click() override {}
    void Abrir_Click() override {}

    QList<bool> habilitaciones;
    int tiempoACero = 0;
};

// A control of a loaded window, found by its name; a missing window or control fails the test.
template <typename V, typename T> T* ControlDe(const char* nombre)
{
    V* v = Formulario<V>::SiCargado();
    EXPECT_NE(v, nullptr) << nombre;
    T* c = v ? v->template findChild<T*>(QString::fromLatin1(nombre)) : nullptr;
    EXPECT_NE(c, nullptr) << nombre;
    return c;
}
// A window's single instance, loaded and shown.
template <typename V> V* Mostrar()
{
    V* w = Formulario<V>::Obtener();
    w->show();
    return w;
}
// A click on a button of a loaded window; windows it unloaded are deleted.
template <typename V> void Pulsar(const char* boton)
{
    QTest::mouseClick(ControlDe<V, QPushButton>(boton), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The application as the program sets it up (its end, locale, translation and font) for as long as
// this lives; the test binary's own settings come back afterwards.
class AplicacionDelPrograma
{
public:
    AplicacionDelPrograma();
    ~AplicacionDelPrograma();

private:
    QFont m_fuente;
    QLocale m_idioma;
    bool m_finAlCerrarLaUltima;
};

// A close as the window manager's close button (or Alt+F4) asks for it: a spontaneous close
// event to the window, which Qt passes on to the widget as spontaneous too.
void CerrarComoElSistema(QWidget* ventana);

// Runs the program's event loop until the program ends by itself (true) or the time runs out.
bool CorrerHastaElFin(int milisegundos);

// Unloads every window the tests may have opened, then lets Qt delete them.
void DescargarVentanas();

// Runs accion while another window's list fills: the list of open complaints, filled into a grid
// of its own, lets window events run after each row, and accion runs at the first of them. False
// when the list had no row, so accion never ran.
bool DuranteOtroLlenado(const std::function<void()>& accion);

// A pick in a list, as the user makes it: the index, then the activation the windows listen to.
void Elegir(QComboBox* lista, int indice);
// The texts of a list, top to bottom.
QStringList Items(const QComboBox* lista);
// The named one-line boxes of a window that do not show their text from its start (a cursor
// elsewhere scrolls a text longer than its box away from it), one "name: text" line each.
std::string CajasSinSuInicio(const QWidget* ventana, const QStringList& nombres);
// Types into a box from empty, then presses Enter.
void EscribirYEnter(QLineEdit* caja, const QString& texto);
// A click, and a double-click (the press and release come first), on the centre of a grid cell.
void ClicCelda(GrillaTabla* g, int fila, int col);
void DobleClicCelda(GrillaTabla* g, int fila, int col);
