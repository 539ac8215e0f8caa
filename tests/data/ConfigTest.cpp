#include "BaseDePrueba.h"
#include "Config.h"

#include <QFile>

namespace {
QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class ArchivoConfig : public ::testing::Test
{
protected:
    EntornoDePrueba entorno;
    QString ruta = RutaConfig();
};

TEST_F(ArchivoConfig, LocalTypeWritesTheTwentyBytesOfTheRecord)
{
    ASSERT_TRUE(EscribirRegConfig(ruta, RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()}));
    EXPECT_EQ(leer(ruta), QByteArray::fromHex("010004004E6F4970" "08004E6F50756572746F" "0000"));
}

TEST_F(ArchivoConfig, NoTypeChosenWritesMinusOne)
{
    ASSERT_TRUE(EscribirRegConfig(ruta, RegConfig{-1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()}));
    EXPECT_EQ(leer(ruta).left(2), QByteArray::fromHex("FFFF"));
    RegConfig c;
    ASSERT_TRUE(LeerRegConfig(ruta, c));
    EXPECT_EQ(c.Tipo, -1);
}

TEST_F(ArchivoConfig, ServerTypeRoundTripsWindows1252Texts)
{
    const RegConfig escrito{0, QStringLiteral("servidor-año"), QStringLiteral("5432"), QStringLiteral("Base€")};
    ASSERT_TRUE(EscribirRegConfig(ruta, escrito));
    const QByteArray b = leer(ruta);
    EXPECT_EQ(b.size(), 8 + 12 + 4 + 5);
    EXPECT_EQ(static_cast<unsigned char>(b[4 + 10]), 0xF1) << "ñ is one byte";
    EXPECT_EQ(static_cast<unsigned char>(b[b.size() - 1]), 0x80) << "the euro sign is 0x80 in Windows-1252";
    RegConfig leido;
    ASSERT_TRUE(LeerRegConfig(ruta, leido));
    EXPECT_EQ(leido.Tipo, 0);
    EXPECT_EQ(leido.IP, escrito.IP);
    EXPECT_EQ(leido.Puerto, escrito.Puerto);
    EXPECT_EQ(leido.Sentencia, escrito.Sentencia);
}

TEST_F(ArchivoConfig, ALongerFileKeepsItsTrailingBytesAndReadsOnlyTheRecord)
{
    ASSERT_TRUE(EscribirRegConfig(ruta, RegConfig{0, QStringLiteral("192.168.100.200"), QStringLiteral("15000"),
                                                  QStringLiteral("Lanternix")}));
    const QByteArray viejo = leer(ruta);
    ASSERT_TRUE(EscribirRegConfig(ruta, RegConfig{1, QStringLiteral("NoIp"), QStringLiteral("NoPuerto"), QString()}));
    const QByteArray nuevo = leer(ruta);
    ASSERT_EQ(nuevo.size(), viejo.size());
    EXPECT_EQ(nuevo.left(20), QByteArray::fromHex("010004004E6F497008004E6F50756572746F0000"));
    EXPECT_EQ(nuevo.mid(20), viejo.mid(20));
    RegConfig c;
    ASSERT_TRUE(LeerRegConfig(ruta, c));
    EXPECT_EQ(c.IP, QStringLiteral("NoIp"));
    EXPECT_EQ(c.Sentencia, QString());
}

TEST_F(ArchivoConfig, AMissingFileIsNotReadAndAShortOneLeavesFieldsEmpty)
{
    RegConfig c;
    EXPECT_FALSE(LeerRegConfig(ruta, c));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromHex("0000" "0300" "3132"));
    f.close();
    ASSERT_TRUE(LeerRegConfig(ruta, c));
    EXPECT_EQ(c.IP, QStringLiteral("12"));
    EXPECT_TRUE(c.Puerto.isEmpty());
}
