#pragma once

#include <string>

#include "base/Object.h"
#include "base/Variant.h"

namespace orvan::component {

namespace ProgId {
inline constexpr const char *SettingStore = "OrvanSuite.SettingStore";
}

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
};

} // namespace orvan::component
