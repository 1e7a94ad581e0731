// The list as tab-separated text on the clipboard: one line per picked row, the cells as the list
// shows them and the unit label's text, each line ended by "\r\n". The total is not copied.
#include "MeasureTotalDlg.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../measure/RowText.h"
#include "../trace/GuardedOperation.h"

#include <brio/CrtUtil.h>
#include <brio/ui/ClipBoardCopy.h>

#include <commctrl.h>

namespace brio::ui::measure {

void MeasureTotalDlg::OnListCopy() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnListCopy()");
    ListToClipBoard(LVNI_SELECTED);
}

void MeasureTotalDlg::OnListCopyAll() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnListCopyAll()");
    ListToClipBoard(LVNI_ALL);
}

void MeasureTotalDlg::ListToClipBoard(int nFlags) {
    GuardedOperation(L"MeasureTotalDlg: ListToClipBoard() 例外", [&] {
        CString text;
        wchar_t separator[16] = {};
        brio::CrtUtil::GuardedWcsCpy(separator, _countof(separator), L"\t");

        // The label's text, shown or not: it is the unit of every line.
        CString unit;
        if (CWnd* unitLabel = GetDlgItem(IDC_STATIC_UNIT))
            unitLabel->GetWindowText(unit);

        const CString separatorText(separator);
        const CString lineEnd(L"\r\n");
        const LPARAM flags = MAKELPARAM(static_cast<WORD>(nFlags & 0xFFFF), 0);
        for (int row =
                 static_cast<int>(m_listLength.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flags));
             row != -1; row = static_cast<int>(
                            m_listLength.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(row), flags))) {
            AppendRowLine(text, m_listLength, row, separatorText, unit, lineEnd);
        }
        // Nothing picked: the clipboard keeps what it had.
        if (text.IsEmpty())
            return;

        switch (ClipBoardCopy(text)) {
        case 1:
        case 2:
        case 4:
            AfxMessageBox(L"クリップボードへのコピーに失敗しました。", MB_OK, 0);
            break;
        case 3:
            AfxMessageBox(L"クリップボードを開けませんでした。", MB_OK, 0);
            break;
        default:
            break;
        }
    });
}

} // namespace brio::ui::measure
