// The state of a drop-down-list combo box, shared by its face (combobox.cpp) and its drop-down list
// (combo_list.cpp), which is a popup window of its own, as on Windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace controls {

struct ComboItem {
    std::wstring text;
    LPARAM data = 0;
};

struct ComboState {
    HFONT m_font = nullptr;
    std::vector<ComboItem> m_items;
    int m_selected = -1;
    HWND m_list = nullptr; // the drop-down list, created with the combo box and hidden while closed
    bool m_dropped = false;
    int m_droppedHeight = 0;      // face and list together, as the creator gave the combo's height
    int m_listTop = 0;            // first item shown in the drop-down list
    int m_hot = -1;               // item under the pointer (or the keys) in the open list
    bool m_resizing = false;      // the combo is setting its own height
    bool m_listScrollBar = false; // WS_VSCROLL was given: it belongs to the drop-down list, not the face
};

int ComboCount(const ComboState& state);
int ComboItemHeight(const ComboState& state);
int ComboFaceHeight(const ComboState& state);
// Items the drop-down list shows at once: as many as fit in the height the creator gave, at least one.
int ComboVisibleItems(const ComboState& state);
void ComboScrollList(HWND combo, ComboState& state, int topIndex);

// ---- the items (combobox_items.cpp) ----------------------------------------------------------------
bool ComboValidItem(const ComboState& state, int item);
// Makes the selection `item` (-1 or an index outside the items: none) and repaints.
void ComboSelect(HWND combo, ComboState& state, int item);
// Scrolls the drop-down list so that `item` shows.
void ComboShowItemInList(HWND combo, ComboState& state, int item);
// The first item after `after` (wrapping round) whose text starts with `prefix`, case ignored; CB_ERR if
// none.
int ComboFindPrefix(const ComboState& state, int after, const std::wstring& prefix);
const std::wstring& ComboSelectedText(const ComboState& state); // "" without a selection
// Answers the CB_* messages about the items and the selection; false for any other message.
bool ComboItemMessage(HWND combo, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
// What the drop-down list reports: an item was picked with the mouse, or the list is closing.
void ComboPickItem(HWND combo, ComboState& state, int item);
void ComboCloseUp(HWND combo, ComboState& state, bool accepted);

void RegisterComboListClass();
HWND CreateComboList(HWND combo);

} // namespace controls
