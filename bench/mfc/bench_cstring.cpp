// CString on the list's hot path (one Format and a few concatenations per cell) against the floor:
// the same text made with swprintf into a stack buffer and a std::wstring. Each CString benchmark
// reports its time relative to the floor measured in the same run ("ratio").
#include <afxwin.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr double kValues[] = {0.5, 12.25, 1234.5678, 98765.4321, 3.0, 100000.125, 7.75, 42.0};
constexpr size_t kValueCount = std::size(kValues);

double& FloorNanoseconds() {
    static double floor = 0.0;
    return floor;
}

template <typename F> double TimeLoop(benchmark::State& state, F make) {
    auto start = std::chrono::steady_clock::now();
    size_t i = 0;
    for (auto _ : state) {
        auto text = make(kValues[i % kValueCount], int(i));
        ++i;
        benchmark::DoNotOptimize(text);
    }
    auto elapsed = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    state.SetItemsProcessed(state.iterations());
    return state.iterations() ? elapsed / double(state.iterations()) : 0.0;
}

void ReportRatio(benchmark::State& state, double nanoseconds) {
    if (FloorNanoseconds() > 0.0)
        state.counters["ratio"] = nanoseconds / FloorNanoseconds();
}

std::wstring FloorCell(double value, int row) {
    wchar_t buffer[64];
    int n = std::swprintf(buffer, 64, L"%d\t%.3f", row, value);
    std::wstring text(buffer, size_t(n));
    text += L" mm";
    return text;
}

void BM_Floor_SwprintfWstring(benchmark::State& state) {
    FloorNanoseconds() = TimeLoop(state, FloorCell);
}

void BM_CString_FormatCell(benchmark::State& state) {
    double ns = TimeLoop(state, [](double value, int row) {
        CString text;
        text.Format(L"%d\t%.3f", row, value);
        text += L" mm";
        return text;
    });
    ReportRatio(state, ns);
}

// The summary text: rows joined with the two characters backslash and n.
void BM_CString_JoinRows(benchmark::State& state) {
    double ns = TimeLoop(state, [](double value, int row) {
        CString line;
        line.Format(L"%d", row);
        CString joined = CString(L"No.") + line + L"\t" + CString(L"長さ") + L"\\n";
        joined.AppendFormat(L"%.2f", value);
        return joined;
    });
    ReportRatio(state, ns);
}

} // namespace

// The floor is registered first so that it has been measured when the others report.
BENCHMARK(BM_Floor_SwprintfWstring);
BENCHMARK(BM_CString_FormatCell);
BENCHMARK(BM_CString_JoinRows);

BENCHMARK_MAIN();
