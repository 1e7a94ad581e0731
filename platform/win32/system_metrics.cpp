// GetSystemMetrics and the system colours: the fixed numbers of metrics.h and the classic Windows
// colour scheme (grey 3-D faces, navy active caption fading to light blue).
//
// Does NOT: send WM_SYSCOLORCHANGE on SetSysColors (windows pick the new colours up when they next
// paint), or report multiple monitors.
#include "core/metrics.h"
#include "core/ui_thread.h"

#include <array>

namespace standin {
namespace {

constexpr int kColorCount = 31;

std::array<COLORREF, kColorCount> ClassicColors() {
    std::array<COLORREF, kColorCount> c{};
    c[COLOR_SCROLLBAR] = RGB(212, 208, 200);
    c[COLOR_BACKGROUND] = RGB(58, 110, 165);
    c[COLOR_ACTIVECAPTION] = RGB(10, 36, 106);
    c[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
    c[COLOR_MENU] = RGB(212, 208, 200);
    c[COLOR_WINDOW] = RGB(255, 255, 255);
    c[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
    c[COLOR_MENUTEXT] = RGB(0, 0, 0);
    c[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    c[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
    c[COLOR_ACTIVEBORDER] = RGB(212, 208, 200);
    c[COLOR_INACTIVEBORDER] = RGB(212, 208, 200);
    c[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
    c[COLOR_HIGHLIGHT] = RGB(10, 36, 106);
    c[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    c[COLOR_BTNFACE] = RGB(212, 208, 200);
    c[COLOR_BTNSHADOW] = RGB(128, 128, 128);
    c[COLOR_GRAYTEXT] = RGB(128, 128, 128);
    c[COLOR_BTNTEXT] = RGB(0, 0, 0);
    c[COLOR_INACTIVECAPTIONTEXT] = RGB(212, 208, 200);
    c[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    c[COLOR_3DDKSHADOW] = RGB(64, 64, 64);
    c[COLOR_3DLIGHT] = RGB(212, 208, 200);
    c[COLOR_INFOTEXT] = RGB(0, 0, 0);
    c[COLOR_INFOBK] = RGB(255, 255, 225);
    c[25] = RGB(181, 181, 181); // COLOR_ALTERNATEBTNFACE
    c[COLOR_HOTLIGHT] = RGB(0, 0, 128);
    c[COLOR_GRADIENTACTIVECAPTION] = RGB(166, 202, 240);
    c[COLOR_GRADIENTINACTIVECAPTION] = RGB(192, 192, 192);
    c[29] = RGB(10, 36, 106);   // COLOR_MENUHILIGHT
    c[30] = RGB(212, 208, 200); // COLOR_MENUBAR
    return c;
}

std::array<COLORREF, kColorCount>& Colors() {
    static std::array<COLORREF, kColorCount> colors = ClassicColors();
    return colors;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

int WINAPI GetSystemMetrics(int index) {
    using namespace standin::metrics;
    switch (index) {
    case SM_CXSCREEN:
        return metrics::kScreenWidth;
    case SM_CYSCREEN:
        return metrics::kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return kScrollBar;
    case SM_CYCAPTION:
        return kCaption;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return kDialogFrame;
    case SM_CXICON:
    case SM_CYICON:
        return kIcon;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return kMinTrackWidth;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return kMinTrackHeight;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return kCaptionBar;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return kSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kClientEdge;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return kSmallIcon;
    case SM_CXMAXTRACK:
        return kMaxTrackWidth;
    case SM_CYMAXTRACK:
        return kMaxTrackHeight;
    case SM_CXVIRTUALSCREEN:
        return metrics::kScreenWidth;
    case SM_CYVIRTUALSCREEN:
        return metrics::kScreenHeight;
    case SM_CMONITORS:
        return 1;
    default:
        return 0;
    }
}

DWORD WINAPI GetSysColor(int index) {
    if (index < 0 || index >= kColorCount)
        return 0;
    return Colors()[static_cast<size_t>(index)];
}

BOOL WINAPI SetSysColors(int count, const int* elements, const COLORREF* colors) {
    if (count < 0 || (count > 0 && (!elements || !colors)) || !OnUiThread())
        return FALSE;
    for (int i = 0; i < count; ++i)
        if (elements[i] >= 0 && elements[i] < kColorCount)
            Colors()[static_cast<size_t>(elements[i])] = colors[i] & 0x00FFFFFF;
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) {
    SIZE units = metrics::DialogBaseUnits(0);
    return MAKELONG(units.cx, units.cy);
}
}
