#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/Dictionary.h"
#include "base/Object.h"

// Typed interfaces of the cost components the bill-closing window calls. Every call
// receives the login's shared property string (props) first; the components find the
// account through its "ConnectString". Failures (no account, a database error) raise
// base::Error.
namespace orvan::component {

namespace ProgId {
inline constexpr const char *CostCommon = "ItemCostCalc.Common";
inline constexpr const char *CostCommonModify = "ItemCostCalc.CommonModify";
inline constexpr const char *SavePosData = "BillData.SavePosData";
inline constexpr const char *SystemProfile = "CoreSvc.SystemProfile";
} // namespace ProgId

// "ItemCostCalc.Common": the current period of the inventory accounting, its profile
// values and the checks that precede closing the period's bills.
class CostCommonComponent : public base::Object
{
public:
    // The current period: "CurrentYear" and "CurrentPeriod" (numbers), "BeginDate" (its
    // first day) and "EndDate" (the first day after it: the period ends before EndDate),
    // dates as "yyyy-mm-dd". Raises when the period is not set or not in the calendar.
    virtual std::shared_ptr<base::Dictionary> GetDate(const std::string &props) = 0;

    // One profile value of a category: value receives the stored text, description and
    // readOnly the row's description and read-only flag. An absent row gives "", "" and
    // 0 and returns false.
    virtual bool GetFValue(const std::string &props, const std::string &category,
                           const std::string &key, std::string &value, std::string &description,
                           int32_t &readOnly) = 0;

    // True when stock bills dated in [beginDate, endDate) are not yet verified; message
    // then tells how many and of which kinds (else it is "").
    virtual bool CheckCurVer(const std::string &props, int32_t period, int32_t year,
                             const std::string &beginDate, const std::string &endDate,
                             std::string &message) = 0;

    // True when verified stock bills dated in [beginDate, endDate) have no voucher;
    // message then tells how many and of which kinds (else it is "").
    virtual bool CheckCurCre(const std::string &props, int32_t period, int32_t year,
                             const std::string &beginDate, const std::string &endDate,
                             std::string &message) = 0;
};

// "ItemCostCalc.CommonModify": writes one profile value (the row is added when absent),
// all or nothing.
class CostCommonModifyComponent : public base::Object
{
public:
    virtual void ModifyFValue(const std::string &props, const std::string &category,
                              const std::string &key, const std::string &value) = 0;
};

// "BillData.SavePosData": saves the positions of the stock bills a filter selects.
class SavePosDataComponent : public base::Object
{
public:
    // filter is a WHERE clause over the bills' FDate ("Where FDate>='...' AND FDate <'...'").
    // Saving the same bills again replaces the earlier copy. The two numbers are passed
    // as 0 by every caller.
    virtual void PutinData(const std::string &props, int32_t option, const std::string &filter,
                           int32_t reserved) = 0;
};

// "CoreSvc.SystemProfile": reads one system profile value as text ("" when absent).
class SystemProfileComponent : public base::Object
{
public:
    virtual std::string GetProfile(const std::string &props, const std::string &category,
                                   const std::string &key) = 0;
};

} // namespace orvan::component
