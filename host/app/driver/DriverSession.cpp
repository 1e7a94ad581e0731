#include "DriverSession.h"

namespace host::driver {

DriverSession::~DriverSession() {
    // The dialog may hold the dead frame: it goes first.
    deleteDialog();
    m_deadFrame.m_hWnd = nullptr; // its window is long gone; nothing to destroy or unmap
}

CWnd* DriverSession::mainFrame() {
    switch (m_frameChoice) {
    case MainFrameChoice::None:
        return nullptr;
    case MainFrameChoice::Dead:
        if (!m_deadFrame.GetSafeHwnd()) {
            HWND gone = CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        nullptr, nullptr);
            ::DestroyWindow(gone);
            // A frame object whose window has gone, as a host holds after its frame closed. It stays
            // out of MFC's handle map, so a later window that is given the same handle value is never
            // taken for it.
            m_deadFrame.m_hWnd = gone;
        }
        return &m_deadFrame;
    case MainFrameChoice::Live:
        break;
    }
    return MeasureSession::mainFrame();
}

} // namespace host::driver
