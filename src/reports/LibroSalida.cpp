#include "LibroSalida.h"

#include "Aplicacion.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "Excel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace LibroSalida {

namespace {

std::function<QDateTime()>& Reloj()
{
    static std::function<QDateTime()> reloj;
    return reloj;
}

QString Sello()
{
    const QDateTime ahora = Reloj() ? Reloj()() : QDateTime::currentDateTime();
    return ahora.toString(QStringLiteral("yyyyMMdd")) + ahora.toString(QStringLiteral("hhmmss"));
}

QString CarpetaTemporal(const QString& archivo)
{
    const QString carpeta = Aplicacion::Ruta(QStringLiteral("temp"));
    if (!QDir().mkpath(carpeta))
        throw xlsx::CrearErrorLibro(carpeta + QLatin1Char('/') + archivo, QStringLiteral("guardar"),
                                    QStringLiteral("no se pudo crear la carpeta \"%1\"").arg(carpeta));
    return carpeta + QLatin1Char('/');
}

// The name without ".xlsx" that no file in the folder has yet: a workbook of the same second,
// perhaps still open, is never replaced.
QString NombreLibre(const QString& carpeta, const QString& nombre)
{
    QString libre = nombre;
    for (int n = 2; QFileInfo::exists(carpeta + libre + QStringLiteral(".xlsx")); ++n)
        libre = nombre + QLatin1Char('-') + QString::number(n);
    return libre;
}

void CopiarPlantilla(const QString& plantilla, const QString& destino)
{
    if (!QFileInfo(plantilla).isFile())
        throw xlsx::CrearErrorLibro(plantilla, QStringLiteral("copiar"), QStringLiteral("el archivo no existe"));
    if (!QFile::copy(plantilla, destino))
        throw xlsx::CrearErrorLibro(destino, QStringLiteral("crear"),
                                    QStringLiteral("no se pudo copiar la plantilla \"%1\"").arg(plantilla));
    // A template kept read-only must not make its copy read-only.
    QFile::setPermissions(destino, QFile::permissions(destino) | QFile::WriteOwner);
}

// The output of an export being made: removed unless it was completely saved.
class Provisorio
{
public:
    Provisorio() = default;
    Provisorio(const Provisorio&) = delete;
    Provisorio& operator=(const Provisorio&) = delete;
    ~Provisorio()
    {
        if (!m_ruta.isEmpty())
            QFile::remove(m_ruta);
    }
    void Creado(const QString& ruta) { m_ruta = ruta; }
    void Completo() { m_ruta.clear(); }

private:
    QString m_ruta;
};

} // namespace

QString Exportar(const QString& plantilla, Forma forma, const QString& prefijo, const QString& etiqueta,
                 const std::function<void(HojaExcel&)>& llenar)
{
    try {
        Provisorio provisorio;
        Excel app;
        const QString nombre = prefijo + Sello();
        const QString carpeta = CarpetaTemporal(nombre + QStringLiteral(".xlsx"));
        QString destino = carpeta + NombreLibre(carpeta, nombre);
        if (forma == Forma::Copia) {
            destino += QStringLiteral(".xlsx");
            CopiarPlantilla(plantilla, destino);
            provisorio.Creado(destino);
        }
        LibroExcel* libro = app.Workbooks().Open(forma == Forma::Copia ? destino : plantilla);
        HojaExcel hoja = libro->Worksheets(1);
        libro->Activate();
        if (forma == Forma::GuardarComo) {
            libro->SaveAs(destino);
            provisorio.Creado(libro->FullName());
        }
        llenar(hoja);
        libro->Save();
        provisorio.Completo();
        const QString ruta = libro->FullName();
        app.SetVisible(true);
        return ruta;
    } catch (const ErrorEjecucion& e) {
        InformarFallo(etiqueta, e);
        return QString();
    }
}

void EscribirTexto(HojaExcel& hoja, const QString& celda, const QString& texto)
{
    hoja.Range(celda).SetValue(texto.startsWith(QLatin1Char('\'')) ? QLatin1Char('\'') + texto : texto);
}

void InformarFallo(const QString& etiqueta, const ErrorEjecucion& error)
{
    MsgBox(error.descripcion, Botones::Aceptar, Icono::Informacion);
    EscribirErrLog(etiqueta, error);
}

void EstablecerReloj(std::function<QDateTime()> reloj)
{
    Reloj() = std::move(reloj);
}

} // namespace LibroSalida
