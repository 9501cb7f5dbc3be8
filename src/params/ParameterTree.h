#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvan::forms {
class TreeControl;
struct TreeNode;
} // namespace orvan::forms

namespace orvan::params {

// Builds the parameter tree of one class of parameters into a tree control and answers
// the detail query and the option value of a node.
class ParameterTree
{
public:
    // The tree control to fill. The builder adds to what it holds and never clears it.
    void setTree(forms::TreeControl *tree) { m_tree = tree; }

    // Adds the nodes of the class (Enu_SysClass 0 to 5) for the calling subsystem, the
    // login's edition and the account's data, and shows the tree (not for class 5, nor
    // for an alarm tree without definitions). Every node has image 1 and selected image 2
    // and a translated caption. A node that cannot be added is skipped.
    void buildTree(int32_t itemClassId);

    // The query that fills the ledger for a node of the kind and tag ("" for none).
    void GetDetailSql(int32_t kind, int32_t tag, std::string &sql) const;

    // The option value of the logged-in user: -1, 0 or 1.
    int32_t GetOptionValue(const std::string &key) const;

private:
    void buildSystemClass();
    void buildSystemOptionRoots(const std::string &systemId);
    void buildSupplyChainOptions();
    void buildAccountingClass();
    void buildAllModulesClass();
    void buildAlarmClass();

    // A node of a class tree, with the tag of the node table unless one is given.
    void addRoot(std::string_view key, std::optional<int32_t> tag = std::nullopt,
                 const char *caption = nullptr);
    void addChild(std::string_view parentKey, std::string_view key);
    // A node of the tree of all parameters, with the table's allModulesTag.
    void addGroup(std::string_view key);
    void addGroupChild(std::string_view parentKey, std::string_view key,
                       const char *caption = nullptr);
    void addNode(std::string_view parentKey, std::string_view key, int32_t tag,
                 const char *caption);
    void addAlarmRow(const std::string &key, const std::string &caption, int32_t tag);
    void reveal();
    void showTree();

    forms::TreeControl *m_tree = nullptr;
    std::string m_lastAdded;
};

} // namespace orvan::params
