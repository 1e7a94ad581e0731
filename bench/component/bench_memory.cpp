// Heap per listed row: the bytes the C library's allocator holds for the rows (its own chunk
// overhead included, and the large blocks it maps), divided by the number of rows; the floor is the
// same rows as a plain table of texts (FloorList). Each benchmark runs once: the figures are counts,
// not times, and the counters carry them (bytes_row, floor_bytes_row, x_floor).
//
// 100,000 rows are filled through the list view's messages with the dialog's own cells and then
// re-formatted once by the dialog (one more measurement from the host), because adding them one by
// one would cost 100,000 recomputations; 2,000 rows, all added by the host one by one, check that
// the shortcut lists the same bytes per row.
#include "FloorList.h"
#include "ListShortcuts.h"

#include <benchmark/benchmark.h>

#include <commctrl.h>
#include <malloc.h>

#include <memory>

namespace bench {
namespace {

long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

void Report(benchmark::State& state, long long dialogBytes, long long floorBytes, int rows) {
    state.counters["bytes_row"] = static_cast<double>(dialogBytes) / rows;
    state.counters["floor_bytes_row"] = static_cast<double>(floorBytes) / rows;
    state.counters["x_floor"] = floorBytes > 0 ? static_cast<double>(dialogBytes) / floorBytes : 0.0;
}

long long FloorBytes(int rows, const RowMix& mix) {
    const long long before = HeapInUse();
    auto floor = std::make_unique<FloorList>();
    floor->FillTo(rows, mix);
    floor->Recompute(Rounding{});
    return HeapInUse() - before;
}

void BM_HeapPerRow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const bool oneByOne = state.range(1) != 0;
    const RowMix mix(rows);
    long long dialogBytes = 0;
    for (auto _ : state) {
        measure_test::DialogHost host(measure_test::kSilentHost);
        Measure(host, mix.at(0));
        // The dialog with one row is the base: what more rows add is theirs.
        const long long before = HeapInUse();
        if (oneByOne) {
            for (int row = 1; row < rows; ++row)
                Measure(host, mix.at(row));
        } else {
            FillTo(host.control(IDC_LIST_LENGTH), rows - 1, mix);
            Measure(host, mix.at(rows - 1));
        }
        dialogBytes = HeapInUse() - before;
        if (measure_test::RowCount(host.control(IDC_LIST_LENGTH)) != rows)
            state.SkipWithError("the dialog does not list every row");
    }
    Report(state, dialogBytes, FloorBytes(rows - 1, mix), rows - 1);
}
BENCHMARK(BM_HeapPerRow)->Args({100000, 0})->Args({2000, 1})->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace bench

BENCHMARK_MAIN();
