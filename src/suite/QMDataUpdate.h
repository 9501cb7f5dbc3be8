#pragma once

#include <string>

#include "base/Object.h"

namespace orvan::suite {

// "OrvanMQMDataAccess.DataUpdate": the quality module's data derived from the purchase
// item map. Late-bound member: Refresh(P As String).
class QMDataUpdate : public base::Object
{
public:
    static constexpr const char *Category = "QM";
    static constexpr const char *RefreshedKey = "ItemMapRefreshed";

    // Marks the quality module's item map data as refreshed in the account the property
    // string names: t_SystemProfile QM/ItemMapRefreshed receives the current date and time
    // ("yyyy-mm-dd hh:mm:ss"; the row is added when absent). The quality module rebuilds
    // its item lookups when the stamp is newer than its own. Raises base::Error when the
    // account cannot be written.
    void Refresh(const std::string &props);

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

} // namespace orvan::suite
