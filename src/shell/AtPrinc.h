#pragma once

#include "Estadisticas.h"
#include "Principal.h"
#include "Ventana.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <optional>

class BarraVer;
class MenAb;
class MenuSecA;

// The main window of a logged-in user: caption naming the user, menus, the side menu, the
// statistics bars of the last 31 days and the workstation heartbeat. Closing it, by any way,
// is the logout.
class AtPrinc : public Ventana, public Principal
{
    Q_OBJECT
public:
    AtPrinc();
    ~AtPrinc() override { VentanaPrincipal::Quitar(this); }

    // What the other windows reach through the main-window interface.
    void Abrir_Click() override;
    void Nuevo_Click() override;
    void TiempoACero() override;
    void Habilitar(bool habilitada) override;
    void RearmarBarras() override;

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
    void Form_Load() override;
    bool Form_QueryUnload() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void ActualizarBarra(int n, const QString& desde, const QString& hasta, const RegConteoEstados& conteos);
    void MostrarPeriodo(const QString& desde, const QString& hasta, qint32 total);
    void PreguntarSalida();
    // The logout happens whole or not at all: the one window whose close the user may refuse is
    // asked first, before anything is unloaded. False when it stays open.
    bool PuedeCerrarSesion();

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

    // Reset by every sign of the user's activity; nothing reads it.
    int m_tiempoOcioso = 0;
    int m_indiceBarra = 0;
    // The counts read at load, which the bars' first tick shows instead of counting again.
    struct ConteoDeCarga
    {
        QString desde;
        QString hasta;
        RegConteoEstados conteos;
    };
    std::optional<ConteoDeCarga> m_conteoDeCarga;
};

// The logout: unloads the user's windows in a fixed order and shows the login window again.
// The database connection stays open for the next login.
void CerrarSesion();
