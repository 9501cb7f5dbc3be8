#include "suite/FormResLoader.h"

#include "base/Dictionary.h"
#include "base/Text.h"
#include "suite/StringLoader.h"

namespace orvan::suite {
namespace {

bool wantsColumnHeaders(const base::ObjectPtr &options)
{
    const auto *entries = dynamic_cast<const base::Dictionary *>(options.get());
    if (!entries)
        return true;
    try {
        return entries->value("NeedMLColumnHeaders", base::Variant(false)).toBool();
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

base::ObjectPtr FormResLoader::LoadFormResStrings(component::TranslatableForm &form,
                                                  const std::string &language, const std::string &,
                                                  const std::string &resBaseName,
                                                  base::ObjectPtr options)
{
    if (base::equalsNoCase(language, "chs"))
        return options;
    const bool headers = wantsColumnHeaders(options);
    form.visitTexts([&](component::FormTextKind kind, std::string &text) {
        if (kind == component::FormTextKind::ColumnHeader && !headers)
            return;
        const auto key = base::trim(text);
        if (!key.empty())
            text = StringLoader::translate(resBaseName, language, key);
    });
    return options;
}

void FormResLoader::SetFrmFont(component::TranslatableForm &form, const std::string &language)
{
    form.setFontFamily(fontFamilyFor(language));
}

std::string FormResLoader::fontFamilyFor(const std::string &language)
{
    if (base::equalsNoCase(language, "CHT"))
        return "Noto Sans CJK TC";
    if (base::equalsNoCase(language, "EN"))
        return "DejaVu Sans";
    return "Noto Sans CJK SC";
}

} // namespace orvan::suite
