#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Dictionary.h"

// The login's shared property string and the small services built on it: parsing,
// lookups, the rights check and F1 help. State lives in ProcessState.
namespace orvan::component {

// Parses a property string: entries "name=value;", a value beginning with "{" runs to
// the next single "}" (and may hold ";" and "="; "}}" inside stands for "}"); plain
// values are trimmed, braced ones kept as written. Names ignore case; a name given twice
// ends the parse with the entries before it kept.
base::Dictionary parseLoginPropsText(std::string_view text);

// A value as a property string writes it: braced when it holds ";", "=", braces or
// blanks at either end, with each "}" inside doubled, so that it reads back unchanged.
std::string quoteLoginValue(std::string_view value);

// Writes entries back as a property string, bracing values that need it.
std::string composeLoginProps(const base::Dictionary &entries);

// The property string with one entry set (added at the end when absent).
std::string withLoginProp(std::string_view text, std::string_view name, std::string_view value);

// The shared property string of this process, read afresh from "PropStore.ShareProps".
std::string LoginPropsString();

// Replaces loginProps with the parse of text and remembers text.
void ParseLoginProps(std::string_view text);

// The parsed entry; an absent name raises error 5.
std::string GetLoginProp(std::string_view name);

// The "UserID" entry as a number.
int32_t CurrentUserID();

// The value of an entry by plain text search in a fresh read of the property string
// ("" when absent). Finds any entry whose name ends with name; braces are not removed.
std::string ScanLoginProp(std::string_view name);
// The same search in a given property string.
std::string scanLoginPropIn(std::string_view propsString, std::string_view name);

// The login's "OrvanVersion" ("" when absent), read once per login: a click asks for it.
std::string LoginEdition();

// Whether an edition is one of the licensed editions ("ZSE", "ZEE"), which leave the
// retail and store options out.
bool isLicensedEdition(std::string_view edition);

// Forgets the edition read once, for a login published anew.
void forgetLoginEdition();

// Asks the rights component; on refusal tells the user and returns false.
bool CheckRight(int32_t objectId, int32_t rightId, int32_t mask);

// Handles F1 (key code 112) by showing the help topic; false for any other key.
bool ShowHelp(int32_t keyCode, int32_t helpId, std::string_view helpName, int32_t third,
              std::string_view helpSystem, int32_t fifth);

inline constexpr int32_t KeyF1 = 112;
inline constexpr const char *NoRightText = "对不起，您没有相应的权限！";

} // namespace orvan::component
