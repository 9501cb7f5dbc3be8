#include "base/DateTime.h"
#include "base/Format.h"
#include "base/FormatPattern.h"
#include "base/Text.h"

#include <algorithm>
#include <charconv>
#include <fmt/format.h>
#include <map>
#include <vector>

namespace orvan::base {

namespace {

enum class DateTokenKind {
    Literal,
    DayOfYear,
    Year2,
    Year4,
    Quarter,
    Month,
    Month2,
    MonthAbbrev,
    MonthName,
    Day,
    Day2,
    DayAbbrev,
    DayName,
    ShortDate,
    LongDate,
    Weekday,
    WeekOfYear,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    LongTime,
    General,
    AmPm,
};

struct DateToken
{
    DateTokenKind kind = DateTokenKind::Literal;
    std::string text; // Literal; AmPm: the morning text
    std::string pm;   // AmPm: the afternoon text
};

// Names as a Chinese-locale machine writes them.
constexpr std::string_view MonthNames[] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                           "七月", "八月", "九月", "十月", "十一月", "十二月"};
constexpr std::string_view DayNames[] = {"星期日", "星期一", "星期二", "星期三",
                                         "星期四", "星期五", "星期六"};
constexpr std::string_view DayAbbreviations[] = {"周日", "周一", "周二", "周三",
                                                 "周四", "周五", "周六"};

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The tokens one run of a repeated letter stands for, longest first.
void letterTokens(char letter, std::size_t run, DateTokenKind previous,
                  std::vector<DateToken> &tokens)
{
    auto push = [&](DateTokenKind kind) { tokens.push_back({kind, {}, {}}); };
    while (run > 0) {
        std::size_t used = 1;
        switch (letter) {
        case 'y':
            used = run >= 4 ? 4 : run >= 2 ? 2 : 1;
            push(used == 4   ? DateTokenKind::Year4
                 : used == 2 ? DateTokenKind::Year2
                             : DateTokenKind::DayOfYear);
            break;
        case 'm': {
            used = std::min<std::size_t>(run, 4);
            const bool minute =
                used <= 2 && (previous == DateTokenKind::Hour || previous == DateTokenKind::Hour2);
            static constexpr DateTokenKind Months[] = {DateTokenKind::Month, DateTokenKind::Month2,
                                                       DateTokenKind::MonthAbbrev,
                                                       DateTokenKind::MonthName};
            push(minute ? (used == 2 ? DateTokenKind::Minute2 : DateTokenKind::Minute)
                        : Months[used - 1]);
            break;
        }
        case 'd': {
            used = std::min<std::size_t>(run, 6);
            static constexpr DateTokenKind Days[] = {
                DateTokenKind::Day,     DateTokenKind::Day2,      DateTokenKind::DayAbbrev,
                DateTokenKind::DayName, DateTokenKind::ShortDate, DateTokenKind::LongDate};
            push(Days[used - 1]);
            break;
        }
        case 'h':
            used = std::min<std::size_t>(run, 2);
            push(used == 2 ? DateTokenKind::Hour2 : DateTokenKind::Hour);
            break;
        case 'n':
            used = std::min<std::size_t>(run, 2);
            push(used == 2 ? DateTokenKind::Minute2 : DateTokenKind::Minute);
            break;
        case 's':
            used = std::min<std::size_t>(run, 2);
            push(used == 2 ? DateTokenKind::Second2 : DateTokenKind::Second);
            break;
        case 'w':
            used = std::min<std::size_t>(run, 2);
            push(used == 2 ? DateTokenKind::WeekOfYear : DateTokenKind::Weekday);
            break;
        case 'q':
            push(DateTokenKind::Quarter);
            break;
        case 'c':
            push(DateTokenKind::General);
            break;
        }
        previous = tokens.back().kind;
        run -= used;
    }
}

std::vector<DateToken> parseDatePattern(std::string_view pattern);

// A number with leading zeros up to width digits, as "{:0width}" formats it; lists format
// one date a row, so this avoids the general formatter.
// Writes a zero-padded non-negative number straight into the text being built.
void appendZeroPadded(std::string &out, int value, size_t width)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto count = static_cast<size_t>(end - digits);
    if (count < width)
        out.append(width - count, '0');
    out.append(digits, count);
}

std::string zeroPadded(int value, size_t width)
{
    if (value < 0)
        return fmt::format("{:0{}}", value, width);
    std::string text;
    appendZeroPadded(text, value, width);
    return text;
}

// Lists and grids format many dates with a few patterns: each is parsed once per thread.
const std::vector<DateToken> &parsedDatePattern(std::string_view pattern)
{
    constexpr size_t KeptPatterns = 16;
    thread_local std::map<std::string, std::vector<DateToken>, std::less<>> parsed;
    if (const auto found = parsed.find(pattern); found != parsed.end())
        return found->second;
    if (parsed.size() >= KeptPatterns)
        parsed.clear();
    return parsed.emplace(std::string(pattern), parseDatePattern(pattern)).first->second;
}

std::vector<DateToken> parseDatePattern(std::string_view pattern)
{
    std::vector<DateToken> tokens;
    DateTokenKind previous = DateTokenKind::Literal;
    auto literal = [&](std::string_view text) {
        if (!tokens.empty() && tokens.back().kind == DateTokenKind::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({DateTokenKind::Literal, std::string(text), {}});
    };

    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = lower(pattern[pos]);
        if (c == '"' || c == '\\') {
            literal(formatting::quotedOrEscaped(pattern, pos));
        } else if (startsWithNoCase(pattern.substr(pos), "am/pm")) {
            tokens.push_back({DateTokenKind::AmPm, std::string(pattern.substr(pos, 2)),
                              std::string(pattern.substr(pos + 3, 2))});
            pos += 5;
        } else if (startsWithNoCase(pattern.substr(pos), "a/p")) {
            tokens.push_back({DateTokenKind::AmPm, std::string(pattern.substr(pos, 1)),
                              std::string(pattern.substr(pos + 2, 1))});
            pos += 3;
        } else if (startsWithNoCase(pattern.substr(pos), "ampm")) {
            tokens.push_back({DateTokenKind::AmPm, "上午", "下午"});
            pos += 4;
        } else if (startsWithNoCase(pattern.substr(pos), "ttttt")) {
            tokens.push_back({DateTokenKind::LongTime, {}, {}});
            pos += 5;
        } else if (std::string_view("ymdhnswqc").find(c) != std::string_view::npos) {
            std::size_t run = 1;
            while (pos + run < pattern.size() && lower(pattern[pos + run]) == c)
                ++run;
            letterTokens(c, run, previous, tokens);
            pos += run;
        } else {
            literal(pattern.substr(pos, 1));
            ++pos;
        }
        if (tokens.back().kind != DateTokenKind::Literal)
            previous = tokens.back().kind;
    }
    return tokens;
}

std::string renderDateToken(const DateToken &token, double serial, const DateParts &parts,
                            bool twelveHour)
{
    // Only the day-of-year tokens need the year's first day.
    const auto newYear = [&parts] { return dateSerial(parts.year, 1, 1); };
    const auto dayOfYear = [&] { return static_cast<int>(dateOnly(serial) - newYear()) + 1; };
    const int hour = twelveHour ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
    switch (token.kind) {
    case DateTokenKind::Literal:
        return token.text;
    case DateTokenKind::DayOfYear:
        return std::to_string(dayOfYear());
    case DateTokenKind::Year2:
        return zeroPadded(parts.year % 100, 2);
    case DateTokenKind::Year4:
        return zeroPadded(parts.year, 4);
    case DateTokenKind::Quarter:
        return std::to_string((parts.month - 1) / 3 + 1);
    case DateTokenKind::Month:
        return std::to_string(parts.month);
    case DateTokenKind::Month2:
        return zeroPadded(parts.month, 2);
    case DateTokenKind::MonthAbbrev:
        return fmt::format("{}月", parts.month);
    case DateTokenKind::MonthName:
        return std::string(MonthNames[parts.month - 1]);
    case DateTokenKind::Day:
        return std::to_string(parts.day);
    case DateTokenKind::Day2:
        return zeroPadded(parts.day, 2);
    case DateTokenKind::DayAbbrev:
        return std::string(DayAbbreviations[weekday(serial) - 1]);
    case DateTokenKind::DayName:
        return std::string(DayNames[weekday(serial) - 1]);
    case DateTokenKind::ShortDate:
        return zeroPadded(parts.year, 4) + "-" + zeroPadded(parts.month, 2) + "-" +
               zeroPadded(parts.day, 2);
    case DateTokenKind::LongDate:
        return fmt::format("{}年{}月{}日", parts.year, parts.month, parts.day);
    case DateTokenKind::Weekday:
        return std::to_string(weekday(serial));
    case DateTokenKind::WeekOfYear:
        return std::to_string((dayOfYear() - 1 + weekday(newYear()) - 1) / 7 + 1);
    case DateTokenKind::Hour:
        return std::to_string(hour);
    case DateTokenKind::Hour2:
        return zeroPadded(hour, 2);
    case DateTokenKind::Minute:
        return std::to_string(parts.minute);
    case DateTokenKind::Minute2:
        return zeroPadded(parts.minute, 2);
    case DateTokenKind::Second:
        return std::to_string(parts.second);
    case DateTokenKind::Second2:
        return zeroPadded(parts.second, 2);
    case DateTokenKind::LongTime:
        return fmt::format("{:02}:{:02}:{:02}", parts.hour, parts.minute, parts.second);
    case DateTokenKind::General:
        return dateToText(serial);
    case DateTokenKind::AmPm:
        return parts.hour < 12 ? token.text : token.pm;
    }
    return {};
}

// The token's text appended to out: the tokens of the usual date and time patterns are
// written in place, the rest through renderDateToken.
void appendDateToken(std::string &out, const DateToken &token, double serial,
                     const DateParts &parts, bool twelveHour)
{
    const auto padded = [&out](int value, size_t width) {
        if (value < 0)
            out += zeroPadded(value, width);
        else
            appendZeroPadded(out, value, width);
    };
    switch (token.kind) {
    case DateTokenKind::Literal:
        out += token.text;
        return;
    case DateTokenKind::Year4:
        return padded(parts.year, 4);
    case DateTokenKind::Month2:
        return padded(parts.month, 2);
    case DateTokenKind::Day2:
        return padded(parts.day, 2);
    case DateTokenKind::Minute2:
        return padded(parts.minute, 2);
    case DateTokenKind::Second2:
        return padded(parts.second, 2);
    default:
        out += renderDateToken(token, serial, parts, twelveHour);
        return;
    }
}

} // namespace

std::string formatDate(double serial, std::string_view pattern)
{
    const DateParts parts = dateParts(serial);
    const std::vector<DateToken> &tokens = parsedDatePattern(formatting::namedDatePattern(pattern));
    bool twelveHour = false;
    for (const DateToken &token : tokens)
        twelveHour = twelveHour || token.kind == DateTokenKind::AmPm;
    std::string out;
    for (const DateToken &token : tokens)
        appendDateToken(out, token, serial, parts, twelveHour);
    return out;
}

} // namespace orvan::base
