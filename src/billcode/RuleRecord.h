#pragma once

#include <string>
#include <vector>

#include "component/BillCodeComponents.h"

namespace orvan::forms {
class CellGrid;
}

namespace orvan::billcode {

class ItemList;

// The levels a rule grid saves and the readable picture of the rule.
struct RuleGridContent
{
    std::vector<component::SavedRuleRow> rows;
    std::string picture; // "PO+日期+0001"
};

// Rows whose kind is 1 or more and whose item cell is not blank, numbered 1, 2, ...
// without the empty rows between them.
RuleGridContent collectRuleRows(const forms::CellGrid &grid, const ItemList &items);

// The whole number of a cell's text; 0 for blank or non-numeric text.
int32_t wholeNumberOf(const std::string &text);

// The serial's start value padded with zeros to its length ("1", 4 -> "0001"), at most
// MaxRuleLength digits; text that is not a number stays as written.
std::string paddedSerial(const std::string &start, int32_t length);

} // namespace orvan::billcode
