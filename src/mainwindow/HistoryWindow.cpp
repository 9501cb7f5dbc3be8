#include "mainwindow/HistoryWindow.h"

#include "base/Error.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "params/NodeTable.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {
namespace {

using component::TranslateText;

// The option keys of a page of the option-profile control.
std::vector<std::string> optionKeysOfPage(int32_t page)
{
    std::vector<std::string> keys;
    base::tryStep([&] {
        auto rows = params::executeOnAccount("SELECT FKey FROM icsystemprofile WHERE FID = " +
                                             std::to_string(page));
        for (; rows && !rows->isEOF(); rows->MoveNext())
            keys.push_back(rows->Fields(0).Value().text());
    });
    return keys;
}

const std::vector<std::string> CalendarKeys = {"CurrentYear",        "CurrentPeriod", "StartYear",
                                               "StartPeriod",        "PeriodCount",   "PeriodDates",
                                               "PeriodDefineMethod", "ICClosed"};

// The user as a person reads it: the name, with the id when there is one.
std::string userText(const std::string &id, const std::string &name)
{
    if (name.empty())
        return id;
    return id.empty() ? name : name + " (" + id + ")";
}

} // namespace

component::HistoryQuery historyOfNode(const std::string &nodeKey)
{
    namespace Key = params::NodeKey;
    component::HistoryQuery query;
    if (nodeKey == Key::SystemSettings)
        query.recordPrefixes = {"General."};
    else if (nodeKey == Key::BillSettings)
        query.tables = {"ICBillNo", "t_BillCodeRule"};
    else if (nodeKey == Key::PrintControl)
        query.tables = {"ICPrintMaxCount"};
    else if (nodeKey == Key::BillTypes)
        query.tables = {"ICBillType"};
    else if (nodeKey == Key::VoucherGroups)
        query.tables = {"t_VoucherGroup"};
    else if (nodeKey == Key::AccountSetParameters)
        query.keys = CalendarKeys;
    else if (nodeKey == Key::AccountingPeriods || nodeKey == Key::PeriodState ||
             nodeKey == Key::PeriodDates) {
        query.tables = {"t_PeriodDate"};
        query.keys = CalendarKeys;
    } else if (nodeKey == Key::PlanningParameters) {
        query.tables = {"t_CalParameter"};
        query.recordPrefixes = {"PL."};
    } else if (nodeKey == Key::InventoryAccountingOptions || nodeKey == Key::CostOptions) {
        query.tables = {"t_CalParameter"};
    } else if (const auto *node = params::findNode(nodeKey); node && node->optionPage >= 0) {
        query.keys = optionKeysOfPage(node->optionPage);
        if (query.keys.empty())
            query.keys = {nodeKey}; // a page without options of its own shows none
    }
    return query;
}

const std::vector<std::string> &HistoryWindow::headings()
{
    static const std::vector<std::string> texts = {"时间(UTC)", "用户", "机器", "表",  "记录",
                                                   "字段",      "原值", "新值", "操作"};
    return texts;
}

HistoryWindow::HistoryWindow(std::string nodeKey, std::string nodeCaption)
    : m_nodeKey(std::move(nodeKey))
    , m_nodeCaption(std::move(nodeCaption))
{}

void HistoryWindow::load()
{
    caption = TranslateText("修改记录") + " - " + m_nodeCaption;
    m_rows.clear();
    const auto query = historyOfNode(m_nodeKey);
    const bool read = base::tryStep([&] {
        auto rows = params::executeOnAccount(component::historySql(query));
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            std::vector<std::string> cells;
            for (int i = 0; i < rows->fieldCount(); ++i)
                cells.push_back(rows->Fields(i).Value().text());
            m_rows.push_back({cells[0], userText(cells[1], cells[2]), cells[3], cells[4], cells[5],
                              cells[6], cells[7], cells[8], cells[9]});
        }
    });
    applyFilter();
    if (!read)
        m_emptyText = TranslateText("账套没有修改记录。");
}

void HistoryWindow::setFilter(const std::string &text)
{
    m_filter = text;
    applyFilter();
    notifyChanged();
}

void HistoryWindow::applyFilter()
{
    m_shown.clear();
    for (const auto &row : m_rows) {
        bool holds = m_filter.empty();
        for (size_t i = 0; i < row.size() && !holds; ++i)
            holds = base::findNoCase(row[i], m_filter) != std::string::npos;
        if (holds)
            m_shown.push_back(row);
    }
    m_emptyText = !m_shown.empty() ? std::string()
                  : m_rows.empty() ? TranslateText("没有修改记录。")
                                   : TranslateText("没有符合筛选的修改记录。");
}

void HistoryWindow::print(forms::PrintMode mode)
{
    forms::PrintDocument document;
    document.title = caption;
    for (const auto &heading : headings())
        document.headings.push_back(TranslateText(heading));
    document.rows = m_shown;
    forms::printer().print(document, mode);
}

} // namespace orvan::mainwindow
