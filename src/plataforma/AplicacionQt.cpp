#include "AplicacionQt.h"

#include "Aplicacion.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

namespace {

bool AlgunaVentanaEnPantalla()
{
    // Minimised windows are still visible to Qt; a window created but never shown is not.
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType tipo = w->windowType();
        if (w->isVisible() && tipo != Qt::Popup && tipo != Qt::ToolTip && tipo != Qt::Desktop)
            return true;
    }
    return false;
}

// The program ends once no window of it is left on the screen. Checked after the window that
// closed or hid has returned to the event loop, so a hand-over that unloads one window and then
// shows the next is over by then; a message box is a window too, so one up is answered first.
class VigiaDeVentanas : public QObject
{
public:
    explicit VigiaDeVentanas(QObject* padre) : QObject(padre)
    {
        setObjectName(QStringLiteral("VigiaDeVentanas"));
        m_revision.setSingleShot(true);
        m_revision.setInterval(0);
        connect(&m_revision, &QTimer::timeout, this, [] {
            if (!AlgunaVentanaEnPantalla())
                Aplicacion::Finalizar();
        });
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if ((evento->type() == QEvent::Close || evento->type() == QEvent::Hide) && objeto->isWidgetType() &&
            static_cast<QWidget*>(objeto)->isWindow())
            m_revision.start();
        return false;
    }

private:
    QTimer m_revision;
};

} // namespace

void PrepararAplicacionQt(QApplication& app)
{
    // Qt's own rule would end the program at a hand-over, between one window's unload and the
    // next one's show.
    app.setQuitOnLastWindowClosed(false);
    if (!app.findChild<QObject*>(QStringLiteral("VigiaDeVentanas"), Qt::FindDirectChildrenOnly))
        app.installEventFilter(new VigiaDeVentanas(&app));

    // Numbers written to the database and to workbooks never go through the locale.
    const QLocale espanol(QLocale::Spanish, QLocale::Argentina);
    QLocale::setDefault(espanol);
    auto* traductor = new QTranslator(&app);
    if (traductor->load(espanol, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(traductor);
    else
        delete traductor;

    // The windows' widths in twips were drawn for an 8-point dialog font.
    app.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
}
