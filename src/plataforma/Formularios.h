#pragma once

#include "Ventana.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>

// One instance per window class: created on first use, forgotten once unloaded (closed and
// deleted), so the next use loads it afresh. The instance is registered before its load runs,
// so a request made while the load yields returns the window being loaded.
template <typename T>
class Formulario
{
public:
    static T* Obtener()
    {
        if (!instancia()) {
            T* w = new T();
            w->setAttribute(Qt::WA_DeleteOnClose);
            instancia() = w;
            if constexpr (std::is_base_of_v<Ventana, T>) {
                QPointer<T> guarda(w);
                w->Cargar();
                // The load may have closed the window again.
                return guarda.data();
            }
        }
        return instancia();
    }
    static bool Cargado() { return !instancia().isNull(); }
    static T* SiCargado() { return instancia().data(); }
    // Unload: close (the window's own close handling runs); once closed it is forgotten at
    // once and deleted when control returns to the event loop, so it may unload itself.
    static bool Descargar()
    {
        T* w = instancia().data();
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
};
