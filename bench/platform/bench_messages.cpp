// The window-manager calls a dialog's per-row work is made of, each against a plain indirect call
// that reads the same field (the least a message can cost): a message to a control, a message to a
// control that an MFC object has subclassed (and the same against that message sent straight to a
// list no object holds), GetDlgItem, GetWindow, and UpdateData over two radio groups and three
// check boxes, as the running-total dialog exchanges them for every value it formats.
// ns_row is per call; x_floor is the call against its floor, measured in the same iteration.
#include <MeasureTotalDlgIds.h>

#include <afxcmn.h>
#include <afxwin.h>

#include <benchmark/benchmark.h>

#include <time.h>

#include <initializer_list>
#include <memory>

namespace {

constexpr int kBatch = 1024;

double Now() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times the call and its floor in turn, kBatch of each per iteration.
template <typename Call, typename Floor> void Pair(benchmark::State& state, Call call, Floor floor) {
    double callSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        double start = Now();
        for (int i = 0; i < kBatch; ++i)
            call();
        const double elapsed = Now() - start;
        state.SetIterationTime(elapsed);
        callSeconds += elapsed;
        start = Now();
        for (int i = 0; i < kBatch; ++i)
            floor();
        floorSeconds += Now() - start;
    }
    const double calls = static_cast<double>(state.iterations()) * kBatch;
    state.counters["ns_row"] = callSeconds / calls * 1e9;
    state.counters["floor_us"] = floorSeconds / static_cast<double>(state.iterations()) * 1e6;
    state.counters["x_floor"] = floorSeconds > 0 ? callSeconds / floorSeconds : 0;
}

struct Field {
    int value = 0;
};
__attribute__((noinline)) LRESULT ReadField(Field* field) {
    benchmark::DoNotOptimize(field);
    return field->value;
}
LRESULT (*volatile g_readField)(Field*) = &ReadField;

// A parent with the controls of the dialog's option area, in the template's order: a group box,
// two radios, a group box, two radios, a check box; then a list the MFC object subclasses.
class Form : public CWnd {
public:
    Form() {
        CreateEx(0, AfxRegisterWndClass(0), L"form", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr);
        const struct {
            int id;
            DWORD style;
        } controls[] = {
            {IDC_GROUP_LENGTH, BS_GROUPBOX | WS_GROUP},
            {IDC_UNIT_RADIO1, BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_UNIT_RADIO2, BS_AUTORADIOBUTTON},
            {IDC_GROUP_AREA, BS_GROUPBOX | WS_GROUP},
            {IDC_UNIT_RADIO4, BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_UNIT_RADIO5, BS_AUTORADIOBUTTON},
            {IDC_CHK_DRAW_LIST, BS_AUTOCHECKBOX | WS_GROUP},
            {IDC_CHK_DRAW_TOTAL, BS_AUTOCHECKBOX},
            {IDC_CHK_CLOSE, BS_AUTOCHECKBOX | WS_GROUP},
        };
        for (const auto& c : controls)
            CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | c.style, 0, 0, 40, 10, m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr, nullptr);
        m_list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), this, IDC_LIST_LENGTH);
        m_list.InsertColumn(0, L"No", LVCFMT_LEFT, 30);
        m_list.InsertItem(0, L"1");
        m_plainList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 200, 100, m_hWnd,
                                      nullptr, nullptr, nullptr);
        LVITEMW first{};
        first.mask = LVIF_TEXT;
        first.pszText = const_cast<LPWSTR>(L"1");
        ::SendMessageW(m_plainList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&first));
        ::SendMessageW(::GetDlgItem(m_hWnd, IDC_UNIT_RADIO1), BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageW(::GetDlgItem(m_hWnd, IDC_UNIT_RADIO4), BM_SETCHECK, BST_CHECKED, 0);
    }
    ~Form() override { DestroyWindow(); }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Radio(pDX, IDC_UNIT_RADIO1, m_nUnit1);
        DDX_Radio(pDX, IDC_UNIT_RADIO4, m_nUnit2);
        DDX_Check(pDX, IDC_CHK_DRAW_LIST, m_bDrawList);
        DDX_Check(pDX, IDC_CHK_DRAW_TOTAL, m_bDrawTotal);
        DDX_Check(pDX, IDC_CHK_CLOSE, m_bClose);
    }

    CListCtrl m_list;
    HWND m_plainList = nullptr; // a list view no MFC object holds
    int m_nUnit1 = 0;
    int m_nUnit2 = 0;
    BOOL m_bDrawList = FALSE;
    BOOL m_bDrawTotal = FALSE;
    BOOL m_bClose = FALSE;
};

Form& TheForm() {
    static Form* form = new Form(); // the window manager outlives it; left to the process end
    return *form;
}

void BM_SendToControl(benchmark::State& state) {
    const HWND radio = ::GetDlgItem(TheForm().m_hWnd, IDC_UNIT_RADIO2);
    Field field;
    Pair(
        state, [&] { benchmark::DoNotOptimize(::SendMessageW(radio, BM_GETCHECK, 0, 0)); },
        [&] { benchmark::DoNotOptimize(g_readField(&field)); });
}
BENCHMARK(BM_SendToControl)->UseManualTime();

void BM_SendToMfcObjectsControl(benchmark::State& state) {
    CListCtrl& list = TheForm().m_list;
    Field field;
    Pair(
        state, [&] { benchmark::DoNotOptimize(list.GetItemCount()); },
        [&] { benchmark::DoNotOptimize(g_readField(&field)); });
}
BENCHMARK(BM_SendToMfcObjectsControl)->UseManualTime();

// The same message to the same kind of control, once through the MFC object that subclassed it and
// once sent straight to a list no object holds: what MFC's routing adds to every message. Counted
// with callgrind on the release build: the direct send is about 81 instructions (SendMessageW 25,
// the list's procedure and its state 56); the MFC route adds about 131 (the CListCtrl wrapper 9,
// AfxWndProc finding the object and recording the current message 52, WindowProc with OnWndMsg, the
// message cache and DefWindowProc 70). Within 1.5x the route could add only about 40, less than the
// calls and returns of those steps themselves.
void BM_SubclassedVsDirect(benchmark::State& state) {
    CListCtrl& list = TheForm().m_list;
    const HWND plain = TheForm().m_plainList;
    Pair(
        state, [&] { benchmark::DoNotOptimize(list.GetItemCount()); },
        [&] { benchmark::DoNotOptimize(::SendMessageW(plain, LVM_GETITEMCOUNT, 0, 0)); });
}
BENCHMARK(BM_SubclassedVsDirect)->UseManualTime();

void BM_GetDlgItem(benchmark::State& state) {
    const HWND form = TheForm().m_hWnd;
    Field field;
    Pair(
        state, [&] { benchmark::DoNotOptimize(::GetDlgItem(form, IDC_CHK_CLOSE)); },
        [&] { benchmark::DoNotOptimize(g_readField(&field)); });
}
BENCHMARK(BM_GetDlgItem)->UseManualTime();

void BM_GetWindowNext(benchmark::State& state) {
    const HWND radio = ::GetDlgItem(TheForm().m_hWnd, IDC_UNIT_RADIO4);
    Field field;
    Pair(
        state, [&] { benchmark::DoNotOptimize(::GetWindow(radio, GW_HWNDNEXT)); },
        [&] { benchmark::DoNotOptimize(g_readField(&field)); });
}
BENCHMARK(BM_GetWindowNext)->UseManualTime();

// The floor: the five members copied from five fields. The exchange itself is nine messages (per
// radio group WM_GETDLGCODE for each radio and BM_GETCHECK until the checked one; BM_GETCHECK per
// check box), five look-ups by id and the walks along the groups, so its ratio is mostly the price
// of a message against a load. Counted with callgrind on the release build: about 1,700 instructions
// (nine sends of about 90 each with the button's answer, five GetDlgItem of about 48, four GetWindow
// and four GetWindowLongW of about 35), against about 50 for the floor's five calls.
void BM_UpdateData(benchmark::State& state) {
    Form& form = TheForm();
    Field fields[5];
    int members[5];
    Pair(
        state, [&] { benchmark::DoNotOptimize(form.UpdateData(TRUE)); },
        [&] {
            for (int i = 0; i < 5; ++i)
                members[i] = static_cast<int>(g_readField(&fields[i]));
            benchmark::DoNotOptimize(members);
        });
}
BENCHMARK(BM_UpdateData)->UseManualTime();

// The same five members read by a program without MFC, from the same controls: IsDlgButtonChecked
// down each radio group until the checked one, and once per check box (five to seven look-ups and
// sends). It tells how much of UpdateData's ratio to five loads is the controls' own answers, which
// any reading of them costs, and how much is the exchange.
int CheckedIndex(HWND form, std::initializer_list<int> group) {
    int index = 0;
    for (int id : group) {
        if (::IsDlgButtonChecked(form, id) != BST_UNCHECKED)
            return index;
        ++index;
    }
    return -1;
}

void BM_UpdateDataVsDirectReads(benchmark::State& state) {
    Form& form = TheForm();
    const HWND hwnd = form.m_hWnd;
    int members[5];
    Pair(
        state, [&] { benchmark::DoNotOptimize(form.UpdateData(TRUE)); },
        [&] {
            members[0] = CheckedIndex(hwnd, {IDC_UNIT_RADIO1, IDC_UNIT_RADIO2});
            members[1] = CheckedIndex(hwnd, {IDC_UNIT_RADIO4, IDC_UNIT_RADIO5});
            members[2] = static_cast<int>(::IsDlgButtonChecked(hwnd, IDC_CHK_DRAW_LIST));
            members[3] = static_cast<int>(::IsDlgButtonChecked(hwnd, IDC_CHK_DRAW_TOTAL));
            members[4] = static_cast<int>(::IsDlgButtonChecked(hwnd, IDC_CHK_CLOSE));
            benchmark::DoNotOptimize(members);
        });
}
BENCHMARK(BM_UpdateDataVsDirectReads)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
