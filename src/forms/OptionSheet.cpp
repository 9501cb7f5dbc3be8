#include "forms/OptionSheet.h"

#include <algorithm>
#include <cmath>

#include "base/Convert.h"
#include "base/Gbk.h"
#include "base/Text.h"
#include "base/Variant.h"

namespace orvan::forms {
namespace {

std::string limitText(double limit)
{
    return base::Variant(limit).text();
}

struct Refusal
{
    std::string &reason;
    std::string &argument;

    void operator()(const char *text, std::string value = {})
    {
        reason = text;
        argument = std::move(value);
    }
};

bool withinLimits(const OptionRow &row, double number, Refusal &refuse)
{
    if (row.minimum && number < *row.minimum) {
        refuse("%1不能小于%2", limitText(*row.minimum));
        return false;
    }
    if (row.maximum && number > *row.maximum) {
        refuse("%1不能大于%2", limitText(*row.maximum));
        return false;
    }
    return true;
}

std::optional<std::string> acceptCheck(const std::string &typed, Refusal &refuse)
{
    const auto word = base::lowerCase(base::trim(typed));
    if (word == "1" || word == "on" || word == "true" || word == "-1" || word == "√")
        return "1";
    if (word == "0" || word == "off" || word == "false" || word.empty())
        return "0";
    refuse("%1只能是 on 或 off");
    return std::nullopt;
}

std::optional<std::string> acceptNumber(const OptionRow &row, const std::string &typed,
                                        Refusal &refuse)
{
    // A plain number only: "1,5" is no 15 and no 1.5, whatever the user's notation.
    const auto number = base::parseDecimal(base::trim(typed));
    if (!number) {
        refuse("%1必须是数字");
        return std::nullopt;
    }
    if (row.kind == OptionKind::WholeNumber && *number != std::floor(*number)) {
        refuse("%1必须是整数");
        return std::nullopt;
    }
    if (!withinLimits(row, *number, refuse))
        return std::nullopt;
    return base::Variant(*number).text();
}

std::optional<std::string> acceptListItem(const OptionRow &row, const std::string &typed,
                                          Refusal &refuse)
{
    const auto found = std::find(row.listItems.begin(), row.listItems.end(), typed);
    if (found != row.listItems.end())
        return std::to_string(found - row.listItems.begin());
    const auto index = base::parseNumber(base::trim(typed));
    if (index && *index >= 0 && *index < static_cast<double>(row.listItems.size()) &&
        *index == std::floor(*index))
        return std::to_string(static_cast<long>(*index));
    refuse("%1只能是列表中的项目");
    return std::nullopt;
}

} // namespace

OptionRow *OptionSheet::row(const std::string &key)
{
    const auto found = std::find_if(rows.begin(), rows.end(), [&key](const OptionRow &row) {
        return base::equalsNoCase(row.key, key);
    });
    return found == rows.end() ? nullptr : &*found;
}

const OptionRow *OptionSheet::row(const std::string &key) const
{
    return const_cast<OptionSheet *>(this)->row(key);
}

std::string displayValue(const OptionRow &row)
{
    switch (row.kind) {
    case OptionKind::Check:
    case OptionKind::Switch:
        return row.value == "0" || row.value.empty() ? "" : "√";
    case OptionKind::List: {
        const auto index = base::parseNumber(row.value);
        if (index && *index >= 0 && *index < static_cast<double>(row.listItems.size()))
            return row.listItems[static_cast<std::size_t>(*index)];
        return row.value;
    }
    case OptionKind::Button:
        return "...";
    default:
        return row.value;
    }
}

std::optional<std::string> acceptValue(const OptionRow &row, const std::string &typed,
                                       std::string &reason, std::string &argument)
{
    reason.clear();
    argument.clear();
    Refusal refuse{reason, argument};
    if (!row.enabled) {
        refuse("%1不能修改");
        return std::nullopt;
    }
    switch (row.kind) {
    case OptionKind::Check:
    case OptionKind::Switch:
        return acceptCheck(typed, refuse);
    case OptionKind::WholeNumber:
    case OptionKind::Decimal:
        return acceptNumber(row, typed, refuse);
    case OptionKind::List:
        return acceptListItem(row, typed, refuse);
    case OptionKind::Text:
        if (row.maxLength > 0 &&
            base::ansiByteLength(typed) > static_cast<std::size_t>(row.maxLength)) {
            refuse("%1的长度不能超过%2", std::to_string(row.maxLength));
            return std::nullopt;
        }
        return typed;
    case OptionKind::Button:
        return std::string();
    }
    return std::nullopt;
}

std::optional<std::string> acceptValue(const OptionRow &row, const std::string &typed,
                                       std::string &error)
{
    std::string argument;
    auto value = acceptValue(row, typed, error, argument);
    const std::pair<const char *, const std::string *> pieces[] = {{"%1", &row.caption},
                                                                   {"%2", &argument}};
    for (const auto &[marker, text] : pieces)
        if (const auto at = error.find(marker); at != std::string::npos)
            error.replace(at, 2, *text);
    return value;
}

} // namespace orvan::forms
