#include "base/Error.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace orvan::base;

TEST(TryStep, KeepsTheLastSwallowedUnavailableAccountUntilItIsTaken)
{
    takeSwallowedAccountError();
    EXPECT_FALSE(tryStep([] { throw Error(5, "plain"); }));
    EXPECT_EQ(takeSwallowedAccountError(), std::nullopt) << "a plain error is no lost change";

    EXPECT_FALSE(tryStep([] { throw Error::accountUnavailable(5, "first"); }));
    EXPECT_FALSE(tryStep([] { throw Error::accountUnavailable(5, "locked"); }));
    EXPECT_TRUE(tryStep([] {}));
    EXPECT_EQ(takeSwallowedAccountError(), "locked");
    EXPECT_EQ(takeSwallowedAccountError(), std::nullopt) << "taking it clears it";

    EXPECT_THROW(tryStep([] { throw std::logic_error("bug"); }), std::logic_error);
}
