// The host's main window: the window the dialog sends ID_TOTAL_EVENT to. It stays hidden (the
// drawing is the host's own picture, not a stand-in window); what it does on the request is hand it
// to whoever draws.
//
// Not done here: menus, toolbars, a visible frame, any other message of the host's own.
#pragma once

#include <afxwin.h>

#include <functional>

namespace host {

class HostMainWindow : public CWnd {
public:
    // `onDrawRequest` runs while the dialog waits in its SendMessage: read GetString there.
    explicit HostMainWindow(std::function<void()> onDrawRequest)
        : m_onDrawRequest(std::move(onDrawRequest)) {}

    // Makes the hidden top-level window; FALSE when the window system refused.
    BOOL CreateHidden();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> m_onDrawRequest;
};

} // namespace host
