#include "Celdas.h"

#include <gtest/gtest.h>

using namespace xlsx;

TEST(DireccionesDeCeldas, ReadsColumnsBeyondZInAnyCase)
{
    EXPECT_EQ(LeerCelda(std::string_view("A1"))->columna, 1);
    EXPECT_EQ(LeerCelda(std::string_view("Z1"))->columna, 26);
    EXPECT_EQ(LeerCelda(std::string_view("AA1"))->columna, 27);
    EXPECT_EQ(LeerCelda(std::string_view("AZ1"))->columna, 52);
    EXPECT_EQ(LeerCelda(std::string_view("BA1"))->columna, 53);
    EXPECT_EQ(LeerCelda(std::string_view("AN29567"))->columna, 40);
    EXPECT_EQ(LeerCelda(std::string_view("AAA1"))->columna, 703);
    EXPECT_EQ(LeerCelda(std::string_view("XFD1048576"))->fila, 1048576);
    // The reports write "c49", "f12" and "b" & row.
    const auto c49 = LeerCelda(QStringLiteral("c49"));
    ASSERT_TRUE(c49);
    EXPECT_EQ(c49->fila, 49);
    EXPECT_EQ(c49->columna, 3);
    EXPECT_EQ(LeerCelda(std::string_view("$B$9"))->columna, 2);
}

TEST(DireccionesDeCeldas, RefusesTextsThatNameNoCell)
{
    for (const char* malo : {"", "A", "17", "A0", "XFE1", "A1048577", "1A", "A1B", "AB17x", "A-1", "AAAA1", "A 1"})
        EXPECT_FALSE(LeerCelda(std::string_view(malo))) << malo;
    EXPECT_FALSE(LeerCelda(QStringLiteral("Ñ1")));
}

TEST(DireccionesDeCeldas, ColumnLettersRoundTrip)
{
    for (int c = 1; c <= kMaximoColumnas; ++c) {
        const std::string t = LetrasColumna(c) + "5";
        const auto leida = LeerCelda(t);
        ASSERT_TRUE(leida) << t;
        ASSERT_EQ(leida->columna, c) << t;
    }
    EXPECT_EQ(LetrasColumna(703), "AAA");
}

TEST(DireccionesDeCeldas, BlocksAreOrderedWhicheverCornerComesFirst)
{
    const auto r = LeerRango("D13:B12");
    ASSERT_TRUE(r);
    EXPECT_EQ(TextoRango(*r), "B12:D13");
    EXPECT_EQ(TextoRango(*LeerRango("C6")), "C6");
    EXPECT_FALSE(LeerRango("B12:"));
    EXPECT_TRUE(r->SeSuperpone(*LeerRango("D13:E20")));
    EXPECT_FALSE(r->SeSuperpone(*LeerRango("E12:E13")));
}
