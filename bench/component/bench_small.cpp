// The small pieces every recomputation repeats per row, each against its floor in the same run:
// a silent trace (threshold above its level) against a plain call and compare, and the rounding
// utility against std::to_chars shortest on the same values. Batches of values keep the clock's
// own cost out of the figures; ns_row is per trace or per value.
#include "SideBySide.h"

#include <FunctionTrace.h>

#include <brio/server/BrLogServer.h>
#include <calcutil.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kBatch = 4096;

// What a trace that decides to stay silent has to do at the least: call something and compare
// the level with the threshold.
__attribute__((noinline)) bool Wanted(const int* threshold, int level) {
    benchmark::DoNotOptimize(threshold);
    return level >= *threshold;
}

void BM_SilentTrace(benchmark::State& state) {
    brio::server::BrLogServer::getInstance().setLogLevel(5);
    const int threshold = 5;
    int written = 0;
    {
        SideBySide pair(state, kBatch);
        for (auto _ : state) {
            pair.Operation([&] {
                for (int i = 0; i < kBatch; ++i) {
                    brio::ui::measure::FunctionTrace trace;
                    trace.write(L"MeasureTotalDlg: SetData()  this=%x",
                                brio::ui::measure::TraceAddress(&trace));
                }
            });
            pair.Floor([&] {
                for (int i = 0; i < kBatch; ++i)
                    written += Wanted(&threshold, 3) ? 1 : 0;
            });
        }
    }
    benchmark::DoNotOptimize(written);
}
BENCHMARK(BM_SilentTrace)->UseManualTime();

struct Sample {
    double value = 0.0;
    int digits = 0;
};

// Values as the list holds them after the unit conversion: 0.001 to 10^6, mostly computed, some
// typed; 0 to 3 decimals asked for most of the time, 4 to 6 now and then.
const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::mt19937_64 rng(42);
        std::uniform_real_distribution<double> exponent(-3.0, 6.0);
        std::uniform_int_distribution<int> percent(0, 99);
        std::vector<Sample> out(kBatch);
        for (Sample& s : out) {
            const int roll = percent(rng);
            s.digits = roll < 15 ? 0 : roll < 40 ? 1 : roll < 75 ? 2 : roll < 90 ? 3 : 4 + roll % 3;
            s.value = std::pow(10.0, exponent(rng));
            if (percent(rng) < 30)
                s.value = std::round(s.value * 1000.0) / 1000.0;
        }
        return out;
    }();
    return samples;
}

// The floor of every exact decimal method: the shortest text that reads back as the same double,
// into a buffer on the stack.
void ToCharsShortest(const std::vector<Sample>& samples) {
    char buffer[64];
    for (const Sample& s : samples) {
        benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, s.value).ptr);
        benchmark::ClobberMemory();
    }
}

// The value rounded as the list shows it (DecimalRound2), against to_chars shortest of the value.
void BM_DecimalRound2(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    SideBySide pair(state, kBatch);
    for (auto _ : state) {
        pair.Operation([&] {
            for (const Sample& s : samples)
                benchmark::DoNotOptimize(calcutil::DecimalRound2(s.value, s.digits, 0, false));
        });
        pair.Floor([&] { ToCharsShortest(samples); });
    }
}
BENCHMARK(BM_DecimalRound2)->UseManualTime();

// The rounded value written with its decimals (Double2String), against the same floor.
void BM_Double2String(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    std::vector<Sample> rounded = samples;
    for (Sample& s : rounded)
        s.value = calcutil::DecimalRound2(s.value, s.digits, 0, false);
    SideBySide pair(state, kBatch);
    for (auto _ : state) {
        pair.Operation([&] {
            for (const Sample& s : rounded) {
                std::wstring written = calcutil::Double2String(s.value, s.digits);
                benchmark::DoNotOptimize(written.data());
            }
        });
        pair.Floor([&] { ToCharsShortest(rounded); });
    }
}
BENCHMARK(BM_Double2String)->UseManualTime();

} // namespace
} // namespace bench
