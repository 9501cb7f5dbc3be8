#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvan::forms {

// How an option's value is entered and shown.
enum class OptionKind {
    Check,       // check box; the value is "1" or "0"
    WholeNumber, // whole number within the limits
    Decimal,     // number within the limits
    Text,        // free text up to the maximum length
    List,        // one of the list items; the value is the item's index
    Switch,      // check box whose value the owner hands on as True/False
    Button,      // a button that opens a dialog of its own; no value
};

struct OptionRow
{
    std::string key;
    std::string caption;
    OptionKind kind = OptionKind::Check;
    std::string value;                  // as stored: digits for checks, numbers and lists
    std::vector<std::string> listItems; // list options
    std::optional<double> minimum;
    std::optional<double> maximum;
    int maxLength = 0; // text options; 0: no limit
    bool enabled = true;
};

// A page of options as a property list: one row per option, caption and value. The
// owner fills and stores it; views render it and hand the user's edits to the owner.
struct OptionSheet
{
    std::string title;
    std::vector<OptionRow> rows;
    bool visible = false;
    int currentRow = -1;

    OptionRow *row(const std::string &key);
    const OptionRow *row(const std::string &key) const;
};

// The text a view shows for a row's value: checks "√" or "", lists their item.
std::string displayValue(const OptionRow &row);

// Checks a typed value against the row's kind and limits. Returns the value to store
// (numbers normalised, list items turned into their index, check words into "1"/"0") or
// nothing, with the reason: a message template (to be translated) in which "%1" stands
// for the row's caption and "%2", where present, for `argument` (a limit).
std::optional<std::string> acceptValue(const OptionRow &row, const std::string &typed,
                                       std::string &reason, std::string &argument);
// The same with the reason's "%1" and "%2" already replaced (untranslated).
std::optional<std::string> acceptValue(const OptionRow &row, const std::string &typed,
                                       std::string &error);

} // namespace orvan::forms
