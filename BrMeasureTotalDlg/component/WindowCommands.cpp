// What the user does to the window as a whole: closing it (×, the system menu, Esc, a close
// message from outside), the title bar's help button, and the mouse messages the tooltips need.
// Every way of closing ends in DestroyWindow, which saves the settings; the object stays with the
// host.
#include "MeasureTotalDlg.h"

#include "../trace/GuardedOperation.h"

#include <brio/core/Application.h>

#include <commctrl.h>

namespace brio::ui::measure {

void MeasureTotalDlg::OnClose() {
    GuardedOperation(L"MeasureTotalDlg: OnClose() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnClose()  this=%x", TraceAddress(this));
        Default();
        DestroyWindow();
    });
}

// The one command that ends normally after a failure: the user is told, and the window goes
// all the same.
void MeasureTotalDlg::OnCancel() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnCancel()  this=%x", TraceAddress(this));
    try {
        FunctionTrace baseTrace;
        baseTrace.write(L"call CDialog::OnCancel()");
        CDialog::OnCancel();
    } catch (CException* e) {
        const wchar_t* text = L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()でCException例外が発生した";
        WriteDirectLine(FunctionTrace::kFunctionLevel, text);
        e->Delete();
        AfxMessageBox(text, MB_OK, 0);
    } catch (...) {
        const wchar_t* text = L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()で例外が発生した";
        WriteDirectLine(FunctionTrace::kFunctionLevel, text);
        AfxMessageBox(text, MB_OK, 0);
    }
    DestroyWindow();
}

// nID is compared whole: a command that differs from SC_CLOSE in its low four bits is not ours.
void MeasureTotalDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    GuardedOperation(L"MeasureTotalDlg: OnSysCommand() 例外", [&] {
        if (nID == SC_CLOSE) {
            FunctionTrace trace;
            trace.write(L"MeasureTotalDlg: OnSysCommand(%u, %u): タイトルバーの×ボタン", nID,
                        static_cast<unsigned>(lParam));
            OnCancel();
        } else if (nID == SC_CONTEXTHELP) {
            // Help opens at once; the pointer does not enter the help mode.
            brio::core::Application::getInstance().OpenHtmlHelp(L"DLG_HLP_MEASURE_TOTAL");
        } else {
            Default();
        }
    });
}

BOOL MeasureTotalDlg::PreTranslateMessage(MSG* pMsg) {
    return GuardedOperation(L"MeasureTotalDlg: PreTranslateMessage() 例外", [&] {
        if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP)
            ::SendMessageW(m_toolTip.GetSafeHwnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
        // No key is taken here: Esc reaches OnCancel through the dialog manager.
        return CDialog::PreTranslateMessage(pMsg);
    });
}

} // namespace brio::ui::measure
