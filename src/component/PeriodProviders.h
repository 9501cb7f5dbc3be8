#pragma once

#include <cstdint>
#include <string>

#include "base/Object.h"

// The period-date services of the cost systems and of the list server. Dates are serials
// (days since 1899-12-30). Each call reports failure through its result code (0 = done)
// rather than raising.
namespace orvan::component {

namespace ProgId {
inline constexpr const char *CostPeriods = "CostSysData.AisInfo";
inline constexpr const char *OperationCostPeriods = "OrvanMOPCostSystemData.AisInfo";
inline constexpr const char *StandardCostPeriods = "OrvanMStdCostSystemData.CAisInfo";
inline constexpr const char *ListServer = "OrvanListServer.clsListServer";
} // namespace ProgId

// "CostSysData.AisInfo": PropsString is set before the other calls.
class CostPeriodInfo : public base::Object
{
public:
    std::string PropsString;
    virtual int32_t CBGetPeriodCount() = 0;
    virtual int32_t CBGetCurrYear() = 0;
    virtual int32_t GetPeriodDate(int32_t year, int32_t period, double &start) = 0;
};

// "OrvanMOPCostSystemData.AisInfo".
class OperationCostPeriodInfo : public base::Object
{
public:
    virtual int32_t OPCostGetPeriodCount(const std::string &props) = 0;
    virtual int32_t OPCostGetCurrYear(const std::string &props) = 0;
    virtual int32_t GetPeriodDate(int32_t year, int32_t period, double &start,
                                  const std::string &props = {}) = 0;
};

// "OrvanMStdCostSystemData.CAisInfo".
class StandardCostPeriodInfo : public base::Object
{
public:
    virtual int32_t STDCostGetPeriodCount(const std::string &props) = 0;
    virtual int32_t STDCostGetCurrYear(const std::string &props) = 0;
    virtual int32_t GetPeriodDate(int32_t year, int32_t period, double &start,
                                  const std::string &props) = 0;
};

// "OrvanListServer.clsListServer": the start and end of a period of the current year.
class ListServerPeriods : public base::Object
{
public:
    virtual int32_t GetStartEnd(const std::string &props, int32_t period, double &start,
                                double &end) = 0;
};

} // namespace orvan::component
