// CString on the list's hot path (one Format and a few concatenations per cell) against the floor:
// the same text made with swprintf into a stack buffer and std::wstring. Each CString benchmark
// reports its time relative to its floor measured in the same run ("ratio").
#include <afxwin.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr double kValues[] = {0.5, 12.25, 1234.5678, 98765.4321, 3.0, 100000.125, 7.75, 42.0};
constexpr size_t kValueCount = std::size(kValues);

enum Work { kCell, kJoin, kWorkCount };
double g_floorNanoseconds[kWorkCount] = {};

template <typename F> double TimeLoop(benchmark::State& state, F make) {
    auto start = std::chrono::steady_clock::now();
    size_t i = 0;
    for (auto _ : state) {
        auto text = make(kValues[i % kValueCount], int(i));
        benchmark::DoNotOptimize(text);
        ++i;
    }
    auto elapsed = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    state.SetItemsProcessed(state.iterations());
    return state.iterations() ? elapsed / double(state.iterations()) : 0.0;
}

void ReportRatio(benchmark::State& state, Work work, double nanoseconds) {
    if (g_floorNanoseconds[work] > 0.0)
        state.counters["ratio"] = nanoseconds / g_floorNanoseconds[work];
}

std::wstring Printed(const wchar_t* format, int row, double value) {
    wchar_t buffer[64];
    int n = std::swprintf(buffer, 64, format, row, value);
    return std::wstring(buffer, size_t(n < 0 ? 0 : n));
}

// ---- a list cell: number, tab, value, unit ----
void BM_Floor_Cell(benchmark::State& state) {
    g_floorNanoseconds[kCell] = TimeLoop(state, [](double value, int row) {
        std::wstring text = Printed(L"%d\t%.3f", row, value);
        text += L" mm";
        return text;
    });
}

void BM_CString_Cell(benchmark::State& state) {
    double ns = TimeLoop(state, [](double value, int row) {
        CString text;
        text.Format(L"%d\t%.3f", row, value);
        text += L" mm";
        return text;
    });
    ReportRatio(state, kCell, ns);
}

// ---- a summary line: pieces joined, the line ended with backslash and n ----
void BM_Floor_Join(benchmark::State& state) {
    g_floorNanoseconds[kJoin] = TimeLoop(state, [](double value, int row) {
        std::wstring joined = std::wstring(L"No.") + std::to_wstring(row) + L"\t" + L"長さ" + L"\\n";
        wchar_t buffer[32];
        int n = std::swprintf(buffer, 32, L"%.2f", value);
        joined.append(buffer, size_t(n < 0 ? 0 : n));
        return joined;
    });
}

void BM_CString_Join(benchmark::State& state) {
    double ns = TimeLoop(state, [](double value, int row) {
        CString number;
        number.Format(L"%d", row);
        CString joined = CString(L"No.") + number + L"\t" + L"長さ" + L"\\n";
        joined.AppendFormat(L"%.2f", value);
        return joined;
    });
    ReportRatio(state, kJoin, ns);
}

} // namespace

// Each floor is registered before its CString twin so that it has been measured when the twin reports.
BENCHMARK(BM_Floor_Cell);
BENCHMARK(BM_CString_Cell);
BENCHMARK(BM_Floor_Join);
BENCHMARK(BM_CString_Join);

BENCHMARK_MAIN();
