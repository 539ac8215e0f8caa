#include "AltaUsr.h"

#include "Administracion.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Medidas.h"
#include "Principal.h"
#include "Textos.h"
#include "Usuarios.h"

AltaUsr::AltaUsr()
{
    setObjectName(QStringLiteral("AltaUsr"));
    setWindowTitle(QStringLiteral("Alta de usuarios"));

    // Created in the order Enter walks through them.
    m_usuario = Caja(this, QStringLiteral("Usuario"));
    for (int i = 0; i < 2; ++i) {
        m_pass[i] = Caja(this, QStringLiteral("Pass%1").arg(i));
        m_pass[i]->setEchoMode(QLineEdit::Password);
    }
    m_nombre = Caja(this, QStringLiteral("Nombre"));
    m_apellido = Caja(this, QStringLiteral("Apellido"));
    m_nivel = new QComboBox(this);
    m_nivel->setObjectName(QStringLiteral("Nivel"));
    m_nivel->addItems(NivelesDeUsuario());
    m_nivel->setCurrentIndex(-1);
    m_aceptar = Boton(this, QStringLiteral("Aceptar"), QStringLiteral("Guardar y continuar"));

    QWidget* const campos[] = {m_usuario, m_pass[0], m_pass[1], m_nombre, m_apellido, m_nivel};
    FilasDeUsuario(this, campos, m_aceptar);
    for (QWidget* c : campos)
        c->installEventFilter(this);
    m_usuario->setMinimumWidth(220);

    connect(m_aceptar, &QPushButton::clicked, this, &AltaUsr::Aceptar_Click);
    connect(m_nivel, &QComboBox::activated, this, &AltaUsr::Nivel_Click);
}

bool AltaUsr::eventFilter(QObject* objeto, QEvent* evento)
{
    if (EsEnter(evento)) {
        int tecla = kEnter;
        EnterComoTab(tecla);
        return true;
    }
    return Ventana::eventFilter(objeto, evento);
}

void AltaUsr::EnterComoTab(int& tecla)
{
    if (tecla == kEnter)
        focusNextChild();
}

void AltaUsr::Nivel_Click()
{
    int tecla = kEnter;
    EnterComoTab(tecla);
}

void AltaUsr::Aceptar_Click()
{
    const QString clave = m_pass[0]->text();
    if (!ClaveNuevaValida(clave, m_pass[1]->text()))
        return;
    // Without a level the user would be stored with -1: shown as disabled, yet let in by the login.
    if (m_nivel->currentIndex() < 0) {
        MsgBox(QStringLiteral("Seleccione un nivel de usuario"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    if (m_nivel->currentIndex() > UsuarioActual.Nivel) {
        MsgBox(QStringLiteral("No puedes modificar el usuario por encima de tu rango"));
        return;
    }
    if (!NombresCompletos(m_nombre->text(), m_apellido->text()))
        return;
    if (m_usuario->text().isEmpty()) {
        MsgBox(QStringLiteral("Usuario Incorrecto"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    const RegUsuario usuario =
        UsuarioNuevo(m_nivel->currentIndex(), m_nombre->text(), m_apellido->text(), m_usuario->text());
    bool nombreTomado = false;
    if (!GuardarUsuario(usuario, CodificarBase64(clave), 1, &nombreTomado)) {
        // Nothing was added: the user may pick another name without typing the rest again. A
        // failed insert has told its own failure.
        if (nombreTomado)
            AvisarNombreOcupado(usuario.Usuario);
        return;
    }
    MsgBox(QStringLiteral("Usuario ingresado"), Botones::Aceptar, Icono::Ninguno, QStringLiteral("Alta de usuarios"));
    VentanaPrincipal::TiempoACero();
    Formulario<AltaUsr>::Descargar();
}
