#pragma once

#include <QString>

#include <memory>

struct EstadoGrilla
{
    bool viva = true;
    unsigned generacion = 0;
};

// The grid control as the windows and the list functions drive it. Row 0 is the header
// row; widths and heights are in twips (15 twips = 1 pixel); colours are BGR values.
class Grilla
{
public:
    Grilla() = default;
    // A copy is another grid: its fills are its own.
    Grilla(const Grilla&) {}
    Grilla& operator=(const Grilla&) { return *this; }
    virtual ~Grilla() { m_estado->viva = false; }

    // A fill that lets window events run between rows asks after each yield whether it may go
    // on: not once the grid is destroyed (its window closed), nor once a newer fill of the same
    // grid began (a second search clicked meanwhile).
    class Llenado
    {
    public:
        bool Vigente() const { return m_estado->viva && m_estado->generacion == m_generacion; }

    private:
        friend class Grilla;
        Llenado(std::shared_ptr<const EstadoGrilla> estado, unsigned generacion)
            : m_estado(std::move(estado)), m_generacion(generacion)
        {
        }
        std::shared_ptr<const EstadoGrilla> m_estado;
        unsigned m_generacion;
    };
    Llenado IniciarLlenado() { return Llenado(m_estado, ++m_estado->generacion); }

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

private:
    std::shared_ptr<EstadoGrilla> m_estado = std::make_shared<EstadoGrilla>();
};
