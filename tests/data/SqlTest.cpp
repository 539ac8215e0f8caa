#include "Sql.h"

#include <gtest/gtest.h>

TEST(Literales, DoubleApostrophesAndWriteDatesAsIso)
{
    EXPECT_EQ(SqlTexto(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(SqlTexto(QString()), QStringLiteral("''"));
    EXPECT_EQ(SqlEntero(-32768), QStringLiteral("-32768"));
    EXPECT_EQ(SqlFecha(QStringLiteral("1/3/2024")), QStringLiteral("'2024-03-01'"));
    EXPECT_EQ(SqlFecha(QStringLiteral("01/03/2024")), QStringLiteral("'2024-03-01'"));
}

TEST(Literales, AnythingThatIsNotADayFirstDateBecomesNull)
{
    for (const char* t : {"", "31/02/2024", "2024-03-01", "1/3/24", "01/03/2024'; DROP TABLE x; --"})
        EXPECT_EQ(SqlFecha(QString::fromLatin1(t)), QStringLiteral("NULL")) << t;
}

TEST(Literales, FoldingRemovesCaseAndAccents)
{
    EXPECT_EQ(PlegarTexto(QStringLiteral("GARCÍA Núñez")), QStringLiteral("garcia nunez"));
}
