#include <gtest/gtest.h>

#include <sstream>

#include "forms/Help.h"

using namespace orvan::forms;

TEST(Help, PrintsOneLinePerTopicToItsStreamAndRecordsForTests)
{
    std::ostringstream out;
    setHelpViewer(std::make_shared<PrintedHelp>(out));
    helpViewer().show({230077, "", "", 0, 0});
    helpViewer().show({250213, "关账", "IC", 1, 2});
    EXPECT_EQ(out.str(), "HELP 230077 \nHELP 250213 关账 [IC]\n");

    auto recorded = std::make_shared<RecordedHelp>();
    setHelpViewer(recorded);
    helpViewer().show({7, "x", "", 0, 0});
    ASSERT_EQ(recorded->topics().size(), 1u);
    EXPECT_EQ(recorded->topics()[0].helpId, 7);
    setHelpViewer(nullptr);
}
