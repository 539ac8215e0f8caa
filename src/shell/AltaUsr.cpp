#include "AltaUsr.h"

#include "Administracion.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Medidas.h"
#include "Principal.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QFormLayout>

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

    const QString titulos[] = {
        QStringLiteral("Usuario"), QStringLiteral("Contraseña"), QStringLiteral("Contraseña (repita)"),
        QStringLiteral("Nombre"),  QStringLiteral("Apellido"),   QStringLiteral("Nivel de usuario")};
    QWidget* campos[] = {m_usuario, m_pass[0], m_pass[1], m_nombre, m_apellido, m_nivel};
    auto* f = new QFormLayout(this);
    for (int i = 0; i < 6; ++i) {
        f->addRow(Etiqueta(this, QStringLiteral("LblDato%1").arg(i), titulos[i]), campos[i]);
        campos[i]->installEventFilter(this);
    }
    f->addRow(m_aceptar);
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
    if (m_nombre->text().isEmpty() || m_apellido->text().isEmpty()) {
        MsgBox(QStringLiteral("Llene sus datos con Nombre y apellido"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    if (m_usuario->text().isEmpty()) {
        MsgBox(QStringLiteral("Usuario Incorrecto"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    RegUsuario usuario;
    usuario.Pid = 0;
    usuario.Nivel = static_cast<qint16>(m_nivel->currentIndex());
    usuario.Nombres = m_nombre->text();
    usuario.Apellido = m_apellido->text();
    usuario.Usuario = m_usuario->text();
    if (!GuardarUsuario(usuario, CodificarBase64(clave), 1)) {
        // Nothing was added: the user may pick another name without typing the rest again.
        AvisarNombreOcupado(usuario.Usuario);
        return;
    }
    MsgBox(QStringLiteral("Usuario ingresado"), Botones::Aceptar, Icono::Ninguno, QStringLiteral("Alta de usuarios"));
    VentanaPrincipal::TiempoACero();
    Formulario<AltaUsr>::Descargar();
}
