#include <gtest/gtest.h>

#include "base/Text.h"

using namespace orvan::base;

TEST(Text, TrimRemovesOnlySpaces)
{
    EXPECT_EQ(trim("  ab c  "), "ab c");
    EXPECT_EQ(trim("\tab\t"), "\tab\t");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(" 中文 "), "中文");
}

TEST(Text, CaseInsensitiveSearchAndCompare)
{
    EXPECT_EQ(findNoCase("ConnectString=x;subid=cb", "SubID="), 16u);
    EXPECT_EQ(findNoCase("abc", "d"), npos);
    EXPECT_EQ(findNoCase("abc", ""), 0u);
    EXPECT_EQ(findNoCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(findNoCase("aaB", "AB"), 1u) << "a first letter that starts no match";
    EXPECT_EQ(findNoCase("xyZ", "z"), 2u) << "the last letter";
    EXPECT_TRUE(equalsNoCase("Language", "LANGUAGE"));
    EXPECT_FALSE(equalsNoCase("Lang", "Language"));
    EXPECT_TRUE(startsWithNoCase("OrvanCaculateRpt.x", "orvancaculaterpt."));
    EXPECT_TRUE(endsWithNoCase("xSubID", "subid"));
    EXPECT_EQ(upperCase("cb中"), "CB中");
}

TEST(Text, CaseInsensitiveSearchTriesBothCasesOfTheFirstLetterInTextOrder)
{
    EXPECT_EQ(findNoCase("lAnG;Lang;LANGUAGE=chs", "language="), 10u);
    EXPECT_EQ(findNoCase("LANGUAGx;language=en", "LANGUAGE="), 9u);
    EXPECT_EQ(findNoCase("a=1;=b", "=B"), 4u) << "a first character without case";
    EXPECT_EQ(findNoCase("abcAB", "ab", 4), npos) << "no room left after start";
    EXPECT_EQ(findNoCase("abcAB", "ab", 3), 3u);
    EXPECT_EQ(findNoCase("ab", "abc"), npos);
    EXPECT_EQ(findNoCase("ab", "", 2), 2u);
    EXPECT_EQ(findNoCase("ab", "", 3), npos);
    EXPECT_EQ(findNoCase("中文Lang", "LANG"), 6u);
}

TEST(Text, SplitOnceKeepsEverythingAfterTheFirstDelimiter)
{
    const auto split = splitOnce("a=b=c", "=");
    EXPECT_TRUE(split.found);
    EXPECT_EQ(split.first, "a");
    EXPECT_EQ(split.rest, "b=c");

    const auto none = splitOnce("abc", ";");
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.first, "abc");
    EXPECT_EQ(none.rest, "");

    EXPECT_EQ(splitOnce("xANDy", "and").rest, "y");
    EXPECT_EQ(splitAll("a^|^b^|^", "^|^"), (std::vector<std::string>{"a", "b", ""}));
}

TEST(Text, TemplatesReplaceNumberedPlaceholders)
{
    EXPECT_EQ(formatTemplate("[%1]编码设置", {Variant("采购订单")}), "[采购订单]编码设置");
    EXPECT_EQ(formatTemplate("%2-%1", {Variant(int32_t(1)), Variant("b")}), "b-1");
    EXPECT_EQ(formatTemplate("a%1b", {Variant::null()}), "ab");
    EXPECT_EQ(formatTemplate("a%1b", {Variant()}), "ab");
    EXPECT_EQ(formatTemplate("%3 stays", {Variant("x")}), "%3 stays");
    EXPECT_EQ(formatTemplate("100%", {}), "100%");
    EXPECT_EQ(formatTemplate("%12", {Variant("x")}), "x2");
}

TEST(Text, CharacterSlicesCountCharactersNotBytes)
{
    EXPECT_EQ(charCount("PO+日期"), 5u);
    EXPECT_EQ(leftChars("日期0001", 2), "日期");
    EXPECT_EQ(rightChars("日期0001", 4), "0001");
    EXPECT_EQ(midChars("~$~文本", 4), "文本");
    EXPECT_EQ(midChars("abcdef", 2, 3), "bcd");
    EXPECT_EQ(midChars("abc", 5), "");
    EXPECT_EQ(leftChars("ab", 10), "ab");
}
