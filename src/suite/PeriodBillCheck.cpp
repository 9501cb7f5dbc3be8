#include "suite/PeriodBillCheck.h"

#include <vector>

#include "base/Text.h"
#include "db/SqlText.h"
#include "suite/CostAccount.h"

namespace orvan::suite {
namespace {

// The wording of a check's message in one language: the whole message with %1 = the
// number of bills and %2 = the kinds, one kind with %1 = its name and %2 = its count,
// and the separator between kinds.
struct Wording
{
    const char *message;
    const char *kind;
    const char *separator;
    const char *nameColumn;
};

Wording wordingOf(PeriodBillProblem problem, const std::string &language)
{
    const bool verify = problem == PeriodBillProblem::NotVerified;
    if (base::equalsNoCase(language, "EN"))
        // The options' words: "unapproved", "without vouchers".
        return {verify ? "Unapproved stock bills of the period: %1 (%2)."
                       : "Approved stock bills of the period without vouchers: %1 (%2).",
                "%1 %2", ", ", "FBillName_EN"};
    if (base::equalsNoCase(language, "CHT"))
        return {verify ? "本期有%1張出入庫單據未審核：%2。"
                       : "本期有%1張已審核的出入庫單據未生成憑證：%2。",
                "%1%2張", "、", "FBillName_CHT"};
    return {verify ? "本期有%1张出入库单据未审核：%2。"
                   : "本期有%1张已审核的出入库单据未生成凭证：%2。",
            "%1%2张", "、", "FBillName"};
}

std::string conditionOf(PeriodBillProblem problem)
{
    return problem == PeriodBillProblem::NotVerified ? "b.FStatus=0"
                                                     : "b.FStatus<>0 AND b.FVchInterID=0";
}

std::string countsByKindSql(PeriodBillProblem problem, const Wording &wording,
                            const std::string &beginDate, const std::string &endDate)
{
    return "SELECT b.FTranType AS FTranType, MAX(n.FBillName) AS FName, MAX(n." +
           std::string(wording.nameColumn) +
           ") AS FLanguageName, count(*) AS FCount FROM ICStockBill b LEFT JOIN ICBillNo n ON "
           "n.FBillID=b.FTranType WHERE b.FDate>=" +
           db::sqlQuote(beginDate) + " AND b.FDate<" + db::sqlQuote(endDate) + " AND " +
           conditionOf(problem) + " GROUP BY b.FTranType ORDER BY b.FTranType";
}

// The kind's name in the language, else its simplified-Chinese name, else its number
// in brackets (which keeps it apart from the count).
std::string kindName(const db::Recordset &rows)
{
    for (const char *column : {"FLanguageName", "FName"}) {
        const auto name = base::trim(rows.Fields(column).Value().text());
        if (!name.empty())
            return name;
    }
    return "[" + rows.Fields("FTranType").Value().text() + "]";
}

} // namespace

PeriodBillCheck::PeriodBillCheck(CostAccount &account, PeriodBillProblem problem,
                                 const std::string &beginDate, const std::string &endDate)
{
    const auto wording = wordingOf(problem, account.language());
    auto rows = account.execute(countsByKindSql(problem, wording, beginDate, endDate));
    std::string kinds;
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto count = rows->Fields("FCount").Value().toLong();
        m_billCount += count;
        if (!kinds.empty())
            kinds += wording.separator;
        kinds += base::formatTemplate(wording.kind,
                                      {base::Variant(kindName(*rows)), base::Variant(count)});
    }
    if (m_billCount > 0)
        m_message =
            base::formatTemplate(wording.message, {base::Variant(static_cast<int32_t>(m_billCount)),
                                                   base::Variant(kinds)});
}

} // namespace orvan::suite
