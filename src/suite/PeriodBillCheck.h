#pragma once

#include <string>

namespace orvan::suite {

class CostAccount;

// Which stock bills of a period a check looks for.
enum class PeriodBillProblem {
    NotVerified,      // FStatus 0
    VerifiedNoVoucher // FStatus not 0 and FVchInterID 0
};

// The stock bills dated in [beginDate, endDate) that have the problem, counted by bill
// kind. message() tells how many there are and of which kinds, in the account login's
// language; it is "" when there are none.
class PeriodBillCheck
{
public:
    PeriodBillCheck(CostAccount &account, PeriodBillProblem problem, const std::string &beginDate,
                    const std::string &endDate);

    long billCount() const { return m_billCount; }
    const std::string &message() const { return m_message; }

private:
    long m_billCount = 0;
    std::string m_message;
};

} // namespace orvan::suite
