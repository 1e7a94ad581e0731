// The list's context menu: built anew for every right-click, shown at the pointer, destroyed when
// it closes. The chosen entry reaches the dialog as WM_COMMAND and runs through the message map.
#include "MeasureTotalDlg.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

#include <commctrl.h>

namespace brio::ui::measure {

void MeasureTotalDlg::OnRclickLengthList(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
    GuardedOperation(L"MeasureTotalDlg: OnRclickLengthList() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnRclickLengthList()");

        // The CMenu destroys the menu on every way out, an exception included.
        CMenu menu;
        menu.Attach(::CreatePopupMenu());
        menu.AppendMenu(MF_STRING, ID_LIST_PLUS, L"＋");
        menu.AppendMenu(MF_STRING, ID_LIST_MINUS, L"－");
        menu.AppendMenu(MF_SEPARATOR, 0, static_cast<LPCWSTR>(NULL));
        // Selecting all means nothing to a list that holds one selected row at most.
        if ((::GetWindowLongW(m_listLength.GetSafeHwnd(), GWL_STYLE) & LVS_SINGLESEL) == 0)
            menu.AppendMenu(MF_STRING, ID_LIST_ALL, L"すべて選択");
        menu.AppendMenu(MF_SEPARATOR, 0, static_cast<LPCWSTR>(NULL));
        menu.AppendMenu(MF_STRING, ID_LIST_DELETE, L"削除");
        menu.AppendMenu(MF_STRING, ID_LIST_DELETE_ALL, L"すべて削除");
        menu.AppendMenu(MF_SEPARATOR, 0, static_cast<LPCWSTR>(NULL));
        menu.AppendMenu(MF_STRING, ID_LIST_COPY, L"クリップボードにコピー");
        menu.AppendMenu(MF_STRING, ID_LIST_COPY_ALL, L"クリップボードにすべてコピー");

        if (m_listLength.SendMessage(LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_STATE;
            info.fState = MFS_GRAYED;
            ::SetMenuItemInfoW(menu.GetSafeHmenu(), ID_LIST_COPY, FALSE, &info);
        }

        POINT pointer{};
        ::GetCursorPos(&pointer);
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, pointer.x, pointer.y, this, NULL);
        menu.DestroyMenu();
        *pResult = 0;
    });
}

} // namespace brio::ui::measure
