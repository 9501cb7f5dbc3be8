#include "component/Translation.h"

#include <memory>

#include "base/Dictionary.h"
#include "base/Error.h"
#include "base/PendingError.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LanguageComponents.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"

namespace orvan::component {
namespace {

constexpr std::string_view CompoundSeparator = "^|^";
constexpr std::string_view TranslateMarker = "~$~";

struct LanguageResources
{
    std::shared_ptr<StringLoaderComponent> stringLoader;
    std::shared_ptr<FormResLoaderComponent> fontLoader;
};

LanguageResources &resources()
{
    static LanguageResources loaders;
    return loaders;
}

void readLanguageOnce()
{
    auto &language = processState().language;
    if (language.empty())
        language = ScanLoginProp("LANGUAGE");
}

} // namespace

std::string LoginLanguage()
{
    const auto &language = processState().language;
    if (language.empty())
        base::tryStep(readLanguageOnce); // without a login there is no language to read
    return language;
}

namespace {

StringLoaderComponent &stringLoader()
{
    auto &loader = resources().stringLoader;
    if (!loader)
        loader =
            ComponentRegistry::instance().createAs<StringLoaderComponent>(ProgId::StringLoader);
    loader->setResFileBaseName(ResFileBaseName);
    loader->setLanguageID(processState().language);
    return *loader;
}

std::string loadText(const std::string &trimmed)
{
    if (trimmed.empty())
        return {};
    try {
        readLanguageOnce();
        return stringLoader().LoadString(trimmed);
    } catch (const std::exception &) {
        // Without its language resources the program still speaks: the text as written.
        return trimmed;
    }
}

} // namespace

std::string TranslateText(std::string_view text)
{
    base::PendingErrorGuard keepPendingError;
    const auto trimmed = base::trim(text);
    if (trimmed.find(CompoundSeparator) != std::string::npos)
        return TranslateCompound(trimmed);
    return loadText(trimmed);
}

const std::string &TranslatedTexts::operator()(std::string_view text)
{
    auto &texts = m_byLanguage[LoginLanguage()];
    auto found = texts.find(text);
    if (found == texts.end())
        found = texts.emplace(std::string(text), TranslateText(text)).first;
    return found->second;
}

std::string TranslateCompound(std::string_view text)
{
    std::string result;
    for (const auto &piece : base::splitAll(text, CompoundSeparator)) {
        if (piece.starts_with(TranslateMarker))
            result += TranslateText(std::string_view(piece).substr(TranslateMarker.size()));
        else
            result += piece;
    }
    return result;
}

std::string LanguageColumn(std::string_view column)
{
    std::string language;
    try {
        language = ScanLoginProp("LANGUAGE");
    } catch (const std::exception &) {
        language.clear();
    }
    std::string name(column);
    if (base::equalsNoCase(language, "CHT"))
        name += "_CHT";
    else if (base::equalsNoCase(language, "EN"))
        name += "_EN";
    return base::trim(name);
}

std::string FormatText(std::string_view templ, const std::vector<base::Variant> &arguments)
{
    base::PendingErrorGuard keepPendingError;
    std::vector<base::Variant> values;
    values.reserve(arguments.size());
    for (const auto &argument : arguments)
        values.push_back(argument.isNull() ? base::Variant(std::string()) : argument);
    return base::formatTemplate(TranslateText(templ), values);
}

void LoadFormTexts(TranslatableForm &window, base::ObjectPtr &options, std::string_view resBaseName)
{
    base::PendingErrorGuard keepPendingError;
    try {
        auto language = processState().language;
        if (language.empty())
            language = ScanLoginProp("LANGUAGE");
        if (base::equalsNoCase(language, "chs"))
            return;
        auto loader =
            ComponentRegistry::instance().createAs<FormResLoaderComponent>(ProgId::FormResLoader);
        if (!options) {
            auto created = std::make_shared<base::Dictionary>();
            created->add("NeedMLColumnHeaders", base::Variant(true));
            options = created;
        }
        options = loader->LoadFormResStrings(window, language, std::string(),
                                             std::string(resBaseName), options);
    } catch (const std::exception &) {
        // The window keeps the texts it was designed with.
    }
}

void SetFormFont(TranslatableForm &window)
{
    base::PendingErrorGuard keepPendingError;
    try {
        auto &language = processState().language;
        if (language.empty())
            language = ScanLoginProp("Language");
        auto &loader = resources().fontLoader;
        if (!loader)
            loader = ComponentRegistry::instance().createAs<FormResLoaderComponent>(
                ProgId::FormResLoader);
        loader->SetFrmFont(window, language);
    } catch (const std::exception &) {
        // The window keeps its designed font.
    }
}

std::string messageTitle()
{
    return TranslateText("Tessel提示");
}

void resetLanguageResources()
{
    resources() = LanguageResources{};
}

TranslatableForm::~TranslatableForm() = default;

} // namespace orvan::component
