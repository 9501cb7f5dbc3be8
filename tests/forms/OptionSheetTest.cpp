#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "forms/OptionSheet.h"

using namespace orvan::forms;

namespace {

// The stored value, or "refused: " and the reason with its caption and limit filled in.
std::string accepted(const OptionRow &row, const std::string &typed)
{
    std::string error;
    const auto value = acceptValue(row, typed, error);
    EXPECT_EQ(value.has_value(), error.empty()) << typed;
    return value ? *value : "refused: " + error;
}

OptionRow numberRow(OptionKind kind, std::optional<double> minimum, std::optional<double> maximum)
{
    return {.key = "Days", .caption = "天数", .kind = kind, .minimum = minimum, .maximum = maximum};
}

} // namespace

TEST(OptionSheet, WholeNumbersAreTakenAtBothLimitsAndRefusedJustOutside)
{
    const auto row = numberRow(OptionKind::WholeNumber, 1, 99);
    EXPECT_EQ(accepted(row, "1"), "1");
    EXPECT_EQ(accepted(row, "99"), "99");
    EXPECT_EQ(accepted(row, " 42 "), "42");
    EXPECT_EQ(accepted(row, "0"), "refused: 天数不能小于1");
    EXPECT_EQ(accepted(row, "100"), "refused: 天数不能大于99");
    EXPECT_EQ(accepted(row, "1.5"), "refused: 天数必须是整数");
    EXPECT_EQ(accepted(row, "many"), "refused: 天数必须是数字");
    EXPECT_EQ(accepted(row, ""), "refused: 天数必须是数字");
}

TEST(OptionSheet, DecimalsAreTakenAtBothLimitsAndRefusedJustOutside)
{
    const auto row = numberRow(OptionKind::Decimal, 0.5, 2.5);
    EXPECT_EQ(accepted(row, "0.5"), "0.5");
    EXPECT_EQ(accepted(row, "2.5"), "2.5");
    EXPECT_EQ(accepted(row, "1.25"), "1.25");
    EXPECT_EQ(accepted(row, "0.49"), "refused: 天数不能小于0.5");
    EXPECT_EQ(accepted(row, "2.51"), "refused: 天数不能大于2.5");
    EXPECT_EQ(accepted(row, "1,5"), "refused: 天数必须是数字") << "neither 15 nor 1.5";
    EXPECT_EQ(accepted(row, "1.5x"), "refused: 天数必须是数字");
}

TEST(OptionSheet, AMissingLimitLeavesThatSideOpen)
{
    EXPECT_EQ(accepted(numberRow(OptionKind::WholeNumber, 0, std::nullopt), "1000000"), "1000000");
    EXPECT_EQ(accepted(numberRow(OptionKind::WholeNumber, 0, std::nullopt), "-1"),
              "refused: 天数不能小于0");
    EXPECT_EQ(accepted(numberRow(OptionKind::WholeNumber, std::nullopt, 10), "-1000"), "-1000");
    EXPECT_EQ(accepted(numberRow(OptionKind::WholeNumber, std::nullopt, 10), "11"),
              "refused: 天数不能大于10");
}

TEST(OptionSheet, ReasonAndLimitComeSeparatelyForTranslation)
{
    const auto row = numberRow(OptionKind::WholeNumber, 1, 99);
    std::string reason = "stale";
    std::string argument = "stale";
    EXPECT_FALSE(acceptValue(row, "100", reason, argument));
    EXPECT_EQ(reason, "%1不能大于%2");
    EXPECT_EQ(argument, "99");
    EXPECT_EQ(acceptValue(row, "50", reason, argument), "50");
    EXPECT_EQ(reason, "");
    EXPECT_EQ(argument, "");
}

TEST(OptionSheet, TextIsMeasuredInAnsiBytesUpToTheMaximumLength)
{
    const OptionRow row{.caption = "名称", .kind = OptionKind::Text, .maxLength = 4};
    EXPECT_EQ(accepted(row, "abcd"), "abcd");
    EXPECT_EQ(accepted(row, "存货"), "存货");
    EXPECT_EQ(accepted(row, "abcde"), "refused: 名称的长度不能超过4");
    EXPECT_EQ(accepted(row, "存货a"), "refused: 名称的长度不能超过4");
    const OptionRow unlimited{.caption = "名称", .kind = OptionKind::Text};
    EXPECT_EQ(accepted(unlimited, std::string(300, 'x')), std::string(300, 'x'));
}

TEST(OptionSheet, ListItemsAreChosenByTextOrByIndexWithinTheList)
{
    const OptionRow row{
        .caption = "方式", .kind = OptionKind::List, .listItems = {"先进先出", "加权平均", "计划"}};
    EXPECT_EQ(accepted(row, "加权平均"), "1");
    EXPECT_EQ(accepted(row, "0"), "0");
    EXPECT_EQ(accepted(row, "2"), "2");
    EXPECT_EQ(accepted(row, "3"), "refused: 方式只能是列表中的项目");
    EXPECT_EQ(accepted(row, "-1"), "refused: 方式只能是列表中的项目");
    EXPECT_EQ(accepted(row, "1.5"), "refused: 方式只能是列表中的项目");
    EXPECT_EQ(accepted(row, "后进先出"), "refused: 方式只能是列表中的项目");
}

TEST(OptionSheet, CheckWordsBecomeOneOrZero)
{
    const OptionRow row{.caption = "启用", .kind = OptionKind::Check};
    for (const char *on : {"1", "on", "TRUE", "-1", "√", " On "})
        EXPECT_EQ(accepted(row, on), "1") << on;
    for (const char *off : {"0", "off", "False", ""})
        EXPECT_EQ(accepted(row, off), "0") << off;
    EXPECT_EQ(accepted(row, "yes"), "refused: 启用只能是 on 或 off");
    EXPECT_EQ(accepted(row, "2"), "refused: 启用只能是 on 或 off");
}

TEST(OptionSheet, DisabledRowsRefuseEveryValue)
{
    auto row = numberRow(OptionKind::WholeNumber, 1, 99);
    row.enabled = false;
    EXPECT_EQ(accepted(row, "5"), "refused: 天数不能修改");
    const OptionRow check{.caption = "启用", .kind = OptionKind::Check, .enabled = false};
    EXPECT_EQ(accepted(check, "1"), "refused: 启用不能修改");
    const OptionRow button{.caption = "设置", .kind = OptionKind::Button};
    EXPECT_EQ(accepted(button, "anything"), "");
}

TEST(OptionSheet, DisplayedValuesOfChecksListsAndButtons)
{
    OptionRow check{.kind = OptionKind::Check, .value = "1"};
    EXPECT_EQ(displayValue(check), "√");
    check.value = "0";
    EXPECT_EQ(displayValue(check), "");
    check.value = "";
    EXPECT_EQ(displayValue(check), "");

    OptionRow list{.kind = OptionKind::List, .value = "2", .listItems = {"a", "b", "c"}};
    EXPECT_EQ(displayValue(list), "c");
    list.value = "3";
    EXPECT_EQ(displayValue(list), "3") << "an index outside the list shows as stored";
    list.value = "-1";
    EXPECT_EQ(displayValue(list), "-1");

    EXPECT_EQ(displayValue({.kind = OptionKind::Button}), "...");
    EXPECT_EQ(displayValue({.kind = OptionKind::Decimal, .value = "0.5"}), "0.5");
}
