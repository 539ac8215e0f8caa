#include "ListaDato.h"

#include "EtiquetaDato.h"

#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

// Room for a short name; longer ones are cut rather than widen the list.
constexpr int kCaracteresPreferidos = 20;

} // namespace

ListaDato::ListaDato(QWidget* padre) : QComboBox(padre)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kCaracteresPreferidos);
    // The open list may be narrower than a name too.
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int primera, int ultima) {
        for (int i = primera; i <= ultima; ++i)
            setItemData(i, itemText(i), Qt::ToolTipRole);
    });
}

QRect ListaDato::zonaTexto() const
{
    QStyleOptionComboBox opcion;
    initStyleOption(&opcion);
    // The style draws the label one pixel in from each side of the edit field.
    return style()
        ->subControlRect(QStyle::CC_ComboBox, &opcion, QStyle::SC_ComboBoxEditField, this)
        .adjusted(1, 0, -1, 0);
}

QString ListaDato::TextoVisible() const
{
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, zonaTexto().width());
}

void ListaDato::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    p.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opcion;
    initStyleOption(&opcion);
    p.drawComplexControl(QStyle::CC_ComboBox, opcion);
    opcion.currentText = TextoVisible();
    p.drawControl(QStyle::CE_ComboBoxLabel, opcion);
}

bool ListaDato::event(QEvent* evento)
{
    if (evento->type() == QEvent::ToolTip &&
        AyudaDeTextoCortado(evento, this, TextoVisible() != currentText(), currentText()))
        return true;
    return QComboBox::event(evento);
}

ListaDato* ListaDeDato(QWidget* padre, const QString& nombre)
{
    auto* l = new ListaDato(padre);
    l->setObjectName(nombre);
    return l;
}
