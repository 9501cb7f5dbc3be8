#include "params/ParameterSearch.h"
#include "support/AccountFixture.h"

using namespace orvan;
using params::SearchMatch;

namespace {

// The demo account, connected, searched in each language.
class ParameterSearch : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }
    void speak(const char *language)
    {
        setLogin(std::string("UserID=16394;SubID=;LANGUAGE=") + language + ";");
    }
    bool found(const std::string &text, const SearchMatch &match)
    {
        const auto matches = params::findParameters(text);
        return std::find(matches.begin(), matches.end(), match) != matches.end();
    }
};

TEST_F(ParameterSearch, CaptionsInTheLoginsLanguageKeysAndValuesAreFound)
{
    EXPECT_TRUE(found("单据类型", {"sys9", "单据类型", "", ""})) << "a node";
    EXPECT_TRUE(found("显示所有单据表头", {"sys3", "显示所有单据表头", "ShowAllBillHead", "1"}))
        << "an option by caption";
    EXPECT_TRUE(found("赠品", {"sys9", "单据类型", "02", "赠品"})) << "a bill type by name";
    speak("EN");
    EXPECT_TRUE(found("bill types", {"sys9", "Bill Types", "", ""})) << "case ignored";
    EXPECT_TRUE(found("showallbillhead", {"sys3", "Show all bill headers", "ShowAllBillHead", "1"}))
        << "an option by key in any language";
    speak("CHT");
    EXPECT_TRUE(found("顯示所有單據表頭", {"sys3", "顯示所有單據表頭", "ShowAllBillHead", "1"}));
    connection().Execute("UPDATE t_SystemProfile SET FValue='Orvan Zeta' WHERE "
                         "FCategory='General' AND FKey='CompanyName'");
    speak("chs");
    EXPECT_TRUE(found("zeta", {"sys1", "系统设置", "CompanyName", "Orvan Zeta"})) << "by value";
    EXPECT_TRUE(params::findParameters("no such words here").empty());
    EXPECT_TRUE(params::findParameters("  ").empty()) << "blanks find nothing";
}

} // namespace
