#include "base/FormatPattern.h"

#include "base/Text.h"

#include <algorithm>

namespace orvan::base::formatting {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t utf8Length(char lead)
{
    const auto byte = static_cast<unsigned char>(lead);
    if (byte >= 0xF0)
        return 4;
    if (byte >= 0xE0)
        return 3;
    if (byte >= 0xC0)
        return 2;
    return 1;
}

struct NamedPattern
{
    std::string_view name;
    std::string_view pattern;
};

// The named date formats as a Chinese-locale machine with the short date
// "yyyy-mm-dd" and the time "hh:mm:ss" writes them.
constexpr NamedPattern NamedDatePatterns[] = {
    {"General Date", "c"},     {"Long Date", "dddddd"}, {"Short Date", "ddddd"},
    {"Long Time", "hh:mm:ss"}, {"Short Time", "hh:mm"},
};

constexpr NamedPattern NamedNumberPatterns[] = {
    {"General Number", ""},
    {"Fixed", "0.00"},
    {"Standard", "#,##0.00"},
    {"Percent", "0.00%"},
};

} // namespace

std::string_view quotedOrEscaped(std::string_view pattern, std::size_t &pos)
{
    if (pattern[pos] == '\\') {
        if (pos + 1 >= pattern.size()) {
            ++pos;
            return {};
        }
        const std::size_t length = std::min(utf8Length(pattern[pos + 1]), pattern.size() - pos - 1);
        const std::string_view text = pattern.substr(pos + 1, length);
        pos += 1 + length;
        return text;
    }
    const std::size_t close = pattern.find('"', pos + 1);
    const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
    const std::string_view text = pattern.substr(pos + 1, end - pos - 1);
    pos = close == std::string_view::npos ? pattern.size() : close + 1;
    return text;
}

PatternSections splitSections(std::string_view pattern)
{
    PatternSections sections;
    std::size_t count = 0;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        if (c == '"' || c == '\\') {
            quotedOrEscaped(pattern, pos);
        } else if (c == ';') {
            if (count < sections.size())
                sections[count] = pattern.substr(start, pos - start);
            ++count;
            start = ++pos;
        } else {
            ++pos;
        }
    }
    if (count < sections.size())
        sections[count] = pattern.substr(start);
    return sections;
}

std::optional<std::string_view> namedNumberPattern(std::string_view pattern)
{
    for (const NamedPattern &named : NamedNumberPatterns)
        if (equalsNoCase(pattern, named.name))
            return named.pattern;
    return std::nullopt;
}

std::string_view namedDatePattern(std::string_view pattern)
{
    for (const NamedPattern &named : NamedDatePatterns)
        if (equalsNoCase(pattern, named.name))
            return named.pattern;
    return pattern;
}

bool isDatePattern(std::string_view pattern)
{
    if (namedDatePattern(pattern) != pattern)
        return true;
    if (namedNumberPattern(pattern))
        return false;
    bool dateLetter = false;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = lower(pattern[pos]);
        if (c == '"' || c == '\\') {
            quotedOrEscaped(pattern, pos);
            continue;
        }
        if (c == '0' || c == '#')
            return false;
        if (std::string_view("ymdhnswqct").find(c) != std::string_view::npos)
            dateLetter = true;
        ++pos;
    }
    return dateLetter;
}

} // namespace orvan::base::formatting
