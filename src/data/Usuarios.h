#pragma once

#include <QString>
#include <QVector>

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
// Scratch value of the login check.
extern qint16 PidTemporal;

// One row of the users window's list.
struct RegFilaUsuario
{
    qint16 Pid = 0;
    QString Usuario;
    QString Apellido;
    QString Nombres;
    QString Nivel; // the level number as text
};

struct RegListaUsuarios
{
    QVector<RegFilaUsuario> Items;
    qint16 Ultimo = -1;
};

// The login check. Sets EstadoLogin: 1 not connected, 2 first run (no user but the hidden Pid 0
// row, and a name other than "Vortane"; nothing is checked), -1 wrong name or password, 0 accepted; on
// success also UsuarioActual (never its Usuario). A stored password that is not valid Base64
// throws ErrorEjecucion to the caller.
bool ComprobarUsuario(QString& nombre, QString& clave);
// True when a user other than the hidden Pid 0 row exists.
bool HayUsuarios();
void SetPass(const QString& claveCodificada, qint16 pid);
// True when the typed password, encoded, equals the stored text.
bool ComprobarPass(const QString& clave, qint16 pid);
// Mode 1 adds a user; any other mode changes the level (two or more users) or adds the first
// user. False when nothing was added: the login name is taken (nombreTomado, when given, says so),
// or the insert failed, which its own failure message has told.
bool GuardarUsuario(const RegUsuario& usuario, const QString& claveCodificada, qint16 modo,
                    bool* nombreTomado = nullptr);
// True when giving the user this level would take away the last enabled administrator (level 3
// or more) who can sign in, read from the table as it is now.
bool DejaSinAdministradores(qint16 pid, qint16 nivel);
// Every user but Pid 0, by Pid.
RegListaUsuarios GetUsuarios();
// "Apellido, Nombres", or "Usuario Inexistente: " and the Pid.
QString GetNombreUsuario(qint16 pid);
// The two texts GetNombreUsuario gives, for a user row read elsewhere.
QString NombreDeUsuario(const QString& apellido, const QString& nombres);
QString UsuarioInexistente(qint16 pid);
// A user whose login name, given names or surname contain the fragment (ignoring case and
// accents); 12 for an empty fragment, no match, or a match on Pid 0.
qint16 GetUsuarioPID(const QString& fragmento);
