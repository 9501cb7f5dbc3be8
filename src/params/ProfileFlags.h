#pragma once

#include <cstdint>
#include <string>

namespace orvan::params {

// Process-wide values read from the profile store while the maintenance window loads
// (PreloadProfileFlags) and set while keys are captioned (ProfileCaption). A missing or
// unreadable row leaves a flag at 0 and the currency name at "0".
struct ProfileFlags
{
    int16_t inventoryClosed = 0;      // "IC"/"ICClosed"
    int16_t periodDefineMethod = 0;   // "GL"/"PeriodDefineMethod"
    int16_t auditChoice = 0;          // "IC"/"AuditChoice": 0 quantity, else quantity and amount
    int16_t forecastStrategy = 0;     // "PL"/"ProOfBeforeDemandLimit"
    std::string baseCurrency = "0";   // name of the "GL"/"FBWB" currency
    bool showBaseCurrency = false;    // a "FBWB" row has been captioned
    bool forecastStrategyRow = false; // the forecast strategy row is being shown

    static ProfileFlags &instance();
    static void reset();
};

inline ProfileFlags &profileFlags()
{
    return ProfileFlags::instance();
}

} // namespace orvan::params
