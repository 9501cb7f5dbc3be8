#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"

// Text functions with the host language's rules. Text is UTF-8; letters are folded for
// case only in the ASCII range, which is what every key, code and SQL word here uses.
namespace orvan::base {

inline constexpr std::size_t npos = std::string_view::npos;

// Removes leading and trailing space characters (only " ", as the host's Trim does).
std::string trim(std::string_view text);
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

// Inline: names are compared this way in every lookup of a control, field or key.
inline bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    auto fold = [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}
bool startsWithNoCase(std::string_view text, std::string_view prefix);
bool endsWithNoCase(std::string_view text, std::string_view suffix);
// Byte offset of the first occurrence of needle at or after start, ignoring case; npos
// when absent. An empty needle is found at start.
std::size_t findNoCase(std::string_view text, std::string_view needle, std::size_t start = 0);

// The text split once at the first delimiter (found without regard to case): the piece
// before it and, when it was found, the rest after it.
struct SplitOnce
{
    std::string first;
    std::string rest;
    bool found = false;
};
SplitOnce splitOnce(std::string_view text, std::string_view delimiter);

// Splits at every delimiter (exact match); "" gives one empty piece.
std::vector<std::string> splitAll(std::string_view text, std::string_view delimiter);

// Replaces "%1", "%2", ... by the arguments in order; Empty and Null arguments give "".
// A placeholder without an argument stays as written.
std::string formatTemplate(std::string_view templ, const std::vector<Variant> &arguments);

// Character counts and slices by character (code point), not by byte.
std::size_t charCount(std::string_view text);
std::string leftChars(std::string_view text, std::size_t count);
std::string rightChars(std::string_view text, std::size_t count);
// start is 1-based as in the host's Mid; count npos means "to the end".
std::string midChars(std::string_view text, std::size_t start, std::size_t count = npos);

} // namespace orvan::base
