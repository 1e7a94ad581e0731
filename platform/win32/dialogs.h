// What the dialog creator and the dialog manager share.
#pragma once

#include "core/window_tree.h"

namespace standin {

// The dialog data of a dialog window, made on first use (so a "#32770" window created directly works).
DialogData* DialogOf(HWND dialog);
// Gives a control the focus as the dialog manager does: an edit control gets its text selected.
void DialogSetFocus(HWND control);

} // namespace standin
