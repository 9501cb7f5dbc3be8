#pragma once

#include <string>
#include <vector>

#include "forms/Controls.h"

namespace orvan::mainwindow {

// One entry of the supply-chain overall option list: the list item's key and caption
// and the profile row its check box stands for ("" for the entry bound to none).
struct OverallOptionEntry
{
    const char *itemKey;
    const char *caption;
    const char *category;
    const char *profileKey;
};

// The entries in list order (45 positions; "mlv45" is bound to no row).
const std::vector<OverallOptionEntry> &overallOptionEntries();
// The query that reads the stored values of every entry and "AuditChoice".
std::string overallOptionsSql();

// The overall options of the supply chain as a list of check boxes, each stored in its
// profile row as soon as it is ticked or cleared. A few entries guard or follow their
// change with template rewrites.
class OverallOptions
{
public:
    static constexpr int Positions = 45;

    // Reads the stored values and fills the list (the entry for amounts in stock only
    // when amounts are accounted, AuditChoice 1). Errors leave what was read so far.
    void fill(forms::CheckList &list);
    // The user's tick or clear of an item; returns false when the change was refused (the
    // box is set back) or the item is not an entry.
    bool toggle(forms::CheckList &list, const std::string &itemKey, bool checked);

    // The values read for the list, by position.
    const std::vector<int> &values() const { return m_values; }

private:
    bool productionGuardRefuses();

    std::vector<int> m_values = std::vector<int>(Positions, 0);
};

} // namespace orvan::mainwindow
