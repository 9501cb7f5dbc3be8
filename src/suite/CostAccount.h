#pragma once

#include <optional>
#include <string>

#include "db/Recordset.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

// A system profile row as the cost components read it.
struct ProfileRow
{
    std::string value; // FValue ("" for NULL)
    std::string description;
    int32_t readOnly = 0;
};

// The account of a login, as the cost components reach it: the login's shared property
// string names the account ("ConnectString") and the language of the texts ("LANGUAGE").
// Every call raises base::Error when the account cannot be opened or a statement fails.
class CostAccount
{
public:
    explicit CostAccount(const std::string &props);

    // Runs one batch in one transaction; the rows of its last query, or null.
    db::RecordsetPtr execute(const std::string &batch);

    // The row of t_SystemProfile for the category and key, when there is one.
    std::optional<ProfileRow> profileRow(const std::string &category, const std::string &key);
    // Sets the value, adding the row when absent, in one transaction.
    void writeProfileValue(const std::string &category, const std::string &key,
                           const std::string &value);

    // The login's language ("chs", "CHT", "EN"; "" when absent).
    const std::string &language() const { return m_language; }

private:
    AppConnection m_connection;
    std::string m_language;
};

} // namespace orvan::suite
