#include "BarraVer.h"

#include "Colores.h"
#include "Medidas.h"

#include <QFont>

namespace {

constexpr int kAltoCanti = 360;

// Green while the share is small, through yellow and orange to red near the whole.
long colorPorPorcentaje(double p)
{
    if (p < 20)
        return 0x42E02C;
    if (p < 40)
        return 0x29E278;
    if (p < 60)
        return 0x28E3C2;
    if (p < 80)
        return 0x28C2E3;
    if (p < 95)
        return 0x296FE2;
    return 0x2929E2;
}

} // namespace

BarraVer::BarraVer(QWidget* padre) : QWidget(padre), m_color(colorPorPorcentaje(0))
{
    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setFrameShape(QFrame::Box);
    m_shape2 = new QFrame(this);
    m_shape2->setObjectName(QStringLiteral("Shape2"));
    m_shape2->setAutoFillBackground(true);
    m_shape2->hide();
    // The frame's outline stays drawn over the bar.
    m_shape1->raise();
    m_canti = new QLabel(QStringLiteral("0"), this);
    m_canti->setObjectName(QStringLiteral("Canti"));
    m_canti->setFont(QFont(QStringLiteral("Arial Narrow")));
    m_canti->setAlignment(Qt::AlignCenter);
    setMinimumSize(Pixeles(kAnchoMarco), Pixeles(kAltoMarcoDiseno + kAltoCanti));
    resize(minimumSize());
    Ubicar();
}

void BarraVer::Set_Max(long valor)
{
    m_maximo = valor;
}

void BarraVer::Set_Min(long valor)
{
    m_minimo = valor;
}

void BarraVer::Set_Curr(long valor)
{
    m_actual = valor;
    Recalcular();
}

void BarraVer::Recalcular()
{
    if (m_maximo <= 0)
        return;
    if (m_actual < m_minimo)
        m_actual = 0;
    m_porcentaje = QString::number((100.0 / double(m_maximo)) * double(m_actual), 'f', 2).toDouble();
    m_color = colorPorPorcentaje(m_porcentaje);
    // An empty bar still shows a sliver, in the colour chosen for the true share.
    if (m_porcentaje <= 0)
        m_porcentaje = 1;
    m_altoBarra = qRound(double(m_altoMarco) * m_porcentaje / 100.0);
    m_topeBarra = m_topeMarco + m_altoMarco + 5 - m_altoBarra;
    m_canti->setText(QString::number(m_actual));
    QPalette pal = m_shape2->palette();
    pal.setColor(QPalette::Window, ColorBGR(m_color));
    m_shape2->setPalette(pal);
    m_shape2->show();
    Ubicar();
}

void BarraVer::Ubicar()
{
    const int ancho = Pixeles(kAnchoMarco);
    m_shape1->setGeometry(0, Pixeles(m_topeMarco), ancho, Pixeles(m_altoMarco));
    // No clamp: a share above the whole draws above the frame.
    m_shape2->setGeometry(2, Pixeles(m_topeBarra), ancho - 4, Pixeles(m_altoBarra));
    m_canti->setGeometry(0, Pixeles(m_topeMarco + m_altoMarco), ancho, Pixeles(kAltoCanti));
}
