// The built-in control classes, registered once when the window manager first looks a class up, and
// the comctl32 entry points that ask for them explicitly.
#include "win32/controls_registry.h"

#include "button.h"
#include "combobox.h"
#include "edit.h"
#include "listview.h"
#include "static_text.h"
#include "tooltip.h"

#include <windows.h>
#include <commctrl.h>

namespace standin {

void RegisterBuiltinControlClasses() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    controls::RegisterButtonClass();
    controls::RegisterStaticClass();
    controls::RegisterEditClass();
    controls::RegisterComboBoxClasses();
    controls::RegisterListViewClasses();
    controls::RegisterTooltipClass();
}

} // namespace standin

extern "C" {

WINCOMMCTRLAPI void WINAPI InitCommonControls(void) {
    standin::RegisterBuiltinControlClasses();
}

WINCOMMCTRLAPI BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* icc) {
    if (!icc || icc->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    standin::RegisterBuiltinControlClasses();
    return TRUE;
}
}
