#include "mainwindow/TreeSearch.h"

#include <set>

#include "base/Error.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "forms/TreeControl.h"

namespace orvan::mainwindow {

void TreeSearch::search(const std::string &text, forms::TreeControl &tree)
{
    const bool wasActive = m_active;
    m_text = text;
    m_active = !base::trim(text).empty();
    m_matches.clear();
    m_current = -1;
    m_emptyText.clear();
    if (!m_active) {
        if (wasActive)
            showAll(tree);
        return;
    }
    if (!wasActive)
        noteExpanded(tree);
    base::tryStep([&] { m_matches = params::findParameters(text); });
    keepMatchesIn(tree);
    if (m_matches.empty())
        m_emptyText = component::FormatText("没有找到“%1”。", base::trim(text));
    filter(tree);
}

// The parameters of nodes the tree does not hold (another class's) are not the window's.
void TreeSearch::keepMatchesIn(const forms::TreeControl &tree)
{
    std::erase_if(m_matches,
                  [&tree](const params::SearchMatch &match) { return !tree.find(match.nodeKey); });
}

void TreeSearch::filter(forms::TreeControl &tree) const
{
    std::set<std::string> shown;
    std::set<std::string> matched;
    for (const auto &match : m_matches) {
        matched.insert(match.nodeKey);
        for (const auto *node = tree.find(match.nodeKey); node; node = tree.find(node->parentKey))
            if (!shown.insert(node->key).second)
                break;
    }
    for (const auto *shape : tree.displayOrder()) {
        auto *node = tree.find(shape->key);
        node->hidden = !shown.contains(node->key);
        node->bold = matched.contains(node->key);
    }
    for (const auto &key : matched)
        tree.ensureVisible(key);
}

void TreeSearch::showAll(forms::TreeControl &tree)
{
    for (const auto *shape : tree.displayOrder()) {
        auto *node = tree.find(shape->key);
        node->hidden = false;
        node->bold = false;
        if (const auto before = m_expandedBefore.find(node->key); before != m_expandedBefore.end())
            node->expanded = before->second;
    }
    m_expandedBefore.clear();
}

void TreeSearch::noteExpanded(const forms::TreeControl &tree)
{
    m_expandedBefore.clear();
    for (const auto *node : tree.displayOrder())
        m_expandedBefore[node->key] = node->expanded;
}

const params::SearchMatch *TreeSearch::next()
{
    if (m_matches.empty())
        return nullptr;
    m_current = (m_current + 1) % static_cast<int>(m_matches.size());
    return &m_matches[static_cast<std::size_t>(m_current)];
}

bool TreeSearch::matchesKey(const std::string &nodeKey, const std::string &key) const
{
    for (const auto &match : m_matches)
        if (match.nodeKey == nodeKey && !match.key.empty() && match.key == key)
            return true;
    return false;
}

std::vector<params::SearchMatch> TreeSearch::keyedMatchesOf(const std::string &nodeKey) const
{
    std::vector<params::SearchMatch> keyed;
    for (const auto &match : m_matches)
        if (match.nodeKey == nodeKey && !match.key.empty())
            keyed.push_back(match);
    return keyed;
}

} // namespace orvan::mainwindow
