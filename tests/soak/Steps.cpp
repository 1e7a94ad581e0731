#include "Steps.h"

#include <StopMarks.h>
#include <Utf8.h>
#include <automation.h>
#include <brio/server/BrLogServer.h>
#include <standin/hooks.h>

#include <commctrl.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>

namespace reliability {
namespace {

using brio::ui::measure::TMSRDATA;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kValues[] = {0.0,    1e-9,   1e15,  -12.5, std::numeric_limits<double>::quiet_NaN(),
                              kInf,   -kInf,  1e300, -0.0,  0.4,
                              0.5,    12.5,   1.005, 5e-7,  4e-7,
                              1234.5, 99.995, -1e15, 2.675, 1e-300};
constexpr int kMinus[] = {0, 0, 0, 0, 1, 1, -1, 5, INT_MIN};
constexpr int kAreaFlags[] = {0, 0, 0, 0, 0, 1, 1, -1, 2, SHRT_MIN};
constexpr int kClickable[] = {IDC_BUTTON_DRAW,    IDC_BUTTON_DELETE, IDC_BUTTON_DELETE_ALL, IDC_CHK_DRAW_LIST,
                              IDC_CHK_DRAW_TOTAL, IDC_CHK_CLOSE,     IDC_UNIT_RADIO1,       IDC_UNIT_RADIO2,
                              IDC_UNIT_RADIO4,    IDC_UNIT_RADIO5,   IDC_EDIT_TOTAL,        IDC_STATIC_UNIT,
                              IDC_LIST_LENGTH};
constexpr int kKeys[] = {VK_DELETE, VK_DELETE, VK_ESCAPE, VK_RETURN, VK_TAB,
                         VK_SPACE,  VK_UP,     VK_DOWN,   'A',       VK_F1};
constexpr int kHoverable[] = {IDC_CHK_DRAW_LIST, IDC_CHK_DRAW_TOTAL, IDC_BUTTON_DRAW, IDC_LIST_LENGTH,
                              IDC_EDIT_TOTAL};
constexpr int kAnswers[] = {IDYES, IDNO, IDOK, IDCANCEL};
constexpr standin::Fault kFaults[] = {standin::Fault::CreateFont, standin::Fault::CreateSolidBrush,
                                      standin::Fault::GlobalAlloc, standin::Fault::GlobalLock,
                                      standin::Fault::SetClipboardData};

// Texts the host may hand in: ordinary ones, nothing, a great deal, printf's own marks, control
// characters, and characters outside the basic plane.
std::wstring Text(int kind, const wchar_t* ordinary, int serial) {
    const std::wstring number = std::to_wstring(serial);
    switch (kind) {
    case 0:
        return L"";
    case 1:
        return std::wstring(3000, L'長') + number;
    case 2:
        return L"%s%n%ls%x%" + number;
    case 3:
        return L"a\tb\r\nc\\n" + number;
    case 4:
        return L"\U0001F4D0" + number;
    default:
        return ordinary + number;
    }
}

template <typename T, size_t N> T Pick(std::mt19937_64& random, const T (&items)[N]) {
    return items[random() % N];
}

int Between(std::mt19937_64& random, int least, int most) {
    return least + static_cast<int>(random() % static_cast<unsigned>(most - least + 1));
}

struct Weighted {
    Act act;
    int weight;
};

constexpr Weighted kActs[] = {
    {Act::Measure, 30},      {Act::DeleteDialog, 1}, {Act::ReadSummary, 3},    {Act::Click, 16},
    {Act::PickRow, 12},      {Act::Key, 5},          {Act::RightClick, 8},     {Act::Combo, 6},
    {Act::Resize, 3},        {Act::CloseButton, 1},  {Act::CloseMessage, 1},   {Act::HelpButton, 1},
    {Act::Hover, 2},         {Act::Look, 1},         {Act::LogRefuses, 1},     {Act::LogThrows, 1},
    {Act::LogBreaksDraw, 1}, {Act::Store, 2},        {Act::ClipboardFails, 1}, {Act::FailNext, 1},
    {Act::MainFrame, 1},
};

Act DrawAct(std::mt19937_64& random) {
    int total = 0;
    for (const Weighted& w : kActs)
        total += w.weight;
    int pick = static_cast<int>(random() % static_cast<unsigned>(total));
    for (const Weighted& w : kActs) {
        if (pick < w.weight)
            return w.act;
        pick -= w.weight;
    }
    return Act::Measure;
}

const char* ActName(Act act) {
    static const char* const names[] = {
        "measure",         "delete-dialog", "read-summary",
        "click",           "pick-row",      "key",
        "right-click",     "combo",         "resize",
        "close-button",    "close-message", "help-button",
        "hover",           "look",          "log-refuses",
        "log-throws",      "store",         "clipboard-fails",
        "log-breaks-draw", "fail-next",     "main-frame",
    };
    return names[static_cast<int>(act)];
}

std::string Shorten(const std::wstring& text) {
    std::string out = Utf8(text.substr(0, 12));
    if (text.size() > 12)
        out += "...(" + std::to_string(text.size()) + ")";
    return out;
}

void Click(DialogHost& world, int id) {
    if (const HWND control = world.control(id))
        automation::Click(control);
}

// On Windows the faults that throw are not armed: their exceptions would leave window procedures the
// system called (the mark is printed once a run). The step still counts, so that a seed draws the same
// steps on both platforms.
bool ThrowingFaultLeftOut() {
    static const bool leftOut =
        measure_test::SkipsOnWindows(measure_test::windows_causes::kThrowingFaultsLeaveWindowProcedures);
    return leftOut;
}

bool MayThrow(StoreMode mode) {
    return mode == StoreMode::Throwing || mode == StoreMode::Garbage;
}

} // namespace

std::string Describe(const Step& step) {
    std::ostringstream out;
    out << ActName(step.act);
    switch (step.act) {
    case Act::Measure:
        out << " value=" << step.value << " minus=" << step.minus << " area=" << step.areaFlag << " scale=\""
            << Shorten(step.scale) << "\" element=\"" << Shorten(step.element) << "\"";
        break;
    case Act::Click:
        out << " control=" << step.a << " answer=" << step.answer;
        break;
    case Act::PickRow:
    case Act::Key:
        out << " " << (step.act == Act::Key ? "vk=" : "row=") << step.a << " modifiers=" << step.b;
        break;
    case Act::RightClick:
        out << " row=" << step.a << " entry=" << step.b << " answer=" << step.answer;
        break;
    case Act::Combo:
        out << " combo=" << step.a << " item=" << step.b;
        break;
    case Act::Resize:
        out << " " << step.a << "x" << step.b;
        break;
    case Act::Store:
        out << " steps=" << step.a << " mode=" << step.b
            << " garbage=" << Shorten(GarbageName(static_cast<Garbage>(step.c))) << " key=" << step.d;
        break;
    case Act::LogRefuses:
    case Act::LogThrows:
    case Act::ClipboardFails:
        out << " steps=" << step.a;
        break;
    case Act::DeleteDialog:
    case Act::ReadSummary:
    case Act::CloseButton:
    case Act::HelpButton:
    case Act::Look:
    case Act::LogBreaksDraw:
        break;
    default:
        out << " " << step.a;
        break;
    }
    return out.str();
}

Step DrawStep(std::mt19937_64& random, int& serial) {
    Step step;
    step.act = DrawAct(random);
    step.answer = Pick(random, kAnswers);
    switch (step.act) {
    case Act::Measure: {
        ++serial;
        if (random() % 3 == 0)
            step.value = Pick(random, kValues);
        else
            step.value = static_cast<double>(Between(random, -2000, 2'000'000)) / 1000.0;
        step.minus = Pick(random, kMinus);
        step.areaFlag = Pick(random, kAreaFlags);
        const int textKind = Between(random, 0, 15);
        // One of the two texts is ordinary, so that rows stay told apart by their serial.
        if (random() % 2 == 0) {
            step.scale = Text(textKind, L"1/100#", serial);
            step.element = Text(99, L"線分#", serial);
        } else {
            step.scale = Text(99, L"1/50#", serial);
            step.element = Text(textKind, L"ポリライン#", serial);
        }
        break;
    }
    case Act::Click:
        step.a = Pick(random, kClickable);
        break;
    case Act::PickRow:
        step.a = Between(random, 0, 12);
        step.b = Between(random, 0, 3);
        break;
    case Act::Key:
        step.a = Pick(random, kKeys);
        step.b = step.a == 'A'                ? static_cast<int>(automation::kCtrl)
                 : Between(random, 0, 4) == 0 ? static_cast<int>(automation::kShift)
                                              : 0;
        break;
    case Act::RightClick:
        step.a = Between(random, -1, 10);
        step.b = Between(random, -1, 9);
        break;
    case Act::Combo:
        step.a = random() % 2 == 0 ? IDC_CMB_MARUME1 : IDC_CMB_MARUME2;
        step.b = Between(random, 0, step.a == IDC_CMB_MARUME1 ? 7 : 2);
        break;
    case Act::Resize:
        step.a = random() % 5 == 0 ? Between(random, 0, 200) : Between(random, 300, 1300);
        step.b = random() % 5 == 0 ? Between(random, 0, 150) : Between(random, 200, 1000);
        break;
    case Act::CloseMessage:
        step.a = Between(random, 0, 1);
        break;
    case Act::Hover:
        step.a = Pick(random, kHoverable);
        break;
    case Act::LogRefuses:
    case Act::LogThrows:
    case Act::ClipboardFails:
        // Short spells, so that runs spend most of their time with things working.
        step.a = Between(random, 1, 6);
        break;
    case Act::Store:
        step.a = Between(random, 1, 10);
        step.b = Between(random, 1, 4);
        step.c = Between(random, 0, static_cast<int>(Garbage::Count) - 1);
        step.d = Between(random, 0, 6);
        break;
    case Act::FailNext:
        step.a = Between(random, 0, static_cast<int>(std::size(kFaults)) - 1);
        break;
    case Act::MainFrame:
        step.a = random() % 2 == 0 ? 0 : Between(random, 1, 2);
        break;
    default:
        break;
    }
    return step;
}

std::string Perform(DialogHost& world, const Step& step) {
    world.m_answers.m_nBoxAnswer = step.answer;
    world.m_answers.m_nMenuPick = -1;
    world.m_answers.m_nMenuCommand = 0;
    switch (step.act) {
    case Act::Measure: {
        TMSRDATA data;
        data.bMinus = step.minus;
        data.dValue = step.value;
        data.strScale = step.scale.c_str();
        data.strElement = step.element.c_str();
        data.sAreaFlag = static_cast<short>(step.areaFlag);
        return world.tryMeasure(data);
    }
    case Act::DeleteDialog:
        return world.deleteDialog();
    case Act::ReadSummary:
        return world.survive([&] {
            if (world.object() != nullptr) {
                const std::wstring summary = world.object()->GetString();
                (void)summary;
            }
        });
    case Act::Click:
        return world.survive([&] { Click(world, step.a); });
    case Act::PickRow:
        return world.survive([&] {
            if (const HWND list = world.control(IDC_LIST_LENGTH))
                automation::PickListRow(list, step.a, static_cast<unsigned>(step.b));
        });
    case Act::Key:
        return world.survive(
            [&] { automation::PressKey(static_cast<UINT>(step.a), static_cast<unsigned>(step.b)); });
    case Act::RightClick:
        world.m_answers.m_nMenuPick = step.b;
        return world.survive([&] {
            if (const HWND list = world.control(IDC_LIST_LENGTH))
                automation::RightClickList(list, step.a);
        });
    case Act::Combo:
        return world.survive([&] {
            if (const HWND combo = world.control(step.a))
                automation::ChooseComboItem(combo, step.b);
        });
    case Act::Resize:
        return world.survive([&] {
            if (const HWND dialog = world.dialog())
                automation::DragBorderTo(dialog, step.a, step.b);
        });
    case Act::CloseButton:
        return world.survive([&] {
            if (const HWND dialog = world.dialog())
                automation::ClickFrameButton(dialog, SC_CLOSE);
        });
    case Act::CloseMessage:
        return world.survive([&] {
            if (const HWND dialog = world.dialog()) {
                if (step.a == 0)
                    SendMessageW(dialog, WM_CLOSE, 0, 0);
                else
                    PostMessageW(dialog, WM_CLOSE, 0, 0);
            }
        });
    case Act::HelpButton:
        return world.survive([&] {
            if (const HWND dialog = world.dialog())
                automation::ClickFrameButton(dialog, SC_CONTEXTHELP);
        });
    case Act::Hover:
        return world.survive([&] {
            if (const HWND control = world.control(step.a))
                automation::Hover(control);
        });
    case Act::Look:
        return world.survive([&] {
            if (const HWND dialog = world.dialog())
                automation::ReadPixel(dialog, 5, 5);
        });
    case Act::LogRefuses:
        world.setLogRefusing(true);
        world.m_faults.logRefuses = step.a + 1;
        return "";
    case Act::LogThrows:
        if (ThrowingFaultLeftOut())
            return "";
        world.setLogThrowing(true);
        world.m_faults.logThrows = step.a + 1;
        return "";
    case Act::LogBreaksDraw:
        if (ThrowingFaultLeftOut())
            return "";
        world.m_bFailLogWhileDrawing = true;
        return "";
    case Act::Store: {
        const StoreMode mode = step.b == 2   ? StoreMode::Throwing
                               : step.b == 3 ? StoreMode::Refusing
                               : step.b == 4 ? StoreMode::Garbage
                                             : StoreMode::Working;
        if (MayThrow(mode) && ThrowingFaultLeftOut())
            return "";
        world.setStorePresent(step.b != 1);
        world.store().m_mode = mode;
        world.store().m_garbageKind = static_cast<Garbage>(step.c);
        world.store().m_garbageKey = step.d;
        world.m_faults.store = step.a + 1;
        return "";
    }
    case Act::ClipboardFails:
        standin::SetClipboardOpenFails(true);
        world.m_faults.clipboard = step.a + 1;
        return "";
    case Act::FailNext:
        standin::FailNext(kFaults[step.a]);
        return "";
    case Act::MainFrame:
        world.setMainFrame(static_cast<MainFrame>(step.a));
        return "";
    }
    return "";
}

} // namespace reliability
