#include "EtiquetaDato.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QtMath>

namespace {

// Wide enough for a name or a file number; longer texts are cut rather than widen the window.
constexpr int kCaracteresPreferidos = 40;
constexpr int kCaracteresMinimos = 6;

// Line breaks of an imported text would otherwise be drawn as nothing.
QString enUnaLinea(const QString& texto)
{
    QString linea = texto;
    linea.replace(QLatin1String("\r\n"), QLatin1String(" "));
    linea.replace(QLatin1Char('\n'), QLatin1Char(' '));
    linea.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return linea;
}

} // namespace

EtiquetaDato::EtiquetaDato(QWidget* padre) : QLabel(padre)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QRect EtiquetaDato::zonaTexto() const
{
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

QSize EtiquetaDato::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    // Rounded up: a short text must not be cut for a fraction of a pixel.
    const int texto = qCeil(QFontMetricsF(font()).horizontalAdvance(enUnaLinea(text()))) + 1;
    const int ancho = qMin(texto, fm.averageCharWidth() * kCaracteresPreferidos);
    const QMargins m = contentsMargins();
    return QSize(ancho + m.left() + m.right() + 2 * margin(), fm.height() + m.top() + m.bottom() + 2 * margin());
}

QSize EtiquetaDato::minimumSizeHint() const
{
    const QSize preferido = sizeHint();
    return QSize(qMin(preferido.width(), fontMetrics().averageCharWidth() * kCaracteresMinimos), preferido.height());
}

QString EtiquetaDato::TextoVisible() const
{
    return fontMetrics().elidedText(enUnaLinea(text()), Qt::ElideRight, zonaTexto().width());
}

void EtiquetaDato::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemText(&p, zonaTexto(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), TextoVisible(), foregroundRole());
}

bool AyudaDeTextoCortado(QEvent* evento, QWidget* control, bool cortado, const QString& entero)
{
    if (evento->type() != QEvent::ToolTip || !control->toolTip().isEmpty())
        return false;
    if (cortado)
        QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(), entero, control);
    else
        QToolTip::hideText();
    return true;
}

bool EtiquetaDato::event(QEvent* evento)
{
    if (evento->type() == QEvent::ToolTip &&
        AyudaDeTextoCortado(evento, this, TextoVisible() != enUnaLinea(text()), text()))
        return true;
    return QLabel::event(evento);
}

EtiquetaDato* EtiquetaDeDato(QWidget* padre, const QString& nombre)
{
    auto* l = new EtiquetaDato(padre);
    l->setObjectName(nombre);
    return l;
}
