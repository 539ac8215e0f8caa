#include "Escritorio.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace xlsx {

bool AbrirEnEscritorio(const QString& ruta)
{
    // QDesktopServices needs a GUI application object; without one it would crash.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)))
        return true;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {ruta});
}

} // namespace xlsx
