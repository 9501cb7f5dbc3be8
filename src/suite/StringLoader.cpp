#include "suite/StringLoader.h"

#include <dlfcn.h>
#include <opencc.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "base/Text.h"

namespace orvan::suite {
namespace {

constexpr long ResourceError = 326; // "resource with identifier not found"
constexpr const char *ConverterConfig = "s2t.json";
constexpr const char *ConverterDataDir = "/usr/share/opencc/";

using TextMap = std::unordered_map<std::string, std::string>;

// Reads a catalog file: one object of groups, each group an object of key -> text.
TextMap readGroupedCatalog(const nlohmann::json &groups, const std::string &path)
{
    TextMap texts;
    if (!groups.is_object())
        throw base::Error(ResourceError, "Not a catalog of text groups: " + path);
    for (const auto &[group, entries] : groups.items()) {
        if (!entries.is_object())
            throw base::Error(ResourceError, "Catalog group \"" + group + "\" is not an object");
        for (const auto &[key, text] : entries.items())
            texts[key] = text.get<std::string>();
    }
    return texts;
}

nlohmann::json parseCatalogFile(const std::string &relativePath)
{
    try {
        return nlohmann::json::parse(base::readDataFile(relativePath));
    } catch (const nlohmann::json::exception &error) {
        throw base::Error(ResourceError, "Catalog " + relativePath + ": " + error.what());
    }
}

std::string catalogPath(std::string_view resBaseName, std::string_view language)
{
    const bool plainName = !resBaseName.empty() &&
                           resBaseName.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                         "abcdefghijklmnopqrstuvwxyz0123456789_") ==
                               std::string_view::npos;
    if (!plainName)
        throw base::Error(ResourceError, "Invalid resource name: " + std::string(resBaseName));
    return "i18n/" + std::string(resBaseName) + "." + std::string(language) + ".json";
}

// The English texts of a resource base name.
class EnglishCatalog
{
public:
    explicit EnglishCatalog(std::string_view resBaseName)
    {
        const auto path = catalogPath(resBaseName, "EN");
        m_texts = readGroupedCatalog(parseCatalogFile(path), path);
    }

    std::string lookup(const std::string &text) const
    {
        const auto found = m_texts.find(text);
        return found == m_texts.end() ? text : found->second;
    }

private:
    TextMap m_texts;
};

constexpr const char *ConverterLibrary = "libopencc.so.1.1";

// OpenCC's C interface, loaded when the first traditional-Chinese text is wanted: the
// other languages, and every command that prints no such text, start without it.
struct OpenccLibrary
{
    decltype(&opencc_open) open = nullptr;
    decltype(&opencc_close) close = nullptr;
    decltype(&opencc_convert_utf8) convert = nullptr;
    decltype(&opencc_convert_utf8_free) free = nullptr;
    decltype(&opencc_error) error = nullptr;

    static const OpenccLibrary &instance()
    {
        static const OpenccLibrary library = load();
        return library;
    }

private:
    static OpenccLibrary load()
    {
        void *handle = ::dlopen(ConverterLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            throw base::Error(ResourceError, std::string("Cannot load the traditional-Chinese "
                                                         "conversion: ") +
                                                 ::dlerror());
        OpenccLibrary library;
        bind(handle, library.open, "opencc_open");
        bind(handle, library.close, "opencc_close");
        bind(handle, library.convert, "opencc_convert_utf8");
        bind(handle, library.free, "opencc_convert_utf8_free");
        bind(handle, library.error, "opencc_error");
        return library; // the library stays loaded for the process
    }

    template <class Function>
    static void bind(void *handle, Function &function, const char *name)
    {
        function = reinterpret_cast<Function>(::dlsym(handle, name));
        if (!function)
            throw base::Error(ResourceError, std::string("Cannot load the traditional-Chinese "
                                                         "conversion: no ") +
                                                 name + " in " + ConverterLibrary);
    }
};

// OpenCC's simplified-to-traditional conversion.
class TraditionalConverter
{
public:
    TraditionalConverter()
        : m_library(OpenccLibrary::instance())
    {
        const auto installed = std::string(ConverterDataDir) + ConverterConfig;
        const auto config = std::filesystem::exists(installed) ? installed : ConverterConfig;
        m_handle = m_library.open(config.c_str());
        if (m_handle == reinterpret_cast<opencc_t>(-1))
            throw base::Error(ResourceError, std::string("Cannot load the traditional-Chinese "
                                                         "conversion: ") +
                                                 m_library.error());
    }
    ~TraditionalConverter() { m_library.close(m_handle); }
    TraditionalConverter(const TraditionalConverter &) = delete;
    TraditionalConverter &operator=(const TraditionalConverter &) = delete;

    std::string convert(const std::string &text) const
    {
        char *converted = m_library.convert(m_handle, text.data(), text.size());
        if (!converted)
            throw base::Error(ResourceError,
                              std::string("Conversion failed: ") + m_library.error());
        std::string result(converted);
        m_library.free(converted);
        return result;
    }

private:
    const OpenccLibrary &m_library;
    opencc_t m_handle;
};

// Traditional Chinese: whole-text overrides first, else the conversion with the wrongly
// converted terms put right.
class TraditionalCatalog
{
public:
    explicit TraditionalCatalog(std::string_view resBaseName)
    {
        const auto path = catalogPath(resBaseName, "CHT");
        const auto overrides = parseCatalogFile(path);
        if (!overrides.is_object())
            throw base::Error(ResourceError, "Not an override catalog: " + path);
        if (overrides.contains("texts"))
            m_texts = readGroupedCatalog(overrides["texts"], path);
        if (overrides.contains("terms"))
            for (const auto &[term, right] : overrides["terms"].items())
                addTerm(term, right.get<std::string>());
    }

    std::string lookup(const std::string &text)
    {
        if (const auto found = m_texts.find(text); found != m_texts.end())
            return found->second;
        if (const auto done = m_converted.find(text); done != m_converted.end())
            return done->second;
        auto converted = m_converter.convert(text);
        for (const auto &[wrong, right] : m_terms)
            converted = replaceAll(std::move(converted), wrong, right);
        return m_converted.emplace(text, std::move(converted)).first->second;
    }

private:
    void addTerm(const std::string &simplified, const std::string &right)
    {
        auto wrong = m_converter.convert(simplified);
        if (wrong != right)
            m_terms.emplace_back(std::move(wrong), right);
    }

    static std::string replaceAll(std::string text, const std::string &from, const std::string &to)
    {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
            text.replace(at, from.size(), to);
            at += to.size();
        }
        return text;
    }

    TraditionalConverter m_converter;
    TextMap m_texts;
    std::vector<std::pair<std::string, std::string>> m_terms; // converted form -> right form
    TextMap m_converted;
};

template <class Catalog>
Catalog &catalogFor(std::string_view resBaseName)
{
    static std::map<std::string, std::unique_ptr<Catalog>, std::less<>> catalogs;
    const auto key = base::upperCase(resBaseName);
    auto found = catalogs.find(key);
    if (found == catalogs.end())
        found = catalogs.emplace(key, std::make_unique<Catalog>(resBaseName)).first;
    return *found->second;
}

} // namespace

void StringLoader::setResFileBaseName(const std::string &name)
{
    m_resFileBaseName = name;
}

void StringLoader::setLanguageID(const std::string &language)
{
    m_languageID = language;
}

std::string StringLoader::LoadString(const std::string &text)
{
    return translate(m_resFileBaseName, m_languageID, text);
}

std::string StringLoader::translate(std::string_view resBaseName, std::string_view language,
                                    const std::string &text)
{
    const bool english = base::equalsNoCase(language, "EN");
    if (!english && !base::equalsNoCase(language, "CHT"))
        return text; // the texts are written in this language: no catalog to ask
    static std::mutex lock;
    const std::lock_guard guard(lock);
    if (english)
        return catalogFor<EnglishCatalog>(resBaseName).lookup(text);
    return catalogFor<TraditionalCatalog>(resBaseName).lookup(text);
}

} // namespace orvan::suite
