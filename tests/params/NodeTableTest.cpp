#include "params/ParamsFixture.h"

#include <memory>
#include <set>

#include "base/Text.h"
#include "component/SysEnum.h"
#include "forms/TreeControl.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"

using namespace orvan;
using namespace orvan::params;

namespace {

class NodeTableTest : public test::ParamsFixture
{
protected:
    std::vector<const forms::TreeNode *> build(int32_t sysClass, const std::string &systemId)
    {
        tree = std::make_unique<forms::TreeControl>();
        component::processState().systemId = systemId;
        ParameterTree builder;
        builder.setTree(tree.get());
        builder.buildTree(sysClass);
        return tree->displayOrder();
    }
    std::unique_ptr<forms::TreeControl> tree;
};

} // namespace

TEST(NodeTable, KeysAreUniqueAndEveryNodeIsDescribedWhole)
{
    std::set<std::string> keys;
    for (const auto &node : allNodes()) {
        EXPECT_TRUE(keys.insert(node.key).second) << node.key;
        EXPECT_NE(std::string(node.caption), "") << node.key;
        EXPECT_NE(std::string(node.recordKeyField), "") << node.key;
        EXPECT_EQ(node.content == NodeContent::OptionPage, node.optionPage >= 0) << node.key;
        if (node.content == NodeContent::RecordList) {
            EXPECT_NE(node.editorPage, EditorPageKind::None) << node.key;
        }
        EXPECT_EQ(findNode(node.key), &node);
        EXPECT_EQ(findNodeNoCase(base::upperCase(node.key)), &node);
    }
}

TEST(NodeTable, AlarmRowsShareOneEntryAndUnknownKeysHaveNone)
{
    const auto *row = findNode("alarmIC|2");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->optionPage, 12);
    EXPECT_EQ(findNode("alarmQM|6"), row);
    EXPECT_NE(findNode(NodeKey::AlarmRoot), row) << "the root has its own caption";
    const auto *company = findNode("sys1");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(findNode("sys15"), nullptr) << "a longer key right after the one it starts";
    EXPECT_EQ(findNode("SYS1"), nullptr) << "keys are compared exactly";
    EXPECT_EQ(findNode("sys1"), company);
    EXPECT_EQ(nodeCaption("sys15"), std::string());
    EXPECT_EQ(detailKindOf("alarmIC|2"), GroupNodes);
    EXPECT_EQ(detailKindOf("xsysx"), SystemNodes);
}

TEST_F(NodeTableTest, EveryTreeOfEveryClassAndSubsystemUsesTheTableTags)
{
    for (int32_t sysClass : {0, 1, 2, 3, 5}) {
        for (const char *systemId : {"", "0000", "0001", "0002", "0003", "0004", "0005"}) {
            for (const auto *shown : build(sysClass, systemId)) {
                const auto *node = findNode(shown->key);
                ASSERT_NE(node, nullptr) << shown->key;
                const bool ownName = sysClass == 0 && shown->tag == 5; // a subsystem's options
                const bool billsOnly = sysClass == 5 && shown->tag == 12;
                const int32_t expected = sysClass == 3 ? node->allModulesTag : node->tag;
                if (!ownName && !billsOnly) {
                    EXPECT_EQ(shown->tag, expected)
                        << sysClass << " " << systemId << " " << shown->key;
                }
            }
        }
    }
}
