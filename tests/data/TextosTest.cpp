#include "ErrorEjecucion.h"
#include "Textos.h"

#include <gtest/gtest.h>

namespace {
ErrorEjecucion errorAlDecodificar(const QString& texto)
{
    try {
        DecodificarBase64(texto);
    } catch (const ErrorEjecucion& e) {
        return e;
    }
    return {};
}
} // namespace

TEST(Base64, PadsOneAndTwoByteGroupsAndLeavesThreeUnpadded)
{
    EXPECT_EQ(CodificarBase64(QStringLiteral("abc")), QStringLiteral("YWJj"));
    EXPECT_EQ(CodificarBase64(QStringLiteral("ab")), QStringLiteral("YWI="));
    EXPECT_EQ(CodificarBase64(QStringLiteral("a")), QStringLiteral("YQ=="));
    EXPECT_EQ(CodificarBase64(QString()), QString());
    EXPECT_EQ(DecodificarBase64(QString()), QString());
}

TEST(Base64, DecodesTheBuiltInServerCredentials)
{
    EXPECT_EQ(DecodificarBase64(QStringLiteral("VGltYmVyTGlu")), QStringLiteral("TimberLin"));
    EXPECT_EQ(DecodificarBase64(QStringLiteral("R3JhbmRQaW5lOQ==")), QStringLiteral("GrandPine9"));
}

TEST(Base64, RoundTripsEveryByteValue)
{
    QString todos;
    for (int i = 0; i < 256; ++i)
        todos += QChar(i);
    EXPECT_EQ(DecodificarBase64(CodificarBase64(todos)), todos);
}

TEST(Base64, KeepsOneBytePerCharacter)
{
    // n with tilde is code 241 and survives; the euro sign is above 255 and becomes "?".
    EXPECT_EQ(DecodificarBase64(CodificarBase64(QStringLiteral("año"))), QStringLiteral("año"));
    EXPECT_EQ(CodificarBase64(QStringLiteral("ñ")), QStringLiteral("8Q=="));
    EXPECT_EQ(DecodificarBase64(CodificarBase64(QStringLiteral("5€"))), QStringLiteral("5?"));
}

TEST(Base64, RefusesAnUnpaddedTextForItsLength)
{
    const ErrorEjecucion e = errorAlDecodificar(QStringLiteral("YQ"));
    EXPECT_EQ(e.numero, -2147221504);
    EXPECT_EQ(e.descripcion, QStringLiteral("Length of Base64 encoded input string is not a multiple of 4."));
}

TEST(Base64, RefusesIllegalCharactersIncludingAnInnerPadding)
{
    for (const char* malo : {"YQ=a", "Y*Q=", "YWJj\xc3\xb1" "abc"}) {
        const ErrorEjecucion e = errorAlDecodificar(QString::fromUtf8(malo).left(8));
        EXPECT_EQ(e.numero, -2147221504) << malo;
        EXPECT_EQ(e.descripcion, QStringLiteral("Illegal character in Base64 encoded data.")) << malo;
    }
}

TEST(NivelDesc, NamesEveryLevelAndLeavesAboveFiveEmpty)
{
    EXPECT_EQ(GetNivelDesc(-1), QStringLiteral("Inhabilitado"));
    EXPECT_EQ(GetNivelDesc(-300), QStringLiteral("Inhabilitado"));
    EXPECT_EQ(GetNivelDesc(0), QStringLiteral("Inhabilitado"));
    EXPECT_EQ(GetNivelDesc(1), QStringLiteral("Operador"));
    EXPECT_EQ(GetNivelDesc(2), QStringLiteral("Usuario Avanzado"));
    EXPECT_EQ(GetNivelDesc(3), QStringLiteral("Administrador"));
    EXPECT_EQ(GetNivelDesc(4), QStringLiteral("Super Administrador"));
    EXPECT_EQ(GetNivelDesc(5), QStringLiteral("Administrador Supremo"));
    EXPECT_EQ(GetNivelDesc(6), QString());
}

TEST(Comillas, EscapesEveryApostropheAndRestoresTheToken)
{
    EXPECT_EQ(EscaparComillas(QStringLiteral("sin comillas")), QStringLiteral("sin comillas"));
    EXPECT_EQ(EscaparComillas(QStringLiteral("d'a ''")), QStringLiteral("d|~|a |~||~|"));
    EXPECT_EQ(RestaurarComillas(QStringLiteral("d|~|a |~||~|")), QStringLiteral("d'a ''"));
    // A typed token comes back as an apostrophe: the store cannot tell them apart.
    EXPECT_EQ(RestaurarComillas(EscaparComillas(QStringLiteral("x|~|y"))), QStringLiteral("x'y"));
}

TEST(Fechas, FormatsDayFirstAndIsoTextsAsDayMonthYear)
{
    EXPECT_EQ(FormatoFecha(QStringLiteral("1/3/2024")), QStringLiteral("01/03/2024"));
    EXPECT_EQ(FormatoFecha(QStringLiteral("2024-03-01")), QStringLiteral("01/03/2024"));
    EXPECT_EQ(FormatoFecha(QStringLiteral("31/12/1999 10:00:00")), QStringLiteral("31/12/1999"));
    EXPECT_EQ(FormatoFecha(QStringLiteral("31/02/2024")), QStringLiteral("31/02/2024"));
    EXPECT_EQ(FechaHoy().size(), 10);
}

TEST(Fechas, RecognisesRealDayFirstDatesOnly)
{
    EXPECT_TRUE(EsFechaValida(QStringLiteral("01/03/2024")));
    EXPECT_TRUE(EsFechaValida(QStringLiteral("1/3/2024")));
    EXPECT_TRUE(EsFechaValida(QStringLiteral(" 29/02/2024 ")));
    EXPECT_FALSE(EsFechaValida(QStringLiteral("29/02/2023")));
    EXPECT_FALSE(EsFechaValida(QStringLiteral("31/04/2024")));
    EXPECT_FALSE(EsFechaValida(QStringLiteral("2024-03-01")));
    EXPECT_FALSE(EsFechaValida(QStringLiteral("ayer")));
    EXPECT_FALSE(EsFechaValida(QString()));
    EXPECT_FALSE(EsFechaValida(QStringLiteral("01/03/24")));
}
