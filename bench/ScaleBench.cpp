// How the window grows with the account:
//   BM_ListMemory/<rows>         bill types listed by sys9: the heap the data layer and the
//                                list keep after the click (mallinfo2), per listed row and
//                                against the text of the cells the grid shows
//   BM_OpenWithBills/<bills>     the program's open of class 0 with that many numbered
//                                bills; flat is the aim
#include "LargeAccount.h"
#include "WindowSession.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

using namespace orvan;
using namespace orvan::bench;

size_t heapInUse()
{
    ::malloc_trim(0);
    return ::mallinfo2().uordblks;
}

void listMemory(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    WindowSession session(Start::AsProgram, scaledAccount(rows, 2000));
    auto window = session.open(0);
    window->selectAndClick("sys1");
    double retained = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->selectAndClick("sys1");
        const size_t before = heapInUse();
        state.ResumeTiming();
        window->selectAndClick("sys9");
        state.PauseTiming();
        retained = static_cast<double>(heapInUse()) - static_cast<double>(before);
        state.ResumeTiming();
    }
    const double listed = window->list.rowCount();
    double shownBytes = 0; // the text of every cell the grid shows
    for (int row = 2; row <= window->list.rowCount(); ++row) {
        for (const auto &cell : window->list.rowText(row))
            shownBytes += static_cast<double>(cell.size());
    }
    state.counters["gridRows"] = listed;
    state.counters["shownBytesPerRow"] = listed > 0 ? shownBytes / listed : 0;
    state.counters["retainedPerShown"] = shownBytes > 0 ? retained / shownBytes : 0;
    state.counters["retainedMiB"] = retained / (1024.0 * 1024.0);
    state.counters["bytesPerRow"] = listed > 0 ? retained / listed : 0;
}

void openWithBills(benchmark::State &state)
{
    const int bills = static_cast<int>(state.range(0));
    WindowSession session(Start::AsProgram, scaledAccount(5000, bills));
    auto window = session.open(0);
    for (auto _ : state) {
        window.reset();
        timeIteration(state, [&] { window = session.open(0); });
    }
    if (const auto message = session.firstMessage(); !message.empty())
        state.SkipWithError(message.c_str());
}

BENCHMARK(listMemory)
    ->Name("BM_ListMemory")
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(openWithBills)
    ->Name("BM_OpenWithBills")
    ->UseManualTime()
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

} // namespace
