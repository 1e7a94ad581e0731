// Times an operation and its floor in turn, inside every iteration of one benchmark, so that both
// see the same machine at the same moment (other builds share these cores: absolute times drift,
// the ratio of neighbours does not). Times are the thread's CPU time, so that waiting for a core
// another process holds counts for neither. The benchmark's own time is the operation's; the counters are
//   floor_us  the floor's time per iteration,
//   ns_row    the operation's time per row (per item for the small ones),
//   x_floor   operation / floor, the headline.
// Register with UseManualTime().
#pragma once

#include <benchmark/benchmark.h>

#include <time.h>

namespace bench {

class SideBySide {
public:
    SideBySide(benchmark::State& state, double rows = 1.0) : m_state(state), m_rows(rows) {}
    ~SideBySide() { Report(); }
    SideBySide(const SideBySide&) = delete;
    SideBySide& operator=(const SideBySide&) = delete;

    template <typename F> void Operation(F&& work) {
        const double seconds = Time(work);
        m_operation += seconds;
        m_state.SetIterationTime(seconds);
    }
    template <typename F> void Floor(F&& work) { m_floor += Time(work); }

private:
    static double Now() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    }

    template <typename F> static double Time(F& work) {
        const double start = Now();
        work();
        return Now() - start;
    }

    void Report() {
        const double iterations = static_cast<double>(m_state.iterations());
        if (iterations == 0)
            return;
        m_state.counters["floor_us"] = m_floor / iterations * 1e6;
        m_state.counters["ns_row"] = m_operation / iterations / m_rows * 1e9;
        m_state.counters["x_floor"] = m_floor > 0 ? m_operation / m_floor : 0.0;
    }

    benchmark::State& m_state;
    double m_rows = 1.0;
    double m_operation = 0.0;
    double m_floor = 0.0;
};

} // namespace bench
