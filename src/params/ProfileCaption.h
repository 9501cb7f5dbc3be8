#pragma once

#include <string>
#include <string_view>

#include "base/Variant.h"

namespace orvan::params {

// One entry of the profile key catalog: the caption of a key and, for keys whose values
// are choices, the caption of the value 0 and of any other value.
struct ProfileKeyCaption
{
    const char *key;
    const char *caption;
    const char *zeroValue = nullptr;
    const char *otherValue = nullptr;
};

// The catalog entry of a key (exact, case-sensitive), or nullptr.
const ProfileKeyCaption *findProfileKeyCaption(std::string_view key);

// The caption shown for a profile key (translated, except "EMAIL"; a key not in the
// catalog is its own caption) and, through displayValue, the text shown for its value:
// the value's text, or for a choice key the translated caption of 0 or of any other
// number (a value that is not a number is shown as it stands). Captioning "FBWB" or
// "ProOfBeforeDemandLimit" sets its flag in profileFlags(); "PobValue0" and "PobValue1"
// clear the forecast-strategy-row flag.
std::string ProfileCaption(std::string_view key, const base::Variant &value,
                           std::string &displayValue);

} // namespace orvan::params
