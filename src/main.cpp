#include "DialogosQt.h"
#include "Inicio.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ostrevia"));

    // Qt's own dialog buttons in Spanish, as the rest of the program speaks.
    QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traductor);

    EstablecerDialogos(std::make_shared<DialogosQt>());
    Main();
    return app.exec();
}
