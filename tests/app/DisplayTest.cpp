#include <gtest/gtest.h>

#include "app/Display.h"
#include "support/ScopedEnvironment.h"

using namespace orvan;

// A dialog on a platform that draws nowhere waits for ever: commands that would show
// one take the headless way there.
TEST(Display, OnlyAPlatformThatDrawsSomewhereIsInteractive)
{
    test::ScopedEnvironment environment;
    environment.unset("DISPLAY");
    environment.unset("WAYLAND_DISPLAY");
    environment.unset("QT_QPA_PLATFORM");
    EXPECT_FALSE(app::interactiveDisplay());
    environment.set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(app::displayAvailable()) << "a screenshot can still be drawn";
    EXPECT_FALSE(app::interactiveDisplay());
    environment.set("DISPLAY", ":0");
    EXPECT_FALSE(app::interactiveDisplay()) << "the named platform wins";
    environment.set("QT_QPA_PLATFORM", "minimal");
    EXPECT_FALSE(app::interactiveDisplay());
    environment.set("QT_QPA_PLATFORM", "xcb");
    EXPECT_TRUE(app::interactiveDisplay());
    environment.unset("QT_QPA_PLATFORM");
    EXPECT_TRUE(app::interactiveDisplay());
}
