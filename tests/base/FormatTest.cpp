#include "base/Format.h"

#include "base/DateTime.h"
#include "base/Variant.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <vector>

namespace orvan::base {
namespace {

using orvan::test::errorNumberOf;

struct NumberCase
{
    double value;
    const char *pattern;
    const char *expected;
};

void expectNumbers(std::initializer_list<NumberCase> cases)
{
    for (const NumberCase &item : cases) {
        SCOPED_TRACE(std::string(item.pattern) + " <- " + std::to_string(item.value));
        EXPECT_EQ(formatNumber(item.value, item.pattern), item.expected);
    }
}

TEST(FormatNumberTest, HashPointZeroZeroHasNoLeadingZero)
{
    expectNumbers({
        {0.5, "#.00", ".50"},
        {0, "#.00", ".00"},
        {12.345, "#.00", "12.35"},
        {2.675, "#.00", "2.68"},
        {1.005, "#.00", "1.01"},
        {1234.5, "#.00", "1234.50"},
        {0.004, "#.00", ".00"},
        {0.005, "#.00", ".01"},
        {999.995, "#.00", "1000.00"},
        {0.1 + 0.2, "#.00", ".30"},
        {1.5e-10, "#.00", ".00"},
        {1e15, "#.00", "1000000000000000.00"},
        {-0.5, "#.00", "-.50"},
        {-12.345, "#.00", "-12.35"},
        {-0.001, "#.00", "-.00"},
    });
}

TEST(FormatNumberTest, ElapsedTimesOfTheStatusBar)
{
    // Seconds when above one second, otherwise milliseconds, both with "#.00".
    expectNumbers({
        {1.5, "#.00", "1.50"},
        {0.123456 * 1000, "#.00", "123.46"},
        {0.0004 * 1000, "#.00", ".40"},
        {0.00001 * 1000, "#.00", ".01"},
        {12.0, "#.00", "12.00"},
    });
}

// "#.00" takes a shorter road for most values; "#.00;" is the same pattern by the general
// one (its empty negative section is never chosen for a positive value).
TEST(FormatNumberTest, HashPointZeroZeroAgreesWithTheGeneralPathEverywhere)
{
    std::vector<double> values = {0.01,        0.0149999,  0.015, 1.005,       2.675, 1.125, 0.125,
                                  9999999.995, 9999999.99, 1e7,   1e7 + 0.125, 5e-3,  99.995};
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-3, 9);
    std::uniform_int_distribution<long long> cents(1, 100'000'000'000);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(std::pow(10.0, exponent(random)));
        values.push_back(static_cast<double>(cents(random)) / 100 + 0.005); // on a tie
        values.push_back(static_cast<double>(cents(random) % 100'000) / 1000);
    }
    for (const double value : values) {
        ASSERT_EQ(formatNumber(value, "#.00"), formatNumber(value, "#.00;"))
            << std::setprecision(17) << value;
        ASSERT_EQ(formatNumber(-value, "#.00"), "-" + formatNumber(value, "#.00;"))
            << std::setprecision(17) << -value;
    }
}

TEST(FormatNumberTest, HashPointZeroZeroAgreesWithTheGeneralPathBelowOneHundredth)
{
    std::vector<double> values = {
        5e-324, 1e-300, 1e-15, 1e-7, 0.0049999, 0.005, 0.0050001, 0.00999, 0.0099999999999999};
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-12, -2);
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::pow(10.0, exponent(random)));
    for (const double value : values)
        ASSERT_EQ(formatNumber(value, "#.00"), formatNumber(value, "#.00;"))
            << std::setprecision(17) << value;
    EXPECT_EQ(formatNumber(0.004, "#.00"), ".00");
    EXPECT_EQ(formatNumber(0.006, "#.00"), ".01");
    EXPECT_EQ(formatNumber(0.0, "#.00"), ".00");
}

TEST(FormatNumberTest, APatternFormatsAlikeWhenUsedAgainAndAfterManyOthers)
{
    EXPECT_EQ(formatNumber(1.005, "0.00"), formatNumber(1.005, "0.00"));
    EXPECT_EQ(formatNumber(2.5, "0.00"), "2.50") << "another value, the same pattern";
    for (int width = 1; width <= 300; ++width) // more patterns than are kept parsed
        EXPECT_EQ(formatNumber(7, std::string(width % 20 + 1, '0') + "\"x" + std::to_string(width) +
                                      "\""),
                  std::string(width % 20, '0') + "7x" + std::to_string(width));
    EXPECT_EQ(formatNumber(2.5, "0.00"), "2.50");
}

TEST(FormatNumberTest, ZeroPlaceholdersAlwaysWriteDigits)
{
    expectNumbers({
        {0.5, "0.00", "0.50"},
        {0, "0.00", "0.00"},
        {2.675, "0.00", "2.68"},
        {1.235, "0.00", "1.24"},
        {1.245, "0.00", "1.25"}, // half away from zero, not to even
        {99.999, "0.00", "100.00"},
        {-0.001, "0.00", "-0.00"},
        {-2.675, "0.00", "-2.68"},
        {1.2345, "0.000", "1.235"},
        {0, "0.000", "0.000"},
        {2, "0.000", "2.000"},
        {42, "00000", "00042"},
        {5, "0#", "05"},
        {1234567, "000-0000", "123-4567"},
    });
}

TEST(FormatNumberTest, WholeNumberPatternsRoundHalfAwayFromZero)
{
    expectNumbers({
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {-2.5, "0", "-3"},
        {0.4, "0", "0"},
        {0.5, "0", "1"},
        {0, "0", "0"},
        {1234567, "0", "1234567"},
        {1e20, "0", "100000000000000000000"},
        {0, "#", ""},
        {0.4, "#", ""},
        {0.5, "#", "1"},
        {5, "#", "5"},
        {-0.4, "#", "-"},
        {123, "#", "123"},
    });
}

TEST(FormatNumberTest, ThousandsSeparators)
{
    expectNumbers({
        {1234567, "#,##0", "1,234,567"},
        {0, "#,##0", "0"},
        {12, "#,##0", "12"},
        {1234, "#,##0", "1,234"},
        {123456, "#,##0", "123,456"},
        {999.5, "#,##0", "1,000"},
        {-1234, "#,##0", "-1,234"},
        {1234.5, "#,##0.00", "1,234.50"},
        {0.5, "#,##0.00", "0.50"},
        {-1234567.891, "#,##0.00", "-1,234,567.89"},
        {1e9, "#,##0.00", "1,000,000,000.00"},
        {1234567, "#,##0,", "1,235"},
        {1234567890, "0.0,,", "1234.6"},
        {1234, "0,000", "1,234"},
        {5, "0,000", "0,005"},
    });
}

TEST(FormatNumberTest, ScientificPatterns)
{
    expectNumbers({
        {1.5, "0.00E+00", "1.50E+00"},
        {1234.5, "0.00E+00", "1.23E+03"},
        {0.000123, "0.00E+00", "1.23E-04"},
        {9.999, "0.00E+00", "1.00E+01"},
        {0, "0.00E+00", "0.00E+00"},
        {-1234.5, "0.0E-0", "-1.2E3"},
        {0.05, "0.0E-0", "5.0E-2"},
        {1234.5, "0.0e+00", "1.2e+03"},
        {1234.5, "00.0E+0", "12.3E+2"},
        {1.5, "0.0E", "1.5E"}, // no sign after E: a literal
    });
}

TEST(FormatNumberTest, FractionHashesDropTrailingZeros)
{
    expectNumbers({
        {1, "0.##", "1."},
        {1.5, "0.##", "1.5"},
        {1.555, "0.##", "1.56"},
        {1.10, "0.0#", "1.1"},
        {1.05, "0.#0", "1.05"},
        {0, "#.##", "."},
        {12.5, ".00", "12.50"},
        {0.25, ".00", ".25"},
    });
}

TEST(FormatNumberTest, PercentSectionsLiteralsAndNames)
{
    expectNumbers({
        {0.25, "0%", "25%"},
        {0.1234, "0.0%", "12.3%"},
        {0.1234, "Percent", "12.34%"},
        {-5, "0.00;(0.00)", "(5.00)"},
        {5, "0.00;(0.00)", "5.00"},
        {0, "0.00;(0.00);\"zero\"", "zero"},
        {-5, "0.00;;\"zero\"", "-5.00"},
        {0, "0;-0;\"-\"", "-"},
        {0, "0;-0;\"-\";\"fourth\"", "-"}, // a fourth section is not read
        {-5, "\"a;b\"0;\"c;d\"0", "c;d5"}, // a quoted ";" splits nothing
        {1234.5, "\"¥\"#,##0.00", "¥1,234.50"},
        {5, "0.00 元", "5.00 元"},
        {5, "\\#0", "#5"},
        {-5, "$0.00", "$-5.00"}, // the sign goes before the first digit
        {1234.567, "Fixed", "1234.57"},
        {1234.567, "standard", "1,234.57"},
        {1234.5, "General Number", "1234.5"},
        {1234.5, "", "1234.5"},
        {1e15, "", "1E+15"},
    });
}

struct DateCase
{
    double serial;
    const char *pattern;
    const char *expected;
};

TEST(FormatDateTest, NumericDatePatterns)
{
    const double day = dateSerial(2024, 1, 5); // a Friday
    const double moment = day + timeSerial(8, 5, 9);
    const DateCase cases[] = {
        {moment, "yyyy-mm-dd", "2024-01-05"},
        {moment, "yyyy/mm/dd", "2024/01/05"},
        {moment, "yyyy-mm-dd hh:mm:ss", "2024-01-05 08:05:09"},
        {moment, "yyyymmdd", "20240105"},
        {moment, "YYYY-MM-DD HH:MM:SS", "2024-01-05 08:05:09"},
        {moment, "yy-m-d", "24-1-5"},
        {moment, "h:n:s", "8:5:9"},
        {moment, "hh:nn", "08:05"},
        {moment, "hh:mm", "08:05"},
        {moment, "hhmm", "0805"},
        {moment, "mm", "01"},
        {moment, "mm:ss", "01:09"}, // "m" means minutes only right after an hour
        {day, "yyyy-mm-dd hh:mm:ss", "2024-01-05 00:00:00"},
        {-1.25, "yyyy-mm-dd hh:nn", "1899-12-29 06:00"},
        {45292.999999, "yyyy-mm-dd hh:mm:ss", "2024-01-02 00:00:00"},
        {MinDateSerial, "yyyy-mm-dd", "0100-01-01"},
        {dateSerial(2005, 3, 9), "yy/mm/dd", "05/03/09"},
        {dateSerial(9999, 12, 31), "yyyy-mm-dd", "9999-12-31"},
        {moment, "q", "1"},
        {dateSerial(2024, 11, 5), "q", "4"},
        {moment, "y", "5"},
        {dateSerial(2024, 12, 31), "y", "366"},
        {moment, "w", "6"},
        {moment, "ww", "1"},
        {dateSerial(2024, 1, 7), "ww", "2"},
        {dateSerial(2024, 12, 31), "ww", "53"},
    };
    for (const auto &[serial, pattern, expected] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(formatDate(serial, pattern), expected);
    }
}

TEST(FormatDateTest, NamesClockAndNamedFormats)
{
    const double day = dateSerial(2024, 1, 5);
    const double moment = day + timeSerial(8, 5, 9);
    const DateCase cases[] = {
        {moment, "dddd", "星期五"},
        {moment, "ddd", "周五"},
        {moment, "mmm", "1月"},
        {moment, "mmmm", "一月"},
        {dateSerial(2024, 12, 1), "mmmm", "十二月"},
        {moment, "ddddd", "2024-01-05"},
        {moment, "dddddd", "2024年1月5日"},
        {moment, "ttttt", "08:05:09"},
        {moment, "c", "2024-01-05 08:05:09"},
        {day, "c", "2024-01-05"},
        {moment, "hh:mm AM/PM", "08:05 AM"},
        {day + timeSerial(20, 30, 0), "hh:mm AM/PM", "08:30 PM"},
        {day + timeSerial(0, 30, 0), "h:mm am/pm", "12:30 am"},
        {day + timeSerial(12, 0, 0), "h:mm A/P", "12:00 P"},
        {moment, "h:mm a/p", "8:05 a"},
        {moment, "hh:mm AMPM", "08:05 上午"},
        {day + timeSerial(15, 0, 0), "AMPM h:mm", "下午 3:00"},
        {moment, "yyyy\"年\"m\"月\"d\"日\"", "2024年1月5日"},
        {moment, "yyyy年m月d日", "2024年1月5日"},
        {moment, "\\y yyyy", "y 2024"},
        {moment, "Short Date", "2024-01-05"},
        {moment, "long date", "2024年1月5日"},
        {moment, "Long Time", "08:05:09"},
        {moment, "Short Time", "08:05"},
        {moment, "General Date", "2024-01-05 08:05:09"},
    };
    for (const auto &[serial, pattern, expected] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(formatDate(serial, pattern), expected);
    }
    EXPECT_EQ(errorNumberOf([] { formatDate(3e6, "yyyy"); }), ErrorNumber::Overflow);
}

TEST(FormatVariantTest, ChoosesNumberOrDateByThePattern)
{
    const double moment = dateSerial(2024, 1, 1) + 0.75;
    const std::pair<Variant, const char *> numberCases[] = {
        {Variant(0.5), ".50"},           {Variant("0.5"), ".50"},
        {Variant(int16_t{12}), "12.00"}, {Variant(int32_t{-3}), "-3.00"},
        {Variant(true), "-1.00"},        {Variant::date(moment), "45292.75"},
        {Variant("abc"), "abc"},         {Variant("2024-01-05"), "2024-01-05"},
    };
    for (const auto &[value, expected] : numberCases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(format(value, "#.00"), expected);
    }

    const std::pair<Variant, const char *> dateCases[] = {
        {Variant::date(moment), "2024/01/01 18:00"},
        {Variant(moment), "2024/01/01 18:00"},
        {Variant("2024-01-05 10:30"), "2024/01/05 10:30"},
        {Variant("45292.75"), "2024/01/01 18:00"},
        {Variant("abc"), "abc"},
        {Variant("9999999"), "9999999"},
    };
    for (const auto &[value, expected] : dateCases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(format(value, "yyyy/mm/dd hh:nn"), expected);
    }

    // Named number formats hold date letters but are number patterns.
    EXPECT_EQ(format(Variant(1234.567), "Fixed"), "1234.57");
    EXPECT_EQ(format(Variant(1234.567), "Standard"), "1,234.57");
    EXPECT_EQ(format(Variant(0.1234), "Percent"), "12.34%");
    EXPECT_EQ(format(Variant("1234.5"), "General Number"), "1234.5");
    EXPECT_EQ(format(Variant(5.0), "0.00 pcs"), "5.00 pcs");
    EXPECT_EQ(format(Variant(int32_t{1234567}), "#,##0"), "1,234,567");
    EXPECT_EQ(format(Variant::date(moment), "Short Date"), "2024-01-01");
    EXPECT_EQ(format(Variant(), "0.00"), "");
    EXPECT_EQ(format(Variant::null(), "yyyy"), "");
    EXPECT_EQ(format(Variant(int16_t{5}), ""), "5");
    EXPECT_EQ(format(Variant::date(45292), ""), "2024-01-01");
    EXPECT_EQ(format(Variant(1.0 / 3), ""), "0.333333333333333");
    EXPECT_EQ(errorNumberOf([] { format(Variant(ObjectPtr()), "0"); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { format(Variant(1e9), "yyyy"); }), ErrorNumber::Overflow);
}

} // namespace
} // namespace orvan::base
