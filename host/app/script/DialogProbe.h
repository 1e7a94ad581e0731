// What the host (or a tester watching it) can read of the dialog from outside, through window
// messages only: its window, its controls, the list's rows, the whole state as one dump event.
//
// Not done here: anything that needs the component's class (the host sees only its interface).
#pragma once

#include "script/JsonWriter.h"

#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <windows.h>

#include <string>
#include <vector>

namespace host::script {

// The dialog's top-level window (shown or hidden), null when it has none.
HWND FindDialogWindow();
// The window of this dialog object: null without an object or when the object has no window.
HWND DialogWindowOf(brio::ui::measure::IMeasureTotalDlg* dialog);

struct ListRow {
    std::wstring no, scale, element, sign, value, raw;
    LPARAM area = 0;
    bool selected = false;
    bool focused = false;
};
std::vector<ListRow> ReadRows(HWND list);
std::wstring WindowText(HWND hwnd);

// The dump event: "none" without a dialog object, "closed" when the object has no window, else the
// window with its rows, total, unit label, every control and both combo selections.
void WriteDump(JsonWriter& json, brio::ui::measure::IMeasureTotalDlg* dialog);

} // namespace host::script
