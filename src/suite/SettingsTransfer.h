#pragma once

#include <string>
#include <vector>

namespace orvan::db {
class Database;
}

namespace orvan::suite {

// The account's parameters as a readable JSON file, to carry them to another account:
// the format's name and schema version, the source account's company name, the time
// (UTC), the scopes, then one entry a line, in a stable order:
//   {"table":"t_SystemProfile","key":["IC","CurrentYear"],"field":"FValue","value":"2026"}
// Values are text as the account holds them (yes/no as "1"/"0", dates as yyyy-mm-dd),
// null for none.
inline constexpr int SettingsSchemaVersion = 1;

// The scopes, in the order the file lists them; "all" stands for every one.
const std::vector<std::string> &settingsScopes();

// The file's text for the scopes (each one of settingsScopes(), or "all"); raises
// base::Error naming an unknown scope.
std::string exportSettings(db::Database &account, const std::vector<std::string> &scopes);

} // namespace orvan::suite
