#include "ErrLog.h"

#include "Aplicacion.h"
#include "Config.h"
#include "Dialogos.h"
#include "MotorBD.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTime>
#include <cstdio>
#include <mutex>

namespace {

const QString kSeparador = QStringLiteral(" - - - - - - - - - - - - - - - -");

// Appends the text and closes the file; false when it could not all be written.
bool anexar(const QString& ruta, const QByteArray& texto)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write(texto) == texto.size() && f.flush();
}

// The user hears once per run (per log path, which a run keeps) that the log cannot be written.
// The path is claimed before the box shows and no lock is held while it does: the box lets
// events run, and one of them may write another block, on this thread or another.
void avisarUnaVez(const QString& ruta)
{
    static std::mutex cerrojo;
    static QSet<QString> avisados;
    {
        const std::lock_guard<std::mutex> guarda(cerrojo);
        if (avisados.contains(ruta))
            return;
        avisados.insert(ruta);
    }
    MsgBox(QStringLiteral("No se pudo escribir el registro de errores: ") + QDir::toNativeSeparators(ruta),
           Botones::Aceptar, Icono::Informacion);
}

// Each line carries the date and the time of the moment it is written. A block the log cannot
// take goes to the standard error, so that it is not lost without a word.
void escribirBloque(const QStringList& lineas)
{
    QByteArray texto;
    for (const QString& l : lineas)
        texto += (FechaHoy() + QLatin1String(" - ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + l +
                  QLatin1Char('\n'))
                     .toUtf8();
    const QString ruta = RutaErrLog();
    if (anexar(ruta, texto))
        return;
    std::fwrite(texto.constData(), 1, size_t(texto.size()), stderr);
    std::fflush(stderr);
    avisarUnaVez(ruta);
}

QStringList inicio(const ErrorEjecucion& e)
{
    return {QStringLiteral(" - Error Nro: ") + QString::number(e.numero),
            QStringLiteral(" - Descripcion: ") + e.descripcion};
}

QStringList usuario()
{
    return {QStringLiteral(" - Usuario: ") + QString::number(UsuarioActual.Pid) + QLatin1String(" - ") +
                UsuarioActual.Apellido + QLatin1String(", ") + UsuarioActual.Nombres,
            QStringLiteral(" - Nivel de Usuario: ") + QString::number(UsuarioActual.Nivel) + QLatin1String(" - ") +
                GetNivelDesc(UsuarioActual.Nivel)};
}

} // namespace

QString RutaErrLog()
{
    return Aplicacion::Ruta(QStringLiteral("Errlog.txt"));
}

void EscribirErrLog(const QString& etiqueta, const ErrorEjecucion& error)
{
    escribirBloque(inicio(error) + QStringList{QStringLiteral(" - Metodo: ") + etiqueta} + usuario() +
                   QStringList{kSeparador});
}

void BloqueConexionServidor(const ErrorEjecucion& error, const QString& direccion)
{
    escribirBloque(inicio(error) +
                   QStringList{QStringLiteral(" - Error en la conexión con la base ") + direccion,
                               QStringLiteral(" - Error en la conexión con el puerto ") + ConfigActual.Puerto,
                               QStringLiteral(" - Error en la conexión en la sentencia  ") + ConfigActual.Sentencia,
                               kSeparador});
}

void BloqueConexionLocal(const ErrorEjecucion& error)
{
    escribirBloque(
        inicio(error) +
        QStringList{QStringLiteral(" - Error en la conexión con la base ") + MotorBD::RutaArchivoLocal(), kSeparador});
}

void BloqueSentencia(const ErrorEjecucion& error, const QString& sql)
{
    escribirBloque(inicio(error) + QStringList{QStringLiteral(" - Secuencia: ") + sql} + usuario() +
                   QStringList{kSeparador});
}

void BloqueCarpeta(const ErrorEjecucion& error)
{
    escribirBloque(
        inicio(error) +
        QStringList{QStringLiteral(" - Error de acceso a la carpeta: ") + Aplicacion::Carpeta(), kSeparador});
}
