#include "base/Variant.h"
#include "support/ErrorNumber.h"

#include "base/DateTime.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace orvan::base {
namespace {

using orvan::test::errorNumberOf;

template <typename Expected>
struct ConversionCase
{
    Variant value;
    Expected expected;
};

struct ErrorCase
{
    Variant value;
    long error;
};

std::string describe(const Variant &value)
{
    return "type " + std::to_string(static_cast<int>(value.type())) + ": " +
           (value.isString() ? value.stringValue() : std::string());
}

template <typename Convert>
void expectErrors(const std::vector<ErrorCase> &cases, Convert convert)
{
    for (const ErrorCase &item : cases) {
        SCOPED_TRACE(describe(item.value));
        EXPECT_EQ(errorNumberOf([&] { convert(item.value); }), item.error);
    }
}

const Variant AnObject{ObjectPtr()};

TEST(VariantConvertTest, ToBool)
{
    const ConversionCase<bool> cases[] = {
        {Variant(), false},           {Variant(true), true},       {Variant(false), false},
        {Variant(int16_t{0}), false}, {Variant(int16_t{5}), true}, {Variant(int16_t{-1}), true},
        {Variant(int32_t{0}), false}, {Variant(int32_t{7}), true}, {Variant(0.0), false},
        {Variant(0.1), true},         {Variant::date(0), false},   {Variant::date(1), true},
        {Variant("True"), true},      {Variant("true"), true},     {Variant("TRUE"), true},
        {Variant("False"), false},    {Variant("fAlSe"), false},   {Variant("1"), true},
        {Variant("0"), false},        {Variant("0.0"), false},     {Variant(" 2 "), true},
        {Variant("-1"), true},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(describe(value));
        EXPECT_EQ(value.toBool(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant(""), ErrorNumber::TypeMismatch},
            {Variant("abc"), ErrorNumber::TypeMismatch},
            {Variant(" True"), ErrorNumber::TypeMismatch},
            {Variant("Yes"), ErrorNumber::TypeMismatch},
            {Variant("1e400"), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toBool(); });
}

TEST(VariantConvertTest, ToInteger)
{
    const ConversionCase<int16_t> cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(false), 0},
        {Variant(int16_t{-32768}), -32768},
        {Variant(int32_t{32767}), 32767},
        {Variant(int32_t{-32768}), -32768},
        {Variant(2.5), 2},
        {Variant(3.5), 4},
        {Variant(-2.5), -2},
        {Variant(-0.5), 0},
        {Variant(32767.49), 32767},
        {Variant::date(1.5), 2},
        {Variant("12"), 12},
        {Variant(" 12 "), 12},
        {Variant("-3"), -3},
        {Variant("12.5"), 12},
        {Variant("13.5"), 14},
        {Variant("1,000"), 1000},
        {Variant("&HFFFF"), -1},
        {Variant("&H7FFF"), 32767},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(describe(value));
        EXPECT_EQ(value.toInteger(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant(""), ErrorNumber::TypeMismatch},
            {Variant("12abc"), ErrorNumber::TypeMismatch},
            {Variant("True"), ErrorNumber::TypeMismatch},
            {Variant(int32_t{40000}), ErrorNumber::Overflow},
            {Variant(int32_t{-32769}), ErrorNumber::Overflow},
            {Variant(32767.5), ErrorNumber::Overflow},
            {Variant(std::numeric_limits<double>::quiet_NaN()), ErrorNumber::Overflow},
            {Variant::date(45292.5), ErrorNumber::Overflow},
            {Variant("40000"), ErrorNumber::Overflow},
            {Variant("&H10000"), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toInteger(); });
}

TEST(VariantConvertTest, ToLong)
{
    const ConversionCase<int32_t> cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(int16_t{-5}), -5},
        {Variant(int32_t{std::numeric_limits<int32_t>::min()}),
         std::numeric_limits<int32_t>::min()},
        {Variant(2147483647.4), 2147483647},
        {Variant(2.5), 2},
        {Variant(-3.5), -4},
        {Variant::date(45292.75), 45293},
        {Variant("1,000"), 1000},
        {Variant("&HFFFF"), 65535},
        {Variant("&HFFFFFFFF"), -1},
        {Variant("-2147483648"), std::numeric_limits<int32_t>::min()},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(describe(value));
        EXPECT_EQ(value.toLong(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant("abc"), ErrorNumber::TypeMismatch},
            {Variant(2.5e9), ErrorNumber::Overflow},
            {Variant(2147483647.5), ErrorNumber::Overflow},
            {Variant("2147483648"), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toLong(); });
}

TEST(VariantConvertTest, ToDouble)
{
    const ConversionCase<double> cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(false), 0},
        {Variant(int16_t{-7}), -7},
        {Variant(int32_t{100000}), 100000},
        {Variant(60.5), 60.5},
        {Variant::date(45292.75), 45292.75},
        {Variant("60.5"), 60.5},
        {Variant(" 1,000.5 "), 1000.5},
        {Variant("&H1F"), 31},
        {Variant("1e3"), 1000},
        {Variant("(2)"), -2},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(describe(value));
        EXPECT_DOUBLE_EQ(value.toDouble(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant(""), ErrorNumber::TypeMismatch},
            {Variant("abc"), ErrorNumber::TypeMismatch},
            {Variant("2024-01-05"), ErrorNumber::TypeMismatch},
            {Variant("1e400"), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toDouble(); });
}

TEST(VariantConvertTest, ToString)
{
    const ConversionCase<std::string> cases[] = {
        {Variant(), ""},
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant(int16_t{-5}), "-5"},
        {Variant(int32_t{2147483647}), "2147483647"},
        {Variant(int32_t{std::numeric_limits<int32_t>::min()}), "-2147483648"},
        {Variant(60.0), "60"},
        {Variant(60.5), "60.5"},
        {Variant(0.1 + 0.2), "0.3"},
        {Variant(1e15), "1E+15"},
        {Variant(0.00001), "1E-05"},
        {Variant::date(45292), "2024-01-01"},
        {Variant::date(45292.75), "2024-01-01 18:00:00"},
        {Variant::date(0.4375), "10:30:00"},
        {Variant::date(0), "00:00:00"},
        {Variant("abc"), "abc"},
        {Variant(""), ""},
        {Variant("中文"), "中文"},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(value.toString(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant::date(3e6), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toString(); });

    EXPECT_EQ(Variant::null().text(), "");
    EXPECT_EQ(Variant().text(), "");
    EXPECT_EQ(Variant(int32_t{5}).text(), "5");
    EXPECT_EQ(Variant::date(45292).text(), "2024-01-01");
    // A temporary hands its string over; a kept value keeps it.
    const std::string longText(100, 'x');
    EXPECT_EQ(Variant(longText).text(), longText);
    Variant kept(longText);
    EXPECT_EQ(kept.text(), longText);
    EXPECT_EQ(kept.stringValue(), longText);
}

TEST(VariantConvertTest, ToDate)
{
    const ConversionCase<double> cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(false), 0},
        {Variant(int16_t{5}), 5},
        {Variant(int32_t{45292}), 45292},
        {Variant(45292.75), 45292.75},
        {Variant::date(-1.25), -1.25},
        {Variant("2024-01-05"), dateSerial(2024, 1, 5)},
        {Variant(" 2024/1/5 10:30 "), dateSerial(2024, 1, 5) + timeSerial(10, 30, 0)},
        {Variant("10:30"), 0.4375},
        {Variant("45292"), 45292},
        {Variant(" 45292.5 "), 45292.5},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(describe(value));
        EXPECT_DOUBLE_EQ(value.toDate(), expected);
    }
    expectErrors(
        {
            {Variant::null(), ErrorNumber::TypeMismatch},
            {AnObject, ErrorNumber::TypeMismatch},
            {Variant(""), ErrorNumber::TypeMismatch},
            {Variant("abc"), ErrorNumber::TypeMismatch},
            {Variant("2023-02-29"), ErrorNumber::TypeMismatch},
            {Variant(3e6), ErrorNumber::Overflow},
            {Variant(int32_t{-700000}), ErrorNumber::Overflow},
            {Variant("3000000"), ErrorNumber::Overflow},
        },
        [](const Variant &value) { value.toDate(); });
}

TEST(VariantConvertTest, TextRoundTripsThroughItsConversions)
{
    // What CStr writes, CDbl and CDate read back.
    for (const double value : {60.5, -0.25, 1e15, 1.5e-10, 123456789012345.0}) {
        const std::string text = Variant(value).toString();
        SCOPED_TRACE(text);
        EXPECT_EQ(Variant(text).toDouble(), value);
    }
    for (const double serial : {45292.0, 45292.75, 0.4375, -1.25}) {
        const std::string text = Variant::date(serial).toString();
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(Variant(text).toDate(), serial);
    }
}

} // namespace
} // namespace orvan::base
