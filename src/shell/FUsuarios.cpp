#include "FUsuarios.h"

#include "Administracion.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QVBoxLayout>

namespace {

const QString kClaveReiniciada = QStringLiteral("731905");

// The user's level as stored now; -1 for a user no longer there.
qint16 nivelGuardado(qint16 pid)
{
    for (const RegFilaUsuario& u : GetUsuarios().Items)
        if (u.Pid == pid)
            return static_cast<qint16>(u.Nivel.toInt());
    return -1;
}

} // namespace

FUsuarios::FUsuarios()
{
    setObjectName(QStringLiteral("FUsuarios"));
    setWindowTitle(QStringLiteral("Administrar usuarios"));

    m_cmbUsuarios = ListaDeDato(this, QStringLiteral("CmbUsuarios"));
    m_cmbUsuarios->setMinimumWidth(300);
    // A list to choose from, never typed into: a typed level would be stored without any check.
    m_cmbNivel = new QComboBox(this);
    m_cmbNivel->setObjectName(QStringLiteral("CmbNivel"));
    m_cmbNivel->addItems(NivelesDeUsuario());
    m_cmbNivel->setCurrentIndex(-1);
    m_rcon = Boton(this, QStringLiteral("Rcon"), QStringLiteral("Reiniciar contraseña"));

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(Etiqueta(this, QStringLiteral("Selec0"), QStringLiteral("Seleccionar usuario")));
    capa->addWidget(m_cmbUsuarios);
    capa->addWidget(Etiqueta(this, QStringLiteral("Selec1"), QStringLiteral("Seleccionar Nivel de usuario")));
    capa->addWidget(m_cmbNivel);
    capa->addSpacing(8);
    capa->addWidget(m_rcon, 0, Qt::AlignRight);

    connect(m_cmbNivel, &QComboBox::activated, this, &FUsuarios::CmbNivel_Click);
    connect(m_cmbUsuarios, &QComboBox::currentIndexChanged, this, &FUsuarios::mostrarNivel);
    connect(m_rcon, &QPushButton::clicked, this, &FUsuarios::Rcon_Click);
}

void FUsuarios::Form_Load()
{
    const RegListaUsuarios lista = GetUsuarios();
    for (const RegFilaUsuario& u : lista.Items)
        m_cmbUsuarios->addItem(QString::number(u.Pid) + QStringLiteral(" - ") + u.Apellido + QStringLiteral(", ") +
                               u.Nombres);
    m_cmbUsuarios->setCurrentIndex(-1);
    if (UsuarioActual.Nivel == 4)
        m_cmbNivel->addItem(QStringLiteral("3 - Super administrador"));
}

bool FUsuarios::usuarioElegido(qint16& pid)
{
    if (m_cmbUsuarios->currentIndex() < 0) {
        MsgBox(QStringLiteral("Seleccione un usuario del combo superior"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Error al cambiar contraseña: Exit Sub"));
        return false;
    }
    pid = ClaveDeItem(m_cmbUsuarios->currentText());
    return true;
}

void FUsuarios::mostrarNivel()
{
    const int nivel = m_cmbUsuarios->currentIndex() < 0 ? -1 : nivelGuardado(ClaveDeItem(m_cmbUsuarios->currentText()));
    // A level the list does not offer (4 for a level-3 user, 5) shows as none rather than another.
    m_cmbNivel->setCurrentIndex(nivel < m_cmbNivel->count() ? nivel : -1);
}

void FUsuarios::CmbNivel_Click()
{
    cambiarNivel();
    // Whatever became of the choice, the box shows what is stored.
    mostrarNivel();
}

void FUsuarios::cambiarNivel()
{
    if (UsuarioActual.Nivel < 3) {
        MsgBox(QStringLiteral("No puede cambiar un permiso de usuario, hable con un administrador"), Botones::Aceptar,
               Icono::Informacion, QStringLiteral("No se puede cambiar"));
        return;
    }
    RegUsuario usuario;
    if (!usuarioElegido(usuario.Pid))
        return;
    usuario.Nivel = static_cast<qint16>(m_cmbNivel->currentIndex());
    // Only an administrator can give the level back: without one the site is locked out for good.
    if (DejaSinAdministradores(usuario.Pid, usuario.Nivel)) {
        MsgBox(QStringLiteral("No se puede dejar el sistema sin administradores"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("No se puede cambiar"));
        return;
    }
    GuardarUsuario(usuario, QString(), 0);
    MsgBox(QStringLiteral("Permisos de usuario cambiados"), Botones::Aceptar, Icono::Informacion,
           QStringLiteral("Acción realizada"));
}

void FUsuarios::Rcon_Click()
{
    qint16 pid = 0;
    if (!usuarioElegido(pid))
        return;
    // The reset text is known to all: resetting a higher-ranked user would let the acting user
    // sign in with that user's rights. The level is read now, as it may have changed since the load.
    if (nivelGuardado(pid) > UsuarioActual.Nivel) {
        MsgBox(QStringLiteral("No puedes modificar el usuario por encima de tu rango"));
        return;
    }
    SetPass(CodificarBase64(kClaveReiniciada), pid);
    MsgBox(QStringLiteral("La contraseña ha sido reinciada, el usuario debe ingregar '731905' sin comillas y cambiar "
                          "el pass."),
           Botones::Aceptar, Icono::Informacion, QStringLiteral("Usuario modificado"));
}
