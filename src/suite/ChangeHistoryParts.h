#pragma once

// What the change history's parts share: the recorded tables, the history table, who
// and what makes the changes.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Error.h"

namespace orvan::suite::history {

inline constexpr long HistoryError = base::ErrorNumber::DataUnspecified;

// A table whose changes are recorded, with the columns that name a record.
struct RecordedTable
{
    const char *name;
    std::vector<const char *> keyColumns;
};
const std::vector<RecordedTable> &recordedTables();

// The bill-template tables the option changes rewrite: their rows are counted, and the
// history gets one summary row per rewrite.
const std::vector<const char *> &templateTables();
// The rows of those tables this process changed on an account file, counted by triggers.
int64_t &templateRowsChanged();

// The history table in the embedded engine's words; translated for a server.
extern const char *const HistorySchema;

// Who and what makes a change: the login's user id ("" when none) and name, this
// machine, and the action (the command words, with the window node).
std::string userId();
std::string userName();
const std::string &machine();
std::string action();

// Set while the prune removes rows.
bool &pruning();

} // namespace orvan::suite::history
