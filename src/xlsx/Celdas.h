#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace xlsx {

constexpr int kMaximoFilas = 1048576;
constexpr int kMaximoColumnas = 16384;

// A cell of a sheet, rows and columns counted from 1.
struct Celda
{
    int fila = 0;
    int columna = 0;
    friend bool operator==(const Celda& a, const Celda& b) { return a.fila == b.fila && a.columna == b.columna; }
};

// A block of cells, corners ordered (desde is the upper left).
struct Rango
{
    Celda desde;
    Celda hasta;
    bool Contiene(const Celda& c) const
    {
        return c.fila >= desde.fila && c.fila <= hasta.fila && c.columna >= desde.columna && c.columna <= hasta.columna;
    }
    bool SeSuperpone(const Rango& o) const
    {
        return desde.fila <= o.hasta.fila && o.desde.fila <= hasta.fila && desde.columna <= o.hasta.columna &&
               o.desde.columna <= hasta.columna;
    }
    long long CantidadCeldas() const
    {
        return (long long)(hasta.fila - desde.fila + 1) * (hasta.columna - desde.columna + 1);
    }
    friend bool operator==(const Rango& a, const Rango& b) { return a.desde == b.desde && a.hasta == b.hasta; }
};

// "AB17" (any case, "$" allowed) as a cell; nullopt when it names no cell of a sheet.
std::optional<Celda> LeerCelda(std::string_view texto);
std::optional<Celda> LeerCelda(const QString& texto);
// "B12:D12" or a single cell; corners are put in order.
std::optional<Rango> LeerRango(std::string_view texto);
Rango RangoOrdenado(Celda a, Celda b);

// Column letters: 1 = "A", 27 = "AA", 703 = "AAA".
std::string LetrasColumna(int columna);
std::string TextoCelda(const Celda& c);
std::string TextoRango(const Rango& r);

} // namespace xlsx
