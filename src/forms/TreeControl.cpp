#include "forms/TreeControl.h"

#include <algorithm>

#include "base/Error.h"

namespace orvan::forms {
namespace {

constexpr long ElementNotFound = 35601;
constexpr long KeyNotUnique = 35602;

} // namespace

TreeControl::TreeControl() = default;
TreeControl::~TreeControl() = default;

TreeNode &TreeControl::addRoot(std::string_view key, std::string_view caption, int image,
                               int selectedImage)
{
    return insert(key, caption, {}, image, selectedImage);
}

TreeNode &TreeControl::addChild(std::string_view parentKey, std::string_view key,
                                std::string_view caption, int image, int selectedImage)
{
    if (!find(parentKey))
        throw base::Error(ElementNotFound, "Element not found", "TreeView");
    return insert(key, caption, parentKey, image, selectedImage);
}

TreeNode &TreeControl::insert(std::string_view key, std::string_view caption,
                              std::string_view parentKey, int image, int selectedImage)
{
    if (find(key))
        throw base::Error(KeyNotUnique, "Key is not unique in collection", "TreeView");
    auto node = std::make_unique<TreeNode>();
    node->key = std::string(key);
    node->caption = std::string(caption);
    node->parentKey = std::string(parentKey);
    node->image = image;
    node->selectedImage = selectedImage;
    auto &added = *node;
    if (auto *parent = find(parentKey))
        parent->children.push_back(&added);
    else
        m_roots.push_back(&added);
    m_nodes.push_back(std::move(node));
    return added;
}

bool TreeControl::remove(std::string_view key)
{
    auto *node = find(key);
    if (!node)
        return false;
    while (!node->children.empty())
        remove(node->children.back()->key);
    removeFromParent(*node);
    std::erase_if(m_nodes, [node](const auto &owned) { return owned.get() == node; });
    return true;
}

void TreeControl::removeFromParent(TreeNode &node)
{
    auto &siblings = node.parentKey.empty() ? m_roots : find(node.parentKey)->children;
    std::erase(siblings, &node);
}

void TreeControl::clear()
{
    m_roots.clear();
    m_nodes.clear();
}

TreeNode *TreeControl::find(std::string_view key)
{
    if (key.empty())
        return nullptr;
    for (const auto &node : m_nodes)
        if (node->key == key)
            return node.get();
    return nullptr;
}

const TreeNode *TreeControl::find(std::string_view key) const
{
    return const_cast<TreeControl *>(this)->find(key);
}

std::vector<const TreeNode *> TreeControl::displayOrder() const
{
    std::vector<const TreeNode *> out;
    out.reserve(m_nodes.size());
    for (const auto *root : m_roots)
        appendSubtree(*root, out);
    return out;
}

void TreeControl::appendSubtree(const TreeNode &node, std::vector<const TreeNode *> &out) const
{
    out.push_back(&node);
    for (const auto *child : node.children)
        appendSubtree(*child, out);
}

int TreeControl::depthOf(const TreeNode &node) const
{
    int depth = 0;
    for (const auto *up = find(node.parentKey); up; up = find(up->parentKey))
        ++depth;
    return depth;
}

void TreeControl::ensureVisible(std::string_view key)
{
    auto *node = find(key);
    if (!node)
        throw base::Error(ElementNotFound, "Element not found", "TreeView");
    for (auto *up = find(node->parentKey); up; up = find(up->parentKey))
        up->expanded = true;
}

} // namespace orvan::forms
