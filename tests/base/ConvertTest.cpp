#include "base/Convert.h"

#include "base/Variant.h"
#include "support/ErrorNumber.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace orvan::base {
namespace {

using orvan::test::errorNumberOf;

struct TextNumber
{
    const char *text;
    double expected;
};

struct TextError
{
    const char *text;
    long error;
};

TEST(ParseNumberTest, AcceptsNumericTextAsTheHostDoes)
{
    const TextNumber cases[] = {
        {"0", 0},
        {"60", 60},
        {"-60", -60},
        {"+60", 60},
        {"60.5", 60.5},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"007", 7},
        {"0.000", 0},
        {"  12  ", 12},
        {"\t12\t", 12},
        {"\r\n12\r\n", 12},
        {"\xC2\xA0"
         "12",
         12}, // no-break space
        {"\xE3\x80\x80"
         "12"
         "\xE3\x80\x80",
         12}, // ideographic spaces
        {"1,000", 1000},
        {"1,234,567.89", 1234567.89},
        {"1,0,0", 100},
        {"1000,", 1000},
        {"1.2,5", 1.25},
        {"1e3", 1000},
        {"1E3", 1000},
        {"1e+3", 1000},
        {"1e-3", 0.001},
        {"1E03", 1000},
        {"1.5E-10", 1.5E-10},
        {"1D2", 100},
        {"1d-2", 0.01},
        {".5e1", 5},
        {"5.e1", 50},
        {"1e-400", 0},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"&H1F", 31},
        {"&h1f", 31},
        {"&HFFFF", 65535},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&HFFFFFFFF", -1},
        {"&H0000000000FF", 255},
        {"&H1e2", 0x1E2}, // E is a hex digit here, not an exponent
        {"&O17", 15},
        {"&o17", 15},
        {" &H10 ", 16},
        {"-&H10", -16},
        {"5-", -5},
        {"5+", 5},
        {"5 -", -5},
        {"- 5", -5},
        {"+-5", -5},
        {"(5)", -5},
        {"( 5 )", -5},
        {"(-5)", -5},
        {"\xC2\xA5"
         "5",
         5},              // ¥5
        {"5\xC2\xA5", 5}, // 5¥
        {"-\xC2\xA5"
         "5.50",
         -5.5},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        const std::optional<double> parsed = parseNumber(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_DOUBLE_EQ(*parsed, expected);
        EXPECT_TRUE(isNumericText(text));
    }
}

TEST(ParseNumberTest, RefusesTextThatIsNotNumeric)
{
    const char *cases[] = {
        "",     " ",     "\t",     "abc",         "12abc",      "abc12",    "1.2.3",
        ",5",   ",",     ".",      "-",           "+",          "-.",       "1e",
        "1e+",  "1e-",   "e5",     "1e5.5",       "1e5e5",      "&H",       "&O",
        "&O8",  "&HG",   "&H1.5",  "&H1,0",       "--5",        "++5",      "-5-",
        "+5+",  "(5",    "5)",     "((5))",       "1 2",        "1,2 3",    "¥1e2",
        "¥¥5",  "5%",    "$5",     "0x1F",        "１２",       "Infinity", "NaN",
        "True", "1e400", "-1e400", "&H100000000", "2024-01-05", "10:30",    "1/2",
    };
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseNumber(text).has_value());
        EXPECT_FALSE(isNumericText(text));
    }
}

TEST(ParseNumberTest, IsNumericFollowsTheVariantType)
{
    EXPECT_TRUE(isNumeric(Variant()));
    EXPECT_FALSE(isNumeric(Variant::null()));
    EXPECT_TRUE(isNumeric(Variant(true)));
    EXPECT_TRUE(isNumeric(Variant(int16_t{5})));
    EXPECT_TRUE(isNumeric(Variant(int32_t{5})));
    EXPECT_TRUE(isNumeric(Variant(2.5)));
    EXPECT_FALSE(isNumeric(Variant::date(45000)));
    EXPECT_TRUE(isNumeric(Variant(" 12 ")));
    EXPECT_TRUE(isNumeric(Variant("1,000")));
    EXPECT_FALSE(isNumeric(Variant("")));
    EXPECT_FALSE(isNumeric(Variant("12abc")));
    EXPECT_FALSE(isNumeric(Variant(ObjectPtr())));
}

TEST(TextToNumberTest, DoubleRaisesTypeMismatchOrOverflow)
{
    EXPECT_DOUBLE_EQ(textToDouble(" 1,234.5 "), 1234.5);
    const TextError cases[] = {
        {"", ErrorNumber::TypeMismatch},        {"abc", ErrorNumber::TypeMismatch},
        {"12abc", ErrorNumber::TypeMismatch},   {"1e400", ErrorNumber::Overflow},
        {"&H100000000", ErrorNumber::Overflow},
    };
    for (const auto &[text, error] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorNumberOf([&] { textToDouble(text); }), error);
    }
}

TEST(TextToNumberTest, IntegerRoundsHalfToEvenAndChecksItsRange)
{
    const TextNumber values[] = {
        {"2.5", 2},         {"3.5", 4},           {"-2.5", -2},      {"-3.5", -4},
        {"2.4", 2},         {"2.6", 3},           {"32767", 32767},  {"32767.4", 32767},
        {"-32768", -32768}, {"-32768.5", -32768}, {" 12 ", 12},      {"1,234", 1234},
        {"&HFFFF", -1},     {"&H8000", -32768},   {"&H7FFF", 32767}, {"-&H10", -16},
        {"(12)", -12},      {"1e4", 10000},
    };
    for (const auto &[text, expected] : values) {
        SCOPED_TRACE(text);
        EXPECT_EQ(textToInteger(text), expected);
    }
    const TextError errors[] = {
        {"32767.5", ErrorNumber::Overflow},  {"32768", ErrorNumber::Overflow},
        {"-32768.6", ErrorNumber::Overflow}, {"-32769", ErrorNumber::Overflow},
        {"40000", ErrorNumber::Overflow},    {"&H10000", ErrorNumber::Overflow},
        {"-&H8000", ErrorNumber::Overflow},  {"1e5", ErrorNumber::Overflow},
        {"abc", ErrorNumber::TypeMismatch},  {"", ErrorNumber::TypeMismatch},
        {"True", ErrorNumber::TypeMismatch}, {"12 days", ErrorNumber::TypeMismatch},
    };
    for (const auto &[text, error] : errors) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorNumberOf([&] { textToInteger(text); }), error);
    }
}

TEST(TextToNumberTest, LongRoundsHalfToEvenAndChecksItsRange)
{
    const TextNumber values[] = {
        {"2.5", 2},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648.0},
        {"2147483646.5", 2147483646},
        {"-2147483648.5", -2147483648.0},
        {"&HFFFF", 65535},
        {"&HFFFFFFFF", -1},
        {"&H80000000", -2147483648.0},
        {"1e9", 1000000000},
    };
    for (const auto &[text, expected] : values) {
        SCOPED_TRACE(text);
        EXPECT_EQ(textToLong(text), static_cast<int32_t>(expected));
    }
    const TextError errors[] = {
        {"2147483648", ErrorNumber::Overflow},  {"2147483647.5", ErrorNumber::Overflow},
        {"-2147483649", ErrorNumber::Overflow}, {"1e10", ErrorNumber::Overflow},
        {"&H100000000", ErrorNumber::Overflow}, {"1.2.3", ErrorNumber::TypeMismatch},
    };
    for (const auto &[text, error] : errors) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorNumberOf([&] { textToLong(text); }), error);
    }
}

TEST(RoundingTest, RoundHalfEven)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {4.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999, 2},
        {2.5000001, 3},
        {-2.5000001, -3},
        {0.49999999999999994, 0},
        {1e20, 1e20},
        {-7, -7},
        {0, 0},
        {4503599627370495.5, 4503599627370496.0},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(roundHalfEven(value), expected);
    }
}

TEST(RoundingTest, IntegerAndLongOfDouble)
{
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_EQ(toInteger(-32768.5), -32768);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-2.5), -2);
    EXPECT_EQ(toLong(2147483647.4), 2147483647);
    EXPECT_EQ(toLong(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(toLong(3.5), 4);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double value : {32767.5, -32768.6, 1e10, nan, inf, -inf}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorNumberOf([&] { toInteger(value); }), ErrorNumber::Overflow);
    }
    for (const double value : {2147483647.5, -2147483648.6, 1e10, nan, inf}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorNumberOf([&] { toLong(value); }), ErrorNumber::Overflow);
    }
}

TEST(ValTest, ReadsTheLeadingNumber)
{
    const TextNumber cases[] = {
        {"", 0},
        {"12abc", 12},
        {"abc", 0},
        {"  1615 198th Street N.E.", 1615198},
        {"24 and 57", 24},
        {"1 2 3", 123},
        {"\t1\n2", 12},
        {"1,000", 1},
        {"-5", -5},
        {"+5", 5},
        {"- 5", -5},
        {"--5", 0},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"1D3", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"12.5%", 12.5},
        {"&H1F", 31},
        {"&HFFFF", -1},
        {"&H7FFF", 32767},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&O17", 15},
        {"&H", 0},
        {"&HZZ", 0},
        {"(5)", 0},
        {"\xC2\xA5"
         "5",
         0},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(val(text), expected);
    }
    EXPECT_EQ(errorNumberOf([] { val("1e400"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { val("&H100000000"); }), ErrorNumber::Overflow);
}

TEST(NumberToTextTest, WritesADoubleAsTheHostDoes)
{
    const std::pair<double, const char *> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {60, "60"},
        {60.5, "60.5"},
        {-0.25, "-0.25"},
        {0.5, "0.5"},
        {-1, "-1"},
        {100, "100"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {2.675, "2.675"},
        {12345.678, "12345.678"},
        {1e14, "100000000000000"},
        {123456789012345, "123456789012345"},
        {123456789012345.6, "123456789012346"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1234567890123456, "1.23456789012346E+15"},
        {1e100, "1E+100"},
        {-1e-100, "-1E-100"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {1.5e-10, "1.5E-10"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {5e-324, "4.94065645841247E-324"},
        {2147483648.0, "2147483648"},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(numberToText(value), expected);
    }
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity()), "1.#INF");
    EXPECT_EQ(numberToText(-std::numeric_limits<double>::infinity()), "-1.#INF");
}

TEST(NumberToTextTest, TextOfANumberReadsBackAsTheSameText)
{
    for (const double value : {60.5, -0.25, 1e15, 1.5e-10, 123456789012345.0, 0.0001, 1e-5}) {
        const std::string text = numberToText(value);
        SCOPED_TRACE(text);
        const std::optional<double> parsed = parseNumber(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(numberToText(*parsed), text);
    }
}

} // namespace
} // namespace orvan::base

TEST(ParseDecimal, ReadsOneCNumberWholeAndNothingElse)
{
    using orvan::base::parseDecimal;
    EXPECT_EQ(parseDecimal("1.5"), 1.5);
    EXPECT_EQ(parseDecimal("+7"), 7.0);
    EXPECT_EQ(parseDecimal("-2e3"), -2000.0);
    EXPECT_EQ(parseDecimal("1.7976931348623157e308"), 1.7976931348623157e308);
    for (const char *bad :
         {"", "+", "++1", "1,5", "1.5x", " 1", "1e999", "1e-400", "inf", "nan", "0x10", "-"})
        EXPECT_FALSE(parseDecimal(bad).has_value()) << bad;
}
