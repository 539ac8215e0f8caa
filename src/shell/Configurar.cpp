#include "Configurar.h"

#include "Aplicacion.h"
#include "Config.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Login.h"

#include <QGridLayout>
#include <QLabel>

Configurar::Configurar()
{
    setObjectName(QStringLiteral("Configurar"));
    setWindowTitle(QStringLiteral("Setear IP y Puerto de conexion a BD"));

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->addItems({QStringLiteral("0 - Servidor PostgreSQL"), QStringLiteral("1 - Base de datos local")});
    m_combo1->setCurrentIndex(-1);
    m_ip = new QLineEdit(QStringLiteral("127.0.0.1"), this);
    m_ip->setObjectName(QStringLiteral("IP"));
    m_puerto = new QLineEdit(QStringLiteral("15000"), this);
    m_puerto->setObjectName(QStringLiteral("Puerto"));
    m_sentencia = new QLineEdit(this);
    m_sentencia->setObjectName(QStringLiteral("TxSentencia"));
    m_comunes = new QListWidget(this);
    m_comunes->setObjectName(QStringLiteral("Comunes"));
    m_comunes->addItems({QStringLiteral("-Ninguna-"), QStringLiteral("Lanternix")});
    m_actualizar = new QPushButton(QStringLiteral("Ok"), this);
    m_actualizar->setObjectName(QStringLiteral("Actualizar"));

    auto* sentencia = new QLabel(QStringLiteral("Sentencia"), this);
    sentencia->setObjectName(QStringLiteral("Label2"));

    auto* g = new QGridLayout(this);
    // One heading per column, so that each stands over its own box whatever the window's width.
    const QString titulos[] = {QStringLiteral("Tipo de conexion"), QStringLiteral("IP de conexion"),
                               QStringLiteral("Puerto")};
    for (int i = 0; i < 3; ++i) {
        auto* titulo = new QLabel(titulos[i], this);
        titulo->setObjectName(QStringLiteral("Label1%1").arg(i));
        g->addWidget(titulo, 0, i);
    }
    g->addWidget(m_combo1, 1, 0);
    g->addWidget(m_ip, 1, 1);
    g->addWidget(m_puerto, 1, 2);
    g->addWidget(sentencia, 2, 0);
    g->addWidget(m_sentencia, 3, 0);
    g->addWidget(m_comunes, 3, 1, 2, 1);
    g->addWidget(m_actualizar, 4, 2);

    connect(m_comunes, &QListWidget::itemClicked, this, &Configurar::Comunes_Click);
    connect(m_actualizar, &QPushButton::clicked, this, &Configurar::Actualizar_Click);
}

void Configurar::Form_Load()
{
    // Referring to the login window loads it (and runs its own load) before it is minimised.
    Formulario<Login>::Obtener()->setWindowState(Qt::WindowMinimized);
}

void Configurar::Comunes_Click()
{
    const int i = m_comunes->currentRow();
    if (i == 0)
        m_sentencia->clear();
    else if (i > 0)
        m_sentencia->setText(m_comunes->item(i)->text());
}

void Configurar::Actualizar_Click()
{
    RegConfig config;
    config.Tipo = static_cast<qint16>(m_combo1->currentIndex());
    if (config.Tipo == 0) {
        config.IP = m_ip->text();
        config.Puerto = m_puerto->text();
        config.Sentencia = m_sentencia->text();
    } else {
        config.IP = QStringLiteral("NoIp");
        config.Puerto = QStringLiteral("NoPuerto");
    }
    Formulario<Login>::Descargar();
    Aplicacion::HacerEventos();
    if (!EscribirRegConfig(RutaConfig(), config)) {
        // Nothing is half-saved: say so and leave the window open for another try.
        MsgBox(QStringLiteral("No se pudo guardar la configuración en ") + RutaConfig(), Botones::Aceptar,
               Icono::Critico, QString());
        Formulario<Login>::Obtener()->show();
        return;
    }
    Formulario<Login>::Obtener()->show();
    Formulario<Configurar>::Descargar();
}
