#pragma once

#include <QString>
#include <optional>

// The steps the spreadsheet imports share, and the conversions of a cell's text they make.

// The spreadsheet letters of column n for 1 to 46 ("A" to "Z", then "AA" to "AT"); "" otherwise.
QString LetraColumna(qint16 n);
// The contact type from the five flag columns G to K: g wins over i, i over h, h over j, j over
// k; no flag gives 4.
qint16 TipoQuejaDesdeMarcas(qint16 g, qint16 h, qint16 i, qint16 j, qint16 k);
// The progress label of the import window at a row: "0.14% 40 de 29567" for row 42 of rows 2 to
// 29568 (ultimaFila), the percentage as a number of the system's locale; then pending events run.
void MostrarProgreso(qint32 ultimaFila, qint32 fila);
// The first word of a full name is the surname, the others the given names. Apostrophes are
// removed; words are split on single blanks. A one-word name leaves nombres as it was.
void SepararApellidoNombres(const QString& nombreCompleto, QString& apellido, QString& nombres);
// a as "DD/MM/YYYY" when it is a date, else b when b is one, else "01/01/1900".
QString FechaValida(const QString& a, const QString& b);

// What the imports read a cell's text as.
namespace Celdas {

// A number written in the cell or as its text ("12", " 12.5 ", "-3"); nullopt for anything else.
std::optional<double> Numero(const QString& texto);
// The whole number below, or nearest to, a value, when it fits in 32 bits.
std::optional<qint32> EnteroAbajo(double valor);
std::optional<qint32> EnteroRedondeado(double valor);
// A date cell or a date text as "DD/MM/YYYY"; "" when the text is not a date.
QString Fecha(const QString& texto);
// The cell shown as a date ("DD/MM/YYYY"): dates, and numbers as the spreadsheet's date serials;
// any other text unchanged.
QString ComoFecha(const QString& texto);
// The cell shown as a time ("hh:mm:ss"): times, the time of a date, numbers as fractions of a
// day; any other text unchanged.
QString ComoHora(const QString& texto);
// The first word of an operator's name, after the separators are made blanks: the text the
// user look-up searches for.
QString PalabraDeOperador(QString texto, const QString& separador);

} // namespace Celdas
