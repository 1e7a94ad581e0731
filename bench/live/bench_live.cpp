// The live window as a person meets it, each figure the CPU time of what runs before the screen shows
// the answer:
//   BM_ClickToFrame  a click on a row of a 100,000-row list, from the desktop's events to the
//                    presented frame that shows the row selected;
//   BM_KeyToFrame    an arrow key in that list, likewise;
//   BM_StartToFirstFrame  measure-host --live started and ended after its first frame, the CPU time
//                    of the whole process (getrusage of the child).
// The desktop is SDL's dummy driver: events go in through SDL's queue exactly as the desktop's do, and
// the frames are put on the dummy's window surfaces, so no display is needed. The floors run side by
// side: a whole repaint of the dialog into a new picture (what any frame costs at least), and the
// program started only to print its usage (what loading it costs at least).
#include "ListShortcuts.h"
#include "SideBySide.h"

#include <display.h>
#include <standin/hooks.h>

#include <afxwin.h>
#include <cairo.h>
#include <commctrl.h>

#include <SDL.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kRows = 100000;

// The host's round: the display's (what changed is shown, the desktop's events become messages), then
// the messages through the host's PreTranslateMessage. Rounds go on until a round finds no message,
// so the last one has shown everything the input changed.
void RoundsUntilShown() {
    for (;;) {
        display::PumpLive(0);
        bool any = false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (!AfxPreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (!any)
            return;
    }
}

// The dialog with kRows rows, shown beside the host as the host shows it, mirrored on the dummy desktop.
struct LiveScene {
    std::unique_ptr<measure_test::DialogHost> host;
    RowMix mix{kRows};
    Uint32 mirror = 0;

    LiveScene() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (const char* named = std::getenv("DISPLAY"); !named || !*named)
            setenv("DISPLAY", ":dummy", 1); // the display asks whether a desktop is named at all
        if (!display::StartLive())
            return;
        host = std::make_unique<measure_test::DialogHost>(measure_test::kSilentHost);
        Measure(*host, mix.at(0)); // the host's first measurement makes the dialog
        FillTo(List(), kRows, mix);
        ChoosePosition(host->control(IDC_CMB_MARUME1), 3); // every shown value written
        if (!IsWindowVisible(host->dialog()))
            ShowWindow(host->dialog(), SW_SHOWNOACTIVATE);
        RoundsUntilShown();
        mirror = display::LiveWindowId(host->dialog());
    }

    HWND List() const { return host->control(IDC_LIST_LENGTH); }
    int Selected() const {
        return static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    }

    // Where a row's label is on the dialog's mirror.
    POINT OnMirror(int row) const {
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageW(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        POINT at{cell.left + 4, (cell.top + cell.bottom) / 2};
        ClientToScreen(List(), &at);
        RECT window{};
        GetWindowRect(host->dialog(), &window);
        return POINT{at.x - window.left, at.y - window.top};
    }

    // The pixel the desktop shows there: what the last presented frame put on the mirror.
    Uint32 Shown(POINT at) const {
        SDL_Surface* surface = SDL_GetWindowSurface(SDL_GetWindowFromID(mirror));
        if (!surface || at.x < 0 || at.y < 0 || at.x >= surface->w || at.y >= surface->h)
            return 0;
        const auto* line = static_cast<const Uint8*>(surface->pixels) + at.y * surface->pitch;
        return reinterpret_cast<const Uint32*>(line)[at.x];
    }

    void PushClickOnRow(int row) const {
        const POINT at = OnMirror(row);
        display::PushLiveClick(mirror, at.x, at.y);
    }

    void PushKey(SDL_Keycode code) const {
        for (const Uint32 type : {Uint32(SDL_KEYDOWN), Uint32(SDL_KEYUP)}) {
            SDL_Event e{};
            e.type = type;
            e.key.windowID = mirror;
            e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = code;
            SDL_PushEvent(&e);
        }
    }

    // The least a frame of the dialog costs: the window repainted whole into a new picture.
    void WholeRepaint() const {
        auto* picture = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(host->dialog()));
        benchmark::DoNotOptimize(picture);
        cairo_surface_destroy(picture);
    }
};

LiveScene& TheScene() {
    static LiveScene scene;
    return scene;
}

bool Ready(benchmark::State& state, const LiveScene& s) {
    if (s.host && s.mirror != 0)
        return true;
    state.SkipWithError("the live display did not start on SDL's dummy driver");
    return false;
}

// Rows 2 and 3 in turn, so that every click changes the selection the frame shows.
void BM_ClickToFrame(benchmark::State& state) {
    LiveScene& s = TheScene();
    if (!Ready(state, s))
        return;
    s.PushClickOnRow(3); // the rows the dialog left selected are let go
    RoundsUntilShown();
    int row = 2;
    {
        SideBySide pair(state);
        for (auto _ : state) {
            const Uint32 before = s.Shown(s.OnMirror(row));
            pair.Operation([&] {
                s.PushClickOnRow(row);
                RoundsUntilShown();
            });
            pair.Floor([&] { s.WholeRepaint(); });
            if (s.Selected() != row || s.Shown(s.OnMirror(row)) == before) {
                state.SkipWithError("the click's frame does not show the row selected");
                break;
            }
            row = row == 2 ? 3 : 2;
        }
    }
}

// Down and Up in turn from a clicked row, the keyboard on the dialog's mirror.
void BM_KeyToFrame(benchmark::State& state) {
    LiveScene& s = TheScene();
    if (!Ready(state, s))
        return;
    s.PushClickOnRow(5);
    RoundsUntilShown();
    bool down = true;
    {
        SideBySide pair(state);
        for (auto _ : state) {
            const int expected = s.Selected() + (down ? 1 : -1);
            const Uint32 before = s.Shown(s.OnMirror(expected));
            pair.Operation([&] {
                s.PushKey(down ? SDLK_DOWN : SDLK_UP);
                RoundsUntilShown();
            });
            pair.Floor([&] { s.WholeRepaint(); });
            if (s.Selected() != expected || s.Shown(s.OnMirror(expected)) == before) {
                state.SkipWithError("the key's frame does not show the selection moved");
                break;
            }
            down = !down;
        }
    }
}

// The CPU time, user and system, of one run of measure-host with `arguments`; negative when it failed.
double ChildSeconds(const std::vector<std::string>& arguments) {
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(MEASURE_HOST));
        for (const std::string& word : arguments)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("DISPLAY", ":dummy", 1);
        setenv("BRIO_LOG_LEVEL", "5", 1);
        setenv("BRIO_LOG", "/dev/null", 1);
        if (!freopen("/dev/null", "w", stdout))
            _exit(127);
        execv(MEASURE_HOST, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1.0;
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The live mode's script ends the program: its first line runs once the first frame was shown (the
// loop presents before it reads a line), and that line quits. What follows the frame (the quit, the
// windows torn down) is counted too, so the figure is an upper bound of the start's.
void BM_StartToFirstFrame(benchmark::State& state) {
    const std::string script = "/tmp/bench_live_quit." + std::to_string(getpid());
    std::ofstream(script) << "quit\n";
    double floor = 0.0;
    double total = 0.0;
    for (auto _ : state) {
        const double start = ChildSeconds({"--live", "--script", script});
        const double usage = ChildSeconds({"--help"});
        if (start < 0 || usage < 0) {
            state.SkipWithError("measure-host did not run to its end");
            break;
        }
        state.SetIterationTime(start);
        total += start;
        floor += usage;
    }
    std::remove(script.c_str());
    if (state.iterations() > 0) {
        state.counters["floor_us"] = floor / static_cast<double>(state.iterations()) * 1e6;
        state.counters["x_floor"] = floor > 0 ? total / floor : 0.0;
    }
}

BENCHMARK(BM_ClickToFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyToFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToFirstFrame)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace bench
BENCHMARK_MAIN();
