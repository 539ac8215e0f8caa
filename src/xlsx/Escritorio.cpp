#include "Escritorio.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace xlsx {

namespace {

// xdg-open tells by its exit status whether a program took the file; under a desktop session it
// ends as soon as the program started. Without one it runs the program itself and waits for it:
// still running after this long, it is the viewer.
constexpr int kEsperaLanzadorMs = 3000;

bool AbrirConLanzador(const QString& lanzador, const QString& ruta)
{
    // Not owned by anything: a launcher that outlives the wait must outlive the program too.
    auto* proceso = new QProcess;
    proceso->setProcessChannelMode(QProcess::ForwardedChannels);
    proceso->setStandardInputFile(QProcess::nullDevice());
    proceso->start(lanzador, {ruta});
    if (!proceso->waitForStarted()) {
        delete proceso;
        return false;
    }
    if (QCoreApplication::instance()) {
        // The windows keep painting; clicks and keys wait, so no second export starts meanwhile.
        QEventLoop espera;
        QObject::connect(proceso, &QProcess::finished, &espera, &QEventLoop::quit);
        QTimer::singleShot(kEsperaLanzadorMs, &espera, &QEventLoop::quit);
        espera.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        proceso->waitForFinished(kEsperaLanzadorMs);
    }
    if (proceso->state() != QProcess::NotRunning) {
        QObject::connect(proceso, &QProcess::finished, proceso, &QObject::deleteLater);
        return true;
    }
    const bool abierto = proceso->exitStatus() == QProcess::NormalExit && proceso->exitCode() == 0;
    delete proceso;
    return abierto;
}

} // namespace

bool AbrirEnEscritorio(const QString& ruta)
{
    // On Linux QDesktopServices only starts xdg-open and reports that it started, so xdg-open is
    // run here where it exists, to learn whether anything opened the file.
    const QString lanzador = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!lanzador.isEmpty())
        return AbrirConLanzador(lanzador, ruta);
    // QDesktopServices needs a GUI application object; without one it would crash.
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

} // namespace xlsx
