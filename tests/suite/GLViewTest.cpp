#include <gtest/gtest.h>

#include <memory>

#include "component/AccountLookup.h"
#include "component/AccountLookupForm.h"
#include "component/ComponentRegistry.h"
#include "forms/Shell.h"
#include "support/AccountFixture.h"

namespace orvan::test {
namespace {

using component::AccountLookupForm;

class GLViewTest : public AccountFixture<>
{
protected:
    std::shared_ptr<component::LookupResult> lookUp()
    {
        auto view =
            component::ComponentRegistry::instance().createAs<component::LedgerViewComponent>(
                component::ProgId::LedgerView);
        return view->AccountLookup(base::Dictionary());
    }
};

TEST_F(GLViewTest, SearchNarrowsByNumberPrefixOrNameAndOkReturnsTheAccount)
{
    shell->queueDriver("frmAccountLookup", [](forms::Form &form) {
        auto &lookup = dynamic_cast<AccountLookupForm &>(form);
        EXPECT_EQ(lookup.rows().size(), 17u);
        lookup.search("6602");
        ASSERT_EQ(lookup.rows().size(), 2u);
        lookup.search("库存");
        ASSERT_EQ(lookup.rows().size(), 2u);
        EXPECT_TRUE(lookup.selectRow(1));
        EXPECT_EQ(lookup.rows()[1].number, "1405");
        lookup.press(AccountLookupForm::OkKey);
    });
    const auto result = lookUp();
    ASSERT_TRUE(result->ReturnOK);
    EXPECT_EQ(result->ReturnObject->value("fnumber").text(), "1405");
    EXPECT_EQ(result->ReturnObject->value("FAccountID").toLong(), 5);
}

TEST_F(GLViewTest, CancelOrAnEmptySearchChoosesNothing)
{
    shell->queueDriver("frmAccountLookup", [](forms::Form &form) {
        auto &lookup = dynamic_cast<AccountLookupForm &>(form);
        lookup.search("no such account");
        EXPECT_FALSE(lookup.press(AccountLookupForm::OkKey));
        lookup.press(AccountLookupForm::CancelKey);
    });
    const auto cancelled = lookUp();
    EXPECT_FALSE(cancelled->ReturnOK);
    EXPECT_EQ(cancelled->ReturnObject, nullptr);
    // Without a driver the window closes at once, as when the user closes it.
    EXPECT_FALSE(lookUp()->ReturnOK);
}

} // namespace
} // namespace orvan::test
