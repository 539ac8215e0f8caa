#include "GrillaTabla.h"

#include "Colores.h"
#include "Medidas.h"

#include <QHeaderView>

GrillaTabla::GrillaTabla(QWidget* padre) : QTableWidget(2, 2, padre)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(this, &QTableWidget::cellClicked, this, [this](int r, int c) {
        m_fila = r;
        m_col = c;
        emit Click();
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int r, int c) {
        m_fila = r;
        m_col = c;
        emit DblClick();
    });
    marcarEncabezado();
}

void GrillaTabla::marcarEncabezado()
{
    if (rowCount() == 0)
        return;
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* x = item(0, c);
        QFont f = x->font();
        f.setBold(true);
        x->setFont(f);
        x->setBackground(palette().button());
    }
}

void GrillaTabla::SetRows(int n)
{
    setRowCount(qMax(0, n));
    marcarEncabezado();
}

void GrillaTabla::SetCols(int n)
{
    setColumnCount(qMax(0, n));
    marcarEncabezado();
}

QTableWidgetItem* GrillaTabla::item(int r, int c)
{
    QTableWidgetItem* x = QTableWidget::item(r, c);
    if (!x) {
        x = new QTableWidgetItem();
        setItem(r, c, x);
    }
    return x;
}

const QTableWidgetItem* GrillaTabla::itemSiExiste(int r, int c) const
{
    return QTableWidget::item(r, c);
}

QString GrillaTabla::TextMatrix(int r, int c) const
{
    const QTableWidgetItem* x = itemSiExiste(r, c);
    return x ? x->text() : QString();
}

void GrillaTabla::SetTextMatrix(int r, int c, const QString& texto)
{
    if (r < 0 || r >= rowCount() || c < 0 || c >= columnCount())
        return;
    item(r, c)->setText(texto);
}

int GrillaTabla::ColWidth(int c) const
{
    return Twips(columnWidth(c));
}

void GrillaTabla::SetColWidth(int c, int twips)
{
    setColumnWidth(c, Pixeles(twips));
}

int GrillaTabla::RowHeight(int r) const
{
    return Twips(rowHeight(r));
}

void GrillaTabla::SetRowHeight(int r, int twips)
{
    setRowHeight(r, Pixeles(twips));
}

void GrillaTabla::AddItem(const QString& texto)
{
    const int r = rowCount();
    setRowCount(r + 1);
    const QStringList partes = texto.split(QLatin1Char('\t'));
    for (int c = 0; c < partes.size() && c < columnCount(); ++c)
        item(r, c)->setText(partes[c]);
    if (r == 0)
        marcarEncabezado();
}

void GrillaTabla::Clear()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* x = QTableWidget::item(r, c))
                x->setText(QString());
}

void GrillaTabla::SetVisible(bool visible)
{
    m_visible = visible;
    setVisible(visible);
}

long GrillaTabla::CellBackColor() const
{
    const QTableWidgetItem* x = itemSiExiste(m_fila, m_col);
    return x && x->background().style() != Qt::NoBrush ? BGRDeColor(x->background().color()) : -1;
}

void GrillaTabla::SetCellBackColor(long bgr)
{
    if (m_fila < rowCount() && m_col < columnCount())
        item(m_fila, m_col)->setBackground(ColorBGR(bgr));
}

long GrillaTabla::CellForeColor() const
{
    const QTableWidgetItem* x = itemSiExiste(m_fila, m_col);
    return x && x->foreground().style() != Qt::NoBrush ? BGRDeColor(x->foreground().color()) : -1;
}

void GrillaTabla::SetCellForeColor(long bgr)
{
    if (m_fila < rowCount() && m_col < columnCount())
        item(m_fila, m_col)->setForeground(ColorBGR(bgr));
}

int GrillaTabla::CellAlignment() const
{
    const QTableWidgetItem* x = itemSiExiste(m_fila, m_col);
    if (!x)
        return 0;
    const int a = x->textAlignment();
    if (a & Qt::AlignHCenter)
        return 4;
    if (a & Qt::AlignRight)
        return 7;
    return 1;
}

void GrillaTabla::SetCellAlignment(int codigo)
{
    if (m_fila >= rowCount() || m_col >= columnCount())
        return;
    // Codes 0-2 left, 3-5 centre, 6-8 right (top, centre, bottom within each group).
    Qt::Alignment h = codigo >= 6 ? Qt::AlignRight : codigo >= 3 ? Qt::AlignHCenter : Qt::AlignLeft;
    item(m_fila, m_col)->setTextAlignment(h | Qt::AlignVCenter);
}
