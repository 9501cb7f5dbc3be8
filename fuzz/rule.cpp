// Numbering rules: any texts typed into the cells of a rule grid give a saved record and
// a next-number preview of bounded size, or fail with the program's own error.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "billcode/ItemList.h"
#include "billcode/NextNumberPreview.h"
#include "billcode/RuleColumns.h"
#include "billcode/RuleRecord.h"
#include "forms/CellGrid.h"

namespace {

using namespace orvan;

// Cells are given one per line as a row byte, a column byte and the text: "A" is row 1,
// "B" row 2, ...; "1" is column 1 (the item) to "9" column 9 (the basis box); other
// bytes wrap into the grid.
void fillGrid(forms::CellGrid &grid, std::string_view text)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() < 2)
            continue;
        const auto byte = [&](size_t at, unsigned first, unsigned count) {
            return 1 +
                   static_cast<int>((static_cast<unsigned char>(line[at]) + 256 - first) % count);
        };
        const int row = byte(0, 'A', billcode::MaxRuleRows);
        const int col = byte(1, '1', billcode::RuleColumn::Count);
        grid.setText(col, row, std::string(line.substr(2)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    forms::CellGrid grid;
    grid.setMaxCols(billcode::RuleColumn::Count + 1);
    grid.setMaxRows(billcode::MaxRuleRows);
    fillGrid(grid, std::string_view(reinterpret_cast<const char *>(data), size));
    try {
        billcode::ItemList items; // the fixed items; the grid's captions are typed freely
        items.build({}, {});
        const auto content = billcode::collectRuleRows(grid, items);
        for (const auto &row : content.rows)
            if (row.FClassIndex < 1 || row.FProjectID < 1)
                std::abort(); // only rows with a kind and an item are saved
        const std::string preview = billcode::previewNextNumber(grid, 46000.0);
        // A serial is padded to at most MaxRuleLength digits: no preview grows without
        // bound from a short input.
        if (preview.size() > 64 * size + billcode::MaxRuleRows * 512)
            std::abort();
    } catch (const base::Error &) {
    }
    return 0;
}
