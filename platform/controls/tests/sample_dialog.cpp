#include "sample_dialog.h"
#include "dialog_template_bytes.h"

#include <standin/hooks.h>

#include <cwchar>

namespace sample {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const DialogItem kItems[] = {
    {kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 5, 5, 60, 10, kCheck, L"BUTTON", L"作図"},
    {kChild | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0, 5, 20, 150, 60,
     kOwnerList, L"SysListView32", L"List1"},
    {kChild | LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0, 160, 20, 100, 60, kPlainList,
     L"SysListView32", L"List2"},
    {kChild | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_STATICEDGE, 5, 85, 80, 12, kTotal,
     L"EDIT", L""},
    {kChild | SS_LEFT | WS_GROUP, 0, 90, 87, 30, 8, kLabel, L"STATIC", L"mm2"},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 5, 100, 60, 68, kComboA, L"COMBOBOX", L""},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 70, 100, 50, 60, kComboB, L"COMBOBOX", L""},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 215, 85, 40, 14, kPush, L"BUTTON", L"削除"},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, 215, 101, 40, 14, kDisabledPush, L"BUTTON",
     L"作図"},
    {kChild | BS_GROUPBOX | WS_GROUP, 0, 125, 82, 40, 31, kGroupA, L"BUTTON", L"長さ"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 130, 92, 30, 9, kRadioA1, L"BUTTON", L"mm"},
    {kChild | BS_AUTORADIOBUTTON, 0, 130, 102, 30, 9, kRadioA2, L"BUTTON", L"m"},
    {kChild | BS_GROUPBOX | WS_GROUP, 0, 170, 82, 40, 31, kGroupB, L"BUTTON", L"面積"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP, 0, 175, 92, 30, 9, kRadioB1, L"BUTTON", L"mm2"},
    {kChild | BS_AUTORADIOBUTTON, 0, 175, 102, 30, 9, kRadioB2, L"BUTTON", L"m2"},
};

const DialogSpec kTemplate = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT,
    0,
    20,
    20,
    270,
    140,
    L"Sample",
    9,
    FW_NORMAL,
    0,
    SHIFTJIS_CHARSET,
    L"ＭＳ Ｐゴシック",
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    kItems,
    static_cast<WORD>(sizeof(kItems) / sizeof(kItems[0])),
};

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::string CommandName(HWND control, WORD code) {
    const std::wstring cls = ClassOf(control);
    if (cls == L"Button" && code == BN_CLICKED) {
        return "BN_CLICKED";
    }
    if (cls == L"ComboBox") {
        switch (code) {
        case CBN_SELCHANGE:
            return "CBN_SELCHANGE";
        case CBN_SETFOCUS:
            return "CBN_SETFOCUS";
        case CBN_KILLFOCUS:
            return "CBN_KILLFOCUS";
        case CBN_DROPDOWN:
            return "CBN_DROPDOWN";
        case CBN_CLOSEUP:
            return "CBN_CLOSEUP";
        case CBN_SELENDOK:
            return "CBN_SELENDOK";
        case CBN_SELENDCANCEL:
            return "CBN_SELENDCANCEL";
        default:
            break;
        }
    }
    if (cls == L"Edit" && code == EN_CHANGE) {
        return "EN_CHANGE";
    }
    return "code " + std::to_string(code);
}

std::string NotifyLine(const NMHDR* header) {
    const std::string id = std::to_string(header->idFrom) + " ";
    const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
    switch (header->code) {
    case NM_CLICK:
        return id + "NM_CLICK row=" + std::to_string(activate->iItem);
    case NM_DBLCLK:
        return id + "NM_DBLCLK row=" + std::to_string(activate->iItem);
    case NM_RCLICK:
        return id + "NM_RCLICK row=" + std::to_string(activate->iItem);
    case LVN_KEYDOWN:
        return id + "LVN_KEYDOWN vk=" + std::to_string(reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
    default:
        // Windows' list view also tells its parent of every state change, of the focus, the capture and
        // custom drawing (LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_SETFOCUS, NM_RELEASEDCAPTURE,
        // NM_CUSTOMDRAW); the stand-in's does not. The tests read the notifications named above.
        return {};
    }
}

} // namespace

SampleDialog::SampleDialog() {
    standin::ResetRecords();
    m_totalBrush = CreateSolidBrush(kTotalColour);
    s_creating = this;
    m_hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), DialogTemplateBytes(kTemplate).get(),
                                        nullptr, Proc, reinterpret_cast<LPARAM>(this));
    s_creating = nullptr;
    if (!m_hwnd) {
        return;
    }
    const std::pair<int, const wchar_t*> comboItems[] = {
        {kComboA, L"10の位"},        {kComboA, L"整数"},          {kComboA, L"小数点以下1位"},
        {kComboA, L"小数点以下2位"}, {kComboA, L"小数点以下3位"}, {kComboA, L"小数点以下4位"},
        {kComboA, L"小数点以下5位"}, {kComboA, L"小数点以下6位"}, {kComboB, L"四捨五入"},
        {kComboB, L"切り上げ"},      {kComboB, L"切り捨て"},
    };
    for (const auto& [id, text] : comboItems) {
        SendDlgItemMessageW(m_hwnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int id : {kOwnerList, kPlainList}) {
        const struct {
            int format;
            int width;
            const wchar_t* text;
        } columns[] = {{LVCFMT_LEFT, 30, L"No"}, {LVCFMT_RIGHT, 80, L"値"}, {LVCFMT_RIGHT, 0, L""}};
        for (int column = 0; column < 3; ++column) {
            LVCOLUMNW info{};
            info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            info.fmt = columns[column].format;
            info.cx = columns[column].width;
            info.pszText = const_cast<LPWSTR>(columns[column].text);
            SendDlgItemMessageW(m_hwnd, id, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                                reinterpret_cast<LPARAM>(&info));
        }
    }
    SendDlgItemMessageW(m_hwnd, kPlainList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                        LVS_EX_FULLROWSELECT);
    m_events.clear();
}

SampleDialog::~SampleDialog() {
    if (IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
    DeleteObject(m_totalBrush);
    standin::ResetRecords();
}

void SampleDialog::fillList(int id, int rows) {
    HWND list = item(id);
    for (int row = 0; row < rows; ++row) {
        std::wstring number = std::to_wstring(row + 1);
        LVITEMW entry{};
        entry.mask = LVIF_TEXT | LVIF_PARAM;
        entry.iItem = row;
        entry.pszText = number.data();
        entry.lParam = 100 + row;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
        std::wstring value = std::to_wstring(row * 10) + L".5";
        entry.iSubItem = 1;
        entry.pszText = value.data();
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&entry));
    }
}

std::string SampleDialog::takeEvents() {
    std::string lines = Lines(m_events);
    m_events.clear();
    return lines;
}

std::vector<DrawRecord> SampleDialog::takeDraws() {
    std::vector<DrawRecord> draws;
    draws.swap(m_draws);
    return draws;
}

UINT SampleDialog::lastColourMessage(int id) const {
    auto found = m_colourMessages.find(id);
    return found == m_colourMessages.end() ? 0 : found->second;
}

INT_PTR CALLBACK SampleDialog::Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<SampleDialog*>(lParam)->m_hwnd = dialog;
        return FALSE;
    }
    auto* self = reinterpret_cast<SampleDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    // The owner-drawn list is measured as it gets its font, before WM_INITDIALOG brings the pointer,
    // as Windows measures it; the dialog being made answers then.
    if (!self && msg == WM_MEASUREITEM)
        self = s_creating;
    return self ? self->handle(msg, wParam, lParam) : FALSE;
}

INT_PTR SampleDialog::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam) {
            record(std::to_string(LOWORD(wParam)) + " " +
                   CommandName(reinterpret_cast<HWND>(lParam), HIWORD(wParam)));
        } else {
            record("WM_COMMAND " + std::to_string(LOWORD(wParam)));
        }
        return TRUE;
    case WM_NOTIFY: {
        const std::string line = NotifyLine(reinterpret_cast<const NMHDR*>(lParam));
        if (!line.empty())
            record(line);
        return FALSE;
    }
    case WM_CONTEXTMENU:
        record("WM_CONTEXTMENU " + std::to_string(GetDlgCtrlID(reinterpret_cast<HWND>(wParam))));
        return TRUE;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType == ODT_LISTVIEW) {
            ++m_measureCount;
            measure->itemHeight = kOwnerRowHeight;
        }
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        m_draws.push_back(DrawRecord{draw->CtlType, draw->itemID, draw->itemAction, draw->itemState,
                                     draw->rcItem, draw->itemData});
        FillRect(draw->hDC, &draw->rcItem,
                 GetSysColorBrush((draw->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        HWND control = reinterpret_cast<HWND>(lParam);
        m_colourMessages[GetDlgCtrlID(control)] = msg;
        if (control == item(kTotal)) {
            SetBkColor(reinterpret_cast<HDC>(wParam), kTotalTextBack);
            return reinterpret_cast<INT_PTR>(m_totalBrush);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        joined += '\n';
    }
    return joined;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row =
             static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         row >= 0; row = static_cast<int>(
                       SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) {
        rows.push_back(row);
    }
    return rows;
}

int FocusedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

} // namespace sample
