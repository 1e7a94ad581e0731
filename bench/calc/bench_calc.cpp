// Rounding and number text against what they replace (the naive multiply-and-floor, swprintf) and
// against std::to_chars shortest, the floor any exact method has to read the value through.
#include "calcutil.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

namespace {

struct Sample {
    double value;
    int digits;
};

// Measurements in mm from 0.001 to 10^6: most are computed (full precision), some were typed or
// rounded before; mostly 0 to 3 decimals, a few 4 to 6.
const std::vector<Sample>& Mix() {
    static const std::vector<Sample> mix = [] {
        std::mt19937_64 rng(42);
        std::uniform_real_distribution<double> exp10(-3.0, 6.0);
        std::uniform_int_distribution<int> pick(0, 99);
        std::vector<Sample> out(4096);
        for (Sample& s : out) {
            const int roll = pick(rng);
            s.digits = roll < 15 ? 0 : roll < 40 ? 1 : roll < 75 ? 2 : roll < 90 ? 3 : 4 + roll % 3;
            s.value = std::pow(10.0, exp10(rng));
            if (pick(rng) < 30) // typed or already rounded: a short decimal
                s.value = std::round(s.value * 1000.0) / 1000.0;
            if (pick(rng) < 20)
                s.value = -s.value;
        }
        return out;
    }();
    return mix;
}

double NaiveRound(double value, int digits) {
    const double scale = std::pow(10.0, digits);
    return std::floor(value * scale + 0.5) / scale;
}

template <typename F> void Run(benchmark::State& state, F f) {
    const std::vector<Sample>& mix = Mix();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = mix[i++ & (mix.size() - 1)];
        f(s);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DecimalRound2(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    Run(state, [method](const Sample& s) {
        benchmark::DoNotOptimize(calcutil::DecimalRound2(s.value, s.digits, method, false));
    });
}
BENCHMARK(BM_DecimalRound2)->Arg(0)->Arg(3)->Arg(4);

// Products too large for the quick path (10^14 and more after scaling): the digit path's cost.
void BM_DecimalRound2DigitPath(benchmark::State& state) {
    static const std::vector<Sample> large = [] {
        std::mt19937_64 rng(43);
        std::uniform_real_distribution<double> exp10(14.0, 16.0);
        std::vector<Sample> out(4096);
        for (Sample& s : out)
            s = {std::pow(10.0, exp10(rng)) / 100.0, 2};
        return out;
    }();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = large[i++ & (large.size() - 1)];
        benchmark::DoNotOptimize(calcutil::DecimalRound2(s.value, s.digits, 0, false));
    }
}
BENCHMARK(BM_DecimalRound2DigitPath);

void BM_NaiveRound(benchmark::State& state) {
    Run(state, [](const Sample& s) { benchmark::DoNotOptimize(NaiveRound(s.value, s.digits)); });
}
BENCHMARK(BM_NaiveRound);

void BM_RoundPlaceTens(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    Run(state,
        [method](const Sample& s) { benchmark::DoNotOptimize(calcutil::RoundPlace(s.value, 0, method)); });
}
BENCHMARK(BM_RoundPlaceTens)->Arg(0)->Arg(1)->Arg(2);

void BM_Double2String(benchmark::State& state) {
    Run(state, [](const Sample& s) { benchmark::DoNotOptimize(calcutil::Double2String(s.value, s.digits)); });
}
BENCHMARK(BM_Double2String);

void BM_NaiveSwprintf(benchmark::State& state) {
    Run(state, [](const Sample& s) {
        wchar_t buf[64];
        std::swprintf(buf, 64, L"%.*f", s.digits, s.value);
        benchmark::DoNotOptimize(std::wstring(buf));
    });
}
BENCHMARK(BM_NaiveSwprintf);

void BM_ToCharsShortest(benchmark::State& state) {
    Run(state, [](const Sample& s) {
        char buf[64];
        benchmark::DoNotOptimize(std::to_chars(buf, buf + sizeof buf, s.value).ptr);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_ToCharsShortest);

// The same, ending in a std::wstring as Double2String does.
void BM_ToCharsShortestWide(benchmark::State& state) {
    Run(state, [](const Sample& s) {
        char buf[64];
        char* end = std::to_chars(buf, buf + sizeof buf, s.value).ptr;
        benchmark::DoNotOptimize(std::wstring(buf, end));
    });
}
BENCHMARK(BM_ToCharsShortestWide);

void BM_ToCharsFixed(benchmark::State& state) {
    Run(state, [](const Sample& s) {
        char buf[400];
        benchmark::DoNotOptimize(
            std::to_chars(buf, buf + sizeof buf, s.value, std::chars_format::fixed, s.digits).ptr);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_ToCharsFixed);

} // namespace

BENCHMARK_MAIN();
