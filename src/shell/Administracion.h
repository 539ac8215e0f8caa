#pragma once

#include "Conexion.h"
#include "Formularios.h"

#include <QString>
#include <QStringList>

// What the user and catalogue windows share.

// The level lists of the user windows: list position = level stored.
inline QStringList NivelesDeUsuario()
{
    return {QStringLiteral("Inhabitado"), QStringLiteral("Usuario"), QStringLiteral("Usuario Avanzado"),
            QStringLiteral("Administrador")};
}

// Items read as the key, " - " and a text; the key is the part before the first " - ".
inline qint16 ClaveDeItem(const QString& item)
{
    return static_cast<qint16>(item.section(QStringLiteral(" - "), 0, 0).trimmed().toShort());
}

// Shows a window's single instance. A window that reads as it loads is not loaded while another
// read holds the shared result set (that statement would end the program): nothing opens and
// the user asks again. Null when nothing opened.
template <typename T> T* MostrarVentana(bool leeAlCargar = true)
{
    if (leeAlCargar && !Formulario<T>::Cargado() && LecturaEnCurso())
        return nullptr;
    T* w = Formulario<T>::Obtener();
    if (w) {
        w->show();
        w->raise();
    }
    return w;
}
