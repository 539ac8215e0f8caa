#pragma once

#include "Formularios.h"
#include "Usuarios.h"

#include <QEvent>
#include <QKeyEvent>
#include <QString>
#include <QStringList>
#include <QWidget>

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

// A press of either Enter key.
inline bool EsEnter(const QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<const QKeyEvent*>(evento)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

// Lays out a user form: login name, password and its repetition, names, surname and level, each
// under its label (LblDato0 to LblDato5), then the button.
void FilasDeUsuario(QWidget* ventana, QWidget* const (&campos)[6], QWidget* boton);

// The password typed twice for a new user, checked in the order the user forms check it: false
// after telling the user what is wrong.
bool ClaveNuevaValida(const QString& clave, const QString& repetida);
// Both names are needed: false after telling the user.
bool NombresCompletos(const QString& nombres, const QString& apellido);
// The record a user form saves: no key yet, the level is the list position.
RegUsuario UsuarioNuevo(int nivel, const QString& nombres, const QString& apellido, const QString& usuario);
// A login name already taken: nothing was added.
void AvisarNombreOcupado(const QString& usuario);
