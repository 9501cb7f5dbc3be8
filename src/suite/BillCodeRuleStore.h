#pragma once

#include "component/BillCodeComponents.h"

namespace orvan::suite {

// "OrvanMBillCodeRule.clsBillCodeRule" over the account's rule tables: t_BillCodeRule
// (levels), ICBillNo (options, picture in FDesc, bill type), t_BillCodeOption (format
// options) and t_BillCheckItem (check items).
class BillCodeRuleStore : public component::BillCodeRuleComponent
{
public:
    db::RecordsetPtr GetCodeRuleByBill(const std::string &connectString, int32_t billId) override;
    db::RecordsetPtr GetOptionByBill(const std::string &connectString) override;
    db::RecordsetPtr GetOptionByProj(const std::string &connectString) override;
    db::RecordsetPtr GetCheckProj(const std::string &connectString) override;
    bool SaveBillCodeRule(const std::string &connectString,
                          component::BillCodeRuleRecord &record) override;

    // The batch that stores a record (one transaction when executed).
    static std::string saveBatch(const component::BillCodeRuleRecord &record);
    // True when the record may be stored: known item kinds, levels 1, 2, ... without
    // gaps, lengths 0 to 255 and at most 255 in total, options 0 to 2, basis flags 0 or 1.
    static bool isValidRecord(const component::BillCodeRuleRecord &record);
};

} // namespace orvan::suite
