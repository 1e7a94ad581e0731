#include "DialogReader.h"

#include "Utf8.h"

#include <commctrl.h>

#include <charconv>
#include <cwctype>

namespace measure_test {
namespace {

constexpr int kUnitRadios[4] = {IDC_UNIT_RADIO1, IDC_UNIT_RADIO2, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5};

int RadioGroup(HWND dialog, int first, int second) {
    return IsChecked(GetDlgItem(dialog, first)) ? 0 : IsChecked(GetDlgItem(dialog, second)) ? 1 : -1;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool IsCheckable(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    // Class names are compared without case, as Windows compares them.
    std::wstring name = className;
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towlower(c));
    if (name != L"button")
        return false;
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

} // namespace

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// The list view tells no length: the buffer grows until the text leaves room to spare.
std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto copied = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < text.size()) {
            text.resize(copied);
            return text;
        }
        text.resize(text.size() * 4);
    }
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

std::wstring ComboItem(HWND combo, int index) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        items.push_back(ComboItem(combo, i));
    return items;
}

double ReadNumber(const std::wstring& text) {
    size_t start = 0;
    while (start < text.size() && std::iswspace(text[start]))
        ++start;
    const std::string narrow = Utf8(std::wstring_view(text).substr(start));
    double value = 0.0;
    std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    return value;
}

std::vector<RowView> ReadRows(HWND list) {
    std::vector<RowView> rows;
    const int count = RowCount(list);
    for (int row = 0; row < count; ++row) {
        RowView shown;
        for (int column = 0; column < kColumnCount; ++column)
            shown.cells[column] = CellText(list, row, column);
        LVITEMW item{};
        item.mask = LVIF_PARAM | LVIF_STATE;
        item.iItem = row;
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        shown.data = item.lParam;
        shown.area = item.lParam != 0;
        shown.selected = (item.state & LVIS_SELECTED) != 0;
        shown.focused = (item.state & LVIS_FOCUSED) != 0;
        rows.push_back(std::move(shown));
    }
    return rows;
}

std::vector<ControlView> ReadControls(HWND dialog) {
    std::vector<ControlView> controls;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        ControlView view;
        view.id = GetDlgCtrlID(control);
        view.checkable = IsCheckable(control);
        view.checked = view.checkable && IsChecked(control);
        view.enabled = IsWindowEnabled(control) != FALSE;
        view.visible = IsWindowVisible(control) != FALSE;
        GetWindowRect(control, &view.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&view.rect), 2);
        controls.push_back(view);
    }
    return controls;
}

DialogView ReadDialog(HWND dialog) {
    DialogView view;
    if (dialog == nullptr || !IsWindow(dialog))
        return view;
    view.window = true;
    view.visible = IsWindowVisible(dialog) != FALSE;
    view.rows = ReadRows(GetDlgItem(dialog, IDC_LIST_LENGTH));
    const HWND position = GetDlgItem(dialog, IDC_CMB_MARUME1);
    const HWND method = GetDlgItem(dialog, IDC_CMB_MARUME2);
    view.position = ComboSelection(position);
    view.method = ComboSelection(method);
    view.positionText = ComboItem(position, view.position);
    view.methodText = ComboItem(method, view.method);
    view.unit1 = RadioGroup(dialog, IDC_UNIT_RADIO1, IDC_UNIT_RADIO2);
    view.unit2 = RadioGroup(dialog, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5);
    view.drawList = IsChecked(GetDlgItem(dialog, IDC_CHK_DRAW_LIST));
    view.drawTotal = IsChecked(GetDlgItem(dialog, IDC_CHK_DRAW_TOTAL));
    view.closeAfter = IsChecked(GetDlgItem(dialog, IDC_CHK_CLOSE));
    view.drawEnabled = Enabled(dialog, IDC_BUTTON_DRAW);
    view.closeEnabled = Enabled(dialog, IDC_CHK_CLOSE);
    for (int i = 0; i < 4; ++i)
        view.radiosEnabled[i] = Enabled(dialog, kUnitRadios[i]);
    view.total = WindowText(GetDlgItem(dialog, IDC_EDIT_TOTAL));
    const HWND label = GetDlgItem(dialog, IDC_STATIC_UNIT);
    view.unitLabel = WindowText(label);
    view.unitLabelVisible = (GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE) != 0;
    return view;
}

} // namespace measure_test
