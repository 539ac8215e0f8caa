#include "Red.h"

#include <QSysInfo>
#include <gtest/gtest.h>

namespace {

bool tieneLoopback(const QVector<Red::DireccionLocal>& tabla)
{
    for (const Red::DireccionLocal& f : tabla)
        if (f.ip == std::array<std::uint8_t, 4>{127, 0, 0, 1})
            return f.hardware.isEmpty();
    return false;
}

} // namespace

TEST(RedTest, PlatformTableListsLoopbackWithoutAHardwareAddress)
{
    const QVector<Red::DireccionLocal> tabla = Red::TablaDirecciones();
    EXPECT_TRUE(tieneLoopback(tabla));
    for (const Red::DireccionLocal& f : tabla)
        EXPECT_TRUE(f.hardware.isEmpty() || f.hardware.count('\0') < f.hardware.size())
            << "an all-zero hardware address answers nothing";
}

TEST(RedTest, FixedSourcesReplaceThePlatformUntilCleared)
{
    Red::DireccionLocal fila;
    fila.ip = {10, 2, 3, 4};
    Red::EstablecerTabla([fila] { return QVector<Red::DireccionLocal>{fila}; });
    Red::EstablecerNombreEquipo([] { return QStringLiteral("PUESTO-07"); });
    ASSERT_EQ(Red::TablaDirecciones().size(), 1);
    EXPECT_EQ(Red::TablaDirecciones().first().ip, fila.ip);
    EXPECT_EQ(Red::NombreEquipo(), QStringLiteral("PUESTO-07"));

    Red::EstablecerTabla(nullptr);
    Red::EstablecerNombreEquipo(nullptr);
    EXPECT_TRUE(tieneLoopback(Red::TablaDirecciones()));
    EXPECT_EQ(Red::NombreEquipo(), QSysInfo::machineHostName());
}
