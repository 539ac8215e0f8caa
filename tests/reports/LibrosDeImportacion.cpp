#include "LibrosDeImportacion.h"

#include <QFile>
#include <stdexcept>
#include <xlsxwriter.h>

ValorCelda Tx(const QString& texto)
{
    ValorCelda v;
    v.texto = texto;
    return v;
}

ValorCelda Nu(double numero)
{
    ValorCelda v;
    v.tipo = ValorCelda::Tipo::Numero;
    v.numero = numero;
    return v;
}

ValorCelda Fe(int dia, int mes, int anio)
{
    ValorCelda v;
    v.tipo = ValorCelda::Tipo::Fecha;
    v.dia = dia;
    v.mes = mes;
    v.anio = anio;
    return v;
}

void EscribirLibro(const QString& ruta, const FilasLibro& filas)
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(ruta).constData());
    if (!libro)
        throw std::runtime_error("libxlsxwriter cannot create the workbook");
    lxw_worksheet* hoja = workbook_add_worksheet(libro, nullptr);
    lxw_format* fecha = workbook_add_format(libro);
    format_set_num_format(fecha, "dd/mm/yyyy");
    worksheet_write_string(hoja, 0, 0, "Nro", nullptr);
    for (const auto& [fila, celdas] : filas)
        for (const auto& [columna, v] : celdas) {
            const QByteArray nombre = (columna + QString::number(fila)).toLatin1();
            const lxw_row_t r = lxw_name_to_row(nombre.constData());
            const lxw_col_t c = lxw_name_to_col(nombre.constData());
            switch (v.tipo) {
            case ValorCelda::Tipo::Texto:
                worksheet_write_string(hoja, r, c, v.texto.toUtf8().constData(), nullptr);
                break;
            case ValorCelda::Tipo::Numero: worksheet_write_number(hoja, r, c, v.numero, nullptr); break;
            case ValorCelda::Tipo::Fecha: {
                lxw_datetime d = {v.anio, v.mes, v.dia, 0, 0, 0};
                worksheet_write_datetime(hoja, r, c, &d, fecha);
                break;
            }
            }
        }
    if (workbook_close(libro) != LXW_NO_ERROR)
        throw std::runtime_error("libxlsxwriter cannot write the workbook");
}
