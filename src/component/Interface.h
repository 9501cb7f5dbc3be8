#pragma once

#include <cstdint>

#include "base/Object.h"

namespace orvan::component {

// Opens the bill-closing window for a host, after the rights check.
class Interface : public base::Object
{
public:
    // The window's ReturnCode (0, or 118 when the user asked for the reconciliation);
    // 0 after telling the user when the right is missing. Never raises.
    int32_t CloseBill();

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

} // namespace orvan::component
