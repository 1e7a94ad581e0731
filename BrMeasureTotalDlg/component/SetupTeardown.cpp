// Set-up of a new dialog window (OnInitDialog, run inside CDialog::Create) and its teardown
// (DestroyWindow): the font and brushes, the list columns and combo items, the stored settings,
// the tooltips and the icon.
#include "ControlCheck.h"
#include "MeasureTotalDlg.h"
#include "MeasureTotalDlgIds.h"

#include "../layout/Colours.h"
#include "../trace/GuardedOperation.h"

#include <brio/core/Application.h>

#include <commctrl.h>

namespace brio::ui::measure {
namespace {

struct ListColumn {
    const wchar_t* heading;
    int format;
    int width;
};

// The last column holds the raw value and is never shown.
constexpr ListColumn kColumns[] = {
    {L"No", LVCFMT_LEFT, 30},  {L"スケール", LVCFMT_RIGHT, 66}, {L"要素種別", LVCFMT_LEFT, 81},
    {L"±", LVCFMT_CENTER, 30}, {L"値     ", LVCFMT_RIGHT, 105}, {L"", LVCFMT_RIGHT, 0},
};
static_assert(_countof(kColumns) == kColumnCount);

constexpr const wchar_t* kPositionItems[] = {
    L"10の位",        L"整数",          L"小数点以下1位", L"小数点以下2位",
    L"小数点以下3位", L"小数点以下4位", L"小数点以下5位", L"小数点以下6位",
};

constexpr const wchar_t* kMethodItems[] = {L"四捨五入", L"切り上げ", L"切り捨て"};

// Each font and brush is deleted once: the handle is emptied with it, so the destructor skips it.
template <typename Handle> void DeleteOnce(Handle& handle) {
    if (handle != NULL) {
        ::DeleteObject(handle);
        handle = NULL;
    }
}

} // namespace

BOOL MeasureTotalDlg::OnInitDialog() {
    try {
        return SetUpWindow();
    } catch (...) {
        AbandonWindow();
        throw;
    }
}

// A set-up that failed (the settings store threw, a stored value is no number) leaves no half-made
// window behind for the next measurement to land in: the font and brushes it made go, and the
// window goes without writing the settings it could not read, so the store keeps what it held.
// The exception still goes on to the host, and the next measurement makes a whole new window.
void MeasureTotalDlg::AbandonWindow() {
    ReleaseDrawingObjects();
    // The set-up's own failure is the one the host hears about.
    try {
        CWnd::DestroyWindow();
    } catch (...) {
    }
}

// Each font and brush is deleted once: the handle is emptied with it, so a later call skips it.
void MeasureTotalDlg::ReleaseDrawingObjects() {
    DeleteOnce(m_hFontTotal);
    DeleteOnce(m_hBrushCombo);
    DeleteOnce(m_hBrushTotal);
}

BOOL MeasureTotalDlg::SetUpWindow() {
    return GuardedOperation(L"MeasureTotalDlg: OnInitDialog() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnInitDialog()  this=%x", TraceAddress(this));

        CDialog::OnInitDialog();

        m_hFontTotal =
            ::CreateFontW(15, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック");
        SendDlgItemMessage(IDC_EDIT_TOTAL, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFontTotal), TRUE);
        m_hBrushCombo = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
        m_hBrushTotal = ::CreateSolidBrush(kTotalBackground);

        m_listLength.SetHighlightMode(2);
        const LRESULT extended = m_listLength.SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        m_listLength.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_FULLROWSELECT);
        for (int column = 0; column < static_cast<int>(_countof(kColumns)); ++column)
            m_listLength.InsertColumn(column, kColumns[column].heading, kColumns[column].format,
                                      kColumns[column].width, -1);

        for (const wchar_t* item : kPositionItems)
            SendDlgItemMessage(IDC_CMB_MARUME1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        for (const wchar_t* item : kMethodItems)
            SendDlgItemMessage(IDC_CMB_MARUME2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));

        // The template's size is the smallest the user may drag the dialog to; taken before the
        // settings store may give the window the size it had last time.
        RECT window{};
        GetWindowRect(&window);
        m_nMinWidth = window.right - window.left;
        m_nMinHeight = window.bottom - window.top;

        ReadSettings();

        SendDlgItemMessage(IDC_CMB_MARUME1, CB_SETCURSEL, static_cast<WPARAM>(m_nMarume1), 0);
        SendDlgItemMessage(IDC_CMB_MARUME2, CB_SETCURSEL, static_cast<WPARAM>(m_nMarume2), 0);

        for (int id :
             {IDC_CHK_DRAW_LIST, IDC_CHK_DRAW_TOTAL, IDC_BUTTON_DRAW, IDC_CHK_CLOSE, IDC_STATIC_UNIT})
            CheckedControl(*this, id);

        // The controls of the next three steps were reported above if missing; a missing one is
        // simply left out here.
        PrepareTooltips();
        if (!m_bDrawList && !m_bDrawTotal) {
            for (int id : {IDC_BUTTON_DRAW, IDC_CHK_CLOSE})
                if (CWnd* control = LiveControl(*this, id))
                    control->EnableWindow(FALSE);
        }
        if (CWnd* unit = LiveControl(*this, IDC_STATIC_UNIT))
            unit->SetWindowText(m_nUnit1 != 0 ? L"m" : L"mm");

        UpdateData(FALSE);

        RECT client{};
        GetClientRect(&client);
        m_nPrevCx = client.right - client.left;
        m_nPrevCy = client.bottom - client.top;

        SendMessage(WM_SETICON, ICON_BIG,
                    reinterpret_cast<LPARAM>(brio::core::Application::getInstance().getSystemIconHandle()));
        // FALSE: the dialog manager leaves the keyboard focus where it is.
        return FALSE;
    });
}

void MeasureTotalDlg::PrepareTooltips() {
    m_toolTip.Create(this, 0);
    if (CWnd* drawList = LiveControl(*this, IDC_CHK_DRAW_LIST))
        m_toolTip.AddTool(drawList, L"リストを作図します", NULL, 0);
    if (CWnd* drawTotal = LiveControl(*this, IDC_CHK_DRAW_TOTAL))
        m_toolTip.AddTool(drawTotal, L"累計を作図します", NULL, 0);
    // The tip shows as soon as the pointer rests on the check box.
    m_toolTip.SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, 0);
}

BOOL MeasureTotalDlg::DestroyWindow() {
    return GuardedOperation(L"MeasureTotalDlg: DestroyWindow() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: DestroyWindow()  this=%x", TraceAddress(this));

        ReleaseDrawingObjects();
        // A second call after the window is gone writes nothing: the settings were saved when the
        // window went, and there is no window left to keep the place of.
        if (::IsWindow(m_hWnd))
            WriteSettings();
        return CWnd::DestroyWindow();
    });
}

} // namespace brio::ui::measure
