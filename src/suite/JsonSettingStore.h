#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "component/SettingStore.h"

namespace orvan::suite {

// The setting store kept as one JSON object per user: { section: { key: value } } in
// $XDG_CONFIG_HOME/orvan-sysmaintain/settings.json (~/.config when the variable is not
// set). The file is parsed once per process and again only when it changed on disk, so two
// windows of one user see each other's writes; a write reads the file afresh, then replaces it in
// one rename, so a crash never leaves half a file. A missing or unreadable file reads as empty.
class JsonSettingStore : public component::SettingStoreComponent
{
    using Json = nlohmann::json;

public:
    JsonSettingStore();
    explicit JsonSettingStore(std::filesystem::path file);
    ~JsonSettingStore() override;

    base::Variant read(const std::string &section, const std::string &key,
                       const base::Variant &defaultValue) override;
    void write(const std::string &section, const std::string &key,
               const base::Variant &value) override;
    void readMany(const std::string &section, std::span<component::SettingRead> reads) override;

    const std::filesystem::path &file() const { return m_file; }
    static std::filesystem::path defaultFile();

private:
    struct Cache;
    static std::shared_ptr<Cache> cacheOf(const std::filesystem::path &file);
    // The parsed file as it is on disk now; the caller holds the cache's lock.
    const Json &freshSettings();

    std::filesystem::path m_file;
    std::shared_ptr<Cache> m_cache; // the parsed file and the state of the file it came from
};

} // namespace orvan::suite
