#include "base/Format.h"

#include "base/Convert.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "base/FormatPattern.h"
#include "base/Variant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace orvan::base {

namespace {

enum class NumberTokenKind { Literal, Digit, Point, Percent, Exponent };

struct NumberToken
{
    NumberTokenKind kind = NumberTokenKind::Literal;
    std::string text;      // Literal; Exponent: "E" or "e"
    char placeholder = 0;  // Digit: '0' or '#'; Exponent: '+' (sign always) or '-'
    bool fraction = false; // Digit after the decimal point
    int width = 0;         // Exponent: the least number of exponent digits
};

struct NumberPattern
{
    std::vector<NumberToken> tokens;
    int integerPlaceholders = 0;
    int fractionPlaceholders = 0;
    bool grouping = false;
    bool scientific = false;
    int shift = 0; // decimal exponent added to the value: +2 per "%", -3 per scaling ","
};

// The decimal digits of a magnitude as the host writes it (15 significant digits):
// value = 0.digits x 10^pointPos, no trailing zeros; empty digits for zero.
struct DecimalDigits
{
    std::string digits;
    int pointPos = 0;
};

// An exponent "E+00" / "e-0#" at pos: its token, and pos moved past it.
std::optional<NumberToken> exponentToken(std::string_view section, std::size_t &pos)
{
    const char marker = section[pos];
    if ((marker != 'E' && marker != 'e') || pos + 2 >= section.size())
        return std::nullopt;
    const char sign = section[pos + 1];
    if ((sign != '+' && sign != '-') || (section[pos + 2] != '0' && section[pos + 2] != '#'))
        return std::nullopt;
    NumberToken token{NumberTokenKind::Exponent, std::string(1, marker), sign, false, 0};
    for (pos += 2; pos < section.size() && (section[pos] == '0' || section[pos] == '#'); ++pos)
        token.width += section[pos] == '0' ? 1 : 0;
    return token;
}

NumberPattern parseNumberPattern(std::string_view section)
{
    NumberPattern pattern;
    // Each ",": whether it stands after the point, and the placeholders of its part before it.
    std::vector<std::pair<bool, int>> commas;
    bool afterPoint = false;
    auto literal = [&](std::string_view text) {
        if (!pattern.tokens.empty() && pattern.tokens.back().kind == NumberTokenKind::Literal)
            pattern.tokens.back().text += text;
        else
            pattern.tokens.push_back({NumberTokenKind::Literal, std::string(text), 0, false, 0});
    };

    for (std::size_t pos = 0; pos < section.size();) {
        const char c = section[pos];
        if (c == '"' || c == '\\') {
            literal(formatting::quotedOrEscaped(section, pos));
        } else if (c == '0' || c == '#') {
            pattern.tokens.push_back({NumberTokenKind::Digit, {}, c, afterPoint, 0});
            ++(afterPoint ? pattern.fractionPlaceholders : pattern.integerPlaceholders);
            ++pos;
        } else if (c == '.' && !afterPoint) {
            pattern.tokens.push_back({NumberTokenKind::Point, {}, 0, false, 0});
            afterPoint = true;
            ++pos;
        } else if (c == ',') {
            commas.emplace_back(afterPoint, afterPoint ? pattern.fractionPlaceholders
                                                       : pattern.integerPlaceholders);
            ++pos;
        } else if (c == '%') {
            pattern.tokens.push_back({NumberTokenKind::Percent, {}, 0, false, 0});
            pattern.shift += 2;
            ++pos;
        } else if (auto exponent =
                       !pattern.scientific ? exponentToken(section, pos) : std::nullopt) {
            pattern.tokens.push_back(std::move(*exponent));
            pattern.scientific = true;
        } else {
            literal(section.substr(pos, 1));
            ++pos;
        }
    }

    // A "," between integer placeholders groups thousands; one after the last
    // placeholder of the number divides it by 1000.
    for (const auto &[fraction, before] : commas) {
        const bool endOfWhole = !fraction && before > 0 && before == pattern.integerPlaceholders;
        const bool endOfFraction = fraction && before == pattern.fractionPlaceholders &&
                                   before + pattern.integerPlaceholders > 0;
        if (!fraction && before > 0 && before < pattern.integerPlaceholders)
            pattern.grouping = true;
        else if (endOfWhole || endOfFraction)
            pattern.shift -= 3;
    }
    return pattern;
}

DecimalDigits decimalDigits(double magnitude)
{
    DecimalDigits result;
    if (magnitude == 0)
        return result;
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e))
        if (c != '.')
            result.digits += c;
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    result.pointPos = exponent + 1;
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

// Rounds half away from zero to `places` decimals. Gives the whole digits (no
// leading zeros, empty for zero) and exactly `places` fraction digits.
void roundDigits(const DecimalDigits &value, int places, std::string &whole, std::string &fraction)
{
    const long cut = static_cast<long>(value.pointPos) + places; // digits kept
    const auto size = static_cast<long>(value.digits.size());
    std::string units; // the rounded value in units of 10^-places
    if (cut > 0) {
        units = value.digits.substr(0, static_cast<std::size_t>(std::min(cut, size)));
        if (cut > size)
            units.append(static_cast<std::size_t>(cut - size), '0');
    }
    const bool roundUp =
        cut >= 0 && cut < size && value.digits[static_cast<std::size_t>(cut)] >= '5';
    if (roundUp) {
        long i = static_cast<long>(units.size()) - 1;
        for (; i >= 0 && units[static_cast<std::size_t>(i)] == '9'; --i)
            units[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++units[static_cast<std::size_t>(i)];
        else
            units.insert(units.begin(), '1');
    }
    if (units.size() < static_cast<std::size_t>(places))
        units.insert(0, static_cast<std::size_t>(places) - units.size(), '0');
    whole = units.substr(0, units.size() - static_cast<std::size_t>(places));
    fraction = units.substr(units.size() - static_cast<std::size_t>(places));
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole.erase(0, firstNonZero == std::string::npos ? whole.size() : firstNonZero);
}

// The value's digits as the pattern writes them: whole and fraction digits, and the
// exponent of a scientific pattern.
struct RoundedNumber
{
    std::string whole;
    std::string fraction;
    int exponent = 0;
};

RoundedNumber roundForPattern(const NumberPattern &pattern, double value)
{
    DecimalDigits digits = decimalDigits(std::fabs(value));
    RoundedNumber result;
    if (!digits.digits.empty())
        digits.pointPos += pattern.shift;
    if (!pattern.scientific || digits.digits.empty()) {
        roundDigits(digits, pattern.fractionPlaceholders, result.whole, result.fraction);
        return result;
    }
    // As many whole digits as the pattern has integer placeholders; a carry of the
    // rounding (9.999 -> 10.00) moves one more digit into the exponent.
    result.exponent = digits.pointPos - pattern.integerPlaceholders;
    digits.pointPos = pattern.integerPlaceholders;
    roundDigits(digits, pattern.fractionPlaceholders, result.whole, result.fraction);
    if (static_cast<int>(result.whole.size()) > pattern.integerPlaceholders) {
        ++result.exponent;
        --digits.pointPos;
        roundDigits(digits, pattern.fractionPlaceholders, result.whole, result.fraction);
    }
    return result;
}

std::string exponentText(const NumberToken &token, int exponent)
{
    std::string out = token.text;
    if (exponent < 0)
        out += '-';
    else if (token.placeholder == '+')
        out += '+';
    const std::string number = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(number.size()) < token.width)
        out.append(static_cast<std::size_t>(token.width) - number.size(), '0');
    return out + number;
}

// A program formats with a handful of patterns (a list's columns, the status bar's load
// time), so each thread parses each pattern once.
const NumberPattern &parsedNumberPattern(std::string_view section)
{
    constexpr std::size_t Kept = 256; // beyond this the patterns are not a handful
    thread_local std::map<std::string, NumberPattern, std::less<>> parsed;
    if (const auto found = parsed.find(section); found != parsed.end())
        return found->second;
    if (parsed.size() >= Kept)
        parsed.clear();
    return parsed.emplace(std::string(section), parseNumberPattern(section)).first->second;
}

std::string renderNumber(const NumberPattern &pattern, double value, bool writeSign)
{
    const RoundedNumber rounded = roundForPattern(pattern, value);
    const std::string &whole = rounded.whole;
    const std::string &fraction = rounded.fraction;

    const int places = pattern.integerPlaceholders;
    const auto wholeSize = static_cast<int>(whole.size());
    int zerosFrom = -1; // position (from the right) of the leftmost "0" integer placeholder
    int lastSignificant = -1;
    for (int i = 0; i < static_cast<int>(fraction.size()); ++i)
        if (fraction[static_cast<std::size_t>(i)] != '0')
            lastSignificant = i;
    {
        int index = 0;
        for (const NumberToken &token : pattern.tokens)
            if (token.kind == NumberTokenKind::Digit && !token.fraction) {
                if (token.placeholder == '0')
                    zerosFrom = std::max(zerosFrom, places - 1 - index);
                ++index;
            }
    }

    std::string out;
    bool signWritten = !writeSign;
    auto sign = [&] {
        if (!signWritten)
            out += '-';
        signWritten = true;
    };
    // Writes one integer digit at its position from the right, then a separator.
    auto put = [&](char digit, int position) {
        out += digit;
        if (pattern.grouping && position > 0 && position % 3 == 0)
            out += ',';
    };
    auto putWholeFrom = [&](int lowest) {
        for (int position = wholeSize - 1; position >= lowest; --position)
            put(whole[static_cast<std::size_t>(wholeSize - 1 - position)], position);
    };

    int integerIndex = 0;
    int fractionIndex = 0;
    for (const NumberToken &token : pattern.tokens) {
        switch (token.kind) {
        case NumberTokenKind::Literal:
            out += token.text;
            break;
        case NumberTokenKind::Percent:
            out += '%';
            break;
        case NumberTokenKind::Exponent:
            out += exponentText(token, rounded.exponent);
            break;
        case NumberTokenKind::Point:
            sign();
            if (places == 0)
                putWholeFrom(0);
            out += '.';
            break;
        case NumberTokenKind::Digit:
            sign();
            if (token.fraction) {
                const int i = fractionIndex++;
                if (token.placeholder == '0' || i <= lastSignificant)
                    out += fraction[static_cast<std::size_t>(i)];
            } else {
                const int position = places - 1 - integerIndex++;
                if (position == places - 1 && wholeSize > position)
                    putWholeFrom(position);
                else if (position < wholeSize)
                    put(whole[static_cast<std::size_t>(wholeSize - 1 - position)], position);
                else if (position <= zerosFrom)
                    put('0', position);
            }
            break;
        }
    }
    return out;
}

// "#.00" as the status bar's load time asks for it, without the general path's
// 15-digit text: for a positive value whose hundredths lie clear of a rounding tie, that
// text rounds as the value itself does. Nothing when the general path must decide.
std::optional<std::string> hashPointZeroZero(double value)
{
    // Below 1e7 the 15-digit rounding moves the hundredths by under 1e-6. Short loads
    // are timed in milliseconds well below one hundredth.
    if (!(value > 0 && value < 1e7))
        return std::nullopt;
    const double hundredths = value * 100;
    const double below = std::floor(hundredths);
    const double rest = hundredths - below;
    if (std::fabs(rest - 0.5) < 1e-3)
        return std::nullopt;
    const auto units = static_cast<long long>(below) + (rest > 0.5 ? 1 : 0);
    char text[32];
    char *end = text;
    if (units >= 100)
        end = std::to_chars(text, text + sizeof text, units / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + units / 10 % 10);
    *end++ = static_cast<char>('0' + units % 10);
    return std::string(text, end);
}

} // namespace

std::string formatNumber(double value, std::string_view pattern)
{
    if (pattern == "#.00") {
        if (auto text = hashPointZeroZero(value))
            return std::move(*text);
    }
    if (const std::optional<std::string_view> named = formatting::namedNumberPattern(pattern))
        pattern = *named;
    if (pattern.empty() || !std::isfinite(value))
        return numberToText(value);
    const formatting::PatternSections sections = formatting::splitSections(pattern);
    auto section = [&](std::size_t index) { return sections[index]; };

    // The section follows the value's text at 15 digits, as the host decides it.
    const bool negative = value < 0;
    const bool zero = value == 0;
    std::string_view chosen = section(0);
    bool writeSign = negative;
    if (negative && !section(1).empty()) {
        chosen = section(1);
        writeSign = false;
    } else if (zero && !section(2).empty()) {
        chosen = section(2);
    }
    if (chosen.empty())
        return numberToText(value);
    return renderNumber(parsedNumberPattern(chosen), value, writeSign);
}

std::string format(const Variant &value, std::string_view pattern)
{
    if (value.isEmpty() || value.isNull())
        return {};
    if (value.isObject())
        throw Error::typeMismatch();
    if (pattern.empty())
        return value.text();

    if (formatting::isDatePattern(pattern)) {
        double serial = 0;
        if (value.isString()) {
            const std::string &text = value.stringValue();
            std::optional<double> parsed = parseDate(text);
            if (!parsed)
                parsed = parseNumber(text);
            if (!parsed || !isValidDateSerial(*parsed))
                return text;
            serial = *parsed;
        } else {
            serial = value.toDouble();
        }
        return formatDate(serial, pattern);
    }

    if (value.isString()) {
        const std::optional<double> number = parseNumber(value.stringValue());
        return number ? formatNumber(*number, pattern) : value.stringValue();
    }
    return formatNumber(value.toDouble(), pattern);
}

} // namespace orvan::base
