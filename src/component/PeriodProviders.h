#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

    struct StartEnd
    {
        int32_t result = -1;
        double start = 0;
        double end = 0;
    };
    // What GetStartEnd answers for the periods 1 to count, asked together; a server that
    // can read its calendar once for them all does.
    virtual std::vector<StartEnd> GetStartEnds(const std::string &props, int32_t count)
    {
        std::vector<StartEnd> answers(static_cast<size_t>(count > 0 ? count : 0));
        for (int32_t period = 1; period <= count; ++period) {
            auto &answer = answers[static_cast<size_t>(period - 1)];
            answer.result = GetStartEnd(props, period, answer.start, answer.end);
        }
        return answers;
    }
};

} // namespace orvan::component
