#include "Bienvenido.h"

#include "Administracion.h"
#include "Dialogos.h"
#include "EtiquetaDato.h"
#include "Formularios.h"
#include "Login.h"
#include "Textos.h"
#include "Usuarios.h"

namespace {
constexpr int kNivelAdministrador = 3;
}

Bienvenido::Bienvenido()
{
    setObjectName(QStringLiteral("Bienvenido"));
    setWindowTitle(QStringLiteral("Bienvenido"));

    m_usuario = EtiquetaDeDato(this, QStringLiteral("Usuario"));
    for (int i = 0; i < 2; ++i) {
        m_pass[i] = new QLineEdit(this);
        m_pass[i]->setObjectName(QStringLiteral("Pass%1").arg(i));
        m_pass[i]->setEchoMode(QLineEdit::Password);
    }
    m_nombre = new QLineEdit(this);
    m_nombre->setObjectName(QStringLiteral("Nombre"));
    m_apellido = new QLineEdit(this);
    m_apellido->setObjectName(QStringLiteral("Apellido"));
    m_nivel = new QComboBox(this);
    m_nivel->setObjectName(QStringLiteral("Nivel"));
    m_nivel->addItems(NivelesDeUsuario() << QStringLiteral("Super Admin"));
    m_aceptar = new QPushButton(QStringLiteral("Guardar y continuar"), this);
    m_aceptar->setObjectName(QStringLiteral("Aceptar"));

    QWidget* const campos[] = {m_usuario, m_pass[0], m_pass[1], m_nombre, m_apellido, m_nivel};
    FilasDeUsuario(this, campos, m_aceptar);

    connect(m_aceptar, &QPushButton::clicked, this, &Bienvenido::Aceptar_Click);
}

void Bienvenido::Administra(bool flag)
{
    if (flag)
        m_administra = true;
    m_nivel->setCurrentIndex(kNivelAdministrador);
    m_nivel->setEnabled(false);
}

void Bienvenido::TextoCartel(const QString&) {}

void Bienvenido::SetUsuario(const QString& nombre)
{
    m_usuario->setText(nombre);
}

void Bienvenido::Aceptar_Click()
{
    if (!ClaveNuevaValida(m_pass[0]->text(), m_pass[1]->text()))
        return;
    if (m_nivel->currentIndex() > UsuarioActual.Nivel && !m_administra) {
        MsgBox(QStringLiteral("No puedes modificar el usuario por encima de tu rango"), Botones::Aceptar,
               Icono::Ninguno, QString());
        return;
    }
    if (!NombresCompletos(m_nombre->text(), m_apellido->text()))
        return;
    const RegUsuario usuario =
        UsuarioNuevo(m_nivel->currentIndex(), m_nombre->text(), m_apellido->text(), m_usuario->text());
    // Once any user exists the save would only change the level of the row with Pid 0 (the hidden
    // row of delivered sites): another workstation created the first user while this window was open.
    if (HayUsuarios()) {
        MsgBox(QStringLiteral("No se pudo crear el usuario: ya hay usuarios registrados."), Botones::Aceptar,
               Icono::Informacion, QString());
    } else {
        // A name already taken is not saved; say so rather than close as after a save. A failed
        // insert has told its own failure.
        bool nombreTomado = false;
        if (!GuardarUsuario(usuario, CodificarBase64(m_pass[0]->text()), 0, &nombreTomado) && nombreTomado)
            AvisarNombreOcupado(usuario.Usuario);
    }
    Formulario<Bienvenido>::Descargar();
}

void Bienvenido::Form_Unload()
{
    Formulario<Login>::Obtener()->show();
}
