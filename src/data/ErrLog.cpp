#include "ErrLog.h"

#include "Aplicacion.h"
#include "Config.h"
#include "MotorBD.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QFile>
#include <QStringList>
#include <QTime>

namespace {

const QString kSeparador = QStringLiteral(" - - - - - - - - - - - - - - - -");

// Each line carries the date and the time of the moment it is written.
void escribirBloque(const QStringList& lineas)
{
    QFile f(RutaErrLog());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    for (const QString& l : lineas) {
        const QString linea = FechaHoy() + QLatin1String(" - ") +
                              QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + l + QLatin1Char('\n');
        f.write(linea.toUtf8());
    }
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
