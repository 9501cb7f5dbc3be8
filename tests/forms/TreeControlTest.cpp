#include <gtest/gtest.h>

#include "base/Error.h"
#include "forms/TreeControl.h"
#include "support/ErrorNumber.h"

using orvan::forms::TreeControl;
using orvan::test::errorNumberOf;

namespace {

std::string outline(const TreeControl &tree)
{
    std::string text;
    for (const auto *node : tree.displayOrder())
        text += std::string(2 * tree.depthOf(*node), ' ') + node->key +
                (node->expanded ? "+" : "") + ";";
    return text;
}

} // namespace

TEST(TreeControl, ChildrenFollowTheirParentInInsertionOrder)
{
    TreeControl tree;
    tree.addRoot("a", "A");
    tree.addRoot("b", "B");
    tree.addChild("a", "a1", "A1");
    tree.addChild("a1", "a11", "A11");
    tree.addChild("a", "a2", "A2");
    EXPECT_EQ(outline(tree), "a;  a1;    a11;  a2;b;");
    const auto &node = *tree.find("a2");
    EXPECT_EQ(node.parentKey, "a");
    EXPECT_EQ(node.image, 1);
    EXPECT_EQ(node.selectedImage, 2);
}

TEST(TreeControl, DuplicateKeysAndMissingParentsAreRefused)
{
    TreeControl tree;
    tree.addRoot("a", "A");
    EXPECT_EQ(errorNumberOf([&] { tree.addRoot("a", "again"); }), 35602);
    EXPECT_EQ(errorNumberOf([&] { tree.addChild("zz", "b", "B"); }), 35601);
    EXPECT_EQ(errorNumberOf([&] { tree.ensureVisible("zz"); }), 35601);
    EXPECT_EQ(tree.count(), 1u);
    EXPECT_EQ(tree.find("a")->caption, "A");
}

TEST(TreeControl, RemovingANodeTakesItsSubtreeAndFreesTheKeys)
{
    TreeControl tree;
    tree.addRoot("a", "A");
    tree.addChild("a", "a1", "A1");
    tree.addChild("a1", "a11", "A11");
    tree.addRoot("b", "B");
    EXPECT_TRUE(tree.remove("a1"));
    EXPECT_FALSE(tree.remove("a11"));
    EXPECT_EQ(outline(tree), "a;b;");
    tree.addChild("b", "a11", "again");
    EXPECT_EQ(outline(tree), "a;b;  a11;");
}

TEST(TreeControl, EnsureVisibleExpandsEveryAncestorOnly)
{
    TreeControl tree;
    tree.addRoot("a", "A");
    tree.addChild("a", "a1", "A1");
    tree.addChild("a1", "a11", "A11");
    tree.ensureVisible("a11");
    EXPECT_EQ(outline(tree), "a+;  a1+;    a11;");
    EXPECT_FALSE(tree.visible());
}
