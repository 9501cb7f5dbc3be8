#pragma once

#include "component/CostComponents.h"

namespace orvan::suite {

// "BillData.SavePosData": copies the stock bills a filter selects (ICStockBill) to
// ICBillPosData with the time of saving. The copy of the filtered dates is replaced in
// the same transaction, so saving a period twice keeps one copy of each bill. The filter
// must be one WHERE clause on one line; anything else raises error 5.
class SavePosData : public component::SavePosDataComponent
{
public:
    void PutinData(const std::string &props, int32_t option, const std::string &filter,
                   int32_t reserved) override;
};

} // namespace orvan::suite
