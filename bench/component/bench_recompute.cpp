// The dialog's recomputation and the list commands, each against its floor (FloorList) in the same
// run: appending the n-th row (SetListData), SetData alone, the summary the host reads
// (UpdateString), copying every row, deleting every other row, switching the unit, and a frame of
// the dialog as a display gets it.
// The rows are "小数点以下2位" (2 decimals), half up, lengths, unless a benchmark says otherwise.
#include "FloorList.h"
#include "ListShortcuts.h"
#include "SideBySide.h"

#include <automation.h>
#include <standin/hooks.h>

#include <cairo.h>

#include <windows.h>

#include <memory>

namespace bench {
namespace {

constexpr int kMaxRows = 100000;

// One dialog for the whole run, as one host keeps one; each benchmark first brings the dialog and
// the floor to the same rows and options.
struct Scene {
    measure_test::DialogHost host{measure_test::kSilentHost};
    FloorList floor;
    RowMix mix{kMaxRows};
    Rounding rounding;

    Scene() {
        Measure(host, mix.at(0)); // the host's first measurement makes the dialog
        floor.FillTo(1, mix);
        Choose(rounding.position);
    }

    void Choose(int position) {
        rounding.position = position;
        ChoosePosition(Control(IDC_CMB_MARUME1), position);
        floor.Recompute(rounding);
    }

    // `rows` rows in both, every shown value and the total written with the current options.
    void Prepare(int rows) {
        while (Rows() > rows)
            DropLastRow(List());
        while (floor.rows() > rows)
            floor.DropLastRow();
        FillTo(List(), rows, mix);
        floor.FillTo(rows, mix);
        Choose(rounding.position);
    }

    // A benchmark that timed different work from its floor's is worthless: both must show the
    // same total.
    bool Agree(benchmark::State& state) {
        const std::wstring shown = Text(IDC_EDIT_TOTAL);
        if (shown == floor.total())
            return true;
        state.SkipWithError("the dialog's total differs from the floor's");
        return false;
    }

    HWND Control(int id) const { return host.control(id); }
    HWND List() const { return Control(IDC_LIST_LENGTH); }
    int Rows() const { return measure_test::RowCount(List()); }
    std::wstring Text(int id) const { return measure_test::WindowText(Control(id)); }
    void Click(int id) const { automation::Click(Control(id)); }
};

std::unique_ptr<Scene> g_scene;

Scene& TheScene() {
    if (!g_scene)
        g_scene = std::make_unique<Scene>();
    return *g_scene;
}

void BM_SetListData(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    s.Prepare(rows - 1);
    const Measurement& next = s.mix.at(rows - 1);
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            pair.Operation([&] { Measure(s.host, next); });
            pair.Floor([&] { s.floor.Append(next, s.rounding); });
            if (!s.Agree(state))
                break;
            DropLastRow(s.List());
            s.floor.DropLastRow();
        }
    }
    state.SetComplexityN(rows);
}

// Re-run by a change of the rounding position, 2 and 3 decimals in turn, so every text changes.
void BM_SetData(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    s.Prepare(rows);
    {
        SideBySide pair(state, rows);
        int position = 3;
        for (auto _ : state) {
            position = position == 3 ? 4 : 3;
            s.rounding.position = position;
            pair.Operation([&] { ChoosePosition(s.Control(IDC_CMB_MARUME1), position); });
            pair.Floor([&] { s.floor.Recompute(s.rounding); });
            if (!s.Agree(state))
                break;
        }
    }
    s.Choose(3);
    state.SetComplexityN(rows);
}

// The host's GetString with the draw options of range(1): 1 the list, 2 the total, 3 both.
void BM_UpdateString(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    const bool drawList = state.range(1) & 1;
    const bool drawTotal = state.range(1) & 2;
    s.Prepare(rows);
    for (auto [box, wanted] :
         {std::pair{IDC_CHK_DRAW_LIST, drawList}, std::pair{IDC_CHK_DRAW_TOTAL, drawTotal}})
        if ((SendMessageW(s.Control(box), BM_GETCHECK, 0, 0) == BST_CHECKED) != wanted)
            s.Click(box);
    const std::wstring unit = s.Text(IDC_STATIC_UNIT);
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            const wchar_t* summary = nullptr;
            std::wstring floorSummary;
            pair.Operation([&] { summary = s.host.object()->GetString(); });
            pair.Floor([&] { floorSummary = s.floor.Summary(drawList, drawTotal, unit); });
            if (floorSummary != summary) {
                state.SkipWithError("the summary differs from the floor's");
                break;
            }
        }
    }
    state.SetComplexityN(rows);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

// "クリップボードにすべてコピー" from the list's menu.
void BM_ListToClipBoard(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    s.Prepare(rows);
    const std::wstring unit = s.Text(IDC_STATIC_UNIT);
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            std::vector<wchar_t> floorText;
            pair.Operation([&] { Command(s.host.dialog(), ID_LIST_COPY_ALL); });
            pair.Floor([&] { floorText = s.floor.Clipboard(unit); });
            if (ClipboardText() != floorText.data()) {
                state.SkipWithError("the clipboard text differs from the floor's");
                break;
            }
        }
    }
    state.SetComplexityN(rows);
}

// Every other row selected, then the user clicks "削除": half the rows go, the rest are numbered
// again and everything is recomputed.
void BM_OnDeleteItem(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            s.Prepare(rows);
            SelectEveryOtherRow(s.List());
            s.floor.SelectEveryOtherRow();
            pair.Operation([&] { s.Click(IDC_BUTTON_DELETE); });
            pair.Floor([&] { s.floor.DeleteSelected(s.rounding); });
            if (s.Rows() != s.floor.rows() || !s.Agree(state)) {
                state.SkipWithError("the dialog kept other rows than the floor");
                break;
            }
        }
    }
    state.SetComplexityN(rows);
}

// The user clicks "m", then "mm", and so on: every row and the total in the other unit.
void BM_UnitSwitch(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    s.Prepare(rows);
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            s.rounding.lengthUnit = 1 - s.rounding.lengthUnit;
            pair.Operation([&] { s.Click(s.rounding.lengthUnit == 1 ? IDC_UNIT_RADIO2 : IDC_UNIT_RADIO1); });
            pair.Floor([&] { s.floor.Recompute(s.rounding); });
            if (!s.Agree(state))
                break;
        }
    }
    if (s.rounding.lengthUnit == 1)
        s.Click(IDC_UNIT_RADIO1);
    s.rounding.lengthUnit = 0;
    s.Choose(s.rounding.position);
    state.SetComplexityN(rows);
}

// SetTotalLength has no way in of its own: it runs only at the end of SetData. The benchmark takes
// the member's address where C++ does not check access (an explicit instantiation's arguments),
// so the dialog carries no hook for benchmarks.
struct TotalOfRows {
    using Member = void (brio::ui::measure::MeasureTotalDlg::*)();
    friend Member MemberOf(TotalOfRows);
};
template <typename Tag, typename Tag::Member member> struct Reach {
    friend typename Tag::Member MemberOf(Tag) { return member; }
};
template struct Reach<TotalOfRows, &brio::ui::measure::MeasureTotalDlg::SetTotalLength>;

void BM_SetTotalLength(benchmark::State& state) {
    Scene& s = TheScene();
    const int rows = static_cast<int>(state.range(0));
    s.Prepare(rows);
    brio::ui::measure::MeasureTotalDlg* dialog = DialogObject(s.host);
    {
        SideBySide pair(state, rows);
        for (auto _ : state) {
            pair.Operation([&] { (dialog->*MemberOf(TotalOfRows{}))(); });
            pair.Floor([&] { s.floor.Sum(s.rounding); });
            if (!s.Agree(state))
                break;
        }
    }
    state.SetComplexityN(rows);
}

// A frame of the dialog as a display gets it: the window repainted whole (frame, caption, every
// control, the list's visible rows) into a new picture, and the picture let go. Its cost must follow
// the rows that show, not the rows the list holds; scripts/bench compares 100,000 rows with 10. The
// floor is the least a frame of that size costs: a new picture filled once with one colour.
void BM_DialogFrame(benchmark::State& state) {
    Scene& s = TheScene();
    s.Prepare(static_cast<int>(state.range(0)));
    RECT outer{};
    GetWindowRect(s.host.dialog(), &outer);
    {
        SideBySide pair(state);
        for (auto _ : state) {
            pair.Operation([&] {
                auto* picture = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(s.host.dialog()));
                benchmark::DoNotOptimize(picture);
                cairo_surface_destroy(picture);
            });
            pair.Floor([&] {
                cairo_surface_t* picture = cairo_image_surface_create(
                    CAIRO_FORMAT_ARGB32, outer.right - outer.left, outer.bottom - outer.top);
                cairo_t* cr = cairo_create(picture);
                cairo_set_source_rgb(cr, 0.94, 0.94, 0.94);
                cairo_paint(cr);
                cairo_destroy(cr);
                benchmark::DoNotOptimize(picture);
                cairo_surface_destroy(picture);
            });
        }
    }
    state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int rows : {100, 1000, 10000, kMaxRows})
        b->Arg(rows);
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_SetListData)->Apply(Sizes);
BENCHMARK(BM_SetData)->Apply(Sizes);
BENCHMARK(BM_SetTotalLength)->Apply(Sizes);
BENCHMARK(BM_UpdateString)
    ->ArgsProduct({{1000, 10000, kMaxRows}, {1, 2, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListToClipBoard)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(kMaxRows)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnDeleteItem)->Arg(10000)->Arg(kMaxRows)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogFrame)->Arg(10)->Arg(10000)->Arg(kMaxRows)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnitSwitch)->Arg(10000)->Arg(kMaxRows)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

// The dialog goes before the libraries unload, as a host deletes it before it ends.
void ReleaseScene() {
    g_scene.reset();
}

} // namespace bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::ReleaseScene();
    return 0;
}
