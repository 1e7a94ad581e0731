// The dialog as the script driver finds it (its top-level window, by title) and dumps it: the state
// that the test support's reader reads through window messages, written as one JSON event.
//
// Not done here: the reading itself (tests/support's DialogReader), anything that needs the
// component's class (the host sees only its interface).
#pragma once

#include "script/JsonWriter.h"

#include <DialogReader.h>

#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <windows.h>

#include <string>

namespace host::script {

// The dialog's top-level window (shown or hidden), null when it has none.
HWND FindDialogWindow();
// The window of this dialog object: null without an object or when the object has no window.
HWND DialogWindowOf(brio::ui::measure::IMeasureTotalDlg* dialog);

// The dump event: "none" without a dialog object, "closed" when the object has no window, else the
// window with its rows, total, unit label, every control (rectangles in the dialog's client
// pixels), both combo selections, and the dialog's base units.
void WriteDump(JsonWriter& json, brio::ui::measure::IMeasureTotalDlg* dialog);

} // namespace host::script
