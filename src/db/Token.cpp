#include "db/Token.h"

#include <cctype>

namespace orvan::db {

std::string toUpper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = upperAscii(c);
    return result;
}

std::string toLower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return result;
}

std::string Token::name() const
{
    if (text.size() >= 2 && (text.front() == '[' || text.front() == '"')) {
        const char close = text.front() == '[' ? ']' : '"';
        std::string result;
        for (size_t i = 1; i + 1 < text.size(); ++i) {
            result += text[i];
            if (text[i] == close)
                ++i; // doubled closing character
        }
        return result;
    }
    return std::string(text);
}

std::string Token::stringValue() const
{
    std::string result;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        result += text[i];
        if (text[i] == '\'')
            ++i;
    }
    return result;
}

} // namespace orvan::db
