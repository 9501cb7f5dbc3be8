#include "suite/CostCommon.h"

#include "base/Convert.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "db/SqlText.h"
#include "suite/CostAccount.h"
#include "suite/PeriodBillCheck.h"

namespace orvan::suite {
namespace {

const char *const Source = "ItemCostCalc.Common";

// A whole number kept as profile text under IC; raises when it is absent or not a number.
int32_t periodNumber(CostAccount &account, const char *key)
{
    const auto row = account.profileRow("IC", key);
    if (!row || !base::isNumericText(row->value))
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          std::string("The current period is not set (IC/") + key + ")", Source);
    return base::textToLong(row->value);
}

std::string dayText(double serial)
{
    return base::dateToText(base::dateOnly(serial));
}

} // namespace

std::shared_ptr<base::Dictionary> CostCommon::GetDate(const std::string &props)
{
    CostAccount account(props);
    const auto year = periodNumber(account, "CurrentYear");
    const auto period = periodNumber(account, "CurrentPeriod");
    auto rows = account.execute("SELECT FStartDate, FEndDate FROM t_PeriodDate WHERE FYear=" +
                                db::sqlNumber(year) + " AND FPeriod=" + db::sqlNumber(period));
    if (!rows || rows->isEOF())
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "The period calendar has no period " + std::to_string(year) + "/" +
                              std::to_string(period),
                          Source);
    const auto begin = rows->Fields("FStartDate").Value().toDate();
    const auto last = rows->Fields("FEndDate").Value().toDate();

    auto info = std::make_shared<base::Dictionary>(base::CompareMode::Text);
    info->add("BeginDate", base::Variant(dayText(begin)));
    info->add("EndDate", base::Variant(dayText(base::dateOnly(last) + 1)));
    info->add("CurrentPeriod", base::Variant(period));
    info->add("CurrentYear", base::Variant(year));
    return info;
}

bool CostCommon::GetFValue(const std::string &props, const std::string &category,
                           const std::string &key, std::string &value, std::string &description,
                           int32_t &readOnly)
{
    CostAccount account(props);
    const auto row = account.profileRow(category, key);
    value = row ? row->value : std::string();
    description = row ? row->description : std::string();
    readOnly = row ? row->readOnly : 0;
    return row.has_value();
}

bool CostCommon::CheckCurVer(const std::string &props, int32_t, int32_t,
                             const std::string &beginDate, const std::string &endDate,
                             std::string &message)
{
    CostAccount account(props);
    const PeriodBillCheck check(account, PeriodBillProblem::NotVerified, beginDate, endDate);
    message = check.message();
    return check.billCount() > 0;
}

bool CostCommon::CheckCurCre(const std::string &props, int32_t, int32_t,
                             const std::string &beginDate, const std::string &endDate,
                             std::string &message)
{
    CostAccount account(props);
    const PeriodBillCheck check(account, PeriodBillProblem::VerifiedNoVoucher, beginDate, endDate);
    message = check.message();
    return check.billCount() > 0;
}

} // namespace orvan::suite
