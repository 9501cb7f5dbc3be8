#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/Object.h"
#include "base/Variant.h"

// The language resources: every user-visible text is written in simplified Chinese and
// translated at run time for the login's "LANGUAGE" ("chs", "CHT" or "EN"). None of these
// functions raises, and none disturbs the caller's pending error (base::PendingError).
namespace orvan::component {

class TranslatableForm;

// The resource base name the windows load their texts from.
inline constexpr const char *ResFileBaseName = "ORVANINDUSTRY";

// Marks a literal as a translation key that is translated later (caption tables); the
// catalog test finds the literals marked this way.
constexpr const char *TextKey(const char *text)
{
    return text;
}

// The login's "LANGUAGE" as given ("chs", "CHT" or "EN", any case; "" when none or
// when no login can be read).
std::string LoginLanguage();

// The text in the login's language. The text is trimmed; a blank text gives "" without
// asking the string loader; a compound text (with "^|^") is translated piece by piece.
// When no string loader is available the text is shown as written.
std::string TranslateText(std::string_view text);

// The fixed words of one window, each translated once for each login language it is
// shown in: a window that shows the same words on every click does not send them to the
// string loader each time. A translation handed out stays valid as long as the object.
class TranslatedTexts
{
public:
    const std::string &operator()(std::string_view text);

private:
    using Texts = std::map<std::string, std::string, std::less<>>; // text -> translation
    std::map<std::string, Texts> m_byLanguage;
};

// A compound text: pieces separated by "^|^"; a piece beginning with "~$~" is translated
// (without the marker), every other piece is taken as it stands; joined without separator.
std::string TranslateCompound(std::string_view text);

// The language variant of a caption column, read from a fresh "LANGUAGE": "CHT" gives
// column + "_CHT", "EN" gives column + "_EN" (either case), anything else the column.
std::string LanguageColumn(std::string_view column);

// The translated template with "%1", "%2", ... replaced by the arguments in order; Null
// arguments give "".
std::string FormatText(std::string_view templ, const std::vector<base::Variant> &arguments);

template <class... Args>
std::string FormatText(std::string_view templ, const Args &...arguments)
{
    return FormatText(templ, std::vector<base::Variant>{base::Variant(arguments)...});
}

// Loads the translated control texts of a window (nothing for "chs"). options is the
// window's options object; a new one holding "NeedMLColumnHeaders" = True is made when
// it is null, and it is replaced by the one the loader hands back.
void LoadFormTexts(TranslatableForm &window, base::ObjectPtr &options,
                   std::string_view resBaseName = ResFileBaseName);

// Gives a window the font of the login's language.
void SetFormFont(TranslatableForm &window);

// The title of the system's message boxes.
std::string messageTitle();

// Drops the process-wide loaders (a fresh process; tests call it with ProcessState::reset).
void resetLanguageResources();

} // namespace orvan::component
