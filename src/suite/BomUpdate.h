#pragma once

#include <string>

#include "base/Object.h"

namespace orvan::suite {

// "OrvanMBomBill.BomUpdate": makes the BOM screens follow the change-management option.
// Late-bound member: SetVisibelBySysProfile(P As String, V As Variant) As Boolean.
class BomUpdate : public base::Object
{
public:
    // Template code of the BOM bill.
    static constexpr const char *BomTemplate = "BOM";

    // Shows (v non-zero) or hides the change-management fields of the BOM screens in
    // the account the property string names: the change bill number and the BOM version
    // of the BOM head and the change bill number of its lines. True once done; a value that is not
    // a number raises a type mismatch and account errors raise base::Error, with nothing changed.
    bool SetVisibelBySysProfile(const std::string &props, const base::Variant &value);

    // The batch that shows or hides the fields.
    static std::string visibilitySql(bool on);

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

} // namespace orvan::suite
