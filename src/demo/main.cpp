#include "CargaDemo.h"

#include <QCoreApplication>
#include <QStringList>

// cargar_demo [program folder] [folder of .sql files]
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString programa = args.size() > 1 ? args[1] : QStringLiteral(OSTREVIA_CARPETA_APP);
    const QString datos = args.size() > 2 ? args[2] : QStringLiteral(OSTREVIA_DATOS_DEMO);
    return CargaDemo::Ejecutar(programa, datos);
}
