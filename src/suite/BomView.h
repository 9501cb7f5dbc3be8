#pragma once

#include <string>

#include "base/Object.h"

namespace orvan::suite {

// "OrvanMBomBill.BomView": what the BOM module tells about the account's bills.
// Late-bound member: ExistsEcnBill(P As String) As Boolean.
class BomView : public base::Object
{
public:
    // True when the account the login's property string names holds engineering change
    // bills (ICECNBill), whatever their status: while one exists, change management
    // cannot be switched off. Raises base::Error when the account cannot be read.
    bool ExistsEcnBill(const std::string &props);

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

} // namespace orvan::suite
