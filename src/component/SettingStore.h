#pragma once

#include <span>
#include <string>

#include "base/Object.h"
#include "base/Variant.h"

namespace orvan::component {

namespace ProgId {
inline constexpr const char *SettingStore = "OrvanSuite.SettingStore";
}

// One value of a readMany: the key, and its default until the store answers.
struct SettingRead
{
    const char *key;
    base::Variant value;
};

// The suite's per-user setting store: values by section and key that persist across runs.
// read gives the default when the key was never written or the store cannot be read;
// write raises base::Error when the value cannot be stored.
class SettingStoreComponent : public base::Object
{
public:
    virtual base::Variant read(const std::string &section, const std::string &key,
                               const base::Variant &defaultValue) = 0;
    virtual void write(const std::string &section, const std::string &key,
                       const base::Variant &value) = 0;
    // Reads several keys of one section, each as read would; a store may look at its file
    // once for all of them.
    virtual void readMany(const std::string &section, std::span<SettingRead> reads)
    {
        for (auto &entry : reads)
            entry.value = read(section, entry.key, entry.value);
    }
};

} // namespace orvan::component
