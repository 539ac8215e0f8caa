#include "PCarga.h"

#include <QFrame>

PCarga::PCarga()
{
    setObjectName(QStringLiteral("PCarga"));
    setWindowTitle(QStringLiteral("Cargando"));
    setFixedSize(360, 110);
    const QFont narrow(QStringLiteral("Arial Narrow"), 10);

    auto* shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setFrameShape(QFrame::HLine);
    shape1->setGeometry(8, 34, width() - 16, 4);

    auto* label1 = new QLabel(QStringLiteral("Cargando . . ."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(narrow);
    label1->setGeometry(8, 8, 170, 24);

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(narrow);
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label2->setGeometry(182, 8, width() - 190, 24);

    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFont(narrow);
    m_label3->setGeometry(8, 44, width() - 16, 24);

    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setFont(narrow);
    m_label4->setGeometry(8, 72, width() - 16, 24);
}

void PCarga::Valor(const QString& texto)
{
    m_label2->setText(texto);
}

void PCarga::descripcion(const QString& texto)
{
    m_label3->setText(texto);
}

void PCarga::descripcionb(const QString& texto)
{
    m_label4->setText(texto);
}

void PCarga::Form_Load()
{
    ApagarPrincipal();
}
