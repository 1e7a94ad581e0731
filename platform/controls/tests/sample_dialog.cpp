#include "sample_dialog.h"
#include "dialog_template_bytes.h"

#include <standin/hooks.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <utility>

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
        // The states, the life, the focus and the drawing of a list are told apart (takeListNotes,
        // takeCustomDraws).
        return {};
    }
}

// Flags as their names joined with '|', "-" for none, what no name covers in hexadecimal.
std::string FlagNames(UINT flags, std::initializer_list<std::pair<UINT, const char*>> names) {
    std::string text;
    for (const auto& [flag, name] : names) {
        if ((flags & flag) == flag && flag != 0) {
            text += text.empty() ? "" : "|";
            text += name;
            flags &= ~flag;
        }
    }
    if (flags != 0) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%x", flags);
        text += text.empty() ? "" : "|";
        text += rest;
    }
    return text.empty() ? "-" : text;
}

std::string StateNames(UINT state) {
    return FlagNames(state, {{LVIS_FOCUSED, "FOCUSED"},
                             {LVIS_SELECTED, "SELECTED"},
                             {LVIS_CUT, "CUT"},
                             {LVIS_DROPHILITED, "DROPHILITED"}});
}

std::string ListCodeName(UINT code) {
    switch (code) {
    case LVN_ITEMCHANGING:
        return "LVN_ITEMCHANGING";
    case LVN_ITEMCHANGED:
        return "LVN_ITEMCHANGED";
    case LVN_INSERTITEM:
        return "LVN_INSERTITEM";
    case LVN_DELETEITEM:
        return "LVN_DELETEITEM";
    case LVN_DELETEALLITEMS:
        return "LVN_DELETEALLITEMS";
    case LVN_BEGINDRAG:
        return "LVN_BEGINDRAG";
    case LVN_KEYDOWN:
        return "LVN_KEYDOWN";
    case NM_CLICK:
        return "NM_CLICK";
    case NM_DBLCLK:
        return "NM_DBLCLK";
    case NM_RCLICK:
        return "NM_RCLICK";
    case NM_SETFOCUS:
        return "NM_SETFOCUS";
    case NM_KILLFOCUS:
        return "NM_KILLFOCUS";
    case NM_HOVER:
        return "NM_HOVER";
    default:
        break;
    }
    // A code the stand-in does not name, as an offset from its range's first code.
    const bool listCode = code <= LVN_FIRST && code > LVN_FIRST - 100;
    return (listCode ? "LVN_FIRST-" + std::to_string(LVN_FIRST - code)
                     : "NM_FIRST-" + std::to_string(NM_FIRST - code));
}

std::string ListNoteLine(const NMHDR* header) {
    std::string line = std::to_string(header->idFrom) + " " + ListCodeName(header->code);
    switch (header->code) {
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS: {
        const auto* item = reinterpret_cast<const NMLISTVIEW*>(header);
        line += " row=" + std::to_string(item->iItem) + " sub=" + std::to_string(item->iSubItem);
        line += " changed=" + FlagNames(item->uChanged, {{LVIF_TEXT, "TEXT"},
                                                         {LVIF_IMAGE, "IMAGE"},
                                                         {LVIF_PARAM, "PARAM"},
                                                         {LVIF_STATE, "STATE"},
                                                         {LVIF_INDENT, "INDENT"}});
        line += " old=" + StateNames(item->uOldState) + " new=" + StateNames(item->uNewState);
        line += " param=" + std::to_string(item->lParam);
        break;
    }
    case NM_CLICK:
    case NM_DBLCLK:
    case NM_RCLICK:
        line += " row=" + std::to_string(reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
        break;
    case LVN_KEYDOWN:
        line += " vk=" + std::to_string(reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
        break;
    default:
        break;
    }
    return line;
}

std::string StageName(DWORD stage) {
    std::string name;
    switch (stage & ~(CDDS_ITEM | CDDS_SUBITEM)) {
    case CDDS_PREPAINT:
        name = (stage & CDDS_ITEM) ? "CDDS_ITEMPREPAINT" : "CDDS_PREPAINT";
        break;
    case CDDS_POSTPAINT:
        name = (stage & CDDS_ITEM) ? "CDDS_ITEMPOSTPAINT" : "CDDS_POSTPAINT";
        break;
    case CDDS_PREERASE:
        name = (stage & CDDS_ITEM) ? "CDDS_ITEMPREERASE" : "CDDS_PREERASE";
        break;
    case CDDS_POSTERASE:
        name = (stage & CDDS_ITEM) ? "CDDS_ITEMPOSTERASE" : "CDDS_POSTERASE";
        break;
    default:
        name = "stage " + std::to_string(stage);
        break;
    }
    return (stage & CDDS_SUBITEM) ? name + "|CDDS_SUBITEM" : name;
}

std::string CustomDrawLine(const NMLVCUSTOMDRAW* draw) {
    std::string line = std::to_string(draw->nmcd.hdr.idFrom) + " " + StageName(draw->nmcd.dwDrawStage);
    if (draw->nmcd.dwDrawStage & CDDS_ITEM) {
        line += " row=" + std::to_string(draw->nmcd.dwItemSpec) + " sub=" + std::to_string(draw->iSubItem);
        line += " state=" + FlagNames(draw->nmcd.uItemState, {{CDIS_SELECTED, "SELECTED"},
                                                              {CDIS_FOCUS, "FOCUS"},
                                                              {CDIS_HOT, "HOT"},
                                                              {CDIS_DISABLED, "DISABLED"},
                                                              {CDIS_SHOWKEYBOARDCUES, "SHOWKEYBOARDCUES"}});
        line += " param=" + std::to_string(draw->nmcd.lItemlParam);
    }
    return line;
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
    m_listNotes.clear();
    m_customDraws.clear();
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

std::string SampleDialog::takeListNotes() {
    std::string lines = Lines(m_listNotes);
    m_listNotes.clear();
    return lines;
}

std::string SampleDialog::takeCustomDraws() {
    std::string lines = Lines(m_customDraws);
    m_customDraws.clear();
    return lines;
}

void SampleDialog::answer(UINT code, LRESULT result, int row) {
    std::erase_if(m_answers, [&](const Answer& each) { return each.code == code && each.row == row; });
    m_answers.push_back(Answer{code, row, result});
}

// Records a list's notification and gives the answer the test chose for it (0 unless told).
LRESULT SampleDialog::noteList(const NMHDR* header) {
    if (header->code == NM_CUSTOMDRAW) {
        const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(header);
        m_customDraws.push_back(CustomDrawLine(draw));
        const auto found = m_drawAnswers.find(draw->nmcd.dwDrawStage);
        return found == m_drawAnswers.end() ? CDRF_DODEFAULT : found->second;
    }
    m_listNotes.push_back(ListNoteLine(header));
    const int row =
        header->code == LVN_ITEMCHANGING ? reinterpret_cast<const NMLISTVIEW*>(header)->iItem : kAnyRow;
    LRESULT result = 0;
    for (const Answer& each : m_answers) {
        if (each.code == header->code && (each.row == kAnyRow || each.row == row)) {
            result = each.result;
        }
    }
    return result;
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
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const std::string line = NotifyLine(header);
        if (!line.empty())
            record(line);
        if (header->idFrom != static_cast<UINT_PTR>(kOwnerList) &&
            header->idFrom != static_cast<UINT_PTR>(kPlainList))
            return FALSE;
        SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, noteList(header));
        return TRUE;
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
