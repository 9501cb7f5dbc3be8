#include "billcode/NextNumberPreview.h"

#include "base/Error.h"
#include "base/Format.h"
#include "base/Text.h"
#include "billcode/ItemList.h"
#include "billcode/RuleColumns.h"
#include "billcode/RuleRecord.h"
#include "forms/CellGrid.h"

namespace orvan::billcode {
namespace {

std::string datePiece(const std::string &format, double day)
{
    if (base::trim(format).empty())
        return {};
    try {
        return base::formatDate(day, base::lowerCase(format));
    } catch (const base::Error &) {
        return format;
    }
}

std::string namePiece(const std::string &name)
{
    return name.empty() ? std::string() : "[" + name + "]";
}

std::string pieceOf(const forms::CellGrid &grid, int row, int32_t kind, double day)
{
    const std::string &format = grid.text(RuleColumn::Format, row);
    switch (kind) {
    case ItemKind::FixedText:
        return format;
    case ItemKind::Date:
        return datePiece(format, day);
    case ItemKind::Serial:
        return paddedSerial(format, wholeNumberOf(grid.text(RuleColumn::Length, row)));
    case ItemKind::BaseData:
        return namePiece(base::trim(format));
    case ItemKind::PlainCheckItem:
    case ItemKind::BillField:
        return namePiece(ItemList::captionPart(grid.text(RuleColumn::Item, row)));
    default:
        return {};
    }
}

} // namespace

std::string previewNextNumber(const forms::CellGrid &grid, double day)
{
    std::string number;
    for (int row = 1; row <= grid.maxRows(); ++row) {
        const int32_t kind = wholeNumberOf(grid.text(RuleColumn::Kind, row));
        if (kind >= 1 && !base::trim(grid.text(RuleColumn::Item, row)).empty())
            number += pieceOf(grid, row, kind, day);
    }
    return number;
}

} // namespace orvan::billcode
