#include "Inicio.h"

#include "Aplicacion.h"
#include "Conexion.h"
#include "Config.h"
#include "Configurar.h"
#include "ErrLog.h"
#include "Formularios.h"
#include "Login.h"

#include <QDir>
#include <QFrame>
#include <QVBoxLayout>

void Main()
{
    ErroresQuery = 0;
    Formulario<Inicio>::Obtener();
}

void VerificarCarpetaTemp()
{
    const QString ruta = Aplicacion::Ruta(QStringLiteral("temp"));
    if (QDir(ruta).exists() || QDir().mkpath(ruta))
        return;
    BloqueCarpeta(ErrorEjecucion{75, QStringLiteral("Error de acceso a la ruta o al archivo: ") + ruta});
}

Inicio::Inicio()
{
    setObjectName(QStringLiteral("Inicio"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(480, 360);

    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("Shape1"));
    marco->setFrameShape(QFrame::Box);
    marco->setGeometry(rect());

    auto* capa = new QVBoxLayout(this);
    auto* titulo = new QLabel(QStringLiteral("Ostrevia"), this);
    titulo->setObjectName(QStringLiteral("Label1"));
    QFont f = titulo->font();
    f.setPointSize(20);
    f.setBold(true);
    titulo->setFont(f);
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("AtteLogo"));
    m_logo->setAlignment(Qt::AlignCenter);
    auto* empresa = new QLabel(QStringLiteral("T.A. Dernova S.A."), this);
    empresa->setObjectName(QStringLiteral("Label2_0"));
    auto* plataforma = new QLabel(QStringLiteral("Para Windows  7 +"), this);
    plataforma->setObjectName(QStringLiteral("Label2_1"));
    m_version = new QLabel(QStringLiteral("Versión 0.0"), this);
    m_version->setObjectName(QStringLiteral("VersionRev"));

    capa->addWidget(titulo);
    capa->addWidget(m_logo, 1);
    capa->addWidget(empresa);
    capa->addWidget(plataforma);
    capa->addWidget(m_version);
    for (int i = 2; i >= 0; --i) {
        m_log[i] = new QLabel(this);
        m_log[i]->setObjectName(QStringLiteral("Log%1").arg(i));
    }
    for (int i = 2; i >= 0; --i)
        capa->addWidget(m_log[i]);

    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(1500);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1300);
    connect(&m_timer2, &QTimer::timeout, this, &Inicio::Timer2_Timer);
    connect(&m_timer1, &QTimer::timeout, this, &Inicio::Timer1_Timer);
}

void Inicio::Form_Load()
{
    AdInLog(QStringLiteral("Cargando componentes"), false);
    m_logo->setMinimumHeight(150);
    m_logo->setPixmap(CargarLogo().scaled(300, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    show();
    m_configValida = LeerConfig();
    if (m_configValida)
        m_version->setText(QStringLiteral("Versión: %1.%2.%3")
                               .arg(Aplicacion::VersionMayor())
                               .arg(Aplicacion::VersionMenor())
                               .arg(Aplicacion::VersionRevision()));
    else
        Formulario<Configurar>::Obtener()->show();
    m_timer2.start();
}

QPixmap Inicio::CargarLogo()
{
    QPixmap p;
    if (p.load(Aplicacion::Ruta(QStringLiteral("logo.jpg"))))
        return p;
    // The fallback picture carries no known suffix: let the reader tell its format.
    p.load(Aplicacion::Ruta(QStringLiteral("NoLogos.veqo")));
    return p;
}

bool Inicio::LeerConfig()
{
    RegConfig leida;
    if (!LeerRegConfig(RutaConfig(), leida))
        return false;
    ConfigActual = leida;
    return !ConfigActual.Puerto.isEmpty() && !ConfigActual.IP.isEmpty();
}

void Inicio::AdInLog(const QString& texto, bool agregar)
{
    if (agregar) {
        m_log[0]->setText(m_log[0]->text() + QLatin1String(" - ") + texto);
        return;
    }
    m_log[2]->setText(m_log[1]->text());
    m_log[1]->setText(m_log[0]->text());
    m_log[0]->setText(texto);
}

void Inicio::Timer2_Timer()
{
    if (!m_configValida) {
        m_timer2.stop();
        Formulario<Inicio>::Descargar();
        return;
    }
    VerificarCarpetaTemp();
    AdInLog(QStringLiteral("Iniciando conexión. . ."), false);
    m_timer2.stop();
    // Paint the log line before the connection blocks the window thread.
    Aplicacion::HacerEventos();
    Reconectar();
    Aplicacion::HacerEventos();
    AdInLog(QStringLiteral("OK!"), true);
    AdInLog(QStringLiteral("Iniciando sistema. . . OK "), false);
    m_timer1.start();
}

void Inicio::Timer1_Timer()
{
    Formulario<Login>::Obtener()->show();
    m_timer1.stop();
    Formulario<Inicio>::Descargar();
}
