#pragma once

#include <cstdint>
#include <string>

namespace orvan::params {

// Process-wide values read from the profile store while the maintenance window loads
// (PreloadProfileFlags) and set while keys are captioned (ProfileCaption). A missing or
// unreadable row leaves a flag at 0 and the currency name at "0".
struct ProfileFlags
{
    int16_t g_intICClosed = 0;           // "IC"/"ICClosed"
    int16_t g_intPeriodDefineMethod = 0; // "GL"/"PeriodDefineMethod"
    int16_t g_intAuditChoice = 0;        // "IC"/"AuditChoice": 0 quantity, else quantity and amount
    int16_t g_intForecastStrategy = 0;   // "PL"/"ProOfBeforeDemandLimit"
    std::string g_strBaseCurrency = "0"; // name of the "GL"/"FBWB" currency
    bool g_bShowBaseCurrency = false;    // a "FBWB" row has been captioned
    bool g_bForecastStrategyRow = false; // the forecast strategy row is being shown

    static ProfileFlags &instance();
    static void reset();
};

inline ProfileFlags &profileFlags()
{
    return ProfileFlags::instance();
}

} // namespace orvan::params
