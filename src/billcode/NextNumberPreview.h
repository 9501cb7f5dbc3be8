#pragma once

#include <string>

namespace orvan::forms {
class CellGrid;
}

namespace orvan::billcode {

// The next bill number the rule in the grid composes on a given day: fixed texts as
// typed, the date in its chosen format, the serial at its start value padded to its
// length, and base-data items and bill fields as "[name]" (their value is known only
// on the bill). Empty rows are skipped.
std::string previewNextNumber(const forms::CellGrid &grid, double day);

} // namespace orvan::billcode
