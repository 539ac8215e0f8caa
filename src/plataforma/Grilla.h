#pragma once

#include <QString>

// The grid control as the windows and the list functions drive it. Row 0 is the header
// row; widths and heights are in twips (15 twips = 1 pixel); colours are BGR values.
class Grilla
{
public:
    virtual ~Grilla() = default;

    virtual int Rows() const = 0;
    virtual void SetRows(int n) = 0;
    virtual int Cols() const = 0;
    virtual void SetCols(int n) = 0;

    // The current cell, which Text, CellBackColor and CellAlignment act on.
    virtual int Row() const = 0;
    virtual void SetRow(int r) = 0;
    virtual int Col() const = 0;
    virtual void SetCol(int c) = 0;

    virtual QString TextMatrix(int r, int c) const = 0;
    virtual void SetTextMatrix(int r, int c, const QString& texto) = 0;
    QString Text() const { return TextMatrix(Row(), Col()); }
    void SetText(const QString& texto) { SetTextMatrix(Row(), Col(), texto); }

    virtual int ColWidth(int c) const = 0;
    virtual void SetColWidth(int c, int twips) = 0;
    virtual int RowHeight(int r) const = 0;
    virtual void SetRowHeight(int r, int twips) = 0;

    // Appends a row; the text fills its cells from column 0, split on tabs.
    virtual void AddItem(const QString& texto) = 0;
    // Empties every cell; rows, columns and widths stay.
    virtual void Clear() = 0;

    virtual bool Redraw() const = 0;
    virtual void SetRedraw(bool activo) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    virtual long CellBackColor() const = 0;
    virtual void SetCellBackColor(long bgr) = 0;
    virtual long CellForeColor() const = 0;
    virtual void SetCellForeColor(long bgr) = 0;
    // The grid's alignment codes: 1 left-centre, 4 centre-centre, 7 right-centre, ...
    virtual int CellAlignment() const = 0;
    virtual void SetCellAlignment(int codigo) = 0;
};
