#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// Date texts, level names, apostrophe escaping and the Base64 codec shared by the whole program.

// A date or date-like text (day first, or ISO as the database gives it) as "DD/MM/YYYY";
// a text that is not a date comes back unchanged.
QString FormatoFecha(const QString& texto);
// A date as "DD/MM/YYYY"; lists give one per row, so it is written without a pattern.
QString TextoFecha(const QDate& fecha);
// A typed day-first date ("31/12/2025", also "1/3/2024", blanks around allowed) that is a real
// calendar date; an invalid QDate for any other text. The one test of what the database stores
// as a date, so no window accepts a date that would be saved as none.
QDate FechaDiaPrimero(const QString& texto);
bool EsFechaValida(const QString& texto);
// Today, and the first day of this month, as "DD/MM/YYYY".
QString FechaHoy();
QString PrimerDiaDelMes();

QString GetNivelDesc(qint16 nivel);

// Free texts of complaints and follow-ups keep "|~|" for each apostrophe in storage.
QString EscaparComillas(const QString& texto);
QString RestaurarComillas(const QString& texto);

// Base64 of a text's bytes, one byte per character (codes above 255 become "?").
// The decoder throws ErrorEjecucion for a length that is not a multiple of 4 or an illegal character.
QString CodificarBase64(const QString& texto);
QString DecodificarBase64(const QString& texto);
QString CodificarBytes(const QByteArray& bytes);
QString CodificarArreglo(const QByteArray& bytes, int largo);
QByteArray DecodificarArreglo(const QString& texto);
void IniciarTablasBase64();
QByteArray CadenaABytes(const QString& texto);
QString BytesACadena(const QByteArray& bytes);
