#include "ExportarEstadisticas.h"

#include "Aplicacion.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "Excel.h"
#include "Usuarios.h"

#include <QDateTime>
#include <QDir>
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

void escribirTexto(HojaExcel& hoja, const QString& celda, const QString& texto)
{
    // A leading apostrophe would be taken as the spreadsheet's text marker and vanish.
    hoja.Range(celda).SetValue(texto.startsWith(QLatin1Char('\'')) ? QLatin1Char('\'') + texto : texto);
}

QString fallar(const QString& mensaje)
{
    EscribirErrLog(kPaso, ErrorEjecucion{xlsx::kErrorAutomatizacion, mensaje});
    MsgBox(mensaje, Botones::Aceptar, Icono::Informacion);
    return QString();
}

} // namespace

QString ExportarEstadisticas(const Grilla& grilla, const QString& desde, const QString& hasta)
{
    const QDateTime ahora = QDateTime::currentDateTime();
    const QString nombre =
        ahora.toString(QStringLiteral("yyyyMMdd")) + ahora.toString(QStringLiteral("hhmmss")) + QStringLiteral(".xlsx");
    const QString plantilla = Aplicacion::Ruta(QStringLiteral("irf.xlsx"));
    const QString carpeta = Aplicacion::Ruta(QStringLiteral("temp"));
    const QString destino = carpeta + QLatin1Char('/') + nombre;

    if (!QFile::exists(plantilla))
        return fallar(QStringLiteral("No se encontró la plantilla del informe: ") + plantilla);
    // Two exports within one second share the name: the later one replaces the file.
    if (!QDir().mkpath(carpeta) || (QFile::exists(destino) && !QFile::remove(destino)) ||
        !QFile::copy(plantilla, destino))
        return fallar(QStringLiteral("No se pudo copiar la plantilla del informe en ") + destino);
    // A template kept read-only must not make its copy read-only.
    QFile::setPermissions(destino, QFile::permissions(destino) | QFile::WriteOwner);

    try {
        Excel app;
        LibroExcel* libro = app.Workbooks().Open(destino);
        HojaExcel hoja = libro->Worksheets(1);
        libro->Activate();
        escribirTexto(hoja, QStringLiteral("G6"), desde);
        escribirTexto(hoja, QStringLiteral("I6"), hasta);
        escribirTexto(hoja, QStringLiteral("C6"),
                      UsuarioActual.Apellido + QStringLiteral(", ") + UsuarioActual.Nombres);

        // Two grid rows per sheet row from row 9: names in B and F, values in E and I.
        int fila = 9;
        bool izquierda = true;
        for (int i = 1; i < grilla.Rows(); ++i) {
            const QString r = QString::number(fila);
            const QString detalle = grilla.TextMatrix(i, 0);
            const QString valor = grilla.TextMatrix(i, 1);
            if (izquierda) {
                escribirTexto(hoja, QStringLiteral("B") + r, detalle);
                escribirValor(hoja, QStringLiteral("E") + r, valor);
            } else {
                escribirTexto(hoja, QStringLiteral("F") + r, detalle);
                escribirValor(hoja, QStringLiteral("I") + r, valor);
                ++fila;
            }
            izquierda = !izquierda;
        }
        libro->Save();
        app.SetVisible(true);
    } catch (const ErrorEjecucion& e) {
        return fallar(e.descripcion);
    }
    return destino;
}
