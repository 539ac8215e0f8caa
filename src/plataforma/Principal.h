#pragma once

// What the other windows need of the main window. The main window installs itself at load and
// removes itself at unload; lower libraries call through here instead of linking it, and every
// call does nothing while no main window is loaded (a window opened on its own, a test).
class Principal
{
public:
    virtual ~Principal() = default;

    // Switched off while a window that holds the user is loaded, on again at its unload.
    virtual void Habilitar(bool habilitada) = 0;
    // Resets the idle time: every sign of the user's activity.
    virtual void TiempoACero() = 0;
    // Fills the statistics bars again at the next tick (the case window's close does it).
    virtual void RearmarBarras() = 0;
    // The side menu's first two entries: the DNI lookup and the search window.
    virtual void Nuevo_Click() = 0;
    virtual void Abrir_Click() = 0;
};

namespace VentanaPrincipal {

void Instalar(Principal* principal);
// Removes it only when it is the one installed.
void Quitar(Principal* principal);
Principal* Actual();

void Habilitar(bool habilitada);
void TiempoACero();
void RearmarBarras();
void Nuevo_Click();
void Abrir_Click();

} // namespace VentanaPrincipal
