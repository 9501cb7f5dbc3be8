#pragma once

#include <cstdint>
#include <string>

#include "base/Object.h"

namespace orvan::suite {

// "OrvanSHTransBills.clsPPBom": the production material lists (PPBOMEntry) of the
// process's account. Late-bound member: FSCRAP_FORMULA_Change(n As Long).
class PPBom : public base::Object
{
public:
    // The scrap-rate formulas of the option FSCRAP_FORMULA.
    enum ScrapFormula : int32_t {
        ScrapOfInput = 0,  // scrap quantity / quantity put in
        ScrapOfOutput = 1, // scrap quantity / quantity produced
    };

    // Recomputes the scrap rate (percent, 4 decimals) of every material list line by the
    // formula; a line whose divisor is zero gets rate 0. Another formula number raises
    // error 5 and changes nothing.
    void FSCRAP_FORMULA_Change(int32_t formula);

    // The batch that recomputes the rates.
    static std::string scrapRateSql(ScrapFormula formula);

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

} // namespace orvan::suite
