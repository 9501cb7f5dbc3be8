#include "base/Error.h"
#include "base/PendingError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace orvan::base;

TEST(TryStep, KeepsTheLastSwallowedUnavailableAccountUntilItIsTaken)
{
    takeSwallowedAccountError();
    EXPECT_FALSE(tryStep([] { throw Error(5, "plain"); }));
    EXPECT_EQ(takeSwallowedAccountError(), std::nullopt) << "a plain error is no lost change";

    EXPECT_FALSE(
        tryStep([] { throw Error::accountUnavailable(AccountFailure::ReadOnly, 5, "first"); }));
    EXPECT_FALSE(
        tryStep([] { throw Error::accountUnavailable(AccountFailure::Busy, 5, "locked"); }));
    EXPECT_TRUE(tryStep([] {}));
    const auto taken = takeSwallowedAccountError();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->description(), "locked");
    EXPECT_EQ(taken->accountFailure(), AccountFailure::Busy) << "the reason travels with it";
    EXPECT_EQ(takeSwallowedAccountError(), std::nullopt) << "taking it clears it";

    EXPECT_THROW(tryStep([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(PendingErrorGuardTest, PutsBackWhatWasPendingOrNothing)
{
    using orvan::base::PendingError;
    using orvan::base::PendingErrorGuard;
    PendingError::clear();
    {
        PendingErrorGuard guard;
        PendingError::raise(orvan::base::Error(5, "Invalid procedure call"));
    }
    EXPECT_TRUE(PendingError::current().isClear()) << "nothing was pending before";

    PendingError::raise(orvan::base::Error(13, "Type mismatch", "frmTest"));
    {
        PendingErrorGuard guard;
        PendingError::clear();
        PendingError::raise(orvan::base::Error(5, "Invalid procedure call"));
    }
    EXPECT_EQ(PendingError::current().number, 13);
    EXPECT_EQ(PendingError::current().source, "frmTest");
    PendingError::clear();
}
