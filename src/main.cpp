#include "AplicacionQt.h"
#include "DialogosQt.h"
#include "Inicio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ostrevia"));
    PrepararAplicacionQt(app);

    EstablecerDialogos(std::make_shared<DialogosQt>());
    Main();
    return app.exec();
}
