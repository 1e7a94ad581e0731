// What a person sees when the dialog asks the host for help: this host ships no help file, so a small
// window names the topic that was asked for. It is modeless, as a help viewer is: the dialog and the
// drawing go on working beside it. It closes with its button or its ×, goes with the window it was
// shown over, and a new request replaces it.
#pragma once

#include <windows.h>

#include <string>

namespace host {

class HelpNotice {
public:
    HelpNotice() = default;
    ~HelpNotice();
    HelpNotice(const HelpNotice&) = delete;
    HelpNotice& operator=(const HelpNotice&) = delete;

    // Shows the notice centred over `over` (the active window when null), owned by it.
    void show(const std::wstring& topic, HWND over = nullptr);
    HWND window() const { return IsWindow(m_window) ? m_window : nullptr; }

    static constexpr const wchar_t* kTitle = L"ヘルプ";

private:
    HWND m_window = nullptr;
};

} // namespace host
