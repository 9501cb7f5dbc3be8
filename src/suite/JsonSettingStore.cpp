#include "suite/JsonSettingStore.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include <nlohmann/json.hpp>

#include "base/Error.h"

namespace orvan::suite {
namespace {

using Json = nlohmann::json;

Json loadSettings(const std::filesystem::path &file)
{
    std::ifstream in(file);
    if (!in)
        return Json::object();
    auto settings = Json::parse(in, nullptr, false);
    return settings.is_object() ? settings : Json::object();
}

Json toJson(const base::Variant &value)
{
    if (value.isEmpty() || value.isNull())
        return nullptr;
    if (value.type() == base::VarType::Boolean)
        return value.toBool();
    if (value.type() == base::VarType::Integer || value.type() == base::VarType::Long)
        return value.toLong();
    if (value.isNumberType())
        return value.toDouble();
    return value.text();
}

base::Variant fromJson(const Json &value)
{
    if (value.is_boolean())
        return base::Variant(value.get<bool>());
    if (value.is_number_integer())
        return base::Variant(static_cast<int32_t>(value.get<int64_t>()));
    if (value.is_number())
        return base::Variant(value.get<double>());
    if (value.is_string())
        return base::Variant(value.get<std::string>());
    return base::Variant::null();
}

base::Variant valueIn(const Json &settings, const std::string &section, const std::string &key,
                      const base::Variant &defaultValue)
{
    const auto found = settings.find(section);
    if (found == settings.end() || !found->is_object() || !found->contains(key))
        return defaultValue;
    auto value = fromJson(found->at(key));
    return value.isNull() ? defaultValue : value;
}

void saveSettings(const std::filesystem::path &file, const Json &settings)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const auto temporary = file.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << settings.dump(4) << "\n";
        if (!out)
            throw base::Error(base::ErrorNumber::PathFileAccessError,
                              "Path/File access error: " + temporary);
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error)
        throw base::Error(base::ErrorNumber::PathFileAccessError,
                          "Path/File access error: " + file.string());
}

// What tells one version of the file from another: a write replaces the file (a new
// inode); an editor may rewrite it in place (a new time or size).
struct FileStamp
{
    bool exists = false;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const FileStamp &) const = default;
};

FileStamp stampOf(const std::filesystem::path &file)
{
    struct stat info
    {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    return {true, info.st_ino, info.st_size,
            int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

} // namespace

struct JsonSettingStore::Cache
{
    std::mutex lock;
    std::optional<FileStamp> stamp; // none before the first read
    Json settings = Json::object();
};

// A window makes a store for each setting it reads: the parsed file is kept for the
// process, one per file, and read again only when the file changed.
std::shared_ptr<JsonSettingStore::Cache>
JsonSettingStore::cacheOf(const std::filesystem::path &file)
{
    static std::mutex lock;
    static std::map<std::string, std::shared_ptr<Cache>> caches;
    const std::lock_guard guard(lock);
    auto &cache = caches[file.string()];
    if (!cache)
        cache = std::make_shared<Cache>();
    return cache;
}

JsonSettingStore::JsonSettingStore()
    : JsonSettingStore(defaultFile())
{}

JsonSettingStore::JsonSettingStore(std::filesystem::path file)
    : m_file(std::move(file))
    , m_cache(cacheOf(m_file))
{}

JsonSettingStore::~JsonSettingStore() = default;

std::filesystem::path JsonSettingStore::defaultFile()
{
    std::filesystem::path base;
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char *home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return base / "orvan-sysmaintain" / "settings.json";
}

const JsonSettingStore::Json &JsonSettingStore::freshSettings()
{
    const auto stamp = stampOf(m_file);
    if (m_cache->stamp != stamp) {
        m_cache->settings = loadSettings(m_file);
        m_cache->stamp = stamp;
    }
    return m_cache->settings;
}

base::Variant JsonSettingStore::read(const std::string &section, const std::string &key,
                                     const base::Variant &defaultValue)
{
    const std::lock_guard guard(m_cache->lock);
    return valueIn(freshSettings(), section, key, defaultValue);
}

void JsonSettingStore::readMany(const std::string &section, std::span<component::SettingRead> reads)
{
    const std::lock_guard guard(m_cache->lock);
    const auto &settings = freshSettings();
    for (auto &entry : reads)
        entry.value = valueIn(settings, section, entry.key, entry.value);
}

void JsonSettingStore::write(const std::string &section, const std::string &key,
                             const base::Variant &value)
{
    const std::lock_guard guard(m_cache->lock);
    auto settings = loadSettings(m_file);
    if (!settings[section].is_object())
        settings[section] = Json::object();
    settings[section][key] = toJson(value);
    saveSettings(m_file, settings);
    m_cache->settings = std::move(settings);
    m_cache->stamp = stampOf(m_file);
}

} // namespace orvan::suite
