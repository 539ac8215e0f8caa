#include "ExportarEstadisticas.h"

#include "Aplicacion.h"
#include "Excel.h"
#include "LibroSalida.h"
#include "Usuarios.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString kPaso = QStringLiteral("Exportar_Click en Reportes");

void escribirValor(HojaExcel& hoja, const QString& celda, const QString& texto)
{
    // Typed digits become a number in the spreadsheet, so counts can be summed there;
    // percentages and names stay texts.
    static const QRegularExpression entero(QStringLiteral("^-?\\d{1,15}$"));
    if (entero.match(texto).hasMatch())
        hoja.Range(celda).SetValue(texto.toDouble());
    else
        hoja.Range(celda).SetValue(texto);
}

} // namespace

QString ExportarEstadisticas(const Grilla& grilla, const QString& desde, const QString& hasta)
{
    const QString plantilla = Aplicacion::Ruta(QStringLiteral("irf.xlsx"));
    if (!QFile::exists(plantilla)) {
        LibroSalida::InformarFallo(
            kPaso, ErrorEjecucion{xlsx::kErrorAutomatizacion,
                                  QStringLiteral("No se encontró la plantilla del informe: ") + plantilla});
        return QString();
    }
    return LibroSalida::Exportar(plantilla, LibroSalida::Forma::Copia, QString(), kPaso, [&](HojaExcel& hoja) {
        LibroSalida::EscribirTexto(hoja, QStringLiteral("G6"), desde);
        LibroSalida::EscribirTexto(hoja, QStringLiteral("I6"), hasta);
        LibroSalida::EscribirTexto(hoja, QStringLiteral("C6"),
                                   UsuarioActual.Apellido + QStringLiteral(", ") + UsuarioActual.Nombres);

        // Two grid rows per sheet row from row 9: names in B and F, values in E and I.
        int fila = 9;
        bool izquierda = true;
        for (int i = 1; i < grilla.Rows(); ++i) {
            const QString r = QString::number(fila);
            const QString detalle = grilla.TextMatrix(i, 0);
            const QString valor = grilla.TextMatrix(i, 1);
            if (izquierda) {
                LibroSalida::EscribirTexto(hoja, QStringLiteral("B") + r, detalle);
                escribirValor(hoja, QStringLiteral("E") + r, valor);
            } else {
                LibroSalida::EscribirTexto(hoja, QStringLiteral("F") + r, detalle);
                escribirValor(hoja, QStringLiteral("I") + r, valor);
                ++fila;
            }
            izquierda = !izquierda;
        }
    });
}
