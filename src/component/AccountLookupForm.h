#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"

namespace orvan::component {

// One account of the chart, as the lookup lists it.
struct AccountEntry
{
    int32_t id = 0;
    std::string number;
    std::string name;
};

// The account lookup window "frmAccountLookup": the chart of accounts, narrowed by a
// search text, from which the user picks one account with OK or leaves with Cancel.
//
// Driving it as a user does: search(text), selectRow(index) or selectNumber(number) on
// the rows shown, press(OkKey) or press(CancelKey); chosen() tells what was picked.
class AccountLookupForm : public forms::Form
{
public:
    static constexpr const char *OkKey = "OK";
    static constexpr const char *CancelKey = "Cancel";

    explicit AccountLookupForm(std::vector<AccountEntry> accounts);

    std::string formName() const override { return "frmAccountLookup"; }
    void load() override;

    // Shows the accounts whose number begins with the text or whose name contains it
    // (letters without regard to case); the first one shown becomes current.
    void search(std::string_view text);
    const std::string &searchText() const { return m_search; }
    const std::vector<AccountEntry> &rows() const { return m_rows; }

    // Makes a shown row current; false when there is no such row.
    bool selectRow(int index);
    // Makes the shown account with that number current; false when it is not shown.
    bool selectNumber(std::string_view number);
    int currentRow() const { return m_current; }

    // OK takes the current row (and does nothing when there is none); Cancel leaves.
    bool press(std::string_view key);

    const std::optional<AccountEntry> &chosen() const { return m_chosen; }

private:
    std::vector<AccountEntry> m_accounts;
    std::vector<AccountEntry> m_rows;
    std::string m_search;
    int m_current = -1;
    std::optional<AccountEntry> m_chosen;
};

} // namespace orvan::component
