#pragma once

#include "Grilla.h"

#include <QTableWidget>

// The grid control over a QTableWidget. Row 0 is drawn as the header row; Qt's own headers
// are hidden. Emits Click and DblClick like the grid control's events.
class GrillaTabla : public QTableWidget, public Grilla
{
    Q_OBJECT
public:
    explicit GrillaTabla(QWidget* padre = nullptr);

    int Rows() const override { return rowCount(); }
    void SetRows(int n) override;
    int Cols() const override { return columnCount(); }
    void SetCols(int n) override;
    int Row() const override { return m_fila; }
    void SetRow(int r) override { m_fila = r; }
    int Col() const override { return m_col; }
    void SetCol(int c) override { m_col = c; }
    QString TextMatrix(int r, int c) const override;
    void SetTextMatrix(int r, int c, const QString& texto) override;
    int ColWidth(int c) const override;
    void SetColWidth(int c, int twips) override;
    int RowHeight(int r) const override;
    void SetRowHeight(int r, int twips) override;
    void AddItem(const QString& texto) override;
    void Clear() override;
    bool Redraw() const override { return updatesEnabled(); }
    void SetRedraw(bool activo) override { setUpdatesEnabled(activo); }
    bool Visible() const override { return isVisibleTo(parentWidget()) || m_visible; }
    void SetVisible(bool visible) override;
    long CellBackColor() const override;
    void SetCellBackColor(long bgr) override;
    long CellForeColor() const override;
    void SetCellForeColor(long bgr) override;
    int CellAlignment() const override;
    void SetCellAlignment(int codigo) override;

signals:
    void Click();
    void DblClick();

private:
    QTableWidgetItem* item(int r, int c);
    const QTableWidgetItem* itemSiExiste(int r, int c) const;
    void marcarEncabezado();

    int m_fila = 0;
    int m_col = 0;
    bool m_visible = true;
};
