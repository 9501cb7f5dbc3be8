// The English catalog must hold every text the sources pass to translation, so that no
// caption or message shows up in Chinese for an English login.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> TranslatingCalls = {"TranslateText", "TranslateCompound",
                                                   "FormatText", "TextKey"};

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

size_t skipSpace(const std::string &text, size_t at)
{
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    return at;
}

// Reads one string literal at `at` (after an optional u8 prefix); false when none.
bool readLiteral(const std::string &text, size_t &at, std::string &value)
{
    if (text.compare(at, 3, "u8\"") == 0)
        at += 2;
    if (at >= text.size() || text[at] != '"')
        return false;
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] == '\\' && at + 1 < text.size())
            ++at;
        value += text[at];
    }
    ++at;
    return true;
}

// The first argument of every translating call whose argument is a literal (adjacent
// literals joined), however the call is spread over lines.
std::vector<std::string> translatedLiterals(const std::string &source)
{
    std::vector<std::string> found;
    for (const auto &name : TranslatingCalls) {
        for (size_t at = source.find(name); at != std::string::npos;
             at = source.find(name, at + 1)) {
            if (at > 0 && isIdentifierChar(source[at - 1]))
                continue;
            size_t next = skipSpace(source, at + name.size());
            if (next >= source.size() || source[next] != '(')
                continue;
            next = skipSpace(source, next + 1);
            std::string literal;
            bool any = false;
            while (readLiteral(source, next, literal)) {
                any = true;
                next = skipSpace(source, next);
            }
            if (any)
                found.push_back(literal);
        }
    }
    return found;
}

std::string trimBlanks(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The catalog keys a literal needs: the marked pieces of a compound text, else the text.
std::vector<std::string> keysOf(const std::string &literal)
{
    const std::string separator = "^|^";
    if (literal.find(separator) == std::string::npos)
        return {trimBlanks(literal)};
    std::vector<std::string> keys;
    size_t start = 0;
    for (;;) {
        const auto end = literal.find(separator, start);
        const auto piece = literal.substr(start, end - start);
        if (piece.starts_with("~$~"))
            keys.push_back(trimBlanks(piece.substr(3)));
        if (end == std::string::npos)
            break;
        start = end + separator.size();
    }
    return keys;
}

bool hasNonAscii(const std::string &text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return true;
    return false;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

nlohmann::json readCatalog(const std::string &name)
{
    return nlohmann::json::parse(readFile(fs::path(ORVAN_DATA_DIR) / "i18n" / name));
}

std::map<std::string, std::string> englishTexts()
{
    std::map<std::string, std::string> texts;
    const auto catalog = readCatalog("ORVANINDUSTRY.EN.json");
    for (const auto &[group, entries] : catalog.items())
        for (const auto &[key, text] : entries.items())
            texts[key] = text.get<std::string>();
    return texts;
}

std::set<std::string> placeholdersOf(const std::string &text)
{
    static const std::regex placeholder("%[0-9]+");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

} // namespace

TEST(TranslationCatalog, ScannerFindsLiteralsInCallsSpreadOverLines)
{
    const std::string source = "x = TranslateText(\n    \"公司\"\n    \"名称\");\n"
                               "y = FormatText (u8\"第%1行\", n); z = myTranslateText(\"否\");\n"
                               "TranslateText(name); TextKey(\"a\\\"b\");";
    EXPECT_EQ(translatedLiterals(source), (std::vector<std::string>{"公司名称", "第%1行", "a\"b"}));
    EXPECT_EQ(keysOf("[^|^~$~ 单据类型 ^|^]"), (std::vector<std::string>{"单据类型"}));
}

TEST(TranslationCatalog, EnglishCatalogHoldsEveryTranslatedLiteralOfTheSources)
{
    const auto english = englishTexts();
    std::vector<std::string> missing;
    size_t checked = 0;
    for (const auto &entry :
         fs::recursive_directory_iterator(fs::path(ORVAN_TEST_DIR) / ".." / "src")) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h")
            continue;
        for (const auto &literal : translatedLiterals(readFile(entry.path())))
            for (const auto &key : keysOf(literal)) {
                if (!hasNonAscii(key))
                    continue;
                ++checked;
                if (!english.contains(key))
                    missing.push_back(entry.path().filename().string() + ": " + key);
            }
    }
    EXPECT_GT(checked, 0u);
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST(TranslationCatalog, EnglishEntriesAreUniqueTrimmedAndKeepTheirPlaceholders)
{
    std::set<std::string> seen;
    const auto catalog = readCatalog("ORVANINDUSTRY.EN.json");
    for (const auto &[group, entries] : catalog.items()) {
        for (const auto &[key, value] : entries.items()) {
            const auto text = value.get<std::string>();
            EXPECT_TRUE(seen.insert(key).second) << "twice: " << key;
            EXPECT_EQ(key, trimBlanks(key)) << group;
            EXPECT_FALSE(trimBlanks(text).empty()) << key;
            EXPECT_FALSE(hasNonAscii(text)) << key;
            EXPECT_EQ(placeholdersOf(key), placeholdersOf(text)) << key;
        }
    }
}

TEST(TranslationCatalog, TraditionalOverridesAreTextsAndTerms)
{
    const auto overrides = readCatalog("ORVANINDUSTRY.CHT.json");
    ASSERT_TRUE(overrides.is_object());
    for (const auto &[group, entries] : overrides.at("texts").items())
        EXPECT_TRUE(entries.is_object()) << group;
    for (const auto &[term, right] : overrides.at("terms").items())
        EXPECT_FALSE(right.get<std::string>().empty()) << term;
}
