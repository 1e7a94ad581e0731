#include "Invariants.h"

#include "ShownValues.h"

#include <Utf8.h>
#include <WindowNesting.h>

#include <brio/server/BrLogServer.h>
#include <standin/hooks.h>

#include <comdef.h>

#include <sstream>

namespace reliability {
namespace {

constexpr const wchar_t* kKeys[7] = {L"marume1",  L"marume2",   L"unit1", L"unit2",
                                     L"drawList", L"drawTotal", L"close"};
constexpr bool kIsFlag[7] = {false, false, false, false, true, true, true};

// A text in a failure message, cut short: a scale text may run to thousands of characters.
std::string Narrow(const std::wstring& text) {
    return Utf8(text.substr(0, 40));
}

std::string Fail(const char* name, const std::string& what) {
    return std::string("[") + name + "] " + what;
}

bool SameRow(const RowView& a, const RowView& b, bool signMayChange) {
    return a.cells[kColumnScale] == b.cells[kColumnScale] &&
           a.cells[kColumnElement] == b.cells[kColumnElement] &&
           a.cells[kColumnRawValue] == b.cells[kColumnRawValue] && a.area == b.area &&
           (signMayChange || a.cells[kColumnSign] == b.cells[kColumnSign]);
}

// Whether the step can remove rows: the delete button and delete all, a key (Delete in the list,
// or Space and Enter on a focused delete button), a context-menu command.
bool MayDelete(const Step& step) {
    return (step.act == Act::Click && (step.a == IDC_BUTTON_DELETE || step.a == IDC_BUTTON_DELETE_ALL)) ||
           step.act == Act::Key || step.act == Act::RightClick;
}

int Shown(long long value, long long last) {
    return value >= 0 && value <= last ? static_cast<int>(value) : -1;
}

} // namespace

void Invariants::start(DialogHost& world) {
    m_hBefore = nullptr;
    m_before = DialogView{};
    m_options = Options{};
    m_atSetUp = Options{};
    m_bStale = false;
    m_nNestingAtStart = measure_test::WindowNestingDepth();
    (void)world;
}

Invariants::Options Invariants::optionsAtSetUp(DialogHost& world) const {
    Options options = world.object() != nullptr ? m_options : Options{};
    if (!world.storePresent())
        return options;
    brio::core::ProfileValues values;
    try {
        world.store().readSection(L"MeasureTotalDlg", &values, 0);
    } catch (...) {
        return options; // the set-up fails at its read; no window is expected
    }
    for (int i = 0; i < 7; ++i) {
        auto found = values.find(kKeys[i]);
        if (found == values.end())
            continue;
        VARIANT converted;
        VariantInit(&converted);
        if (FAILED(VariantChangeType(&converted, &found->second, 0, VT_INT)))
            break; // the set-up fails here, the keys before it already read
        options.value[i] = kIsFlag[i] ? (converted.intVal != 0 ? 1 : 0) : converted.intVal;
        options.known[i] = true;
    }
    return options;
}

void Invariants::before(DialogHost& world, const Step& step) {
    m_hBefore = world.dialog();
    m_before = ReadDialog(m_hBefore);
    m_bLogFaulty = world.logThrowing() || world.logRefusing();
    m_bLogThrowing = world.logThrowing();
    m_bStoreWorking = world.storePresent() && world.store().m_mode == StoreMode::Working;
    if (step.act == Act::Measure && m_hBefore == nullptr)
        m_atSetUp = optionsAtSetUp(world);
    world.m_log.clear();
    world.m_drawRequests.clear(); // the count stays; the texts would pile up over a long run
}

std::string Invariants::checkTraces(DialogHost& world) const {
    const int depth = brio::server::BrLogServer::getInstance().openTraceDepth();
    if (depth != 0)
        return Fail("traces-closed", std::to_string(depth) + " traces still open after the step");
    const bool logFailed = m_bLogFaulty || world.logThrowing();
    if (!logFailed && world.m_log.traceEntries() != world.m_log.traceExits())
        return Fail("trace-exits", std::to_string(world.m_log.traceEntries()) + " entries but " +
                                       std::to_string(world.m_log.traceExits()) + " exits");
    return "";
}

std::string Invariants::checkInput(DialogHost& world, HWND dialog) const {
    if (const HWND captured = GetCapture())
        return Fail("input-released", "a window still holds the mouse");
    for (const int key : {VK_SHIFT, VK_CONTROL, VK_LBUTTON, VK_RBUTTON})
        if (GetKeyState(key) < 0)
            return Fail("input-released", "key " + std::to_string(key) + " is still down");
    if (dialog != nullptr && !IsWindowEnabled(dialog))
        return Fail("input-released", "the dialog is left disabled");
    (void)world;
    return "";
}

std::string Invariants::checkRows(const Step& step, HWND dialog, const DialogView& view,
                                  const std::string& escaped) const {
    for (size_t i = 0; i < view.rows.size(); ++i)
        if (view.rows[i].cells[kColumnNumber] != std::to_wstring(i + 1))
            return Fail("rows-numbered", "row " + std::to_string(i) + " is numbered \"" +
                                             Narrow(view.rows[i].cells[kColumnNumber]) + "\"");
    if (dialog == nullptr)
        return "";
    const bool newWindow = dialog != m_hBefore;
    if (newWindow && m_hBefore != nullptr)
        return Fail("one-window", "the dialog's window was replaced");
    if (newWindow && step.act != Act::Measure)
        return Fail("one-window", "a window appeared without a measurement");
    static const std::vector<RowView> none;
    const std::vector<RowView>& old = newWindow ? none : m_before.rows;

    std::vector<RowView> kept = view.rows;
    if (step.act == Act::Measure) {
        RowView measured;
        measured.cells[kColumnScale] = step.scale;
        measured.cells[kColumnElement] = step.element;
        measured.cells[kColumnSign] = step.minus != 0 ? L"-" : L" ";
        measured.cells[kColumnRawValue] = RawCellText(step.value);
        measured.area = step.areaFlag != 0;
        const bool added = kept.size() == old.size() + 1 && SameRow(kept.back(), measured, false);
        if (added)
            kept.pop_back();
        else if (escaped.empty())
            return Fail("row-added", "the measurement is not the new last row (" +
                                         std::to_string(kept.size()) + " rows, " +
                                         std::to_string(old.size()) + " before)");
    }
    if (!MayDelete(step) && kept.size() != old.size())
        return Fail("rows-kept", std::to_string(old.size()) + " rows became " + std::to_string(kept.size()));
    size_t j = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        while (j < old.size() && !SameRow(old[j], kept[i], step.act == Act::RightClick))
            ++j;
        if (j == old.size())
            return Fail("rows-kept", "row " + std::to_string(i) + " (\"" +
                                         Narrow(kept[i].cells[kColumnScale]) + "\", raw \"" +
                                         Narrow(kept[i].cells[kColumnRawValue]) +
                                         "\") is no row that was there before");
        ++j;
    }
    return "";
}

std::string Invariants::checkDisplay(const DialogView& view, bool drawStale) const {
    const ShownRounding rounding = RoundingShown(view);
    if (!rounding.known)
        return Fail("rounding-shown", "the combo boxes show \"" + Narrow(view.positionText) + "\" and \"" +
                                          Narrow(view.methodText) + "\"");
    bool lengths = false;
    bool areas = false;
    double sum = 0.0;
    for (size_t i = 0; i < view.rows.size(); ++i) {
        const RowView& row = view.rows[i];
        (row.area ? areas : lengths) = true;
        const double raw = ReadNumber(row.cells[kColumnRawValue]) * UnitFactorShown(view, row.area);
        const std::wstring expected = RoundedText(raw, rounding);
        if (row.cells[kColumnValue] != expected)
            return Fail("value-shown", "row " + std::to_string(i) + " shows \"" +
                                           Narrow(row.cells[kColumnValue]) + "\" for raw \"" +
                                           Narrow(row.cells[kColumnRawValue]) + "\", expected \"" +
                                           Narrow(expected) + "\"");
        const double shown = ReadNumber(row.cells[kColumnValue]);
        sum = row.cells[kColumnSign] == L"-" ? sum - shown : sum + shown;
    }
    const std::wstring total = RoundedText(sum, rounding);
    if (view.total != total)
        return Fail("total", "the total box shows \"" + Narrow(view.total) + "\", the rows give \"" +
                                 Narrow(total) + "\"");
    const bool lengthsOnly = lengths && !areas;
    const bool areasOnly = areas && !lengths;
    if (lengthsOnly || areasOnly) {
        const std::wstring unit =
            lengthsOnly ? (view.unit1 != 0 ? L"m" : L"mm") : (view.unit2 != 0 ? L"m2" : L"mm2");
        if (!view.unitLabelVisible || view.unitLabel != unit)
            return Fail("unit-label", "label \"" + Narrow(view.unitLabel) + "\"" +
                                          (view.unitLabelVisible ? "" : " hidden") + ", expected \"" +
                                          Narrow(unit) + "\"");
    } else if (view.unitLabelVisible) {
        return Fail("unit-label", "the label shows with no single unit in the list");
    }
    const bool expectedRadios[4] = {lengthsOnly, lengthsOnly, areasOnly, areasOnly};
    for (int i = 0; i < 4; ++i)
        if (view.radiosEnabled[i] != expectedRadios[i])
            return Fail("unit-radios", "radio " + std::to_string(i) + " enabled " +
                                           std::to_string(view.radiosEnabled[i]) + " with lengths " +
                                           std::to_string(lengths) + " areas " + std::to_string(areas));
    const bool drawable = view.drawList || view.drawTotal;
    if (!drawStale && (view.drawEnabled != drawable || view.closeEnabled != drawable))
        return Fail("draw-commands", "draw enabled " + std::to_string(view.drawEnabled) + ", close enabled " +
                                         std::to_string(view.closeEnabled) + " with the draw boxes " +
                                         std::to_string(view.drawList) + std::to_string(view.drawTotal));
    return "";
}

std::string Invariants::checkLiveObjects(DialogHost& world) const {
    const standin::LiveObjects now = standin::CountLiveObjects();
    const standin::LiveObjects base = world.baseline();
    std::ostringstream out;
    auto compare = [&](const char* name, int have, int had) {
        if (have != had)
            out << name << " " << had << " -> " << have << " ";
    };
    compare("fonts", now.fonts, base.fonts);
    compare("brushes", now.brushes, base.brushes);
    compare("pens", now.pens, base.pens);
    compare("dcs", now.dcs, base.dcs);
    compare("icons", now.icons, base.icons);
    compare("menus", now.menus, base.menus);
    compare("windows", now.windows, base.windows);
    return out.str().empty() ? "" : Fail("live-objects", "with no window: " + out.str());
}

std::string Invariants::checkNesting() const {
    const int now = measure_test::WindowNestingDepth();
    if (now == m_nNestingAtStart)
        return "";
    return Fail("nesting", "window procedures nest " + std::to_string(now) + " deep, " +
                               std::to_string(m_nNestingAtStart) +
                               " at the start: an exception left a window procedure through the system");
}

std::string Invariants::checkNewWindow(const DialogView& view) const {
    const auto& v = m_atSetUp.value;
    const auto& known = m_atSetUp.known;
    const int shown[7] = {view.position, view.method,    view.unit1,     view.unit2,
                          view.drawList, view.drawTotal, view.closeAfter};
    const int expected[7] = {Shown(v[0], 7),    Shown(v[1], 2),    Shown(v[2], 1),   Shown(v[3], 1),
                             v[4] != 0 ? 1 : 0, v[5] != 0 ? 1 : 0, v[6] != 0 ? 1 : 0};
    for (int i = 0; i < 7; ++i)
        if (known[i] && shown[i] != expected[i])
            return Fail("options-shown", "a new window shows " + Narrow(kKeys[i]) + " as " +
                                             std::to_string(shown[i]) + ", the dialog holds " +
                                             std::to_string(v[i]));
    return "";
}

std::string Invariants::checkStored(DialogHost& world) const {
    const auto stored = world.storedSettings();
    for (int i = 0; i < 7; ++i) {
        if (!m_options.known[i])
            continue;
        auto found = stored.find(kKeys[i]);
        if (found == stored.end())
            return Fail("options-stored", Narrow(kKeys[i]) + " was not stored at closing");
        if (found->second != m_options.value[i])
            return Fail("options-stored", Narrow(kKeys[i]) + " stored as " + std::to_string(found->second) +
                                              ", the dialog held " + std::to_string(m_options.value[i]));
    }
    return "";
}

// The options the object holds change by the exchange from the controls (which every recomputation,
// the draw check boxes and the draw command run) and by the combo handlers; the log tells which of
// them ran. With a failing log that is not known, and a setting whose control differs is given up.
void Invariants::followOptions(DialogHost& world, const Step& step, const DialogView& view,
                               const std::string& escaped) {
    const LogRecorder& log = world.m_log;
    const DialogView& controls = view.window ? view : m_before;
    if (!controls.window)
        return;
    const int exchanged[5] = {controls.unit1, controls.unit2, controls.drawList, controls.drawTotal,
                              controls.closeAfter};
    // Enter reaches CDialog::OnOK, which exchanges without a trace and hides the dialog.
    const bool okHidden =
        step.act == Act::Key && step.a == VK_RETURN && m_before.visible && view.window && !view.visible;
    if (okHidden || log.entered(L"MeasureTotalDlg: SetTotalLength()") ||
        log.entered(L"MeasureTotalDlg: OnChkDrawList()") ||
        log.entered(L"MeasureTotalDlg: OnChkDrawTotal()") ||
        log.entered(L"MeasureTotalDlg: OnButtonDraw()")) {
        for (int i = 0; i < 5; ++i) {
            m_options.value[2 + i] = exchanged[i];
            m_options.known[2 + i] = true;
        }
    } else if (m_bLogFaulty || world.logThrowing() || !escaped.empty() ||
               (step.act == Act::Key && step.a == VK_RETURN)) {
        for (int i = 0; i < 5; ++i)
            if (m_options.value[2 + i] != exchanged[i])
                m_options.known[2 + i] = false;
    }
    const int combos[2] = {controls.position, controls.method};
    const wchar_t* handlers[2] = {L"MeasureTotalDlg: OnSelchangeCmbMarume1()",
                                  L"MeasureTotalDlg: OnSelchangeCmbMarume2()"};
    for (int i = 0; i < 2; ++i) {
        if (log.exited(handlers[i])) {
            m_options.value[i] = combos[i];
            m_options.known[i] = true;
        } else if ((m_bLogFaulty || world.logThrowing() || !escaped.empty()) &&
                   m_options.value[i] != combos[i]) {
            m_options.known[i] = false;
        }
    }
}

std::string Invariants::after(DialogHost& world, const Step& step, const std::string& escaped) {
    const HWND dialog = world.dialog();
    const DialogView view = ReadDialog(dialog);
    const bool newWindow = dialog != nullptr && dialog != m_hBefore;
    const bool closed = m_hBefore != nullptr && dialog == nullptr;

    std::string failure = checkTraces(world);
    // The interface tells the host whether a window exists, hidden or not.
    if (failure.empty() && world.object() != nullptr && world.object()->isHWnd() != (dialog != nullptr))
        failure =
            Fail("is-window", std::string("isHWnd() says ") + (world.object()->isHWnd() ? "true" : "false") +
                                  " with" + (dialog != nullptr ? "" : "out") + " a window");
    if (failure.empty())
        failure = checkInput(world, dialog);
    if (failure.empty())
        failure = checkRows(step, dialog, view, escaped);

    if (step.act == Act::DeleteDialog)
        m_options = Options{};
    if (newWindow) {
        m_options = m_atSetUp;
        if (failure.empty())
            failure = checkNewWindow(view);
        ++m_counts.newWindows;
    } else if (step.act == Act::Measure && m_hBefore == nullptr && !m_bLogThrowing) {
        // A set-up that failed still read the keys before its failure; with a throwing log no
        // set-up began at all.
        m_options = m_atSetUp;
    }
    followOptions(world, step, view, escaped);
    if (failure.empty() && closed && step.act != Act::DeleteDialog && world.storePresent() &&
        m_bStoreWorking) {
        failure = checkStored(world);
        ++m_counts.stored;
    }

    // A failure stops a recomputation half way, by design; a measurement that goes through
    // recomputes everything, and a new window starts over.
    // The draw commands follow the draw boxes only through the boxes' own handlers.
    if (!escaped.empty()) {
        m_bStale = true;
        m_bDrawStale = true;
    } else {
        if (step.act == Act::Measure && dialog != nullptr)
            m_bStale = false;
        if (world.m_log.exited(L"MeasureTotalDlg: OnChkDrawList()") ||
            world.m_log.exited(L"MeasureTotalDlg: OnChkDrawTotal()"))
            m_bDrawStale = false;
    }
    if (dialog == nullptr || newWindow) {
        m_bStale = dialog != nullptr && !escaped.empty();
        m_bDrawStale = m_bStale;
    }
    if (failure.empty() && dialog != nullptr && !m_bStale) {
        failure = checkDisplay(view, m_bDrawStale);
        ++m_counts.display;
    }
    if (failure.empty() && dialog == nullptr) {
        failure = checkLiveObjects(world);
        if (failure.empty())
            failure = checkNesting();
        ++m_counts.noWindow;
    }
    m_counts.rows += static_cast<long>(view.rows.size());

    m_hBefore = dialog;
    m_before = view;
    return failure;
}

} // namespace reliability
