// The checks before a save, the save itself and the text dump of the rule grid.
#include "billcode/BillCodeRuleGrid.h"
#include "component/AccountReason.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "billcode/RuleColumns.h"
#include "component/BillCodeComponents.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"

namespace orvan::billcode {
namespace {

bool needsFormat(int32_t kind)
{
    return kind == ItemKind::Date ||
           (kind >= ItemKind::FirstCheckItem && kind <= ItemKind::BaseData);
}

} // namespace

bool BillCodeRuleGrid::checkTotalLength(bool useRule) const
{
    if (!useRule)
        return true;
    int64_t total = 0;
    for (int row = 1; row <= MaxRuleRows; ++row) {
        const int32_t length = wholeNumberOf(m_grid.text(RuleColumn::Length, row));
        if (kindOf(row) < 1 || length <= 0)
            continue;
        total += length;
        if (total > MaxRuleLength) {
            showNotice(component::TranslateText("编码设置长度超过255位，请重新设置。"));
            return false;
        }
    }
    return true;
}

bool BillCodeRuleGrid::checkRows(bool useRule) const
{
    if (!useRule)
        return true;
    bool hasSerial = false;
    for (int row = 1; row <= MaxRuleRows; ++row) {
        const int32_t kind = kindOf(row);
        const std::string format = m_grid.text(RuleColumn::Format, row);
        const char *failure = nullptr;
        if (needsFormat(kind) && format.empty()) {
            failure = "第%1行格式不能为空!";
        } else if (kind == ItemKind::Serial) {
            hasSerial = true;
            if (format.empty())
                failure = "第%1行格式不能为空!";
            else if (!base::isNumericText(format))
                failure = "第%1行“格式”列的值应该为数字!";
            else if (!isSerialStart(format))
                failure = "第%1行流水号起始值必须是不小于0的整数!";
            else if (m_grid.text(RuleColumn::Length, row).empty())
                failure = "第%1行长度不能为空!";
        }
        if (failure) {
            showNotice(component::FormatText(failure, row));
            return false;
        }
    }
    if (!hasSerial) {
        showNotice(component::TranslateText("缺少[流水号]项，请输入!"));
        return false;
    }
    return true;
}

component::BillCodeRuleRecord BillCodeRuleGrid::buildRecord(const BillOptions &options) const
{
    auto content = collectRuleRows(m_grid, m_itemList);
    component::BillCodeRuleRecord record;
    record.BillCodeRule = std::move(content.rows);
    record.FBillFormat = std::move(content.picture);
    record.FBillTypeID = m_itemList.billTypeId();
    record.FBillID = m_billId;
    record.FCanAlterBillNo = options.FCanAlterBillNo;
    record.FCheckAfterSave = options.FCheckAfterSave;
    record.FUseBillCodeRule = options.FUseBillCodeRule;
    record.FSingleApproval = options.FSingleApproval;
    record.FSingleUnApproval = options.FSingleUnApproval;
    record.FEditSelfBill = options.FEditSelfBill;
    return record;
}

bool BillCodeRuleGrid::save(const BillOptions &options)
{
    auto record = buildRecord(options);
    bool saved = false;
    m_saveFailure.clear();
    try {
        auto component =
            component::ComponentRegistry::instance().createAs<component::BillCodeRuleComponent>(
                component::ProgId::BillCodeRule);
        saved = component->SaveBillCodeRule(component::processState().connectString, record);
    } catch (const base::Error &error) {
        if (error.isAccountUnavailable())
            m_saveFailure = component::userErrorText(error);
        saved = false;
    }
    if (!saved)
        return false;
    const std::string key = std::to_string(m_billId);
    BillOptions cached = options;
    const auto *old = billCodeCaches().billOptions(key);
    cached.FBillName = old ? old->FBillName : std::string();
    billCodeCaches().replaceBillOptions(key, cached);
    return true;
}

std::vector<std::string> BillCodeRuleGrid::dumpRules() const
{
    std::vector<std::string> lines;
    for (int row = 1; row <= m_grid.maxRows(); ++row) {
        if (base::trim(m_grid.text(RuleColumn::Item, row)).empty() && kindOf(row) == 0)
            continue;
        std::string line = std::to_string(row) + ":";
        for (int col = RuleColumn::Item; col <= RuleColumn::Count; ++col) {
            std::string text = m_grid.text(col, row);
            if (col == RuleColumn::Item && !ItemList::keyPart(text).empty())
                text = ItemList::captionPart(text) + " [" + ItemList::keyPart(text) + "]";
            line += (col == RuleColumn::Item ? " " : " | ") + text;
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace orvan::billcode
