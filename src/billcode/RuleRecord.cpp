#include "billcode/RuleRecord.h"

#include <algorithm>
#include <cmath>

#include "base/Convert.h"
#include "base/Format.h"
#include "base/Text.h"
#include "billcode/ItemList.h"
#include "billcode/RuleColumns.h"
#include "forms/CellGrid.h"

namespace orvan::billcode {
namespace {

std::string pieceOf(const forms::CellGrid &grid, const ItemList &items, int row, int32_t kind)
{
    switch (kind) {
    case ItemKind::Date:
    case ItemKind::BaseData:
    case ItemKind::PlainCheckItem:
        return items.storedCaption(grid.text(RuleColumn::Item, row));
    case ItemKind::FixedText:
        return grid.text(RuleColumn::Format, row);
    case ItemKind::Serial:
        return paddedSerial(grid.text(RuleColumn::Format, row),
                            wholeNumberOf(grid.text(RuleColumn::Length, row)));
    case ItemKind::BillField: {
        std::string caption =
            items.storedCaption(ItemList::captionPart(grid.text(RuleColumn::Item, row)));
        std::erase(caption, '+');
        return caption;
    }
    default:
        return {};
    }
}

component::SavedRuleRow savedRowOf(const forms::CellGrid &grid, int row, int32_t kind)
{
    component::SavedRuleRow saved;
    saved.FProjectID = kind;
    saved.FFormatIndex = wholeNumberOf(grid.text(RuleColumn::FormatId, row));
    saved.FLength = wholeNumberOf(grid.text(RuleColumn::Length, row));
    saved.FAddChar = base::trim(grid.text(RuleColumn::AddChar, row));
    saved.FReChar = base::trim(grid.text(RuleColumn::ReChar, row));
    const int valueColumn =
        kind >= ItemKind::FirstCheckItem ? RuleColumn::FieldName : RuleColumn::Format;
    saved.FProjectVal = base::trim(grid.text(valueColumn, row));
    saved.FIsBy = forms::isCheckedText(grid.text(RuleColumn::Basis, row)) ? 1 : 0;
    return saved;
}

} // namespace

int32_t wholeNumberOf(const std::string &text)
{
    const auto number = base::parseNumber(text);
    if (!number || std::fabs(*number) > 2147483647.0)
        return 0;
    return base::toLong(*number);
}

std::string paddedSerial(const std::string &start, int32_t length)
{
    const auto number = base::parseNumber(start);
    if (!number)
        return start;
    // No rule is longer than MaxRuleLength (saving refuses it): neither is its serial.
    const auto digits = std::clamp(length, 0, MaxRuleLength);
    return base::formatNumber(*number, std::string(static_cast<size_t>(digits), '0'));
}

RuleGridContent collectRuleRows(const forms::CellGrid &grid, const ItemList &items)
{
    RuleGridContent content;
    for (int row = 1; row <= grid.maxRows(); ++row) {
        const int32_t kind = wholeNumberOf(grid.text(RuleColumn::Kind, row));
        if (kind < 1 || base::trim(grid.text(RuleColumn::Item, row)).empty())
            continue;
        auto saved = savedRowOf(grid, row, kind);
        saved.FClassIndex = static_cast<int32_t>(content.rows.size()) + 1;
        content.rows.push_back(saved);
        if (kind <= ItemKind::Serial || kind == ItemKind::BaseData ||
            kind == ItemKind::PlainCheckItem || kind == ItemKind::BillField)
            content.picture += pieceOf(grid, items, row, kind) + "+";
    }
    if (!content.picture.empty() && content.picture.back() == '+')
        content.picture.pop_back();
    return content;
}

} // namespace orvan::billcode
