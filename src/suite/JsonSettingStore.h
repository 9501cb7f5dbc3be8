#pragma once

#include <filesystem>
#include <string>

#include "component/SettingStore.h"

namespace orvan::suite {

// The setting store kept as one JSON object per user: { section: { key: value } } in
// $XDG_CONFIG_HOME/orvan-sysmaintain/settings.json (~/.config when the variable is not
// set). Every read opens the file afresh, so two windows of one user see each other's
// writes; a write replaces the file in one rename, so a crash never leaves half a file.
// A missing or unreadable file reads as empty.
class JsonSettingStore : public component::SettingStoreComponent
{
public:
    JsonSettingStore();
    explicit JsonSettingStore(std::filesystem::path file);

    base::Variant read(const std::string &section, const std::string &key,
                       const base::Variant &defaultValue) override;
    void write(const std::string &section, const std::string &key,
               const base::Variant &value) override;

    const std::filesystem::path &file() const { return m_file; }
    static std::filesystem::path defaultFile();

private:
    std::filesystem::path m_file;
};

} // namespace orvan::suite
