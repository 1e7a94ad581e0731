// The person at the modal loops: answers every message box and popup menu the dialog brings up, as
// told, and counts them.
//
// What it does NOT do: no reading of what the boxes say (the stand-in records that), no queue of
// answers for one box after another.
#pragma once

#include <standin/hooks.h>

#include <string>
#include <vector>

namespace measure_test {

struct ModalAnswers : public standin::InteractiveModal {
    int m_nBoxAnswer = IDOK; // a button; one the box does not have makes its default answer
    int m_nMenuPick = -1;    // the n-th entry that can be picked (wrapping), -1 dismisses
    UINT m_nMenuCommand = 0; // else this command, when it can be picked
    int m_nBoxes = 0;
    int m_nMenus = 0;
    int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override;
    UINT popupMenu(HWND owner, POINT at, const std::vector<standin::MenuEntry>& entries) override;
};

} // namespace measure_test
