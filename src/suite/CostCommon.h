#pragma once

#include "component/CostComponents.h"

namespace orvan::suite {

// "ItemCostCalc.Common" over the account: the current period from the profile values
// IC/CurrentYear and IC/CurrentPeriod and the period calendar t_PeriodDate, profile
// values from t_SystemProfile, and the checks over the period's stock bills
// (ICStockBill): not verified (FStatus 0), verified without a voucher (FVchInterID 0).
// The check messages name the bill kinds (ICBillNo) in the login's language.
class CostCommon : public component::CostCommonComponent
{
public:
    std::shared_ptr<base::Dictionary> GetDate(const std::string &props) override;
    bool GetFValue(const std::string &props, const std::string &category, const std::string &key,
                   std::string &value, std::string &description, int32_t &readOnly) override;
    bool CheckCurVer(const std::string &props, int32_t period, int32_t year,
                     const std::string &beginDate, const std::string &endDate,
                     std::string &message) override;
    bool CheckCurCre(const std::string &props, int32_t period, int32_t year,
                     const std::string &beginDate, const std::string &endDate,
                     std::string &message) override;
};

} // namespace orvan::suite
