#include "LibroSalida.h"

#include "Aplicacion.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "Excel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace LibroSalida {

namespace {

QString Sello()
{
    const QDateTime ahora = QDateTime::currentDateTime();
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

void CopiarPlantilla(const QString& plantilla, const QString& destino)
{
    if (!QFileInfo(plantilla).isFile())
        throw xlsx::CrearErrorLibro(plantilla, QStringLiteral("copiar"), QStringLiteral("el archivo no existe"));
    // Two exports within one second share the name: the later one replaces the file.
    if (QFile::exists(destino) && !QFile::remove(destino))
        throw xlsx::CrearErrorLibro(destino, QStringLiteral("reemplazar"),
                                    QStringLiteral("el archivo está abierto en otro programa o protegido"));
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
        QString destino = CarpetaTemporal(nombre + QStringLiteral(".xlsx")) + nombre;
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

} // namespace LibroSalida
