#include "ModalAnswers.h"

#include <algorithm>

namespace measure_test {

int ModalAnswers::messageBox(HWND, const std::wstring&, const std::wstring&, UINT) {
    ++m_nBoxes;
    return m_nBoxAnswer;
}

UINT ModalAnswers::popupMenu(HWND, POINT, const std::vector<standin::MenuEntry>& entries) {
    ++m_nMenus;
    std::vector<UINT> pickable;
    for (const standin::MenuEntry& entry : entries)
        if (!entry.separator && !entry.grayed)
            pickable.push_back(entry.command);
    if (m_nMenuCommand != 0)
        return std::find(pickable.begin(), pickable.end(), m_nMenuCommand) != pickable.end() ? m_nMenuCommand
                                                                                             : 0;
    if (m_nMenuPick < 0 || pickable.empty())
        return 0;
    return pickable[static_cast<size_t>(m_nMenuPick) % pickable.size()];
}

} // namespace measure_test
