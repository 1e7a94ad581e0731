// The resizable layout. Each control is shifted by the change of the client size since the last
// layout: the command buttons and the unit groups keep their distance to the right edge, the
// controls under the list keep theirs to the bottom edge, and the list grows both ways. No control
// rectangle is stored, so growing and shrinking back by the same amount restores every place.
#include "MeasureTotalDlg.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

namespace brio::ui::measure {
namespace {

enum class Follow { Right, Down, Grow };

struct LayoutRule {
    int id;
    Follow follow;
};

// In this order; IDC_CHK_DRAW_LIST beside the list's top left corner never moves, and "作図後閉じる" moves
// down only.
constexpr LayoutRule kLayout[] = {
    {IDC_BUTTON_DRAW, Follow::Right},       {IDC_BUTTON_DELETE, Follow::Right},
    {IDC_BUTTON_DELETE_ALL, Follow::Right}, {IDC_GROUP_LENGTH, Follow::Right},
    {IDC_UNIT_RADIO1, Follow::Right},       {IDC_UNIT_RADIO2, Follow::Right},
    {IDC_GROUP_AREA, Follow::Right},        {IDC_UNIT_RADIO4, Follow::Right},
    {IDC_UNIT_RADIO5, Follow::Right},       {IDC_STATIC_MARUME1, Follow::Down},
    {IDC_CMB_MARUME1, Follow::Down},        {IDC_STATIC_MARUME2, Follow::Down},
    {IDC_CMB_MARUME2, Follow::Down},        {IDC_LIST_LENGTH, Follow::Grow},
    {IDC_EDIT_TOTAL, Follow::Down},         {IDC_CHK_DRAW_TOTAL, Follow::Down},
    {IDC_STATIC_UNIT, Follow::Down},        {IDC_CHK_CLOSE, Follow::Down},
};

} // namespace

void MeasureTotalDlg::OnSize(UINT nType, int cx, int cy) {
    GuardedOperation(L"MeasureTotalDlg: OnSize() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnSize(%d, %d, %d)", nType, cx, cy);
        Default();

        // A size message before set-up has no previous size: nothing moves. The size type is not
        // looked at: every shift is undone by the opposite one, so even a 0 x 0 client (which this
        // frame, having no minimise box, never gets from the user) comes back to the same places.
        if (m_nPrevCx < 0)
            m_nPrevCx = cx;
        if (m_nPrevCy < 0)
            m_nPrevCy = cy;
        const int dx = cx - m_nPrevCx;
        const int dy = cy - m_nPrevCy;
        m_nPrevCx = cx;
        m_nPrevCy = cy;

        for (const LayoutRule& rule : kLayout) {
            // Controls not made yet (a size message during creation): the layout ends here.
            CWnd* control = GetDlgItem(rule.id);
            if (control == nullptr)
                return;
            RECT place{};
            control->GetWindowRect(&place);
            ScreenToClient(&place);
            const int width = place.right - place.left;
            const int height = place.bottom - place.top;
            switch (rule.follow) {
            case Follow::Right:
                control->MoveWindow(place.left + dx, place.top, width, height, TRUE);
                break;
            case Follow::Down:
                control->MoveWindow(place.left, place.top + dy, width, height, TRUE);
                break;
            case Follow::Grow:
                control->MoveWindow(place.left, place.top, width + dx, height + dy, TRUE);
                break;
            }
        }
        // The whole client area, so the size grip is drawn again at the new corner.
        const RECT client = {0, 0, cx, cy};
        InvalidateRect(&client, TRUE);
    });
}

// The template's size, captured at set-up, is the smallest size; before set-up nothing is imposed.
void MeasureTotalDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    if (lpMMI == NULL) {
        WriteErrorLine(L"MeasureTotalDlg: OnGetMinMaxInfo(): lpMMI == NULL!!");
        return;
    }
    if (m_nMinWidth >= 1 && m_nMinHeight >= 1) {
        lpMMI->ptMinTrackSize.x = m_nMinWidth;
        lpMMI->ptMinTrackSize.y = m_nMinHeight;
    }
}

} // namespace brio::ui::measure
