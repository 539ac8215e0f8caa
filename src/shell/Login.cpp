#include "Login.h"

Login::Login()
{
    setObjectName(QStringLiteral("Login"));
    setWindowTitle(QStringLiteral("Inicio de sesion"));
    resize(360, 200);
}
