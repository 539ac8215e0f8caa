#include "Aplicacion.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

#ifndef OSTREVIA_VERSION_MAYOR
#define OSTREVIA_VERSION_MAYOR 0
#define OSTREVIA_VERSION_MENOR 0
#define OSTREVIA_VERSION_REVISION 0
#endif

namespace {
QString g_carpeta;
std::function<void()> g_terminar;
} // namespace

namespace Aplicacion {

QString Carpeta()
{
    if (!g_carpeta.isEmpty())
        return g_carpeta;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void EstablecerCarpeta(const QString& carpeta)
{
    g_carpeta = carpeta;
}

QString Ruta(const QString& nombre)
{
    return Carpeta() + QLatin1Char('/') + nombre;
}

int VersionMayor()
{
    return OSTREVIA_VERSION_MAYOR;
}
int VersionMenor()
{
    return OSTREVIA_VERSION_MENOR;
}
int VersionRevision()
{
    return OSTREVIA_VERSION_REVISION;
}

QString VersionTexto()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMayor()).arg(VersionMenor()).arg(VersionRevision());
}

void HacerEventos()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void Finalizar()
{
    QCoreApplication::quit();
}

void Terminar()
{
    if (g_terminar) {
        g_terminar();
        return;
    }
    // At once: no window unloads, no registry update, the connection is not closed.
    // A failure: whatever started the program must not read it as a normal end.
    std::_Exit(1);
}

void EstablecerTerminar(std::function<void()> accion)
{
    g_terminar = std::move(accion);
}

} // namespace Aplicacion
