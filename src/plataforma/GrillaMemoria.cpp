#include "GrillaMemoria.h"

namespace {
constexpr int kAnchoInicial = 960;
constexpr int kAltoInicial = 240;
} // namespace

GrillaMemoria::GrillaMemoria(int filas, int columnas)
{
    SetCols(columnas);
    SetRows(filas);
}

void GrillaMemoria::SetRows(int n)
{
    n = qMax(0, n);
    m_filas.resize(n);
    for (auto& fila : m_filas)
        fila.resize(m_cols);
    m_altos.resize(n, kAltoInicial);
}

void GrillaMemoria::SetCols(int n)
{
    m_cols = qMax(0, n);
    for (auto& fila : m_filas)
        fila.resize(m_cols);
    m_anchos.resize(m_cols, kAnchoInicial);
}

GrillaMemoria::Celda& GrillaMemoria::celda(int r, int c)
{
    // Writing outside the grid is a programming error in the caller; keep it visible in tests.
    Q_ASSERT(r >= 0 && r < Rows() && c >= 0 && c < m_cols);
    return m_filas[r][c];
}

const GrillaMemoria::Celda* GrillaMemoria::celdaSiExiste(int r, int c) const
{
    if (r < 0 || r >= Rows() || c < 0 || c >= m_cols)
        return nullptr;
    return &m_filas[r][c];
}

QString GrillaMemoria::TextMatrix(int r, int c) const
{
    const Celda* x = celdaSiExiste(r, c);
    return x ? x->texto : QString();
}

void GrillaMemoria::SetTextMatrix(int r, int c, const QString& texto) { celda(r, c).texto = texto; }

int GrillaMemoria::ColWidth(int c) const { return c >= 0 && c < m_anchos.size() ? m_anchos[c] : 0; }

void GrillaMemoria::SetColWidth(int c, int twips)
{
    if (c >= 0 && c < m_anchos.size())
        m_anchos[c] = twips;
}

int GrillaMemoria::RowHeight(int r) const { return r >= 0 && r < m_altos.size() ? m_altos[r] : 0; }

void GrillaMemoria::SetRowHeight(int r, int twips)
{
    if (r >= 0 && r < m_altos.size())
        m_altos[r] = twips;
}

void GrillaMemoria::AddItem(const QString& texto)
{
    SetRows(Rows() + 1);
    const QStringList partes = texto.split(QLatin1Char('\t'));
    for (int c = 0; c < partes.size() && c < m_cols; ++c)
        m_filas.last()[c].texto = partes[c];
}

void GrillaMemoria::Clear()
{
    for (auto& fila : m_filas)
        for (auto& x : fila)
            x.texto.clear();
}

long GrillaMemoria::CellBackColor() const
{
    const Celda* x = celdaSiExiste(m_fila, m_col);
    return x ? x->fondo : -1;
}

void GrillaMemoria::SetCellBackColor(long bgr) { celda(m_fila, m_col).fondo = bgr; }

long GrillaMemoria::CellForeColor() const
{
    const Celda* x = celdaSiExiste(m_fila, m_col);
    return x ? x->frente : -1;
}

void GrillaMemoria::SetCellForeColor(long bgr) { celda(m_fila, m_col).frente = bgr; }

int GrillaMemoria::CellAlignment() const
{
    const Celda* x = celdaSiExiste(m_fila, m_col);
    return x ? x->alineacion : 0;
}

void GrillaMemoria::SetCellAlignment(int codigo) { celda(m_fila, m_col).alineacion = codigo; }
