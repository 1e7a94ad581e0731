// The classic look of a drop-down-list combo box as pure functions of its state: the face (a sunken
// field with the selected item's text, and the arrow button) and the items of the open list. The
// caller has selected the font and asked the parent for the colours.
#pragma once

#include "combobox_state.h"

#include <windows.h>

#include <string>
#include <vector>

namespace controls {

struct ComboFaceLook {
    bool enabled = true;
    bool dropped = false;               // the list is open: the button shows pushed
    bool focused = false;               // has the focus
    const std::wstring* text = nullptr; // the selected item's, null without a selection
    HBRUSH background = nullptr;        // what the parent answered WM_CTLCOLOR* with
    int arrowWidth = 16;                // the button, as wide as a vertical scroll bar
};
void PaintComboFace(HDC dc, const RECT& client, const ComboFaceLook& look);

// The rows of the open list from `first` on, one `itemHeight` high each from the top of `area`, the
// `hot` one highlighted; the others in the DC's text colour.
void PaintComboItems(HDC dc, const RECT& area, const std::vector<ComboItem>& items, int first, int last,
                     int itemHeight, int hot);

} // namespace controls
