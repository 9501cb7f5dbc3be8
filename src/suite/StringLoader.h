#pragma once

#include <string>
#include <string_view>

#include "component/LanguageComponents.h"

namespace orvan::suite {

// "OrvanRESLOADER.Loader": the text of a simplified-Chinese key in a language.
//   "EN"  the curated English catalog data/i18n/<base>.EN.json;
//   "CHT" the simplified-to-traditional conversion (OpenCC's s2t.json) of the key, with
//         the override catalog data/i18n/<base>.CHT.json for whole texts and terms the
//         conversion gets wrong;
//   any other language (and "chs") the key itself.
// A key without an English entry comes back unchanged. Catalog and converter are loaded
// once per process; a catalog that cannot be read raises base::Error.
class StringLoader : public component::StringLoaderComponent
{
public:
    void setResFileBaseName(const std::string &name) override;
    void setLanguageID(const std::string &language) override;
    std::string LoadString(const std::string &text) override;

    const std::string &resFileBaseName() const { return m_resFileBaseName; }
    const std::string &languageID() const { return m_languageID; }

    // The same lookup without a loader object.
    static std::string translate(std::string_view resBaseName, std::string_view language,
                                 const std::string &text);

private:
    std::string m_resFileBaseName = "ORVANINDUSTRY";
    std::string m_languageID;
};

} // namespace orvan::suite
