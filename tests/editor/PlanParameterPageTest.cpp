#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/EditorFixture.h"
#include "editor/PlanParameterPage.h"
#include "planning/PlanCleanup.h"

namespace orvan::test {
namespace {

using editor::RecordEditor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char *ModifiedQuestion = "数据已修改，需要保存否？";
constexpr const char *Saved = "计划参数保存成功";
constexpr const char *Ignore = "忽略不记";
constexpr const char *MoveOn = "移至需求时界后的第一个时区";

// The planning keys in the order the main window lists them, the forecast procedures
// installed, and the window's copies of the fences at demand 3, plan 5, zones 8.
class PlanParameterPageTest : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        planning::installPlanning();
        auto &state = editor::editorState();
        state.demandTimeLimit = 3;
        state.planTimeLimit = 5;
        state.timeZoneCount = 8;
    }

    RecordEditor &openPlan(const std::string &key)
    {
        const std::vector<std::string> listed = {"DaysPerTimeZone", "DemandTimeLimit",
                                                 "PlanStartDate",   "PlanTimeLimit",
                                                 "TimeZoneCount",   "ProOfBeforeDemandLimit"};
        const auto at = std::find(listed.begin(), listed.end(), key) - listed.begin();
        return openEditor("pL1", {listed.begin(), listed.end()}, 2 + static_cast<int>(at));
    }

    // Types the value, answers Yes to the save prompt and gives the messages that
    // followed the prompt.
    std::vector<forms::ShownMessage> enterThroughPrompt(RecordEditor &editor,
                                                        const std::string &value)
    {
        editor.typeCell(2, 1, value);
        messages->clear();
        bool answer = true;
        editor.askSave(ModifiedQuestion, answer);
        EXPECT_TRUE(answer);
        const auto &shown = messages->shown();
        EXPECT_FALSE(shown.empty());
        if (shown.empty())
            return {};
        EXPECT_EQ(shown.front().text, ModifiedQuestion);
        return {shown.begin() + 1, shown.end()};
    }

    static std::vector<std::string> textsOf(const std::vector<forms::ShownMessage> &shown)
    {
        std::vector<std::string> texts;
        for (const auto &message : shown)
            texts.push_back(message.text);
        return texts;
    }

    std::string stored(const std::string &key)
    {
        return text("select FValue from t_SystemProfile where FKey='" + key + "'");
    }

    long planCount() { return std::stol(text("select count(*) from PLMPSPlan")); }
};

TEST_F(PlanParameterPageTest, ShowsEachParameterInItsKindOfCell)
{
    auto &days = openPlan("DaysPerTimeZone");
    EXPECT_EQ(days.caption, "修改计划参数设置");
    EXPECT_EQ(days.tabs().captions[0], "时区大小的天数");
    EXPECT_EQ(days.grid().text(2, 1), "7");
    EXPECT_EQ(days.grid().cell(2, 1).type, forms::CellType::Edit);
    EXPECT_FALSE(days.typeCell(2, 1, "-7"));
    EXPECT_EQ(lastMessage(), "时区大小的天数不接受这些字符：-");
    EXPECT_EQ(days.grid().text(2, 1), "7") << "not 7 with its sign dropped";
    EXPECT_TRUE(days.typeCell(2, 1, "14"));
    EXPECT_FALSE(days.typeCell(1, 1, "12")) << "the caption is not editable";

    run("UPDATE t_SystemProfile SET FValue='2026/11/30' WHERE FKey='PlanStartDate'");
    auto &start = openPlan("PlanStartDate");
    EXPECT_EQ(start.grid().text(1, 1), "计划起始日期");
    EXPECT_EQ(start.grid().cell(2, 1).type, forms::CellType::Date);
    EXPECT_EQ(start.grid().text(2, 1), "2026-11-30");
    EXPECT_FALSE(start.typeCell(2, 1, "2026-12-14x"));
    EXPECT_TRUE(start.typeCell(2, 1, "2026/12/14")) << "the common way of writing a date";

    auto &strategy = openPlan("ProOfBeforeDemandLimit");
    EXPECT_EQ(strategy.grid().text(1, 1), "早于需求时界的累计未兑现预测处理策略");
    EXPECT_EQ(strategy.grid().cell(2, 1).type, forms::CellType::ComboBox);
    EXPECT_THAT(strategy.grid().cell(2, 1).listItems, ElementsAre(Ignore, MoveOn));
    EXPECT_EQ(strategy.grid().text(2, 1), Ignore);
    run("UPDATE t_SystemProfile SET FValue='0' WHERE FKey='ProOfBeforeDemandLimit'");
    EXPECT_EQ(openPlan("ProOfBeforeDemandLimit").grid().text(2, 1), MoveOn);
}

TEST_F(PlanParameterPageTest, ThePromptKeepsTheTimeFencesInOrder)
{
    struct Case
    {
        const char *key;
        const char *typed;
        std::vector<std::string> shown;
        const char *restored;
    };
    const std::vector<Case> cases = {
        {"DemandTimeLimit", "5", {"需求时界的时区数必须小于计划时界的时区数"}, "3"},
        {"DemandTimeLimit", "9", {"需求时界的时区数必须小于展望区的时区数"}, "3"},
        {"DemandTimeLimit", "0", {"计划参数不能设置为0或空"}, "3"},
        {"DemandTimeLimit", "", {"计划参数不能设置为0或空"}, "3"},
        {"PlanTimeLimit", "3", {"计划时界的时区数必须大于需求时界的时区数"}, "5"},
        {"PlanTimeLimit", "8", {"计划时界的时区数必须小于展望区的时区数"}, "5"},
        {"TimeZoneCount", "4", {"展望区的时区数必须大于计划时界的时区数"}, "8"},
        {"TimeZoneCount", "99999999999", {"参数溢出,重新输入"}, "8"},
        {"DaysPerTimeZone", "0", {"计划参数不能设置为0或空"}, "7"},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(std::string(test.key) + " " + test.typed);
        const auto before = stored(test.key);
        auto &editor = openPlan(test.key);
        EXPECT_EQ(textsOf(enterThroughPrompt(editor, test.typed)), test.shown);
        EXPECT_EQ(editor.grid().text(2, 1), test.restored);
        EXPECT_FALSE(editor.changed);
        EXPECT_EQ(stored(test.key), before);
    }

    // Without error messages the value is refused all the same.
    editor::editorState().showErrors = 0;
    auto &quiet = openPlan("DemandTimeLimit");
    EXPECT_THAT(enterThroughPrompt(quiet, "5"), IsEmpty());
    EXPECT_EQ(stored("DemandTimeLimit"), "2");
}

TEST_F(PlanParameterPageTest, AFenceInOrderIsSavedWithItsNoticeAndUpdatesTheCopy)
{
    auto &editor = openPlan("DemandTimeLimit");
    const auto shown = enterThroughPrompt(editor, "4");
    ASSERT_EQ(shown.size(), 2u);
    const auto &notice = shown[0];
    EXPECT_EQ(notice.title, "Tessel");
    EXPECT_EQ(notice.buttons, forms::Buttons::Ok);
    EXPECT_EQ(notice.text, "计划参数:需求时界 将被改变因为生成主生产计划依赖于[需求时界],"
                           "所以你需要重新运行 生成主生产计划 以保证主生产计划的正确性");
    EXPECT_EQ(shown[1].title, "Tessel提示");
    EXPECT_EQ(shown[1].text, Saved);
    EXPECT_EQ(stored("DemandTimeLimit"), "4");
    EXPECT_EQ(editor::editorState().demandTimeLimit, 4);
    EXPECT_FALSE(editor.changed);
    EXPECT_THAT(shell->formsRun(), IsEmpty());
}

TEST_F(PlanParameterPageTest, TheStartDateMovesByWholeZonesWhilePlansExist)
{
    auto &editor = openPlan("PlanStartDate");
    const auto refused = enterThroughPrompt(editor, "2026-12-10");
    EXPECT_THAT(textsOf(refused),
                ElementsAre("修改后的[计划开始日期]必须与修改前日期间隔整数个时区"));
    EXPECT_EQ(refused.at(0).title, "Tessel提示");
    EXPECT_EQ(editor.grid().text(2, 1), "2026-11-30");
    EXPECT_EQ(stored("PlanStartDate"), "2026-11-30");

    EXPECT_THAT(textsOf(enterThroughPrompt(editor, "2026-12-14")),
                ElementsAre("计划参数:计划开始日期 将被改变因为生成主生产计划依赖于[计划开始日期],"
                            "所以你需要重新运行 生成主生产计划 以保证主生产计划的正确性",
                            Saved));
    EXPECT_EQ(stored("PlanStartDate"), "2026-12-14");
    EXPECT_THAT(shell->formsRun(), ElementsAre("PilotPanel"));
    EXPECT_EQ(text("select FStartDate from PLMPSPlan where FInterID=1"), "2026-12-14");

    // A damaged zone size is reported whatever the error option says.
    editor::editorState().showErrors = 0;
    run("UPDATE t_SystemProfile SET FValue='0' WHERE FKey='DaysPerTimeZone'");
    EXPECT_THAT(textsOf(enterThroughPrompt(editor, "2026-12-28")),
                ElementsAre("计划参数:每时区天数 被破坏"));
    EXPECT_EQ(stored("PlanStartDate"), "2026-12-14");

    // Without plans any date will do.
    run("DELETE FROM PLMPSPlan");
    enterThroughPrompt(editor, "2026-12-10");
    EXPECT_EQ(stored("PlanStartDate"), "2026-12-10");
}

TEST_F(PlanParameterPageTest, SavingAnUnchangedStartDateStillWritesAndRetimesThePlans)
{
    run("UPDATE t_SystemProfile SET FValue='2026/11/30' WHERE FKey='PlanStartDate'");
    auto &editor = openPlan("PlanStartDate");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre(Saved));
    EXPECT_EQ(stored("PlanStartDate"), "2026-11-30");
    EXPECT_THAT(shell->formsRun(), ElementsAre("PilotPanel"));
    EXPECT_FALSE(editor.changed);
}

TEST_F(PlanParameterPageTest, ANewZoneSizeEmptiesThePlansOnlyWhenConfirmed)
{
    auto &editor = openPlan("DaysPerTimeZone");
    editor.typeCell(2, 1, "10");
    messages->queueAnswer(forms::Answer::No);
    editor.press("Save");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].title, "Tessel");
    EXPECT_EQ(messages->shown()[0].icon, forms::Icon::Warning);
    EXPECT_EQ(messages->shown()[0].text,
              "计划参数:每时区天数 将被改变.因为主生产计划预测方案各个预测输入是和相应的时区关联,"
              "所以一旦改变了[每时区天数],你以前录入的预测方案将不可用.确认要继续吗?");
    EXPECT_EQ(editor.grid().text(2, 1), "7");
    EXPECT_FALSE(editor.changed);
    EXPECT_EQ(stored("DaysPerTimeZone"), "7");
    EXPECT_EQ(planCount(), 2);
    EXPECT_THAT(shell->formsRun(), IsEmpty());

    editor.typeCell(2, 1, "10");
    messages->clear();
    editor.press("Save");
    EXPECT_THAT(shell->formsRun(), ElementsAre("PilotPanel"));
    EXPECT_EQ(planCount(), 0);
    EXPECT_EQ(stored("DaysPerTimeZone"), "10");
    EXPECT_EQ(shownTexts().back(), Saved);

    // Plans that could not all be removed keep the size they were made with.
    account.runNative("DROP TABLE PLMPS");
    editor.typeCell(2, 1, "14");
    messages->clear();
    editor.press("Save");
    EXPECT_EQ(shell->formsRun().size(), 2u);
    EXPECT_EQ(stored("DaysPerTimeZone"), "10");
    EXPECT_EQ(editor.grid().text(2, 1), "10");
    EXPECT_THAT(shownTexts(), ::testing::Not(::testing::Contains(Saved)));
}

TEST_F(PlanParameterPageTest, ANewZoneCountRetimesThePlansAndUpdatesTheCopy)
{
    auto &editor = openPlan("TimeZoneCount");
    editor.typeCell(2, 1, "6");
    editor.press("Save");
    EXPECT_EQ(stored("TimeZoneCount"), "6");
    EXPECT_EQ(editor::editorState().timeZoneCount, 6);
    EXPECT_THAT(shell->formsRun(), ElementsAre("PilotPanel"));
    EXPECT_EQ(text("select count(*) from PLMPS where FTimeZone > 6"), "0");
    EXPECT_EQ(text("select FTimeZoneCount from PLMPSPlan where FInterID=1"), "6");
}

TEST_F(PlanParameterPageTest, TheStrategyIsStoredAsOneOrZero)
{
    auto &editor = openPlan("ProOfBeforeDemandLimit");
    editor.typeCell(2, 1, MoveOn);
    editor.press("Save");
    EXPECT_EQ(stored("ProOfBeforeDemandLimit"), "0");
    EXPECT_EQ(params::profileFlags().forecastStrategy, 0);
    EXPECT_EQ(shownTexts().back(), Saved);

    editor.typeCell(2, 1, Ignore);
    editor.press("Save");
    EXPECT_EQ(stored("ProOfBeforeDemandLimit"), "1");
    EXPECT_EQ(params::profileFlags().forecastStrategy, 1);

    // Only the list's entries are values: other text is refused as it is typed.
    messages->clear();
    EXPECT_FALSE(editor.typeCell(2, 1, "5"));
    EXPECT_THAT(shownTexts(),
                ElementsAre("早于需求时界的累计未兑现预测处理策略只能是列表中的项目"));
    EXPECT_EQ(editor.grid().text(2, 1), Ignore);
    EXPECT_EQ(stored("ProOfBeforeDemandLimit"), "1");
}

TEST_F(PlanParameterPageTest, TheSaveButtonNeverWritesAValueThatDoesNotConvert)
{
    auto &count = openPlan("TimeZoneCount");
    count.typeCell(2, 1, "70000");
    count.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre("参数溢出,重新输入")) << "the field's words";
    EXPECT_EQ(stored("TimeZoneCount"), "26");
    EXPECT_EQ(editor::editorState().timeZoneCount, 8);

    auto &start = openPlan("PlanStartDate");
    start.typeCell(2, 1, "2026-13-01");
    start.press("Save");
    EXPECT_THAT(shownTexts(),
                ElementsAre("计划起始日期不是有效的日期，请按年-月-日输入，如2026-12-01。"));
    EXPECT_EQ(stored("PlanStartDate"), "2026-11-30");
    EXPECT_THAT(shell->formsRun(), IsEmpty());
}

} // namespace
TEST_F(PlanParameterPageTest, TheSaveButtonChecksWhatTheSavePromptChecks)
{
    const auto storedFence = stored("DemandTimeLimit");
    auto &fence = openPlan("DemandTimeLimit");
    fence.typeCell(2, 1, "30"); // the horizon has 8 zones
    fence.press("Save");
    EXPECT_EQ(lastMessage(), "需求时界的时区数必须小于展望区的时区数");
    EXPECT_EQ(stored("DemandTimeLimit"), storedFence);

    auto &days = openPlan("DaysPerTimeZone");
    days.typeCell(2, 1, "0");
    days.press("Save");
    EXPECT_EQ(lastMessage(), "计划参数不能设置为0或空");
    EXPECT_EQ(stored("DaysPerTimeZone"), "7");
}

} // namespace orvan::test
