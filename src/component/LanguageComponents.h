#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Object.h"

// The suite components that carry the language resources: the string loader and the
// form resource loader, and what they need of a window.
namespace orvan::component {

// The kinds of text a window offers for translation.
enum class FormTextKind {
    Caption,      // captions, menu items, tool tips, tab titles, list items
    ColumnHeader, // headings of grid and list columns
};

// A window whose control texts and font the form resource loader sets.
class TranslatableForm
{
public:
    virtual ~TranslatableForm();

    virtual std::string formName() const = 0;
    // Calls visit for each control text; visit may replace the text.
    virtual void visitTexts(const std::function<void(FormTextKind, std::string &)> &visit) = 0;
    virtual void setFontFamily(const std::string &family) = 0;
};

// "OrvanRESLOADER.Loader": maps a simplified-Chinese text to the text of a language.
class StringLoaderComponent : public base::Object
{
public:
    virtual void setResFileBaseName(const std::string &name) = 0;
    virtual void setLanguageID(const std::string &language) = 0;
    // The text in the language set by setLanguageID; a text without a translation comes
    // back unchanged.
    virtual std::string LoadString(const std::string &text) = 0;
};

// "FormRes.FormResLoader": translates a window's texts and gives it the language's font.
class FormResLoaderComponent : public base::Object
{
public:
    // Translates the control texts of the window into the language; returns the options
    // object the window keeps (the one passed in, or a new one when it was null).
    virtual base::ObjectPtr LoadFormResStrings(TranslatableForm &form, const std::string &language,
                                               const std::string &reserved,
                                               const std::string &resBaseName,
                                               base::ObjectPtr options) = 0;
    virtual void SetFrmFont(TranslatableForm &form, const std::string &language) = 0;
};

} // namespace orvan::component
