#pragma once

#include <QString>

// A user of the desk.
struct RegUsuario
{
    qint16 Pid = 0;
    qint16 Nivel = 0;
    QString Nombres;
    QString Apellido;
    QString Usuario;
};

// The logged-in user; PID and level 0 and empty names before the first login.
extern RegUsuario UsuarioActual;
