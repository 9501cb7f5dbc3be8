#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The account's parameters as a readable JSON file, to carry them to another account:
// the format's name and schema version, the source account's company name, the time
// (UTC), the scopes, then one entry a line, in a stable order:
//   {"table":"t_SystemProfile","key":["IC","CurrentYear"],"field":"FValue","value":"2026"}
// Values are text as the account holds them (yes/no as "1"/"0", dates as yyyy-mm-dd),
// null for none. Everything is read through the process's connection.
namespace orvan::transfer {

inline constexpr int SettingsSchemaVersion = 1;
inline constexpr const char *SettingsFormat = "orvan-sysmaintain settings";

// A table the file carries: the columns that name a record and the values carried.
struct SettingsTable
{
    const char *scope;
    const char *table;
    std::vector<const char *> keyColumns;
    std::vector<const char *> valueColumns;

    bool carries(std::string_view field) const;
};

const std::vector<SettingsTable> &settingsTables();
const SettingsTable *findSettingsTable(std::string_view name);

// The scopes, in the order the file lists them; "all" stands for every one.
const std::vector<std::string> &settingsScopes();
// The scopes asked for, in the file's order; raises base::Error naming an unknown one.
std::vector<std::string> chosenScopes(const std::vector<std::string> &asked);

// One value of a record.
struct SettingsEntry
{
    std::string table;
    std::vector<std::string> key;
    std::string field;
    std::optional<std::string> value; // none: the record holds null

    // The record as the change history names it: the key's values joined by dots.
    std::string record() const;
};

// The account's values of the scopes (as chosenScopes() takes them), in the file's order.
std::vector<SettingsEntry> readSettings(const std::vector<std::string> &scopes);

// The file's text of entries read for the scopes.
std::string settingsText(const std::vector<std::string> &scopes,
                         const std::vector<SettingsEntry> &entries);
// The file's text for the scopes: readSettings, then settingsText.
std::string exportSettings(const std::vector<std::string> &scopes);

struct SettingsFile
{
    int schemaVersion = 0;
    std::string company;
    std::string exported;
    std::vector<std::string> scopes;
    std::vector<SettingsEntry> entries;
};

// Reads a file's text; raises base::Error saying what is wrong: not JSON, not a
// settings file, written by a newer version of the program, an entry that is malformed
// (with its number).
SettingsFile parseSettingsFile(const std::string &text);

// Writes a settings file beside its place first, so that a failed write leaves the file
// as it was; "-" writes standard output. Raises base::Error naming the file.
void writeSettingsText(const std::string &path, const std::string &text);
// A file's text; "-" reads standard input. Raises base::Error naming the file.
std::string readSettingsText(const std::string &path);

} // namespace orvan::transfer
