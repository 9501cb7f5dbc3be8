#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::forms {

// One node of a tree control.
struct TreeNode
{
    std::string key;
    std::string caption;
    int32_t tag = 0;
    std::string parentKey; // "" for a root
    int image = 1;
    int selectedImage = 2;
    bool expanded = false;
    bool hidden = false; // left out of view by a filter; its children with it
    bool bold = false;
    std::vector<TreeNode *> children; // in display order
};

// The state of a tree view without a toolkit: keyed nodes in display order, the
// expanded state of each node and the visibility of the control. Keys are unique and
// compared exactly. Adding a duplicate key (35602) or under a missing parent (35601)
// raises base::Error, as the tree view does.
class TreeControl
{
public:
    TreeControl();
    ~TreeControl();
    TreeControl(const TreeControl &) = delete;
    TreeControl &operator=(const TreeControl &) = delete;

    // Adds a node as the last root, or as the last child of parentKey.
    TreeNode &addRoot(std::string_view key, std::string_view caption, int image = 1,
                      int selectedImage = 2);
    TreeNode &addChild(std::string_view parentKey, std::string_view key, std::string_view caption,
                       int image = 1, int selectedImage = 2);

    // Removes the node and everything under it; false when there is no such node.
    bool remove(std::string_view key);
    void clear();

    TreeNode *find(std::string_view key);
    const TreeNode *find(std::string_view key) const;
    std::size_t count() const { return m_nodes.size(); }
    const std::vector<TreeNode *> &roots() const { return m_roots; }

    // Every node in display order (parents before their children).
    std::vector<const TreeNode *> displayOrder() const;
    // The number of ancestors of a node (0 for a root).
    int depthOf(const TreeNode &node) const;

    // Makes a node visible: expands every node above it.
    void ensureVisible(std::string_view key);

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    TreeNode &insert(std::string_view key, std::string_view caption, std::string_view parentKey,
                     int image, int selectedImage);
    void removeFromParent(TreeNode &node);
    void appendSubtree(const TreeNode &node, std::vector<const TreeNode *> &out) const;

    std::vector<std::unique_ptr<TreeNode>> m_nodes;
    std::vector<TreeNode *> m_roots;
    bool m_visible = false;
};

} // namespace orvan::forms
