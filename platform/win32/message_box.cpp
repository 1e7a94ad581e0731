// MessageBoxW as a modal box that is recorded. While the box is up its owner's top-level window is
// disabled (input cannot reach it), as Windows does; the answer is a queued one, else the interactive
// provider's (a person at a live display), else the default button's. Every box is recorded with its
// owner, text, caption, flags and answer, and shown to the observer.
//
// Does NOT: draw the box headless, support MB_HELP / MB_CANCELTRYCONTINUE buttons, timeouts, or
// MB_SYSTEMMODAL's effect on other applications. An answer that is not one of the box's buttons is
// not possible for a person either: the default button answers instead and the record says so.
#include "win32/internal.h"
#include "core/records.h"
#include "core/ui_thread.h"

#include <algorithm>

namespace standin {
namespace {

// Disables the owner's top-level window for the life of the box, even when an answer throws.
class OwnerDisabled {
public:
    // The box takes the activation from the owner's window: a dialog keeps its focus control then.
    explicit OwnerDisabled(HWND owner) : m_top(owner ? RootOf(owner) : nullptr) {
        if (m_top && m_top != DesktopWindow() && IsWindowEnabled(m_top)) {
            m_wasActive = GetActiveWindow() == m_top;
            if (m_wasActive)
                SendMessageW(m_top, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
            m_wasEnabled = IsWindow(m_top) && !EnableWindow(m_top, FALSE);
        }
    }
    // The owner comes back enabled and is activated again, as Windows does after the box: a dialog
    // gives the focus back to its control, a plain window takes the focus itself.
    ~OwnerDisabled() {
        if (!m_wasEnabled || !IsWindow(m_top))
            return;
        EnableWindow(m_top, TRUE);
        if (m_wasActive && GetActiveWindow() == m_top)
            SendMessageW(m_top, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    HWND m_top = nullptr;
    bool m_wasActive = false;
    bool m_wasEnabled = false;
};

} // namespace
} // namespace standin

using namespace standin;

extern "C" int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (!OnUiThread()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    if (owner && !LookupWindowOrFail(owner))
        return 0;
    MessageBoxRecord record;
    record.owner = owner;
    record.text = text ? text : L"";
    record.caption = caption ? caption : L"エラー"; // Windows' default caption on a Japanese system
    record.flags = type;
    std::vector<int> buttons = MessageBoxButtons(type);
    {
        OwnerDisabled modal(owner);
        std::optional<int> answer = TakeQueuedMessageBoxAnswer();
        if (!answer)
            if (InteractiveModal* provider = InteractiveProvider())
                answer = provider->messageBox(owner, record.text, record.caption, type);
        if (answer && std::find(buttons.begin(), buttons.end(), *answer) != buttons.end()) {
            record.answer = *answer;
        } else {
            record.answer = MessageBoxDefaultButton(type);
            record.defaulted = true;
        }
    }
    RecordMessageBox(record);
    return record.answer;
}
