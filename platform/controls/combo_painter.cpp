#include "combo_painter.h"

#include "paint_kit.h"

#include <algorithm>

namespace controls {

void PaintComboFace(HDC dc, const RECT& client, const ComboFaceLook& look) {
    RECT inside = client;
    DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT);
    InflateRect(&inside, -2, -2);
    FillRect(dc, &inside, look.background);
    const int arrowWidth = std::min<int>(look.arrowWidth, inside.right - inside.left);
    RECT button{inside.right - arrowWidth, inside.top, inside.right, inside.bottom};
    PaintButtonBox(dc, button, look.dropped);
    RECT arrow = button;
    if (look.dropped) {
        OffsetRect(&arrow, 1, 1);
    }
    PaintArrow(dc, arrow, Arrow::Down, look.enabled);
    RECT field{inside.left + 1, inside.top + 1, button.left - 1, inside.bottom - 1};
    if (field.right <= field.left) {
        return;
    }
    const bool highlighted = look.enabled && !look.dropped && look.focused;
    if (highlighted) {
        FillSysColour(dc, field, COLOR_HIGHLIGHT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkMode(dc, TRANSPARENT);
    } else if (!look.enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    if (look.text) {
        RECT label = field;
        label.left += 2;
        DrawTextW(dc, look.text->c_str(), static_cast<int>(look.text->size()), &label,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (highlighted) {
        DrawFocusRect(dc, &field);
    }
}

void PaintComboItems(HDC dc, const RECT& area, const std::vector<ComboItem>& items, int first, int last,
                     int itemHeight, int hot) {
    const COLORREF text = GetTextColor(dc);
    for (int item = first; item < last; ++item) {
        const int top = area.top + (item - first) * itemHeight;
        RECT rect{area.left, top, area.right, top + itemHeight};
        const bool isHot = item == hot;
        if (isHot) {
            FillSysColour(dc, rect, COLOR_HIGHLIGHT);
        }
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, isHot ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        const std::wstring& label = items[static_cast<size_t>(item)].text;
        rect.left += 2;
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &rect,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

} // namespace controls
