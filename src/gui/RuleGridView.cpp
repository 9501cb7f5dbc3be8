#include "gui/RuleGridView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "base/DateTime.h"
#include "billcode/BillCodeRuleGrid.h"
#include "billcode/ItemList.h"
#include "billcode/NextNumberPreview.h"
#include "billcode/RuleColumns.h"
#include "component/Translation.h"
#include "editor/RecordEditor.h"
#include "gui/ActionGuard.h"
#include "gui/CellGridView.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

namespace RuleColumn = billcode::RuleColumn;

RuleGridView::RuleGridView(billcode::BillCodeRuleGrid &rules, QWidget *parent)
    : QWidget(parent)
    , m_rules(rules)
{
    // Every action is followed by the preview, also after a failure; the table shows
    // itself again.
    const auto previewed = [this](auto action) {
        return [this, action = guardedAction(action)](auto... args) {
            const auto result = action(args...);
            showPreview();
            return result;
        };
    };
    CellGridActions actions;
    actions.enterCell =
        guardedAction([this](int col, int row) { return m_rules.enterCell(col, row); });
    actions.leaveGrid = guardedAction([this] {
        const auto &grid = m_rules.grid();
        m_rules.leaveCell(grid.activeCol(), grid.activeRow());
    });
    actions.typeText = previewed([this](int col, int row, const std::string &text) {
        return m_rules.typeText(col, row, text);
    });
    actions.chooseItem = previewed(
        [this](int col, int row, int index) { return m_rules.chooseListItem(col, row, index); });
    actions.clickBox = previewed([this](int col, int row, bool) {
        return col == RuleColumn::Basis && m_rules.clickBasisBox(row);
    });
    actions.acceptsKey = [](int keyAscii) { return editor::RecordEditor::acceptsKey(keyAscii); };
    // Field entries carry their key after the caption; the user sees the caption.
    actions.shownText = [](int col, const std::string &text) {
        return col == RuleColumn::Item ? billcode::ItemList::captionPart(text) : text;
    };

    CellGridLayout layout;
    layout.firstCol = RuleColumn::Level;
    layout.firstRow = 1;
    layout.headings = true;
    layout.readOnlyCols = {RuleColumn::Level};
    layout.stretchCols = {RuleColumn::Item, RuleColumn::Format};
    m_table = new CellGridView(m_rules.grid(), std::move(layout), std::move(actions), this);
    m_table->setObjectName(QStringLiteral("vsBillCodeSet"));

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("lblPreview"));
    m_preview->setTextFormat(Qt::RichText);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_preview->setMinimumHeight(fontMetrics().height() + 8);

    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->addWidget(m_table, 1);
    layoutBox->addWidget(m_preview);
    showPreview();
}

void RuleGridView::render()
{
    m_table->render();
    showPreview();
}

void RuleGridView::showPreview()
{
    const auto number = billcode::previewNextNumber(m_rules.grid(), base::today());
    m_preview->setText(qt(component::TranslateText("下一个单据编号：")).toHtmlEscaped() +
                       QStringLiteral("<b>%1</b>").arg(qt(number).toHtmlEscaped()));
}

} // namespace orvan::gui
