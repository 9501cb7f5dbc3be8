#include "gui/ParameterTreeView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "forms/TreeControl.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

constexpr int KeyRole = Qt::UserRole;

std::string keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, KeyRole).toString().toStdString() : std::string();
}

} // namespace

ParameterTreeView::ParameterTreeView(forms::TreeControl &tree, QWidget *parent)
    : QTreeWidget(parent)
    , m_tree(tree)
{
    setObjectName(QStringLiteral("tvwBase"));
    setColumnCount(1);
    header()->hide();
    // Long captions widen the column and the tree scrolls sideways instead of eliding.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setIndentation(18);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { choose(current); });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { choose(item); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { setExpandedState(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { setExpandedState(item, false); });
}

std::vector<ParameterTreeView::NodeShape> ParameterTreeView::shapeOf() const
{
    std::vector<NodeShape> shape;
    for (const auto *node : m_tree.displayOrder())
        shape.push_back(
            {node->key, node->caption, node->parentKey, node->image, node->selectedImage});
    return shape;
}

QIcon ParameterTreeView::iconOf(int image, int selectedImage) const
{
    auto pictureOf = [this](int number) {
        return style()->standardIcon(number == 2 ? QStyle::SP_DirOpenIcon
                                                 : QStyle::SP_DirClosedIcon);
    };
    QIcon icon;
    const QSize size = iconSize();
    icon.addPixmap(pictureOf(image).pixmap(size), QIcon::Normal);
    icon.addPixmap(pictureOf(selectedImage).pixmap(size), QIcon::Selected);
    return icon;
}

void ParameterTreeView::rebuild()
{
    clear();
    m_items.clear();
    for (const auto *node : m_tree.displayOrder()) {
        QTreeWidgetItem *item = nullptr;
        const auto parent = m_items.find(node->parentKey);
        if (!node->parentKey.empty() && parent != m_items.end())
            item = new QTreeWidgetItem(parent->second);
        else
            item = new QTreeWidgetItem(this);
        item->setText(0, qt(node->caption));
        item->setToolTip(0, qt(node->caption));
        item->setData(0, KeyRole, qt(node->key));
        item->setIcon(0, iconOf(node->image, node->selectedImage));
        m_items[node->key] = item;
    }
    // A flat list of nodes needs no room for expand marks.
    bool nested = false;
    for (const auto *root : m_tree.roots())
        nested = nested || !root->children.empty();
    setRootIsDecorated(nested);
    m_shape = shapeOf();
}

void ParameterTreeView::render(const std::string &selectedKey)
{
    if (m_choosing && shapeOf() != m_shape) {
        // The item whose choice is being handled must outlive it: rebuild afterwards.
        QTimer::singleShot(0, this, [this, selectedKey] { render(selectedKey); });
        return;
    }
    m_rendering = true;
    if (shapeOf() != m_shape)
        rebuild();
    for (const auto &[key, item] : m_items) {
        if (const auto *node = m_tree.find(key))
            showNodeState(*node, *item);
    }
    auto *selected = itemOf(selectedKey);
    if (selected && selected->isHidden())
        selected = nullptr;
    if (selected != currentItem()) {
        setCurrentItem(selected);
        if (selected)
            scrollToItem(selected);
    }
    if (!selected)
        clearSelection();
    setVisible(m_tree.visible());
    m_rendering = false;
}

// Open or closed, hidden by a filter, bold.
void ParameterTreeView::showNodeState(const forms::TreeNode &node, QTreeWidgetItem &item)
{
    item.setHidden(node.hidden);
    if (item.childCount() > 0)
        item.setExpanded(node.expanded);
    if (item.font(0).bold() != node.bold) {
        QFont font = item.font(0);
        font.setBold(node.bold);
        item.setFont(0, font);
    }
}

// The selection spans the whole row even when the captions are narrower than the tree.
void ParameterTreeView::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    header()->setMinimumSectionSize(std::max(0, viewport()->width()));
    header()->resizeSections(QHeaderView::ResizeToContents);
}

QTreeWidgetItem *ParameterTreeView::itemOf(const std::string &key) const
{
    const auto found = m_items.find(key);
    return found == m_items.end() ? nullptr : found->second;
}

void ParameterTreeView::choose(QTreeWidgetItem *item)
{
    if (m_rendering || m_choosing || !item)
        return;
    m_choosing = true;
    emit nodeChosen(keyOf(item));
    m_choosing = false;
}

void ParameterTreeView::setExpandedState(QTreeWidgetItem *item, bool expanded)
{
    if (m_rendering)
        return;
    if (auto *node = m_tree.find(keyOf(item)))
        node->expanded = expanded;
}

int ParameterTreeView::widthForCaptions() const
{
    return sizeHintForColumn(0) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

} // namespace orvan::gui
