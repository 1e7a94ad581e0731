#include "host/HostMainWindow.h"

#include <IMeasureTotalDlg.h>

namespace host {

BOOL HostMainWindow::CreateHidden() {
    return CreateEx(0, AfxRegisterWndClass(0), L"measure-host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                    nullptr);
}

LRESULT HostMainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog's "作図": it has just rebuilt its summary text and waits in SendMessage for us to draw.
    if (message == ID_TOTAL_EVENT) {
        if (m_onDrawRequest) {
            m_onDrawRequest();
        }
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

} // namespace host
