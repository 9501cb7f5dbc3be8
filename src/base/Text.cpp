#include "base/Text.h"

#include <algorithm>

namespace orvan::base {
namespace {

char foldAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character with the given 0-based index (or the text's end).
std::size_t byteOffsetOfChar(std::string_view text, std::size_t index)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i]))
            continue;
        if (chars == index)
            return i;
        ++chars;
    }
    return text.size();
}

} // namespace

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string upperCase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), foldAscii);
    return result;
}

std::string lowerCase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
    return result;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithNoCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::size_t findNoCase(std::string_view text, std::string_view needle, std::size_t start)
{
    if (start > text.size())
        return npos;
    if (needle.empty())
        return start;
    if (needle.size() > text.size())
        return npos;
    const std::size_t last = text.size() - needle.size(); // the last place a match starts
    // Candidates are the places of the first letter in either case, each found by a
    // memchr and looked for again only once it is passed.
    const char upper = foldAscii(needle.front());
    const char lower = lowerAscii(needle.front());
    std::size_t atUpper = text.find(upper, start);
    std::size_t atLower = upper == lower ? npos : text.find(lower, start);
    while (true) {
        const std::size_t at = std::min(atUpper, atLower);
        if (at == npos || at > last)
            return npos;
        if (equalsNoCase(text.substr(at, needle.size()), needle))
            return at;
        if (at == atUpper)
            atUpper = text.find(upper, at + 1);
        else
            atLower = text.find(lower, at + 1);
    }
}

SplitOnce splitOnce(std::string_view text, std::string_view delimiter)
{
    const auto at = delimiter.empty() ? npos : findNoCase(text, delimiter);
    if (at == npos)
        return {std::string(text), {}, false};
    return {std::string(text.substr(0, at)), std::string(text.substr(at + delimiter.size())), true};
}

std::vector<std::string> splitAll(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t from = 0;
    for (auto at = text.find(delimiter); at != npos; at = text.find(delimiter, from)) {
        pieces.emplace_back(text.substr(from, at - from));
        from = at + delimiter.size();
    }
    pieces.emplace_back(text.substr(from));
    return pieces;
}

std::string formatTemplate(std::string_view templ, const std::vector<Variant> &arguments)
{
    std::string result;
    result.reserve(templ.size());
    for (std::size_t i = 0; i < templ.size(); ++i) {
        std::size_t digitsEnd = i + 1;
        std::size_t number = 0;
        // Take the longest run of digits that still names an argument ("%12" with two
        // arguments is "%1" followed by "2").
        std::size_t matchedEnd = 0;
        std::size_t matchedNumber = 0;
        while (templ[i] == '%' && digitsEnd < templ.size() && templ[digitsEnd] >= '0' &&
               templ[digitsEnd] <= '9') {
            number = number * 10 + static_cast<std::size_t>(templ[digitsEnd] - '0');
            ++digitsEnd;
            if (number >= 1 && number <= arguments.size()) {
                matchedEnd = digitsEnd;
                matchedNumber = number;
            }
            if (number > arguments.size())
                break;
        }
        if (matchedEnd != 0) {
            result += arguments[matchedNumber - 1].text();
            i = matchedEnd - 1;
        } else {
            result += templ[i];
        }
    }
    return result;
}

std::size_t charCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

std::string leftChars(std::string_view text, std::size_t count)
{
    return std::string(text.substr(0, byteOffsetOfChar(text, count)));
}

std::string rightChars(std::string_view text, std::size_t count)
{
    const auto total = charCount(text);
    if (count >= total)
        return std::string(text);
    return std::string(text.substr(byteOffsetOfChar(text, total - count)));
}

std::string midChars(std::string_view text, std::size_t start, std::size_t count)
{
    if (start == 0)
        start = 1;
    const auto from = byteOffsetOfChar(text, start - 1);
    const auto to = count == npos ? text.size() : byteOffsetOfChar(text, start - 1 + count);
    return std::string(text.substr(from, to - from));
}

} // namespace orvan::base
