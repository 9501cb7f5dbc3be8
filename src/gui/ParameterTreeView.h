#pragma once

#include <QTreeWidget>

#include <map>
#include <string>
#include <vector>

namespace orvan::forms {
class TreeControl;
struct TreeNode;
} // namespace orvan::forms

namespace orvan::gui {

// The parameter tree: the tree control's nodes in display order with their expanded,
// hidden and bold state and images (1 a closed folder, 2 an open one; the selected image
// shows on the selected node). The user's choice of a node is reported; the selection
// shown is the window's.
class ParameterTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ParameterTreeView(forms::TreeControl &tree, QWidget *parent = nullptr);

    // Shows the tree's nodes and selects the node with the key.
    void render(const std::string &selectedKey);
    QTreeWidgetItem *itemOf(const std::string &key) const;
    // The width that shows every caption of the open branches whole.
    int widthForCaptions() const;

signals:
    void nodeChosen(const std::string &key);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct NodeShape
    {
        std::string key;
        std::string caption;
        std::string parentKey;
        int image = 0;
        int selectedImage = 0;
        bool operator==(const NodeShape &) const = default;
    };

    std::vector<NodeShape> shapeOf() const;
    void rebuild();
    void choose(QTreeWidgetItem *item);
    void setExpandedState(QTreeWidgetItem *item, bool expanded);
    void showNodeState(const forms::TreeNode &node, QTreeWidgetItem &item);
    QIcon iconOf(int image, int selectedImage) const;

    forms::TreeControl &m_tree;
    std::vector<NodeShape> m_shape;
    std::map<std::string, QTreeWidgetItem *> m_items;
    bool m_rendering = false;
    bool m_choosing = false;
};

} // namespace orvan::gui
