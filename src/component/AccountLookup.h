#pragma once

#include <memory>
#include <string>

#include "base/Dictionary.h"
#include "base/Object.h"
#include "db/SqlText.h"

// The base-data lookups of the ledger view component: a list the user searches and picks
// a record from.
namespace orvan::component {

namespace ProgId {
inline constexpr const char *LedgerView = "LedgerView.GLView";
} // namespace ProgId

// Item class of the chart of accounts in the base-data lookups.
inline constexpr int32_t AccountItemClass = 13;

// The query of the account with a number (FName, FNumber, FAccountID): the one check of
// an account number a user types, wherever it is typed.
inline std::string accountByNumberSql(const std::string &number)
{
    return "SELECT FName,FNumber,FAccountID FROM t_Account WHERE FNumber=" + db::sqlQuote(number);
}

// What a lookup hands back: ReturnOK is true when the user chose a record; the chosen
// record's properties are in ReturnObject ("FNumber", "FAccountID", "FName" for an
// account; names ignore case). ReturnObject is null when nothing was chosen.
class LookupResult : public base::Object
{
public:
    bool ReturnOK = false;
    std::shared_ptr<base::Dictionary> ReturnObject;
};

// "LedgerView.GLView": the base-data lookups.
class LedgerViewComponent : public base::Object
{
public:
    // Lets the user pick an account of t_Account. parameters carries the lookup's options
    // (none are required). Raises base::Error when the accounts cannot be read.
    virtual std::shared_ptr<LookupResult> AccountLookup(const base::Dictionary &parameters) = 0;
};

} // namespace orvan::component
