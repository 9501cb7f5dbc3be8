#pragma once

#include <string>

#include "component/LanguageComponents.h"

namespace orvan::suite {

// "FormRes.FormResLoader": translates a window's control texts through the string
// loader's catalogs and gives the window a font family with the language's glyphs.
class FormResLoader : public component::FormResLoaderComponent
{
public:
    // For any language but "chs", translates every caption, and the column headings when
    // the options hold "NeedMLColumnHeaders" = True (or there are no options). Texts
    // without a translation stay as designed. Returns the options.
    base::ObjectPtr LoadFormResStrings(component::TranslatableForm &form,
                                       const std::string &language, const std::string &reserved,
                                       const std::string &resBaseName,
                                       base::ObjectPtr options) override;
    void SetFrmFont(component::TranslatableForm &form, const std::string &language) override;

    // The font family for a language: simplified-Chinese glyphs for "chs" and unknown
    // languages, traditional-Chinese glyphs for "CHT", a Latin family for "EN".
    static std::string fontFamilyFor(const std::string &language);
};

} // namespace orvan::suite
