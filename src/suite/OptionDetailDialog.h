#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "component/OutsideComponents.h"

namespace orvan::suite {

// A value an option dialog shows and keeps as one t_SystemProfile row under the dialog's
// category: a check box stored as "1" or "0", or a whole number within its limits.
struct OptionDetail
{
    std::string key;               // FKey of the row
    const char *caption = nullptr; // untranslated
    bool isNumber = false;
    int32_t minimum = 0;
    int32_t maximum = 0;
};

// What an option dialog shows: its window name, caption, category and values.
struct OptionDialogLayout
{
    std::string formName;
    const char *caption = nullptr; // untranslated
    std::string category;
    std::vector<OptionDetail> details;
};

// Shows the dialog modally with the values the account holds (absent rows show cleared
// boxes and the lowest numbers; read-only rows cannot be changed) and, on OK, stores
// every changeable value in one batch, adding missing rows. Returns whether it stored.
// Account errors raise base::Error; nothing is stored then.
bool runOptionDialog(component::ConnectionComponent &account, const OptionDialogLayout &layout);

} // namespace orvan::suite
