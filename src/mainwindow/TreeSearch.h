#pragma once

#include <map>
#include <string>
#include <vector>

#include "params/ParameterSearch.h"

namespace orvan::forms {
class TreeControl;
}

namespace orvan::mainwindow {

// The search box over the parameter tree: the parameters that hold a text, kept to the
// nodes of the tree searched, the tree filtered down to them, and the match the user
// went to last.
class TreeSearch
{
public:
    // Searches for the text (blanks: no search) and filters the tree. While a search is
    // made, the nodes of its matches and their ancestors stay in view, opened down to the
    // matches, and the nodes of matches are bold; every other node is hidden. Without a
    // search every node is in view again, its branches opened or closed as before.
    void search(const std::string &text, forms::TreeControl &tree);

    const std::string &text() const { return m_text; }
    bool active() const { return m_active; }
    const std::vector<params::SearchMatch> &matches() const { return m_matches; }
    // "" while the search finds something or none is made; the message saying that
    // nothing matched otherwise.
    const std::string &emptyText() const { return m_emptyText; }

    // Goes to the match after the current one (the first after the last) and answers it;
    // nullptr when nothing matches.
    const params::SearchMatch *next();
    // The index of the match gone to last; -1 before the first.
    int current() const { return m_current; }

    // Whether a match of the node names the option or record key.
    bool matchesKey(const std::string &nodeKey, const std::string &key) const;
    // The matches of options and records of a node (the node's own match left out).
    std::vector<params::SearchMatch> keyedMatchesOf(const std::string &nodeKey) const;

private:
    void keepMatchesIn(const forms::TreeControl &tree);
    void filter(forms::TreeControl &tree) const;
    void showAll(forms::TreeControl &tree);
    void noteExpanded(const forms::TreeControl &tree);

    std::string m_text;
    bool m_active = false;
    std::vector<params::SearchMatch> m_matches;
    std::string m_emptyText;
    int m_current = -1;
    // Whether each branch was open before the search began.
    std::map<std::string, bool> m_expandedBefore;
};

} // namespace orvan::mainwindow
