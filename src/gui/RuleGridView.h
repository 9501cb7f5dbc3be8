#pragma once

#include <QWidget>

class QLabel;

namespace orvan::billcode {
class BillCodeRuleGrid;
}

namespace orvan::gui {

class CellGridView;

// The numbering-rule grid of the bill settings: one row per level under the column
// headings of the grid, the item and format lists, the serial-number basis boxes, and
// under it the number the rule gives next, as of today. Every action goes to the rule
// grid; the grid and the number are then shown again.
class RuleGridView : public QWidget
{
    Q_OBJECT

public:
    explicit RuleGridView(billcode::BillCodeRuleGrid &rules, QWidget *parent = nullptr);

    billcode::BillCodeRuleGrid &rules() const { return m_rules; }
    CellGridView *table() const { return m_table; }
    QLabel *preview() const { return m_preview; }

    void render();

private:
    void showPreview();

    billcode::BillCodeRuleGrid &m_rules;
    CellGridView *m_table = nullptr;
    QLabel *m_preview = nullptr;
};

} // namespace orvan::gui
