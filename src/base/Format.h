#pragma once

#include <string>
#include <string_view>

namespace orvan::base {

class Variant;

// The host language's Format function on a Chinese-locale machine.

// Format with a number pattern. Supported:
// - digit placeholders "0" (always a digit) and "#" (a digit only when there is
//   one; no leading zero: Format(0.5, "#.00") = ".50", Format(0, "#") = "");
// - one decimal point; the point is written even when no digit follows it
//   (Format(1, "0.##") = "1.");
// - "," between integer placeholders groups thousands ("#,##0"); "," right after
//   the last placeholder of the number divides by 1000 per comma ("#,##0,");
// - "%" multiplies by 100 and is written where it stands;
// - scientific notation "E+00", "E-0", "e+00" after the digits: as many whole digits
//   as the pattern has integer placeholders; "E+" always writes the exponent's sign,
//   "E-" only a minus; the exponent has at least as many digits as it has "0"s;
// - up to three sections "positive;negative;zero" (a negative section writes no
//   sign of its own; an empty section uses the first one);
// - literal text: quoted "..." text, "\x" escapes, and any other character;
// - the named formats "General Number", "Fixed", "Standard", "Percent" (any case);
//   an empty pattern gives numberToText.
// The value is rounded half away from zero on its decimal digits as the host
// writes it at 15 significant digits, so 2.675 with "0.00" gives "2.68". A negative
// value keeps its "-" even when it rounds to zero (Format(-0.001, "0.00") = "-0.00"),
// as the host does; the sign goes before the first digit ("$0.00" gives "$-5.00").
std::string formatNumber(double value, std::string_view pattern);

// Format with a date pattern (letters in any case):
// "yyyy" year, "yy" two-digit year, "y" day of the year, "q" quarter,
// "m"/"mm" month ("m"/"mm" right after an hour means minutes), "mmm" "1月",
// "mmmm" "一月", "d"/"dd" day, "ddd" "周一", "dddd" "星期一", "ddddd" short date
// "yyyy-mm-dd", "dddddd" long date "2024年1月5日", "w" weekday (1 = Sunday),
// "ww" week of the year (the week of 1 January is 1, weeks start on Sunday),
// "h"/"hh" hour, "n"/"nn" minute, "s"/"ss" second, "ttttt" "hh:mm:ss",
// "c" the date as dateToText writes it, "AM/PM" "am/pm" "A/P" "a/p" (12-hour clock
// with that text) and "AMPM" (12-hour clock with "上午"/"下午");
// the named formats "General Date", "Long Date", "Short Date", "Long Time",
// "Short Time". Quoted text, "\x" escapes and other characters are copied.
// ":" is written as ":" and "/" as "/": the host writes its locale's separators
// there, which on the Chinese-locale machines this program replaces are the same
// characters for ":" and a setting-dependent one for "/"; this program writes the
// pattern's characters so that "yyyy/mm/dd" always means slashes.
// An invalid serial raises an overflow (6).
std::string formatDate(double serial, std::string_view pattern);

// Format(value, pattern) for a Variant:
// - Empty and Null give "" (the host gives Null or an empty text);
// - an empty pattern gives value.text();
// - a date pattern (a named date format, or a pattern with any of the letters
//   y m d h n s w q c t outside quotes and no "0" or "#" placeholder) formats the
//   value as a date: a Date, text recognised by parseDate or numeric text, or a
//   number taken as a serial;
// - any other pattern formats the value as a number (a Date by its serial,
//   Boolean True as -1);
// - text that cannot be read as the pattern needs comes back unchanged, as in the
//   host (Format("abc", "0.00") = "abc").
// Objects raise a type mismatch (13).
std::string format(const Variant &value, std::string_view pattern);

} // namespace orvan::base
