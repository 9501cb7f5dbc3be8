#pragma once

#include <string>
#include <vector>

#include "component/ChangeHistoryQuery.h"
#include "forms/Form.h"
#include "forms/Printer.h"

namespace orvan::mainwindow {

// The change history of a node of the maintenance window: who changed which of its
// values, when, from what to what, the newest first. A filter text keeps the rows that
// hold it in any column (case ignored); Print prints the rows shown.
class HistoryWindow : public forms::Form
{
public:
    // The columns, untranslated.
    static const std::vector<std::string> &headings();

    // The history of the node (its caption in the title), read at load.
    HistoryWindow(std::string nodeKey, std::string nodeCaption);

    std::string formName() const override { return "frmHistory"; }
    void load() override;

    const std::vector<std::vector<std::string>> &shownRows() const { return m_shown; }
    size_t rowCount() const { return m_rows.size(); }
    const std::string &filter() const { return m_filter; }
    void setFilter(const std::string &text);
    // "" while rows are shown; why none are otherwise.
    const std::string &emptyText() const { return m_emptyText; }

    void print(forms::PrintMode mode);

private:
    void applyFilter();

    std::string m_nodeKey;
    std::string m_nodeCaption;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::vector<std::string>> m_shown;
    std::string m_filter;
    std::string m_emptyText;
};

// Which history rows belong to a node: the tables and keys its list or page shows; all
// rows for a node that shows none of its own.
component::HistoryQuery historyOfNode(const std::string &nodeKey);

} // namespace orvan::mainwindow
