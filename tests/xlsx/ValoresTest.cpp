#include "Valores.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace xlsx;

TEST(TextoDeNumeros, WholeNumbersHaveNoDecimalPart)
{
    EXPECT_EQ(TextoNumero(42), "42");
    EXPECT_EQ(TextoNumero(-7), "-7");
    EXPECT_EQ(TextoNumero(30123456), "30123456");
    EXPECT_EQ(TextoNumero(0), "0");
    EXPECT_EQ(TextoNumero(-0.0), "0");
    EXPECT_EQ(TextoNumero(1e15), "1000000000000000");
    EXPECT_EQ(TextoNumero(12.0), "12");
}

TEST(TextoDeNumeros, OtherNumbersArePlainDecimalsWithAPoint)
{
    EXPECT_EQ(TextoNumero(0.5), "0.5");
    EXPECT_EQ(TextoNumero(-1.25), "-1.25");
    EXPECT_EQ(TextoNumero(0.1 + 0.2), "0.3") << "15 significant digits, as the spreadsheet shows";
    EXPECT_EQ(TextoNumero(1e-5), "0.00001");
    EXPECT_EQ(TextoNumero(1.5e20), "150000000000000000000");
    EXPECT_EQ(TextoNumero(123456.789), "123456.789");
    EXPECT_EQ(TextoNumero(1.0 / 3), "0.333333333333333");
}

TEST(TextoDeNumeros, DoesNotDependOnTheLocale)
{
    const std::string numerico = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "es_AR.UTF-8") || std::string(std::localeconv()->decimal_point) != ",") {
        std::setlocale(LC_NUMERIC, numerico.c_str());
        GTEST_SKIP() << "no decimal-comma locale on this machine (./dev generates es_AR.UTF-8)";
    }
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    EXPECT_EQ(TextoNumero(1234.5), "1234.5");
    EXPECT_EQ(NumeroXml(0.25), "0.25");
    EXPECT_EQ(LeerNumero("2.5").value_or(0), 2.5);
    std::setlocale(LC_NUMERIC, numerico.c_str());
    QLocale::setDefault(antes);
}

TEST(TextoDeNumeros, XmlNumbersReadBackExactly)
{
    for (double v : {0.1, 1.0 / 3, 123456789.123456789, -2.5e-12, 45366.5})
        EXPECT_EQ(LeerNumero(NumeroXml(v)).value_or(-1), v);
    EXPECT_FALSE(LeerNumero("1,5"));
    EXPECT_FALSE(LeerNumero("abc"));
    EXPECT_FALSE(LeerNumero(""));
    EXPECT_FALSE(LeerNumero("nan"));
    EXPECT_EQ(LeerNumero("1E3").value_or(0), 1000);
}

TEST(TextoDeFechas, The1900SystemCountsTheFalseLeapDay)
{
    EXPECT_EQ(TextoFecha(1, false), "01/01/1900");
    EXPECT_EQ(TextoFecha(59, false), "28/02/1900");
    EXPECT_EQ(TextoFecha(60, false), "29/02/1900");
    EXPECT_EQ(TextoFecha(61, false), "01/03/1900");
    EXPECT_EQ(TextoFecha(45366, false), "15/03/2024");
    EXPECT_EQ(TextoFecha(2958465, false), "31/12/9999");
}

TEST(TextoDeFechas, The1904SystemStartsOnItsOwnDay)
{
    EXPECT_EQ(TextoFecha(0, true), "01/01/1904");
    EXPECT_EQ(TextoFecha(1, true), "02/01/1904");
    EXPECT_EQ(TextoFecha(45366 - 1462, true), "15/03/2024");
}

TEST(TextoDeFechas, TimesAreRoundedToTheSecond)
{
    const double diezVeinte = (10 * 3600 + 20 * 60 + 30) / 86400.0;
    EXPECT_EQ(TextoFecha(45366 + diezVeinte, false), "15/03/2024 10:20:30");
    EXPECT_EQ(TextoFecha(45366 + diezVeinte + 0.4 / 86400, false), "15/03/2024 10:20:30");
    EXPECT_EQ(TextoFecha(45366 + diezVeinte + 0.6 / 86400, false), "15/03/2024 10:20:31");
    EXPECT_EQ(TextoFecha(45366.99999999, false), "16/03/2024") << "rounds up to the next midnight";
    EXPECT_EQ(TextoFecha(0.5, false), "12:00:00") << "a time alone";
    EXPECT_EQ(TextoFecha(0.75, true), "18:00:00");
    EXPECT_FALSE(TextoFecha(-1, false));
    EXPECT_FALSE(TextoFecha(2958466, false));
}

TEST(TextoDeFechas, IsoDateCellsTakeTheSameForms)
{
    EXPECT_EQ(TextoFechaIso("2024-03-15T10:20:30"), "15/03/2024 10:20:30");
    EXPECT_EQ(TextoFechaIso("2024-03-15T00:00:00"), "15/03/2024");
    EXPECT_EQ(TextoFechaIso("2024-03-15"), "15/03/2024");
    EXPECT_EQ(TextoFechaIso("2024-03-15T23:59:59.7"), "16/03/2024");
    EXPECT_FALSE(TextoFechaIso("2024-02-30"));
    EXPECT_FALSE(TextoFechaIso("15/03/2024"));
}

TEST(FormatosDeFecha, BuiltInIdsAndCustomCodesAreRecognised)
{
    for (int id : {14, 15, 18, 22, 27, 36, 45, 46, 47, 50, 58})
        EXPECT_TRUE(EsFormatoFecha(id, {}, false)) << id;
    for (int id : {0, 1, 2, 9, 10, 23, 44, 49, 59, 164})
        EXPECT_FALSE(EsFormatoFecha(id, {}, false)) << id;
    for (const char* fecha : {"dd/mm/yyyy", "yyyy-mm-dd h:mm:ss", "[h]:mm:ss", "[$-409]mmm-yy", "[h]", "m/d/yy",
                              "hh:mm AM/PM", "[Red]dd/mm/yyyy"})
        EXPECT_TRUE(EsFormatoFecha(164, fecha, true)) << fecha;
    for (const char* otro :
         {"General", "0.00", "#,##0", "[Red]0.00", "0.00E+00", "@", "#,##0 \"días\"", "0\\d", "_(* #,##0_)", "0.0%"})
        EXPECT_FALSE(EsFormatoFecha(164, otro, true)) << otro;
    EXPECT_FALSE(EsFormatoFecha(14, "0.00", true)) << "a workbook's own code for a built-in id holds";
}

TEST(TextoDeValores, ConvertsEachKindOfCell)
{
    EXPECT_EQ(TextoValorCelda("n", "7", false, false), "7");
    EXPECT_EQ(TextoValorCelda("n", "45366", true, false), "15/03/2024");
    EXPECT_EQ(TextoValorCelda("n", "45366", true, true), "16/03/2028");
    EXPECT_EQ(TextoValorCelda("b", "1", false, false), "TRUE");
    EXPECT_EQ(TextoValorCelda("b", "0", false, false), "FALSE");
    EXPECT_EQ(TextoValorCelda("e", "#N/A", false, false), "#N/A");
    EXPECT_EQ(TextoValorCelda("str", "a_x000D_b", false, false), "a\rb");
    EXPECT_EQ(TextoValorCelda("n", "", true, false), "");
    EXPECT_EQ(TextoValorCelda("n", "-5", true, false), "-5") << "a negative serial is no date";
}

TEST(EscapesDeTexto, ControlCharactersAndLiteralEscapesSurviveARoundTrip)
{
    EXPECT_EQ(EscaparTexto(QStringLiteral("a\r\nb")), "a_x000D_\nb");
    EXPECT_EQ(EscaparTexto(QStringLiteral("x\x01y")), "x_x0001_y");
    EXPECT_EQ(EscaparTexto(QStringLiteral("_x0041_")), "_x005F_x0041_");
    EXPECT_EQ(EscaparTexto(QStringLiteral("a_xb_x12_")), "a_xb_x12_") << "only what would be misread";
    for (const QString& t : {QStringLiteral("a\r\nb\tc"), QStringLiteral("_x0041_ y _x005F_"),
                             QStringLiteral("ñandú € 😀"), QStringLiteral("\x1f\x02"), QStringLiteral("_x")}) {
        std::string s = EscaparTexto(t);
        DesescaparTexto(s);
        EXPECT_EQ(QString::fromStdString(s), t);
    }
    std::string par = "_xD83D__xDE00_";
    DesescaparTexto(par);
    EXPECT_EQ(QString::fromStdString(par), QStringLiteral("😀"));
    EXPECT_TRUE(NecesitaPreservarEspacios(" a"));
    EXPECT_TRUE(NecesitaPreservarEspacios("a\n"));
    EXPECT_FALSE(NecesitaPreservarEspacios("a b"));
}
