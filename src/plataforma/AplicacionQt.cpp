#include "AplicacionQt.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PrepararAplicacionQt(QApplication& app)
{
    app.setQuitOnLastWindowClosed(false);

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
