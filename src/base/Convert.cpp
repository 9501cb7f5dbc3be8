#include "base/Convert.h"

#include "base/Error.h"
#include "base/Variant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvan::base {

namespace {

enum class ParseStatus { Ok, NotNumeric, Overflow };

// The outcome of reading numeric text. Radix numbers ("&H", "&O") keep their bits
// because their wrap to a negative value depends on the target width.
struct ParsedNumber
{
    ParseStatus status = ParseStatus::NotNumeric;
    double value = 0;
    bool radix = false;
    uint64_t bits = 0;
    bool negative = false;
};

constexpr std::string_view CurrencySymbol = "\xC2\xA5"; // ¥ (U+00A5)
constexpr uint64_t MaxRadixBits = 0xFFFFFFFFu;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the blank at pos: ASCII white space, no-break space, ideographic space.
std::size_t blankLength(std::string_view text, std::size_t pos)
{
    const char c = text[pos];
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (text.substr(pos, 2) == "\xC2\xA0")
        return 2;
    if (text.substr(pos, 3) == "\xE3\x80\x80")
        return 3;
    return 0;
}

std::size_t currencyLength(std::string_view text, std::size_t pos)
{
    return text.substr(pos, CurrencySymbol.size()) == CurrencySymbol ? CurrencySymbol.size() : 0;
}

int radixDigit(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

// The base of a radix prefix "&H" / "&O" at pos, or 0.
int radixBase(std::string_view text, std::size_t pos)
{
    if (pos + 1 >= text.size() || text[pos] != '&')
        return 0;
    const char kind = text[pos + 1];
    if (kind == 'H' || kind == 'h')
        return 16;
    if (kind == 'O' || kind == 'o')
        return 8;
    return 0;
}

// Reads radix digits from pos; saturates above 32 bits so the caller can report overflow.
std::size_t readRadixDigits(std::string_view text, std::size_t pos, int base, uint64_t &bits)
{
    const std::size_t start = pos;
    bits = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = radixDigit(text[pos], base);
        if (digit < 0)
            break;
        if (bits <= MaxRadixBits)
            bits = bits * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    return pos - start;
}

// Converts clean decimal text ("123.45e-6", no sign) to a Double. A value beyond a
// Double's range is an overflow; one too small for a Double is zero.
ParseStatus decimalValue(const std::string &clean, int exponent, double &value)
{
    std::string text = clean;
    if (exponent != 0)
        text += 'e' + std::to_string(exponent);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc())
        return std::isinf(value) ? ParseStatus::Overflow : ParseStatus::Ok;
    if (error != std::errc::result_out_of_range)
        return ParseStatus::NotNumeric;

    // Out of range: decide between overflow and underflow by the decimal exponent of
    // the first significant digit.
    const std::size_t point = clean.find('.');
    const long intDigits = static_cast<long>(point == std::string::npos ? clean.size() : point);
    long digitIndex = 0;
    for (const char c : clean) {
        if (c == '.')
            continue;
        if (c != '0')
            break;
        ++digitIndex;
    }
    if (intDigits - 1 - digitIndex + exponent > 0)
        return ParseStatus::Overflow;
    value = 0;
    return ParseStatus::Ok;
}

// Reads the mantissa digits, decimal point and thousands separators from pos into
// clean; returns the position after them.
std::size_t readMantissa(std::string_view text, std::size_t pos, std::string &clean, bool &sawDigit)
{
    bool sawPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            clean += c;
            sawDigit = true;
        } else if (c == ',' && sawDigit) {
            continue; // thousands separator, allowed anywhere after the first digit
        } else if (c == '.' && !sawPoint) {
            clean += c;
            sawPoint = true;
        } else {
            break;
        }
    }
    return pos;
}

// Reads "E[+|-]digits" (also D) at pos. Returns the position after it, or npos when
// the exponent is incomplete; pos itself when there is no exponent.
std::size_t readExponent(std::string_view text, std::size_t pos, int &exponent)
{
    exponent = 0;
    if (pos >= text.size())
        return pos;
    const char marker = text[pos];
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D')
        return pos;
    std::size_t i = pos + 1;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    long magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), 100000L);
    if (i == digitsStart)
        return std::string_view::npos;
    exponent = static_cast<int>(negative ? -magnitude : magnitude);
    return i;
}

// The signs, parentheses and currency symbol around the digits.
struct Symbols
{
    bool plus = false;
    bool minus = false;
    bool paren = false;
    bool closed = false;
    bool currency = false;
    bool trailingPlus = false;
    bool trailingMinus = false;
};

std::size_t readLeadingSymbols(std::string_view text, std::size_t pos, Symbols &symbols)
{
    while (pos < text.size()) {
        const char c = text[pos];
        if (const std::size_t blank = blankLength(text, pos)) {
            pos += blank;
        } else if (c == '+' && !symbols.plus) {
            symbols.plus = true;
            ++pos;
        } else if (c == '-' && !symbols.minus) {
            symbols.minus = true;
            ++pos;
        } else if (c == '(' && !symbols.paren) {
            symbols.paren = true;
            ++pos;
        } else if (const std::size_t length = !symbols.currency ? currencyLength(text, pos) : 0) {
            symbols.currency = true;
            pos += length;
        } else {
            break;
        }
    }
    return pos;
}

// Reads the radix or decimal number at pos into result; returns the position after
// it, or npos when there is no complete number.
std::size_t readNumberBody(std::string_view text, std::size_t pos, const Symbols &symbols,
                           ParsedNumber &result)
{
    constexpr std::size_t Failed = std::string_view::npos;
    if (const int base = symbols.currency ? 0 : radixBase(text, pos)) {
        result.radix = true;
        const std::size_t count = readRadixDigits(text, pos + 2, base, result.bits);
        return count == 0 ? Failed : pos + 2 + count;
    }
    std::string clean;
    bool sawDigit = false;
    pos = readMantissa(text, pos, clean, sawDigit);
    if (!sawDigit)
        return Failed;
    int exponent = 0;
    if (!symbols.currency) {
        pos = readExponent(text, pos, exponent);
        if (pos == Failed)
            return Failed;
    }
    result.status = decimalValue(clean, exponent, result.value);
    return result.status == ParseStatus::NotNumeric ? Failed : pos;
}

std::size_t readTrailingSymbols(std::string_view text, std::size_t pos, bool radix,
                                Symbols &symbols)
{
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ',' && !radix) {
            ++pos; // thousands separator after the digits
        } else if (const std::size_t blank = blankLength(text, pos)) {
            pos += blank;
        } else if (c == '+' && !symbols.plus && !symbols.trailingPlus) {
            symbols.trailingPlus = true;
            ++pos;
        } else if (c == '-' && !symbols.minus && !symbols.trailingMinus) {
            symbols.trailingMinus = true;
            ++pos;
        } else if (c == ')' && symbols.paren && !symbols.closed) {
            symbols.closed = true;
            ++pos;
        } else if (const std::size_t length =
                       (!symbols.currency && !radix) ? currencyLength(text, pos) : 0) {
            symbols.currency = true;
            pos += length;
        } else {
            break;
        }
    }
    return pos;
}

// Recognises numeric text the way the host's string-to-number conversion does:
// leading symbols, the number, trailing symbols; everything must be used.
ParsedNumber parseNumberText(std::string_view text)
{
    ParsedNumber result;
    Symbols symbols;
    std::size_t pos = readLeadingSymbols(text, 0, symbols);
    pos = readNumberBody(text, pos, symbols, result);
    if (pos == std::string_view::npos)
        return ParsedNumber{};
    pos = readTrailingSymbols(text, pos, result.radix, symbols);
    if (pos != text.size() || symbols.paren != symbols.closed)
        return ParsedNumber{};

    result.negative = symbols.minus || symbols.trailingMinus || symbols.paren;
    if (result.radix) {
        result.status = result.bits > MaxRadixBits ? ParseStatus::Overflow : ParseStatus::Ok;
        // Above &H7FFFFFFF the bits wrap to a negative Long.
        result.value = static_cast<int32_t>(static_cast<uint32_t>(result.bits));
    }
    if (result.negative && result.value != 0)
        result.value = -result.value;
    return result;
}

ParsedNumber parseOrThrow(std::string_view text)
{
    ParsedNumber parsed = parseNumberText(text);
    if (parsed.status == ParseStatus::NotNumeric)
        throw Error::typeMismatch();
    if (parsed.status == ParseStatus::Overflow)
        throw Error::overflow();
    return parsed;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    const ParsedNumber parsed = parseNumberText(text);
    if (parsed.status != ParseStatus::Ok)
        return std::nullopt;
    return parsed.value;
}

bool isNumericText(std::string_view text)
{
    return parseNumberText(text).status == ParseStatus::Ok;
}

bool isNumeric(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
        return true;
    case VarType::String:
        return isNumericText(value.stringValue());
    case VarType::Null:
    case VarType::Date:
    case VarType::Object:
        return false;
    }
    return false;
}

double textToDouble(std::string_view text)
{
    return parseOrThrow(text).value;
}

int16_t textToInteger(std::string_view text)
{
    const ParsedNumber parsed = parseOrThrow(text);
    if (!parsed.radix)
        return toInteger(parsed.value);
    // Hexadecimal and octal text fills the 16 bits of an Integer before its sign.
    if (parsed.bits > 0xFFFFu)
        throw Error::overflow();
    const int32_t wrapped = static_cast<int16_t>(static_cast<uint16_t>(parsed.bits));
    return toInteger(static_cast<double>(parsed.negative ? -wrapped : wrapped));
}

int32_t textToLong(std::string_view text)
{
    // Radix text has already wrapped to the 32 bits of a Long.
    return toLong(parseOrThrow(text).value);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int16_t toInteger(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw Error::overflow();
    return static_cast<int16_t>(rounded);
}

int32_t toLong(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw Error::overflow();
    return static_cast<int32_t>(rounded);
}

double val(std::string_view text)
{
    // Blanks, tabs and line feeds are removed wherever they are.
    std::string squeezed;
    squeezed.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;

    if (const int base = radixBase(squeezed, 0)) {
        uint64_t bits = 0;
        readRadixDigits(squeezed, 2, base, bits);
        if (bits > MaxRadixBits)
            throw Error::overflow();
        if (bits <= 0xFFFFu)
            return static_cast<int16_t>(static_cast<uint16_t>(bits));
        return static_cast<int32_t>(static_cast<uint32_t>(bits));
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < squeezed.size() && (squeezed[pos] == '+' || squeezed[pos] == '-'))
        negative = squeezed[pos++] == '-';

    std::string clean;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; pos < squeezed.size(); ++pos) {
        const char c = squeezed[pos];
        if (isDigit(c)) {
            clean += c;
            sawDigit = true;
        } else if (c == '.' && !sawPoint) {
            clean += c;
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return 0;
    int exponent = 0;
    if (readExponent(squeezed, pos, exponent) == std::string_view::npos)
        exponent = 0; // "1e" and "1e+" read as 1

    double value = 0;
    if (decimalValue(clean, exponent, value) == ParseStatus::Overflow)
        throw Error::overflow();
    return negative && value != 0 ? -value : value;
}

std::string numberToText(double value)
{
    if (std::isnan(value))
        return "-1.#IND";
    if (std::isinf(value))
        return value > 0 ? "1.#INF" : "-1.#INF";
    if (value == 0)
        return "0";
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char &c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace orvan::base
