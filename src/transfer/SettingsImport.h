#pragma once

#include <optional>
#include <string>
#include <vector>

#include "transfer/SettingsFile.h"

namespace orvan::transfer {

// A value the import changes, or would change: the file's entry, the account's value
// before it (none: null, or no such record yet) and what the checks said on the way.
struct ImportChange
{
    SettingsEntry entry;
    std::optional<std::string> current;
    bool newRecord = false;
    std::vector<std::string> notes;
};

// An entry the import cannot take, and why (in the login's language).
struct ImportRefusal
{
    SettingsEntry entry;
    std::string reason;
};

struct ImportReport
{
    std::vector<ImportChange> changes; // in the file's order
    std::vector<ImportRefusal> refused;
    // Values of the account's own calendar (its current and start periods, its closing,
    // its period dates) that differ from the file's: an import never carries them.
    std::vector<SettingsEntry> kept;
    size_t unchanged = 0;
    bool applied = false;
};

// Compares the file with the account and runs every change through the checks the
// window runs: an option through the option control and the window's option rules (their
// messages become the change's notes, or the refusal's reason), with the template
// rewrites it requires; a key the account does not know is refused. All of it is one
// transaction, kept only when nothing was refused and it is not a dry run; the change
// history names the action "settings import". Messages are recorded, never shown.
ImportReport importSettings(const SettingsFile &file, bool dryRun);

// The changes of a report, tab-separated: the heading "table\trecord\tfield\tcurrent\tnew",
// then a line a change (null as nothing).
std::string importListing(const ImportReport &report);

} // namespace orvan::transfer
