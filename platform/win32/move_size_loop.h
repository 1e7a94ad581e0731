// The frame's mouse loops, run by DefWindowProc.
#pragma once

#include <windows.h>

namespace standin {

// The limits the system fills into MINMAXINFO before asking the window with WM_GETMINMAXINFO.
MINMAXINFO DefaultMinMaxInfo();
// SC_SIZE + WMSZ_* edge, or SC_MOVE, starting with the pointer at `start` (screen).
void RunMoveSizeLoop(HWND hwnd, WPARAM command, POINT start);
// The mouse pressed a caption button (HTCLOSE or HTHELP): released over it, the button's system command
// (SC_CLOSE, SC_CONTEXTHELP) follows.
void TrackFrameButton(HWND hwnd, LRESULT hit, POINT start);

} // namespace standin
