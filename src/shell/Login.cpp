#include "Login.h"

#include "Aplicacion.h"
#include "AtPrinc.h"
#include "BasePing.h"
#include "Bienvenido.h"
#include "Colores.h"
#include "Conexion.h"
#include "Config.h"
#include "Configurar.h"
#include "Dialogos.h"
#include "Equipos.h"
#include "ErrLog.h"
#include "Formularios.h"
#include "MotorBD.h"
#include "Usuarios.h"
#include "VersionSistema.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>

namespace {

constexpr long kVerde = 0xC0FFC0;
constexpr long kRojo = 0xC0C0FF;

// The password box shows "*" for each typed character, whatever the platform's style prefers.
class EstiloAsterisco : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* opcion, const QWidget* widget,
                  QStyleHintReturn* retorno) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, opcion, widget, retorno);
    }
};

void pintarFondo(QLineEdit* caja, long bgr)
{
    QPalette p = caja->palette();
    p.setColor(QPalette::Base, ColorBGR(bgr));
    caja->setPalette(p);
}

// A padlock: the window is the way in.
QPixmap dibujarCandado()
{
    QPixmap imagen(72, 88);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x60, 0x70), 8));
    p.drawArc(QRectF(16, 6, 40, 44), 0, 180 * 16);
    p.drawLine(QPointF(16, 28), QPointF(16, 40));
    p.drawLine(QPointF(56, 28), QPointF(56, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0xA4, 0x41));
    p.drawRoundedRect(QRectF(6, 38, 60, 46), 6, 6);
    p.setBrush(QColor(0x45, 0x35, 0x20));
    p.drawEllipse(QPointF(36, 56), 6, 6);
    p.drawRect(QRectF(33, 58, 6, 14));
    return imagen;
}

bool esEnter(int tecla)
{
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

} // namespace

Login::Login()
{
    setObjectName(QStringLiteral("Login"));
    setWindowTitle(QStringLiteral("Inicio de sesion"));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(dibujarCandado());
    m_lblUs[0] = new QLabel(QStringLiteral("Nombre de Usuario"), this);
    m_lblUs[1] = new QLabel(QStringLiteral("Contraseña"), this);
    for (int i = 0; i < 2; ++i)
        m_lblUs[i]->setObjectName(QStringLiteral("LblUs%1").arg(i));
    m_usuario = new QLineEdit(this);
    m_usuario->setObjectName(QStringLiteral("Usuario"));
    m_pass = new QLineEdit(this);
    m_pass->setObjectName(QStringLiteral("Pass"));
    m_pass->setEchoMode(QLineEdit::Password);
    auto* estilo = new EstiloAsterisco;
    estilo->setParent(this);
    m_pass->setStyle(estilo);
    pintarFondo(m_usuario, kVerde);
    pintarFondo(m_pass, kVerde);
    m_inicio = new QPushButton(QStringLiteral("Iniciar sesion"), this);
    m_inicio->setObjectName(QStringLiteral("Inicio"));

    auto* g = new QGridLayout(this);
    g->addWidget(m_image1, 0, 0, 4, 1, Qt::AlignCenter);
    g->addWidget(m_lblUs[0], 0, 1);
    g->addWidget(m_usuario, 1, 1);
    g->addWidget(m_lblUs[1], 2, 1);
    g->addWidget(m_pass, 3, 1);
    g->addWidget(m_inicio, 4, 1, Qt::AlignRight);
    g->setColumnMinimumWidth(1, 220);

    m_usuario->installEventFilter(this);
    m_pass->installEventFilter(this);
    connect(m_inicio, &QPushButton::clicked, this, &Login::Inicio_Click);
}

void Login::Form_Load()
{
    if (!VerificarVersion())
        MsgBox(QStringLiteral("Se ha instalado una nueva version."), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Actualización de sistema"));
}

bool Login::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (objeto == m_usuario)
            return Usuario_KeyPress(tecla);
        if (objeto == m_pass)
            return Pass_KeyPress(tecla);
    }
    return QWidget::eventFilter(objeto, evento);
}

void Login::closeEvent(QCloseEvent* evento)
{
    // The user closing the way in ends the program; the program's own unloads of this window (a
    // login, the logout, the configuration) do not.
    const bool delUsuario = evento->spontaneous();
    Ventana::closeEvent(evento);
    if (delUsuario && evento->isAccepted())
        Aplicacion::Finalizar();
}

bool Login::Usuario_KeyPress(int tecla)
{
    // A typed key reaches the box only after this handler: letting events run here would type the
    // keys queued behind it first and scramble the name. Enter lets them run, but not the user's
    // own input, which keeps its turn.
    if (!esEnter(tecla))
        return false;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_usuario->text() == QLatin1String("/vereda")) {
        Formulario<Configurar>::Obtener()->show();
        Formulario<Login>::Descargar();
        return true;
    }
    m_pass->setFocus();
    return true;
}

bool Login::Pass_KeyPress(int tecla)
{
    if (!esEnter(tecla))
        return false;
    Inicio_Click();
    return true;
}

void Login::marcarError(QLineEdit* caja)
{
    pintarFondo(caja, kRojo);
}

void Login::Inicio_Click()
{
    // The step in progress names the failure in the error log.
    QString paso;
    const auto fallar = [&paso](const ErrorEjecucion& error) {
        MsgBox(QStringLiteral("Ha ocurrido un error al intentar iniciar la pantalla principal.\nRevise el log de "
                              "errores"),
               Botones::Aceptar, Icono::Critico, QStringLiteral("Error al iniciar."));
        EscribirErrLog(paso, error);
    };
    try {
        paso = QStringLiteral("Controles Usr & pass");
        if (m_usuario->text().size() < 3) {
            MsgBox(QStringLiteral("Especifique un usuario valido!"), Botones::Aceptar, Icono::Informacion, QString());
            marcarError(m_usuario);
            return;
        }
        if (m_pass->text().size() < 3) {
            MsgBox(QStringLiteral("Especifique una contraseña valida!"), Botones::Aceptar, Icono::Informacion,
                   QString());
            marcarError(m_pass);
            return;
        }

        paso = QStringLiteral("Login");
        QString nombre = m_usuario->text();
        QString clave = m_pass->text();
        const bool ok = ComprobarUsuario(nombre, clave);

        paso = QStringLiteral("Comprobacion");
        if (ok && EstadoLogin == 2) {
            paso = QStringLiteral("Cargar Bienvenida");
            Bienvenido* bienvenido = Formulario<Bienvenido>::Obtener();
            bienvenido->TextoCartel(QStringLiteral("Bienvenido!"));
            bienvenido->Administra(true);
            bienvenido->SetUsuario(m_usuario->text());
            bienvenido->show();
            paso = QStringLiteral("Descargar Login");
            Formulario<Login>::Descargar();
            return;
        }
        if (!ok && EstadoLogin == -1) {
            MsgBox(QStringLiteral("Usuario o contraseña incorrecto"), Botones::Aceptar, Icono::Critico,
                   QStringLiteral("Error e inicio de sesión"));
            m_pass->clear();
            m_pass->setFocus();
            paso = QStringLiteral("Cambiar color de controles");
            marcarError(m_usuario);
            marcarError(m_pass);
            return;
        }
        if (!ok && EstadoLogin == 1) {
            MsgBox(QStringLiteral("No se pudo conectar a la base: ") + DescConexion(), Botones::Aceptar, Icono::Critico,
                   QStringLiteral("Error de conexión"));
            return;
        }
        if (!ok || EstadoLogin != 0)
            return;
        if (UsuarioActual.Nivel == 0) {
            MsgBox(QStringLiteral("Usuario inhabilitado, Dirijase a un administrador"), Botones::Aceptar,
                   Icono::Informacion, QStringLiteral("No se puede ingresar"));
            return;
        }
        paso = QStringLiteral("Registrar MAC");
        RegistrarMAC(MacLocal(), NombrePC());
    } catch (const ErrorEjecucion& e) {
        fallar(e);
        return;
    }

    // The user is in: a failure from here on skips its step and the next one runs, so the login
    // window never stays behind an opened main window. The main window reports its own failures.
    try {
        Formulario<AtPrinc>::Obtener()->show();
    } catch (const ErrorEjecucion&) {
    }
    Formulario<Login>::Descargar();
}

QString Login::DescConexion() const
{
    switch (ConfigActual.Tipo) {
    case 0: return ConfigActual.IP + QLatin1String(", Puerto: ") + ConfigActual.Puerto;
    case 1: return MotorBD::RutaArchivoLocal();
    default: return QString();
    }
}
