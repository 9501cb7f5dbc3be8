#include <gtest/gtest.h>

#include "base/Dictionary.h"
#include "base/Error.h"
#include "support/ErrorNumber.h"

using namespace orvan::base;

using orvan::test::errorNumberOf;

TEST(Dictionary, TextModeIgnoresCaseAndKeepsOrder)
{
    Dictionary dictionary(CompareMode::Text);
    dictionary.add("UserID", Variant("16394"));
    dictionary.add("SubID", Variant("cb"));
    EXPECT_TRUE(dictionary.exists("USERID"));
    EXPECT_EQ(dictionary.item("subid").text(), "cb");
    EXPECT_EQ(dictionary.keys(), (std::vector<std::string>{"UserID", "SubID"}));
    EXPECT_EQ(errorNumberOf([&] { dictionary.add("userid", Variant("1")); }),
              ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorNumberOf([&] { (void)dictionary.item("Missing"); }),
              ErrorNumber::InvalidProcedureCall);
}

TEST(Dictionary, BinaryModeDistinguishesCaseAndRemoveReindexes)
{
    Dictionary dictionary;
    dictionary.add("a", Variant(int32_t(1)));
    dictionary.add("A", Variant(int32_t(2)));
    dictionary.add("b", Variant(int32_t(3)));
    dictionary.remove("a");
    EXPECT_EQ(dictionary.item("A").toLong(), 2);
    EXPECT_EQ(dictionary.item("b").toLong(), 3);
    dictionary.set("b", Variant(int32_t(4)));
    EXPECT_EQ(dictionary.count(), 2u);
    EXPECT_EQ(dictionary.value("zz", Variant("none")).text(), "none");
}

TEST(Dictionary, LateBoundMembers)
{
    auto dictionary = std::make_shared<Dictionary>();
    dictionary->invoke("Add", InvokeKind::Method, {Variant("k"), Variant("v")});
    EXPECT_EQ(dictionary->invoke("Count", InvokeKind::PropertyGet).toLong(), 1);
    EXPECT_TRUE(dictionary->invoke("exists", InvokeKind::Method, {Variant("k")}).toBool());
    EXPECT_EQ(dictionary->invoke("Item", InvokeKind::PropertyGet, {Variant("k")}).text(), "v");
    EXPECT_EQ(errorNumberOf([&] { dictionary->invoke("Nope"); }),
              ErrorNumber::ObjectDoesNotSupport);
}
