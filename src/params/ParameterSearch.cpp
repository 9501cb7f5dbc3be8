#include "params/ParameterSearch.h"

#include "base/Error.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/TreeControl.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileStore.h"

namespace orvan::params {
namespace {

// The trees searched: the system, accounting and planning classes.
constexpr int32_t SearchedClasses[] = {0, 1, 2};

// The nodes of the searched trees, each once, in tree order.
class SearchedTree
{
public:
    SearchedTree()
    {
        for (const int32_t sysClass : SearchedClasses) {
            forms::TreeControl tree;
            ParameterTree builder;
            builder.setTree(&tree);
            base::tryStep([&] { builder.buildTree(sysClass); });
            for (const auto *node : tree.displayOrder())
                if (!find(node->key))
                    m_nodes.push_back({node->key, node->caption});
        }
    }

    struct Node
    {
        std::string key;
        std::string caption;
    };
    const std::vector<Node> &nodes() const { return m_nodes; }
    const Node *find(const std::string &key) const
    {
        for (const auto &node : m_nodes)
            if (node.key == key)
                return &node;
        return nullptr;
    }

private:
    std::vector<Node> m_nodes;
};

bool holds(const std::string &text, const std::string &wanted)
{
    return base::findNoCase(text, wanted) != std::string::npos;
}

std::string nodeOfPage(int32_t page)
{
    for (const auto &node : allNodes())
        if (node.optionPage == page)
            return node.key;
    return {};
}

// The caption the tree shows, else the node table's in the login's language.
std::string captionOf(const SearchedTree &tree, const std::string &key)
{
    if (const auto *shown = tree.find(key))
        return shown->caption;
    const auto *node = findNode(key);
    return node && node->caption ? component::TranslateText(node->caption) : std::string();
}

void findNodes(const SearchedTree &tree, const std::string &text, std::vector<SearchMatch> &matches)
{
    for (const auto &node : tree.nodes())
        if (holds(node.caption, text) || holds(node.key, text))
            matches.push_back({node.key, node.caption, "", ""});
}

// The options of the pages, with their captions and the value stored for the account (else
// their default).
void findOptions(const std::string &text, std::vector<SearchMatch> &matches)
{
    auto rows = executeOnAccount(
        "SELECT a.FID, a.FKey, a." + component::LanguageColumn("FCaption") +
        " AS FCaptionShown, ISNULL(b.FValue, a.FValue) AS FValueNow FROM icsystemprofile a "
        "LEFT JOIN t_SystemProfile b ON b.FCategory = a.FCategory AND b.FKey = a.FKey "
        "ORDER BY a.FID, a.FIndex");
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto key = rows->Fields("FKey").Value().text();
        const auto caption = rows->Fields("FCaptionShown").Value().text();
        const auto value = rows->Fields("FValueNow").Value().text();
        if (!holds(caption, text) && !holds(key, text) && !holds(value, text))
            continue;
        matches.push_back({nodeOfPage(rows->Fields("FID").Value().toLong()), caption, key, value});
    }
}

// The rows of a list by key or value: the query gives key and value.
void findRows(const SearchedTree &tree, const char *nodeKey, const std::string &sql,
              const std::string &text, std::vector<SearchMatch> &matches)
{
    auto rows = executeOnAccount(sql);
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto key = rows->Fields(0).Value().text();
        const auto value = rows->Fields(1).Value().text();
        if (holds(key, text) || holds(value, text))
            matches.push_back({nodeKey, captionOf(tree, nodeKey), key, value});
    }
}

std::string profileRowsSql(const char *category)
{
    return "SELECT FKey, FValue FROM t_SystemProfile WHERE FCategory = " + db::sqlQuote(category) +
           " AND FKey NOT IN (SELECT FKey FROM icsystemprofile) ORDER BY FKey";
}

} // namespace

std::vector<SearchMatch> findParameters(const std::string &text)
{
    std::vector<SearchMatch> matches;
    if (base::trim(text).empty())
        return matches;
    const SearchedTree tree;
    findNodes(tree, text, matches);
    base::tryStep([&] { findOptions(text, matches); });
    base::tryStep(
        [&] { findRows(tree, NodeKey::SystemSettings, profileRowsSql("General"), text, matches); });
    base::tryStep([&] {
        findRows(tree, NodeKey::AccountSetParameters, profileRowsSql("GL"), text, matches);
    });
    base::tryStep(
        [&] { findRows(tree, NodeKey::PlanningParameters, profileRowsSql("PL"), text, matches); });
    base::tryStep([&] {
        findRows(tree, NodeKey::BillTypes, "SELECT FNumber, FName FROM ICBillType ORDER BY FID",
                 text, matches);
    });
    base::tryStep([&] {
        findRows(tree, NodeKey::BillSettings,
                 "SELECT FBillID, " + component::LanguageColumn("FBillName") +
                     " FROM ICBillNo ORDER BY FPos",
                 text, matches);
    });
    return matches;
}

} // namespace orvan::params
