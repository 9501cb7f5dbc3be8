#pragma once

#include <functional>
#include <vector>

#include "base/Object.h"
#include "component/OutsideComponents.h"
#include "suite/OptionDetailDialog.h"

namespace orvan::suite {

// The late-bound option dialog of another module. Its one member (dispatch id 1, named
// and typed by the interface it is made with) turns the caller's arguments into the
// dialog to show, shows it on the process's account and stores the values on OK; the
// member returns True when values were stored.
class OptionDialogComponent : public base::Object
{
public:
    // Makes the dialog for the arguments; raises base::Error for arguments it cannot use.
    using Request = std::function<OptionDialogLayout(component::ConnectionComponent &account,
                                                     const std::vector<base::Variant> &args)>;

    OptionDialogComponent(const base::InterfaceInfo &info, Request request);

    bool show(const std::vector<base::Variant> &args);

    const base::InterfaceInfo *typeInfo() const override { return &m_info; }

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;

private:
    const base::InterfaceInfo &m_info;
    Request m_request;
};

} // namespace orvan::suite
