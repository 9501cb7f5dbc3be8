#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Object.h"
#include "base/Variant.h"

namespace orvan::component {

// The host's entry point: tells which subsystem calls, opens the maintenance window for
// one class of parameters and reads single option values. All instances share the
// process-wide connection component, which lives until the last instance is released.
class SysFace : public base::Object
{
public:
    SysFace();
    ~SysFace() override;
    SysFace(const SysFace &) = delete;
    SysFace &operator=(const SysFace &) = delete;

    // Copied to the process-wide print-control flag by Show for the system class.
    bool m_bPrintControl = false;

    // Accepted and discarded: the connection in force is the login's "ConnectString".
    void ActiveCnnStr(std::string_view value);
    // The calling subsystem's code ("0000" purchasing ... "0006"; anything else: all).
    void SystemID(std::string_view value);
    // Opens the maintenance window modally for itemClassId (an Enu_SysClass value);
    // always returns Empty and never raises.
    base::Variant Show(int32_t itemClassId, int32_t classTypeId = 0,
                       std::string_view helpSystem = {});
    // -1 when the option is undefined or unreadable, else 0 or 1.
    int32_t GetOptionValue(std::string_view key);

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;

private:
    void showSystemClass(int32_t classTypeId);
};

} // namespace orvan::component
