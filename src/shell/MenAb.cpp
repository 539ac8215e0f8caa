#include "MenAb.h"

#include "Medidas.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Three lines and the word "Menú": the usual sign of a menu that folds out.
QPixmap dibujarBoton(bool presionado)
{
    const QSize tam(Pixeles(MenAb::kAnchoCerrado), Pixeles(MenAb::kAltoCerrado));
    QPixmap pm(tam);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fondo = presionado ? QColor(0x1F, 0x4E, 0x8C) : QColor(0x2F, 0x6F, 0xC6);
    const QPointF corrimiento = presionado ? QPointF(1, 1) : QPointF(0, 0);
    p.setPen(QPen(fondo.darker(130), 1));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(4, 4, tam.width() - 8, tam.height() - 8).translated(corrimiento), 8, 8);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = tam.height() / 2.0 - 11 + i * 11;
        p.drawLine(QPointF(20, y) + corrimiento, QPointF(50, y) + corrimiento);
    }
    QFont f = p.font();
    f.setPointSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(58, 4, tam.width() - 62, tam.height() - 8).translated(corrimiento), Qt::AlignVCenter,
               QStringLiteral("Menú"));
    return pm;
}

} // namespace

MenAb::MenAb(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("MenAb"));
    m_botonn = new QLabel(this);
    m_botonn->setObjectName(QStringLiteral("Botonn"));
    m_botonn->setPixmap(dibujarBoton(false));
    m_botons = new QLabel(this);
    m_botons->setObjectName(QStringLiteral("Botons"));
    m_botons->setPixmap(dibujarBoton(true));
    for (QLabel* l : {m_botonn, m_botons}) {
        l->setGeometry(0, 0, Pixeles(kAnchoCerrado), Pixeles(kAltoCerrado));
        l->setToolTip(QStringLiteral("Mostrar u ocultar el menú"));
        // The control itself takes the mouse, so swapping the pictures cannot lose the release.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_botons->hide();
    resize(Pixeles(kAnchoCerrado), Pixeles(kAltoCerrado));
}

void MenAb::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_botonn->geometry().contains(e->position().toPoint())) {
        QWidget::mousePressEvent(e);
        return;
    }
    m_presionado = true;
    m_botonn->hide();
    m_botons->show();
    // The only Presionado of a press: a click adds none, so one press gives one toggle.
    emit Presionado();
}

void MenAb::mouseReleaseEvent(QMouseEvent* e)
{
    if (!m_presionado) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    m_presionado = false;
    m_botons->hide();
    m_botonn->show();
    if (m_abierto) {
        resize(Pixeles(kAnchoCerrado), Pixeles(kAltoCerrado));
        m_abierto = false;
    } else {
        resize(Pixeles(kAnchoAbierto), height());
        m_abierto = true;
    }
}

// While open, the widened control is the menu's title band.
void MenAb::paintEvent(QPaintEvent*)
{
    if (!m_abierto)
        return;
    QPainter p(this);
    p.fillRect(QRect(Pixeles(kAnchoCerrado) - 8, 4, width() - Pixeles(kAnchoCerrado) + 4, height() - 8),
               QColor(0x2F, 0x6F, 0xC6).lighter(170));
}
