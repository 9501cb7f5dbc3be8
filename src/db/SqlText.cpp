#include "db/SqlText.h"

#include "base/Convert.h"
#include "base/Error.h"

#include <cmath>

namespace orvan::db {

std::string sqlQuote(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    quoted += '\'';
    return quoted;
}

std::string sqlNumber(long long value)
{
    return std::to_string(value);
}

std::string sqlNumber(double value)
{
    if (!std::isfinite(value))
        throw base::Error::overflow();
    return base::numberToText(value);
}

} // namespace orvan::db
