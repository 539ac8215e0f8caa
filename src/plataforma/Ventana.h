#pragma once

#include <QWidget>

// What every window of the system shares: the load runs once, after the single instance is
// registered (Formulario calls Cargar), so a second request during a load gets this window;
// closing it by any means runs the unload once; a window that holds the user switches the main
// window off while it is loaded; a window opens inside the screen's available area.
class Ventana : public QWidget
{
    Q_OBJECT
public:
    explicit Ventana(QWidget* padre = nullptr);
    ~Ventana() override;

    // Runs Form_Load once; later calls do nothing.
    void Cargar();
    bool Descargada() const { return m_descargada; }

protected:
    virtual void Form_Load() {}
    // Return false to keep the window open (a question answered No).
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}

    // For the load of a window that keeps the user: the main window stays off until the unload.
    void ApagarPrincipal();

    void closeEvent(class QCloseEvent* evento) override;
    void showEvent(class QShowEvent* evento) override;
    void moveEvent(class QMoveEvent* evento) override;

private:
    void devolverPrincipal();
    // Moves the window (and shrinks it when it is larger) into its screen's available area.
    void dentroDeLaPantalla();

    bool m_cargada = false;
    bool m_descargada = false;
    bool m_principalApagado = false;
    // Set from a show until the window manager has had time to place the window.
    bool m_ubicando = false;
};

// A window asked for again comes up as it is: shown, restored if minimised, raised and active.
void TraerAlFrente(QWidget* ventana);
