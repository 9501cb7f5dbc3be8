#include "suite/PPBom.h"

#include "base/Error.h"
#include "suite/LateBoundMembers.h"
#include "suite/OptionAccount.h"

namespace orvan::suite {
namespace {

constexpr base::DispId MemberScrapFormulaChange = 1;

} // namespace

std::string PPBom::scrapRateSql(ScrapFormula formula)
{
    const std::string divisor = formula == ScrapOfOutput ? "FQtyOutput" : "FQtyInput";
    return "UPDATE PPBOMEntry SET FScrapRate=CASE WHEN " + divisor +
           "<>0 THEN ROUND(FQtyScrap*100.0/" + divisor + ",4) ELSE 0 END";
}

void PPBom::FSCRAP_FORMULA_Change(int32_t formula)
{
    if (formula != ScrapOfInput && formula != ScrapOfOutput)
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "Unknown scrap rate formula " + std::to_string(formula),
                          "OrvanSHTransBills.clsPPBom");
    processAccount()->Execute(scrapRateSql(static_cast<ScrapFormula>(formula)));
}

const base::InterfaceInfo *PPBom::typeInfo() const
{
    using namespace latebound;
    static const base::InterfaceInfo info{
        "_clsPPBom",
        "",
        {method("FSCRAP_FORMULA_Change", MemberScrapFormulaChange, "", base::VarType::Empty,
                {param("n", "Long", base::VarType::Long)})},
    };
    return &info;
}

base::Variant PPBom::dispatch(base::DispId id, base::InvokeKind kind,
                              std::vector<base::Variant> &args)
{
    if (id == MemberScrapFormulaChange) {
        FSCRAP_FORMULA_Change(args[0].toLong());
        return {};
    }
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::suite
