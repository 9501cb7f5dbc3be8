#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvan::base {

class Variant;

// Numbers and text with the host language's rules on a Chinese-locale machine
// (decimal point ".", thousands separator ",", currency symbol "¥").

// Text recognised as a number the way CDbl and IsNumeric recognise it:
// - blanks around the number (space, tab, CR, LF, no-break and ideographic space);
// - a sign "+" or "-" before or after the digits, or parentheses for a negative;
// - digits with at most one decimal point (".5" and "5." included) and thousands
//   separators anywhere after the first digit ("1,000", also "1,0,0" = 100);
// - an exponent E or D (any case) with optional sign and at least one digit;
// - "&H1F" hexadecimal and "&O17" octal, up to 32 bits; above &H7FFFFFFF they wrap
//   to negative as a Long does ("&HFFFFFFFF" = -1);
// - the currency symbol "¥" before or after the number (not with an exponent).
// Not numeric: "", blanks only, "1.2.3", "12abc", ",5", "1e", "&H", values beyond
// the range of a Double ("1E400").
std::optional<double> parseNumber(std::string_view text);
bool isNumericText(std::string_view text);

// A decimal number written the way SQL and C write it ("1.5", "-2e3", "+7"), read the
// same under every locale; nothing when the text is not one whole number of that form or
// lies beyond the range of a Double ("1e999", "1e-400").
std::optional<double> parseDecimal(std::string_view text);

// IsNumeric: Empty, Boolean, Integer, Long and Double are numeric; a String when
// parseNumber recognises it; Null, Date and objects are not.
bool isNumeric(const Variant &value);

// CDbl, CInt and CLng of text: parseNumber, then the integer rules below.
// Text that is not numeric raises a type mismatch (13), a value out of range an
// overflow (6). Hexadecimal text wraps to the target width the way the host does:
// CInt("&HFFFF") = -1 while CLng("&HFFFF") = 65535.
double textToDouble(std::string_view text);
int16_t textToInteger(std::string_view text);
int32_t textToLong(std::string_view text);

// Rounds to the nearest whole number, a half to the even neighbour (banker's
// rounding, as CInt and CLng round): 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfEven(double value);

// CInt and CLng of a Double: roundHalfEven, then overflow (6) outside
// -32768..32767 or -2147483648..2147483647 (also for NaN and infinities).
int16_t toInteger(double value);
int32_t toLong(double value);

// The host's Val: the longest number prefix of the text after removing every
// blank, tab and line feed. "12abc" -> 12, "1 000" -> 1000, "1,000" -> 1, "" -> 0,
// "&HFFFF" -> -1 (hex and octal wrap as an Integer up to 16 bits, as a Long up to
// 32 bits), "1e3" -> 1000, "1D3" -> 1000. A prefix beyond a Double's range, or a
// radix number beyond 32 bits, raises an overflow (6).
double val(std::string_view text);

// A Double written the way CStr writes it: at most 15 significant digits, no
// trailing zeros, fixed notation for decimal exponents -5 < e < 15 and otherwise
// "1E+15", "1E-05", "1.5E-10". 0.1 + 0.2 -> "0.3"; -0.0 -> "0". Infinities and NaN
// (which the host never holds) come out as "1.#INF", "-1.#INF" and "-1.#IND".
std::string numberToText(double value);

} // namespace orvan::base
