#include "mainwindow/PeriodList.h"

#include <memory>
#include <vector>

#include "base/Error.h"
#include "base/Format.h"
#include "base/Variant.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "mainwindow/PeriodStarts.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {
namespace {

// The profile's values in the order of their keys: CurrentYear, PeriodCount, PeriodDates.
struct PeriodProfile
{
    std::vector<base::Variant> values;

    int32_t numberAt(std::size_t index) const
    {
        int32_t number = 0;
        if (index < values.size())
            base::tryStep([&] { number = values[index].toLong(); });
        return number;
    }
};

PeriodProfile readPeriodProfile()
{
    PeriodProfile profile;
    base::tryStep([&] {
        auto rows = params::executeOnAccount(periodProfileSql());
        if (!rows || rows->isEOF())
            return;
        const auto valueColumn = rows->columnIndex("Fvalue");
        for (; !rows->isEOF(); rows->MoveNext())
            profile.values.push_back(rows->valueAt(valueColumn));
    });
    return profile;
}

std::string periodRowText(int32_t period, double start)
{
    std::string date;
    if (start != 0)
        base::tryStep([&] { date = base::formatDate(start, "yyyy-mm-dd"); });
    return "||" + std::to_string(period) + "|" + date + "|";
}

} // namespace

std::string periodProfileSql()
{
    return std::string("Select Fkey,Fvalue from t_systemprofile Where FKey in ('CurrentYear') "
                       "And FCategory='IC'") +
           " Union " +
           "Select FKey,Fvalue From t_SystemProfile where Fkey in ('PeriodCount','PeriodDates') "
           "And FCategory='GL' Order By Fkey";
}

namespace {

// The list is assembled from many questions to the calendar: they read one state of the
// account, without a lock each.
std::unique_ptr<component::ReadingScope> readingTogether()
{
    std::unique_ptr<component::ReadingScope> reading;
    base::tryStep([&reading] {
        if (const auto &connection = component::processState().connection)
            reading = connection->beginReading();
    });
    return reading;
}

} // namespace

std::vector<std::string> periodListRows(int32_t &currentYear)
{
    const auto reading = readingTogether();
    const auto profile = readPeriodProfile();
    currentYear = profile.numberAt(0);
    const int32_t periodCount = profile.numberAt(1);
    const auto starts = periodStartsOfYear(periodCount);
    std::vector<std::string> rows;
    for (int32_t period = 1; period <= periodCount; ++period)
        rows.push_back(periodRowText(period, starts[static_cast<size_t>(period - 1)]));
    return rows;
}

} // namespace orvan::mainwindow
