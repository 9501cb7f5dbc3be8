#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "db/Recordset.h"

// The profile table t_SystemProfile (category, key, text value), the option definitions
// icsystemprofile and the per-user overrides QMUserOption: the small reads and writes
// every part of the program uses. Reads never raise; they give "0", 0, false or -1.
// Every text value is quoted with db::sqlQuote.
namespace orvan::params {

inline constexpr const char *CrLf = "\r\n";

// Runs SQL through the process-wide connection; raises when there is none (424) or the
// database refuses the text.
db::RecordsetPtr executeOnAccount(const std::string &sql);

// The account of the chart of accounts with this number (FName, FNumber, FAccountID),
// no row when there is none: the one check of an account number a user types.
db::RecordsetPtr accountByNumber(const std::string &number);

// The named field of the first row of a query, or nothing when there is no row. Raises
// what the query raises.
std::optional<std::string> firstFieldText(const std::string &sql, const std::string &fieldName);

// The named field of the first row as text; "0" when there is no row or the query fails.
// When there is no row and keyToCreate (trimmed) is not empty, a "General" row with that
// key is inserted (FReadonly 0, FLevel 1).
std::string ReadProfileValue(const std::string &sql, const std::string &fieldName,
                             const std::string &keyToCreate = {});

// Fills profileFlags(): makes sure the "CompanyTax" and "CompanyYHAccount" rows exist, then
// reads the closed flag, the period definition method, the accounting choice, the export
// sale flag, the forecast strategy and the base currency name, in that order.
void PreloadProfileFlags();

// Reads "GL"/"PeriodDefineMethod" into profileFlags() (without creating any row).
void loadPeriodDefineMethod();

// True when the category has at least one row; false also when the count cannot be read.
bool CategoryHasRows(const std::string &category);

// The number in FValue of the first row with the key in any category; 0 when there is
// none or it is not a number.
double ReadProfileNumber(const std::string &key);

// Writes the value, updating the row when it exists and inserting it otherwise, in one
// batch. Raises what the database raises.
void UpsertProfileValue(const std::string &category, const std::string &key,
                        const std::string &value);
std::string upsertProfileSql(const std::string &category, const std::string &key,
                             const std::string &value);

// The effective value of an option for the logged-in user: -1 when the option is not
// defined, "UserID" is missing, the value is not a number or the database fails; else 0
// for a value of 0 and 1 for any other. The definition with the lowest FIndex counts;
// a user override that is null falls back to the definition's value.
int32_t GetOptionValue(const std::string &key);
std::string optionValueSql(int32_t userId, const std::string &key);

} // namespace orvan::params
