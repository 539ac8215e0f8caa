#include "FechasPeriodo.h"

#include <gtest/gtest.h>

TEST(FechasPeriodo, PreviousMonthOfJanuaryIsDecemberOfThePreviousYear)
{
    const QDate enero(2025, 1, 15);
    EXPECT_EQ(MesAnterior(enero), 12);
    EXPECT_EQ(InicioMesAnterior(enero), QStringLiteral("01/12/2024"));
    EXPECT_EQ(FinMesAnterior(enero), QStringLiteral("31/12/2024"));
    EXPECT_EQ(MesAnterior(QDate(2025, 10, 1)), 9);
    EXPECT_EQ(InicioMesAnterior(QDate(2025, 10, 1)), QStringLiteral("01/09/2025"));
    EXPECT_EQ(FinMesAnterior(QDate(2025, 10, 31)), QStringLiteral("30/09/2025"));
}

TEST(FechasPeriodo, FebruaryEndsOnTheTwentyNinthInLeapYears)
{
    EXPECT_EQ(FinMesAnterior(QDate(2024, 3, 31)), QStringLiteral("29/02/2024"));
    EXPECT_EQ(FinMesAnterior(QDate(2023, 3, 1)), QStringLiteral("28/02/2023"));
    EXPECT_EQ(FinMesAnterior(QDate(2000, 3, 1)), QStringLiteral("29/02/2000"));
    EXPECT_EQ(FinMesAnterior(QDate(1900, 3, 1)), QStringLiteral("28/02/1900"));
}

TEST(FechasPeriodo, DaysOfAMonthRollOverLikeADateBuiltFromItsParts)
{
    EXPECT_EQ(DiasDelMes(12, 2024), 31);
    EXPECT_EQ(DiasDelMes(4, 2024), 30);
    EXPECT_EQ(DiasDelMes(13, 2024), 31) << "month 13 is January of the next year";
    EXPECT_EQ(UltimoDiaMes(2, 2024), QStringLiteral("29/02/2024"));
    EXPECT_EQ(UltimoDiaMes(11, 999), QStringLiteral("30/11/0999"));
}

TEST(FechasPeriodo, MonthBackIsThirtyOneDaysBeforeTodayWrittenDayFirst)
{
    EXPECT_EQ(FechaMesAtras(QDate(2024, 3, 1)), QStringLiteral("30/01/2024"));
    EXPECT_EQ(FechaMesAtras(QDate(2025, 1, 5)), QStringLiteral("05/12/2024"));
    EXPECT_EQ(FechaMesAtras(), QDate::currentDate().addDays(-31).toString(QStringLiteral("dd/MM/yyyy")));
}
