#include "script/DialogProbe.h"

#include <commctrl.h>

#include <cwchar>

namespace host::script {

namespace {

constexpr wchar_t kDialogTitle[] = L"累計ダイアログ";

std::wstring CellText(HWND list, int row, int column) {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

bool IsCheckable(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    if (wcscasecmp(className, L"Button") != 0) {
        return false;
    }
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

void WriteRect(JsonWriter& json, const RECT& r) {
    json.beginArray().value(static_cast<long long>(r.left)).value(static_cast<long long>(r.top));
    json.value(static_cast<long long>(r.right)).value(static_cast<long long>(r.bottom)).endArray();
}

} // namespace

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

// The first top-level window: the desktop's first child, as on Windows.
HWND FirstTopLevelWindow() {
    return GetWindow(GetDesktopWindow(), GW_CHILD);
}

HWND FindDialogWindow() {
    for (HWND hwnd = FirstTopLevelWindow(); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (WindowText(hwnd) == kDialogTitle && GetDlgItem(hwnd, IDC_LIST_LENGTH)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND DialogWindowOf(brio::ui::measure::IMeasureTotalDlg* dialog) {
    return dialog && dialog->isHWnd() ? FindDialogWindow() : nullptr;
}

std::vector<ListRow> ReadRows(HWND list) {
    std::vector<ListRow> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ListRow row;
        row.no = CellText(list, i, 0);
        row.scale = CellText(list, i, 1);
        row.element = CellText(list, i, 2);
        row.sign = CellText(list, i, 3);
        row.value = CellText(list, i, 4);
        row.raw = CellText(list, i, 5);
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        row.area = item.lParam;
        const auto state = static_cast<UINT>(
            SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_FOCUSED));
        row.selected = (state & LVIS_SELECTED) != 0;
        row.focused = (state & LVIS_FOCUSED) != 0;
        rows.push_back(std::move(row));
    }
    return rows;
}

void WriteDump(JsonWriter& json, brio::ui::measure::IMeasureTotalDlg* dialog) {
    json.beginObject().field("event", "dump");
    const HWND hwnd = DialogWindowOf(dialog);
    if (!hwnd) {
        json.field("window", dialog ? "closed" : "none");
        json.endObject();
        return;
    }
    json.field("window", "open").field("visible", IsWindowVisible(hwnd) != FALSE);
    json.key("rows").beginArray();
    for (const ListRow& row : ReadRows(GetDlgItem(hwnd, IDC_LIST_LENGTH))) {
        json.beginObject().field("no", row.no).field("scale", row.scale).field("element", row.element);
        json.field("sign", row.sign).field("value", row.value).field("raw", row.raw);
        json.field("area", static_cast<long long>(row.area)).field("selected", row.selected);
        json.field("focused", row.focused).endObject();
    }
    json.endArray();
    json.field("total", WindowText(GetDlgItem(hwnd, IDC_EDIT_TOTAL)));
    const HWND label = GetDlgItem(hwnd, IDC_STATIC_UNIT);
    json.key("label").beginObject().field("text", WindowText(label));
    json.field("visible", IsWindowVisible(label) != FALSE).endObject();

    json.key("controls").beginObject();
    for (HWND control = GetWindow(hwnd, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        json.key(std::to_string(GetDlgCtrlID(control))).beginObject().key("checked");
        if (IsCheckable(control)) {
            json.value(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
        } else {
            json.null();
        }
        json.field("enabled", IsWindowEnabled(control) != FALSE);
        json.field("visible", IsWindowVisible(control) != FALSE);
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
        json.key("rect");
        WriteRect(json, rect);
        json.endObject();
    }
    json.endObject();

    json.key("combos").beginObject();
    for (int id : {IDC_CMB_MARUME1, IDC_CMB_MARUME2}) {
        json.field(std::to_string(id),
                   static_cast<long long>(SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0)));
    }
    json.endObject();
    RECT window{};
    GetWindowRect(hwnd, &window);
    json.key("window_rect");
    WriteRect(json, window);
    RECT client{};
    GetClientRect(hwnd, &client);
    json.key("client").beginArray().value(static_cast<long long>(client.right));
    json.value(static_cast<long long>(client.bottom)).endArray();
    json.endObject();
}

} // namespace host::script
