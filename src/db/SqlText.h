#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace orvan::db {

// Every value spliced into SQL text passes through these helpers.

// A text value as a SQL literal: wrapped in single quotes, each quote doubled.
// "abc" -> 'abc'; "O'Neil" -> 'O''Neil'.
std::string sqlQuote(std::string_view text);

// A whole number as SQL text: 31 -> 31, -1 -> -1.
std::string sqlNumber(long long value);

template <std::integral T>
std::string sqlNumber(T value)
{
    return sqlNumber(static_cast<long long>(value));
}
// Booleans have no SQL form of their own; splice 1 or 0 explicitly.
std::string sqlNumber(bool) = delete;

// A real number as the host language writes it (base::numberToText): 0.5 -> 0.5,
// 30 -> 30, 1e20 -> 1E+20.
// Not-a-number and infinities have no SQL form and raise orvan::base::Error.
std::string sqlNumber(double value);

} // namespace orvan::db
