// The value conversions that grids and SQL builders call per cell: a Double written
// as text, numeric text read back, and the GBK length of cell text.
#include "base/Convert.h"
#include "base/Format.h"
#include "base/Gbk.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

using namespace orvan::base;

constexpr std::array<double, 8> Numbers = {
    60, 60.5, -0.25, 0.1 + 0.2, 1e15, 123456789012345.0, 0.00001, 1.5e-10};

constexpr std::array<std::string_view, 8> NumericTexts = {
    "60", " 60.5 ", "-0.25", "1,234,567.89", "1.5E-10", "&H1F", "12abc", ""};

void BM_NumberToText(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberToText(Numbers[i++ % Numbers.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberToText);

void BM_ParseNumber(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseNumber(NumericTexts[i++ % NumericTexts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumber);

void BM_FormatNumberHashPointZeroZero(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(Numbers[i++ % Numbers.size()] * 1000, "#.00"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatNumberHashPointZeroZero);

// A rule-grid cell: Chinese text mixed with ASCII codes and full-width punctuation.
void BM_AnsiByteLengthCell(benchmark::State &state)
{
    const std::string text = "编码规则：[PO]采购订单-2024 No.001（默认）";
    for (auto _ : state) {
        benchmark::DoNotOptimize(ansiByteLength(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_AnsiByteLengthCell);

// Long text of the given number of characters, half Chinese and half ASCII.
void BM_AnsiByteLengthLong(benchmark::State &state)
{
    std::string text;
    for (int64_t i = 0; i < state.range(0) / 2; ++i)
        text += (i % 2 == 0) ? "参a" : "数b";
    for (auto _ : state) {
        benchmark::DoNotOptimize(ansiByteLength(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_AnsiByteLengthLong)->Arg(1 << 10)->Arg(1 << 16);

} // namespace
