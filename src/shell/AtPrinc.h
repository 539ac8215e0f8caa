#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>

class BarraVer;
class MenAb;
class MenuSecA;

// The main window of a logged-in user: caption naming the user, menus, the side menu, the
// statistics bars of the last 31 days and the workstation heartbeat. Closing it, by any way,
// is the logout.
class AtPrinc : public QWidget
{
    Q_OBJECT
public:
    AtPrinc();

    // Called by the side menu and by the case window.
    void Abrir_Click();
    void Nuevo_Click();
    // Called by the windows that keep the user busy.
    void TiempoACero();
    // Switches the main window off while a window that holds the user is loaded, and on again;
    // nothing happens when the main window is not loaded (a window opened on its own).
    static void Habilitar(bool habilitada);

    // The case window re-arms the bars when it closes.
    QTimer* TmrBarr() { return &m_tmrBarr; }
    QTimer* TmrOffLine() { return &m_tmrOffLine; }

public slots:
    void TmrBarr_Timer();
    void TmrOffLine_Timer();
    void MNU_Presionado();
    void MenAb1_Presionado();
    void Salir_Click();
    void UsuariosCn_Click();
    void ImpP1_Click();
    void ImSeg_Click();
    void Actualizadt_Click();
    void ImpoCom_Click();
    void impoexp_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void Form_Unload();
    void ActualizarBarra(int n);
    void MostrarPeriodo(const QString& desde, const QString& hasta, qint32 total);
    void PreguntarSalida();

    void AbrirRelaciones();
    void AbrirAbmMotivo();
    void AbrirAgregarCat();
    void AbrirAltaUsr();
    void AbrirFUsuarios();
    void AbrirCambiarPass();
    void AbrirReportes();

    MenAb* m_menAb1;
    MenuSecA* m_mnu;
    BarraVer* m_bv1;
    BarraVer* m_bv2;
    BarraVer* m_bv3;
    QLabel* m_lblCm;
    QMenu* m_importar;
    QAction* m_usuariosCn;
    QTimer m_tmrBarr;
    QTimer m_tmrOffLine;

    // Reset by every sign of the user's activity; nothing reads it yet.
    int m_tiempoOcioso = 0;
    int m_indiceBarra = 0;
    bool m_descargado = false;
};

// The logout: unloads the user's windows in a fixed order and shows the login window again.
// The database connection stays open for the next login.
void CerrarSesion();
