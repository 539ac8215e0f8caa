#pragma once

#include "Grilla.h"

#include <QVector>

// A grid that only remembers: the list functions fill it in data-layer tests.
class GrillaMemoria : public Grilla
{
public:
    GrillaMemoria(int filas = 2, int columnas = 2);

    int Rows() const override { return m_filas.size(); }
    void SetRows(int n) override;
    int Cols() const override { return m_cols; }
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
    bool Redraw() const override { return m_redraw; }
    void SetRedraw(bool activo) override { m_redraw = activo; }
    bool Visible() const override { return m_visible; }
    void SetVisible(bool visible) override { m_visible = visible; }
    long CellBackColor() const override;
    void SetCellBackColor(long bgr) override;
    long CellForeColor() const override;
    void SetCellForeColor(long bgr) override;
    int CellAlignment() const override;
    void SetCellAlignment(int codigo) override;

private:
    struct Celda
    {
        QString texto;
        long fondo = -1;
        long frente = -1;
        int alineacion = 0;
    };
    Celda& celda(int r, int c);
    const Celda* celdaSiExiste(int r, int c) const;

    QVector<QVector<Celda>> m_filas;
    QVector<int> m_altos;
    QVector<int> m_anchos;
    int m_cols = 0;
    int m_fila = 0;
    int m_col = 0;
    bool m_redraw = true;
    bool m_visible = true;
};
