#include <gtest/gtest.h>

#ifdef OSTREVIA_PRUEBAS_UI
#include <QApplication>
using Aplicacion_t = QApplication;
#else
#include <QCoreApplication>
using Aplicacion_t = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    // Test discovery runs the binary at build time, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplicacion_t app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
