#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Pattern-reading helpers shared by the number and date formats of Format.h.
namespace orvan::base::formatting {

// The literal text of a quoted "..." part or a "\x" escape starting at pos (x may
// be any UTF-8 character); pos moves past it. An unclosed quote runs to the end.
std::string_view quotedOrEscaped(std::string_view pattern, std::size_t &pos);

// The first three sections of a pattern (positive, negative, zero), split at ";" outside
// quotes and escapes; absent sections are empty, later ones are left out.
using PatternSections = std::array<std::string_view, 3>;
PatternSections splitSections(std::string_view pattern);

// The pattern behind a named number format ("Fixed", ...; "General Number" is the
// empty pattern), or nothing when the pattern is no such name.
std::optional<std::string_view> namedNumberPattern(std::string_view pattern);

// The pattern behind a named date format ("Short Date", ...), or the pattern itself.
std::string_view namedDatePattern(std::string_view pattern);

// Whether Format reads the pattern as a date pattern: a named date format, or one
// that is no named number format and has a date letter (y m d h n s w q c t)
// outside quotes and no "0" or "#".
bool isDatePattern(std::string_view pattern);

} // namespace orvan::base::formatting
