#pragma once

#include <QString>
#include <map>

// Legacy workbooks for the import tests, written by libxlsxwriter as another program would write them.
struct ValorCelda
{
    enum class Tipo { Texto, Numero, Fecha } tipo = Tipo::Texto;
    QString texto;
    double numero = 0;
    int dia = 0, mes = 0, anio = 0;
};

ValorCelda Tx(const QString& texto);
ValorCelda Nu(double numero);
// A date cell formatted dd/mm/yyyy.
ValorCelda Fe(int dia, int mes, int anio);

// Rows by their number, cells by their column letters.
using FilaLibro = std::map<QString, ValorCelda>;
using FilasLibro = std::map<int, FilaLibro>;
void EscribirLibro(const QString& ruta, const FilasLibro& filas);
