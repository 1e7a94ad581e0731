#include "script/DialogProbe.h"

#include <commctrl.h>

namespace host::script {

namespace {

using measure_test::WindowText;

constexpr wchar_t kDialogTitle[] = L"累計ダイアログ";

void WriteRect(JsonWriter& json, const RECT& r) {
    json.beginArray().value(static_cast<long long>(r.left)).value(static_cast<long long>(r.top));
    json.value(static_cast<long long>(r.right)).value(static_cast<long long>(r.bottom)).endArray();
}

} // namespace

// The first top-level window: the desktop's first child, as on Windows.
HWND FirstTopLevelWindow() {
    return GetWindow(GetDesktopWindow(), GW_CHILD);
}

namespace {

// Whether the window is this program's: on Windows the desktop holds every program's windows
// (another host's dialog may be there too); the stand-in's desktop holds this program's alone.
bool IsOwnWindow(HWND hwnd) {
#ifdef _WIN32
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return process == GetCurrentProcessId();
#else
    return hwnd != nullptr;
#endif
}

} // namespace

HWND FindDialogWindow() {
    for (HWND hwnd = FirstTopLevelWindow(); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (IsOwnWindow(hwnd) && WindowText(hwnd) == kDialogTitle && GetDlgItem(hwnd, IDC_LIST_LENGTH)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND DialogWindowOf(brio::ui::measure::IMeasureTotalDlg* dialog) {
    return dialog && dialog->isHWnd() ? FindDialogWindow() : nullptr;
}

void WriteDump(JsonWriter& json, brio::ui::measure::IMeasureTotalDlg* dialog) {
    using namespace measure_test;
    json.beginObject().field("event", "dump");
    const HWND hwnd = DialogWindowOf(dialog);
    if (!hwnd) {
        json.field("window", dialog ? "closed" : "none");
        json.endObject();
        return;
    }
    json.field("window", "open").field("visible", IsWindowVisible(hwnd) != FALSE);
    json.key("rows").beginArray();
    for (const RowView& row : ReadRows(GetDlgItem(hwnd, IDC_LIST_LENGTH))) {
        json.beginObject().field("no", row.cells[kColumnNumber]).field("scale", row.cells[kColumnScale]);
        json.field("element", row.cells[kColumnElement]).field("sign", row.cells[kColumnSign]);
        json.field("value", row.cells[kColumnValue]).field("raw", row.cells[kColumnRawValue]);
        json.field("area", static_cast<long long>(row.data)).field("selected", row.selected);
        json.field("focused", row.focused).endObject();
    }
    json.endArray();
    json.field("total", WindowText(GetDlgItem(hwnd, IDC_EDIT_TOTAL)));
    const HWND label = GetDlgItem(hwnd, IDC_STATIC_UNIT);
    json.key("label").beginObject().field("text", WindowText(label));
    json.field("visible", IsWindowVisible(label) != FALSE).endObject();

    json.key("controls").beginObject();
    for (const ControlView& control : ReadControls(hwnd)) {
        json.key(std::to_string(control.id)).beginObject().key("checked");
        if (control.checkable) {
            json.value(control.checked);
        } else {
            json.null();
        }
        json.field("enabled", control.enabled);
        json.field("visible", control.visible);
        json.key("rect");
        WriteRect(json, control.rect);
        json.endObject();
    }
    json.endObject();

    json.key("combos").beginObject();
    for (int id : {IDC_CMB_MARUME1, IDC_CMB_MARUME2}) {
        json.field(std::to_string(id), static_cast<long long>(ComboSelection(GetDlgItem(hwnd, id))));
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
    // The dialog's base units, as MapDialogRect gives them for 4 x 8 dialog units: a reader turns the
    // rectangles above back into dialog units with them.
    RECT units{0, 0, 4, 8};
    MapDialogRect(hwnd, &units);
    json.key("base_units").beginArray().value(static_cast<long long>(units.right));
    json.value(static_cast<long long>(units.bottom)).endArray();
    json.endObject();
}

} // namespace host::script
