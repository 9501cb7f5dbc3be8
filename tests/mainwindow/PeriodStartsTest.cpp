#include "MainWindowFixture.h"

#include "base/Format.h"
#include "component/PeriodProviders.h"
#include "mainwindow/PeriodStarts.h"

namespace orvan::test {
namespace {

class PeriodStartsTest : public MainWindowFixture
{
protected:
    std::string startAndNext(const std::string &systemId, int32_t period)
    {
        component::processState().systemId = systemId;
        const auto dates = mainwindow::periodDates(period);
        const auto start = dates.start == 0 ? "-" : base::formatDate(dates.start, "yyyy-mm-dd");
        return std::to_string(dates.result) + " " + start + " " + dates.nextOrEnd;
    }
};

// An operation-cost calendar that records the login properties of every date request.
class RecordingCalendar : public component::OperationCostPeriodInfo
{
public:
    int32_t OPCostGetPeriodCount(const std::string &) override { return 12; }
    int32_t OPCostGetCurrYear(const std::string &) override { return 2026; }
    int32_t GetPeriodDate(int32_t, int32_t, double &start, const std::string &props) override
    {
        propsSeen.push_back(props);
        start = 46000;
        return 0;
    }
    std::vector<std::string> propsSeen;

protected:
    base::Variant dispatch(base::DispId, base::InvokeKind, std::vector<base::Variant> &) override
    {
        return {};
    }
    const base::InterfaceInfo *typeInfo() const override { return nullptr; }
};

TEST_F(PeriodStartsTest, EachCostSystemGivesTheStartAndTheNextStartFromItsOwnCalendar)
{
    for (const char *systemId : {"0004", "0005", "0006"}) {
        EXPECT_EQ(startAndNext(systemId, 3), "0 2026-03-01 2026-04-01") << systemId;
        EXPECT_EQ(startAndNext(systemId, 12), "0 2026-12-01 2027-01-01")
            << systemId << ": the last period is followed by the first of the next year";
        EXPECT_EQ(startAndNext(systemId, 13).substr(0, 4), "3 - ") << systemId;
    }
    EXPECT_EQ(startAndNext("0000", 12), "0 2026-12-01 2026-12-31");
    EXPECT_EQ(startAndNext("", 1), "0 2026-01-01 2026-01-31") << "any other code: the list server";
}

TEST_F(PeriodStartsTest, EveryDateRequestCarriesTheLoginProperties)
{
    auto calendar = std::make_shared<RecordingCalendar>();
    component::ComponentRegistry::instance().add(component::ProgId::OperationCostPeriods,
                                                 [calendar] { return calendar; });
    startAndNext("0005", 12);
    ASSERT_EQ(calendar->propsSeen.size(), 2u);
    EXPECT_FALSE(calendar->propsSeen[0].empty());
    EXPECT_EQ(calendar->propsSeen[1], calendar->propsSeen[0]);
}

TEST_F(PeriodStartsTest, AYearListAsksOneProviderForTheStartOfEachPeriod)
{
    int created = 0;
    auto calendar = std::make_shared<RecordingCalendar>();
    component::ComponentRegistry::instance().add(component::ProgId::OperationCostPeriods,
                                                 [&created, calendar] {
                                                     ++created;
                                                     return calendar;
                                                 });
    component::processState().systemId = "0005";
    EXPECT_EQ(mainwindow::periodStartsOfYear(12), std::vector<double>(12, 46000));
    EXPECT_EQ(created, 1);
    EXPECT_EQ(calendar->propsSeen.size(), 12u) << "the start of each, not the next start";
    EXPECT_TRUE(mainwindow::periodStartsOfYear(0).empty());

    for (const char *systemId : {"0000", "0004"}) {
        component::processState().systemId = systemId;
        const auto year = mainwindow::periodStartsOfYear(13);
        for (int32_t period = 1; period <= 13; ++period) {
            const auto one = mainwindow::periodDates(period);
            EXPECT_EQ(year[static_cast<size_t>(period - 1)], one.result == 0 ? one.start : 0)
                << systemId << " " << period;
        }
        EXPECT_NE(year[11], 0) << systemId;
        EXPECT_EQ(year.back(), 0) << systemId << ": the demo calendar has twelve periods";
    }
}

TEST_F(PeriodStartsTest, AMissingProviderGivesNoStart)
{
    component::ComponentRegistry::instance().remove(component::ProgId::CostPeriods);
    EXPECT_EQ(startAndNext("0004", 1), "-1 - ");
}

} // namespace
} // namespace orvan::test
