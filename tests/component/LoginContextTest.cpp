#include "component/ComponentFixture.h"

#include "base/Error.h"
#include "component/LoginContext.h"
#include "support/ErrorNumber.h"

using namespace orvan;
using namespace orvan::component;

TEST(LoginProps, BracedValueKeepsSemicolonsAndEquals)
{
    const auto props = parseLoginPropsText(
        "ConnectString={Provider=SQLOLEDB;Data Source=srv;Pwd=a=b} junk ;UserID= 16394 ;");
    ASSERT_EQ(props.count(), 2u);
    EXPECT_EQ(props.item("connectstring").text(), "Provider=SQLOLEDB;Data Source=srv;Pwd=a=b");
    EXPECT_EQ(props.item("USERID").text(), "16394");
}

TEST(LoginProps, TrailingNameWithoutEqualsGetsAnEmptyValue)
{
    const auto props = parseLoginPropsText("A=1;B");
    EXPECT_EQ(props.keys(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(props.item("B").text(), "");
}

TEST(LoginProps, DuplicateNameEndsTheParseKeepingEarlierEntries)
{
    const auto props = parseLoginPropsText("A=1;b=2;a=3;C=4;");
    EXPECT_EQ(props.keys(), (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(props.item("a").text(), "1");
}

TEST(LoginProps, LastBracedEntryWithoutSemicolonIsKept)
{
    const auto props = parseLoginPropsText("UserID=1;ConnectString={x;y}");
    EXPECT_EQ(props.item("ConnectString").text(), "x;y");
}

TEST(LoginProps, ComposeAndReplaceRoundTrip)
{
    const auto text = withLoginProp("UserID=1;ConnectString={a;b};", "connectstring",
                                    "Provider=SQLite;Data Source=/x.db");
    EXPECT_EQ(text, "UserID=1;ConnectString={Provider=SQLite;Data Source=/x.db};");
    EXPECT_EQ(withLoginProp("UserID=1;", "LANGUAGE", "EN"), "UserID=1;LANGUAGE=EN;");
}

TEST(LoginProps, EveryValueReadsBackAsItWasWrittenAndBracesNest)
{
    for (const char *value : {"a;b.db", "c}d.db", "{x}", "}}}", "{", "}", " lead", "trail ", "a=b",
                              "", "plain", "Provider=SQLite;Data Source={c}}d.db}"}) {
        const auto text = withLoginProp("UserID=1;", "V", value);
        const auto props = parseLoginPropsText(text);
        EXPECT_EQ(props.item("V").text(), value) << text;
        EXPECT_EQ(props.item("UserID").text(), "1") << text;
        // Nested: the string above as the value of another entry.
        const auto outer = parseLoginPropsText(withLoginProp("", "Outer", text));
        EXPECT_EQ(parseLoginPropsText(outer.item("Outer").text()).item("V").text(), value);
    }
    EXPECT_EQ(parseLoginPropsText("A={{}}};B=1").item("A").text(), "{}");
    EXPECT_EQ(parseLoginPropsText("A={{}}};B=1").item("B").text(), "1");
}

TEST(ScanLoginProp, PlainTextSearch)
{
    EXPECT_EQ(scanLoginPropIn("UserID=1;LANGUAGE=EN", "Language"), "EN");
    EXPECT_EQ(scanLoginPropIn("UserID=1;LANGUAGE=EN;", "SubID"), "");
    EXPECT_EQ(scanLoginPropIn("MySubID=x;SubID=cb;", "SubID"), "x");
    EXPECT_EQ(scanLoginPropIn("ConnectString={a;b};", "ConnectString"), "{a");
    EXPECT_EQ(scanLoginPropIn("", "UserID"), "");
}

using LoginContext = test::ComponentFixture;

TEST_F(LoginContext, ParsedLookupsAndUserId)
{
    ParseLoginProps(LoginPropsString());
    EXPECT_EQ(GetLoginProp("subid"), "ic");
    EXPECT_EQ(CurrentUserID(), 16394);
    EXPECT_EQ(ScanLoginProp("LANGUAGE"), "chs");
    EXPECT_EQ(test::errorNumberOf([] { (void)GetLoginProp("Missing"); }),
              base::ErrorNumber::InvalidProcedureCall)
        << "an absent entry raises";
}

TEST_F(LoginContext, CheckRightTellsTheUserOnRefusal)
{
    EXPECT_TRUE(CheckRight(1099, 1, 0x400000));
    EXPECT_TRUE(messages->shown().empty());
    rights->grant = false;
    EXPECT_FALSE(CheckRight(1011, 34, 0x100000));
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].kind, forms::ShownMessage::Kind::SuiteMsgBox);
    EXPECT_EQ(messages->shown()[0].text, "对不起，您没有相应的权限！");
    EXPECT_EQ(messages->shown()[0].title, "Tessel提示");
    const std::array<int32_t, 3> expected{1011, 34, 0x100000};
    EXPECT_EQ(rights->calls.back(), expected);
}

TEST_F(LoginContext, ShowHelpOnlyForF1)
{
    EXPECT_FALSE(ShowHelp(113, 5, "x", 0, "", 0));
    EXPECT_TRUE(help->calls.empty());
    EXPECT_TRUE(ShowHelp(KeyF1, 5, "OrvanCaculateRpt.frm", 3, "", 7));
    EXPECT_EQ(help->calls.back(), "5|0|OrvanCaculateRpt.frm|3||7");

    login = "UserID=1;SubID=StdCost;";
    EXPECT_TRUE(ShowHelp(KeyF1, 9, "orvancaculaterpt.frm", 0, "", 0));
    EXPECT_EQ(help->calls.back(), "9|0|orvancaculaterpt.frm|0|StdCost|0");
    EXPECT_TRUE(ShowHelp(KeyF1, 9, "Other.frm", 0, "", 0));
    EXPECT_EQ(help->calls.back(), "9|0|Other.frm|0||0");
}
