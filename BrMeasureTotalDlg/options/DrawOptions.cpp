// The two draw check boxes and the draw request. "作図" and "作図後閉じる" can be used exactly while
// at least one of the two check boxes is ticked. The request itself carries no data: the host
// reads the summary back through GetString while it handles ID_TOTAL_EVENT.
#include "MeasureTotalDlg.h"

#include "../component/ControlCheck.h"
#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

namespace brio::ui::measure {
namespace {

void EnableDrawCommands(CWnd& dialog, BOOL enable) {
    for (int id : {IDC_BUTTON_DRAW, IDC_CHK_CLOSE})
        if (CWnd* control = LiveControl(dialog, id))
            control->EnableWindow(enable);
}

} // namespace

void MeasureTotalDlg::OnChkDrawList() {
    GuardedOperation(L"MeasureTotalDlg: OnChkDrawList() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnChkDrawList()");
        UpdateData(TRUE);
        EnableDrawCommands(*this, (m_bDrawList || m_bDrawTotal) ? TRUE : FALSE);
    });
}

void MeasureTotalDlg::OnChkDrawTotal() {
    GuardedOperation(L"MeasureTotalDlg: OnChkDrawTotal() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnChkDrawTotal()");
        UpdateData(TRUE);
        EnableDrawCommands(*this, (m_bDrawList || m_bDrawTotal) ? TRUE : FALSE);
    });
}

void MeasureTotalDlg::OnButtonDraw() {
    GuardedOperation(L"MeasureTotalDlg: OnButtonDraw() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnButtonDraw()  this=%x", TraceAddress(this));
        // "作図後閉じる" has no handler: its state reaches m_bClose here.
        UpdateData(TRUE);
        UpdateString();

        if (m_bClose) {
            FunctionTrace hideTrace;
            hideTrace.write(L"MeasureTotalDlg: OnButtonDraw(): Hide Dialog");
            // The host draws with the dialog out of the way.
            ShowWindow(SW_HIDE);
        }
        if (m_pMainFrame != NULL) {
            // Open until the host has handled the request.
            FunctionTrace sendTrace;
            sendTrace.write(L"MeasureTotalDlg: OnButtonDraw(): send ID_TOTAL_EVENT");
            const HWND mainWindow = m_pMainFrame->GetSafeHwnd();
            if (!::IsWindow(mainWindow))
                WriteErrorLine(L"m_pParentWnd->GetSafeHwnd() is invalid!!");
            // To a dead window the send fails without effect.
            ::SendMessageW(mainWindow, ID_TOTAL_EVENT, 0, 0);
        }
        if (m_bClose)
            DestroyWindow();
    });
}

} // namespace brio::ui::measure
