#include "Administracion.h"

#include "Dialogos.h"

bool ClaveNuevaValida(const QString& clave, const QString& repetida)
{
    if (clave.size() < 5) {
        MsgBox(QStringLiteral("La contraseña no puede tener menos de 5 carácteres"), Botones::Aceptar,
               Icono::Informacion);
        return false;
    }
    if (clave != repetida) {
        MsgBox(QStringLiteral("Las contraseñas no coinciden"), Botones::Aceptar, Icono::Informacion);
        return false;
    }
    return true;
}

void AvisarNombreOcupado(const QString& usuario)
{
    MsgBox(QStringLiteral("No se pudo crear el usuario: el nombre ") + usuario + QStringLiteral(" ya existe."),
           Botones::Aceptar, Icono::Informacion);
}
