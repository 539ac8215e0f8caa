#include "Administracion.h"

#include "Controles.h"
#include "Dialogos.h"

#include <QFormLayout>

void FilasDeUsuario(QWidget* ventana, QWidget* const (&campos)[6], QWidget* boton)
{
    const QString titulos[] = {
        QStringLiteral("Usuario"), QStringLiteral("Contraseña"), QStringLiteral("Contraseña (repita)"),
        QStringLiteral("Nombre"),  QStringLiteral("Apellido"),   QStringLiteral("Nivel de usuario")};
    auto* f = new QFormLayout(ventana);
    for (int i = 0; i < 6; ++i)
        f->addRow(Etiqueta(ventana, QStringLiteral("LblDato%1").arg(i), titulos[i]), campos[i]);
    f->addRow(boton);
}

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

bool NombresCompletos(const QString& nombres, const QString& apellido)
{
    if (nombres.isEmpty() || apellido.isEmpty()) {
        MsgBox(QStringLiteral("Llene sus datos con Nombre y apellido"), Botones::Aceptar, Icono::Informacion);
        return false;
    }
    return true;
}

RegUsuario UsuarioNuevo(int nivel, const QString& nombres, const QString& apellido, const QString& usuario)
{
    RegUsuario u;
    u.Pid = 0;
    u.Nivel = static_cast<qint16>(nivel);
    u.Nombres = nombres;
    u.Apellido = apellido;
    u.Usuario = usuario;
    return u;
}

void AvisarNombreOcupado(const QString& usuario)
{
    MsgBox(QStringLiteral("No se pudo crear el usuario: el nombre ") + usuario + QStringLiteral(" ya existe."),
           Botones::Aceptar, Icono::Informacion);
}
