#pragma once

#include "Ventana.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>

// One instance per window class: created on first use, forgotten once unloaded (closed and
// deleted), so the next use loads it afresh. The instance is registered before its load runs,
// so a request made while the load yields returns the window being loaded.
template <typename T> class Formulario
{
public:
    // The window, loaded; nullptr when its own load closed it again.
    static T* Obtener()
    {
        if (!vivo()) {
            T* w = new T();
            w->setAttribute(Qt::WA_DeleteOnClose);
            instancia() = w;
            if constexpr (std::is_base_of_v<Ventana, T>) {
                QPointer<T> guarda(w);
                w->Cargar();
                return guarda && !guarda->Descargada() ? guarda.data() : nullptr;
            }
        }
        return instancia();
    }
    static bool Cargado() { return vivo() != nullptr; }
    static T* SiCargado() { return vivo(); }
    // Unload: close (the window's own close handling runs); once closed it is forgotten at
    // once and deleted when control returns to the event loop, so it may unload itself.
    static bool Descargar()
    {
        T* w = vivo();
        if (!w)
            return true;
        if (!w->close())
            return false;
        instancia().clear();
        return true;
    }

private:
    static QPointer<T>& instancia()
    {
        static QPointer<T> p;
        return p;
    }
    // A window closed by the user is unloaded although Qt deletes it only later.
    static T* vivo()
    {
        T* w = instancia().data();
        if constexpr (std::is_base_of_v<Ventana, T>) {
            if (w && w->Descargada())
                return nullptr;
        }
        return w;
    }
};

// Shows a window's single instance, loading it on first use; one already open comes up as it is
// (TraerAlFrente). Null when its load let events run and the window was closed meanwhile.
template <typename T> T* MostrarVentana()
{
    T* w = Formulario<T>::Obtener();
    if (!w || w->Descargada())
        return nullptr;
    TraerAlFrente(w);
    return w;
}
