#pragma once

#include "Celdas.h"
#include "ErrorLibro.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// The spreadsheet application as the reports and imports drive it, with the operations of the
// workbook pattern and their names:
//
//     Excel app;
//     LibroExcel* libro = app.Workbooks().Open(ruta);
//     HojaExcel hoja = libro->Worksheets(1);
//     libro->Activate();
//     hoja.Range("B12", "D12").Merge();
//     hoja.Range("B12").SetValue(QStringLiteral("texto"));
//     hoja.Range("B9").Font().SetBold(true);
//     hoja.Range("B9").Interior().SetColorIndex(37);
//     libro->Save();
//     app.SetVisible(true);
//
// Errors: every operation that fails throws xlsx::ErrorLibro, which is an ErrorEjecucion
// (number 1004) whose description names the file and the step, for example
// "No se pudo abrir el libro \"/app/irf.xlsx\": el archivo no existe." Catch ErrorEjecucion, log
// it and show its description. A failed save leaves no half-written file and an existing file as
// it was.
//
// The objects are owned by the Excel object: handles (ranges, sheets, workbook pointers) must not
// outlive it. Only the first worksheet exists for this stand-in.
class LibroExcel;

class FuenteExcel
{
public:
    void SetBold(bool negrita);
    // Points, 1 to 409 as the spreadsheet allows.
    void SetSize(double puntos);

private:
    friend class RangoExcel;
    FuenteExcel(LibroExcel* libro, const xlsx::Rango& rango) : m_libro(libro), m_rango(rango) {}
    LibroExcel* m_libro;
    xlsx::Rango m_rango;
};

class InteriorExcel
{
public:
    // Legacy palette index 1 to 56 (20 = #CCFFFF, 37 = #99CCFF), written as RGB; -4142 removes the fill.
    void SetColorIndex(int indice);

private:
    friend class RangoExcel;
    InteriorExcel(LibroExcel* libro, const xlsx::Rango& rango) : m_libro(libro), m_rango(rango) {}
    LibroExcel* m_libro;
    xlsx::Rango m_rango;
};

class BordesExcel
{
public:
    // All four edges of every cell of the range: 1 hairline, 2 thin.
    void SetWeight(int peso);

private:
    friend class RangoExcel;
    BordesExcel(LibroExcel* libro, const xlsx::Rango& rango) : m_libro(libro), m_rango(rango) {}
    LibroExcel* m_libro;
    xlsx::Rango m_rango;
};

class RangoExcel
{
public:
    // The upper-left cell's value as text (see xlsx::LectorHoja for the forms).
    QString Value() const;
    // Every cell of the range. A leading apostrophe keeps the rest as typed text (the apostrophe
    // is not stored); an empty text clears the value and keeps the format. Texts are never turned
    // into numbers or dates: pass a number for a numeric cell.
    void SetValue(const QString& texto);
    void SetValue(double numero);
    void Merge();
    FuenteExcel Font() const { return FuenteExcel(m_libro, m_rango); }
    InteriorExcel Interior() const { return InteriorExcel(m_libro, m_rango); }
    BordesExcel Borders() const { return BordesExcel(m_libro, m_rango); }
    // The spreadsheet's numbers: left -4131 or 2, centre -4108 or 3, right -4152 or 4, justify
    // -4130, distributed -4117, general 1, fill 5, centre across 7.
    void SetHorizontalAlignment(int valor);
    // Top -4160 or 1, centre -4108 or 2, bottom -4107 or 3, justify -4130 or 4, distributed -4117 or 5.
    void SetVerticalAlignment(int valor);

private:
    friend class HojaExcel;
    RangoExcel(LibroExcel* libro, const xlsx::Rango& rango) : m_libro(libro), m_rango(rango) {}
    LibroExcel* m_libro;
    xlsx::Rango m_rango;
};

class HojaExcel
{
public:
    // "B9", "b9", "$B$9" or "B9:D9"; a text that names no cell throws.
    RangoExcel Range(const QString& celda) const;
    RangoExcel Range(const QString& celda1, const QString& celda2) const;
    void Activate() {}

private:
    friend class LibroExcel;
    explicit HojaExcel(LibroExcel* libro) : m_libro(libro) {}
    LibroExcel* m_libro;
};

class LibroExcel
{
public:
    ~LibroExcel();
    // Only worksheet 1, the first worksheet of the workbook.
    HojaExcel Worksheets(int indice);
    void Activate() {}
    void Save();
    // Adds ".xlsx" when the name has no extension; later saves go to the new name.
    void SaveAs(const QString& ruta);
    // Without saving, like the spreadsheet's Close on an unchanged workbook.
    void Close();
    QString FullName() const;
    bool Cerrado() const;

private:
    friend class LibrosExcel;
    friend class RangoExcel;
    friend class FuenteExcel;
    friend class InteriorExcel;
    friend class BordesExcel;
    friend class HojaExcel;
    struct Impl;
    explicit LibroExcel(const QString& ruta);
    std::unique_ptr<Impl> d;
};

class LibrosExcel
{
public:
    // Reads the workbook into memory: a missing, unreadable or damaged file throws here.
    LibroExcel* Open(const QString& ruta);
    // Workbooks open (not closed).
    int Count() const;

private:
    friend class Excel;
    std::vector<std::unique_ptr<LibroExcel>> m_libros;
};

class Excel
{
public:
    // Hands a saved workbook to the desktop's spreadsheet program; false when nothing could open it.
    using Abridor = std::function<bool(const QString& ruta)>;

    Excel();
    ~Excel();
    LibrosExcel& Workbooks() { return m_libros; }
    bool Visible() const { return m_visible; }
    // Becoming visible opens every open workbook's file, as last saved, in the desktop's program.
    void SetVisible(bool visible);

    // Tests record the requests instead of opening anything; an empty function restores the desktop.
    static void EstablecerAbridor(Abridor abridor);

private:
    LibrosExcel m_libros;
    bool m_visible = false;
};
