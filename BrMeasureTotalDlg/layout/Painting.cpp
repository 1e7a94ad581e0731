// The dialog's own painting, a size grip in the bottom right corner, and the background colours of
// the total box and the rounding combos. Everything else is the window system's default painting.
#include "MeasureTotalDlg.h"

#include "Colours.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../trace/FunctionTrace.h"
#include "../trace/GuardedOperation.h"

namespace brio::ui::measure {
namespace {

constexpr int kGripSize = 16;

void PaintLine(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FunctionTrace line(FunctionTrace::kFunctionLevel, true);
    line.writeV(format, args);
    va_end(args);
}

} // namespace

// Painting must never take the host down: every failure is logged, shown, and the paint ends.
void MeasureTotalDlg::OnPaint() {
    try {
        if (!::IsWindow(m_hWnd)) {
            PaintLine(L"MeasureTotalDlg: OnPaint(): ウィンドウハンドルが無効！");
            AfxMessageBox(L"MeasureTotalDlg: OnPaint(): ウィンドウハンドルが無効です！", 0, 0);
            return;
        }
        CPaintDC dc(this);
        RECT client{};
        GetClientRect(&client);
        if (client.right - client.left > kGripSize && client.bottom - client.top > kGripSize) {
            client.left = client.right - kGripSize;
            client.top = client.bottom - kGripSize;
            ::DrawFrameControl(dc.GetSafeHdc(), &client, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
            return;
        }
        PaintLine(L"MeasureTotalDlg: OnPaint(): client rect = {l%d t%d r%d b%d}", client.left, client.top,
                  client.right, client.bottom);
        AfxMessageBox(L"MeasureTotalDlg: OnPaint(): クライアントサイズが異常です！", 0, 0);
    } catch (CException* e) {
        wchar_t message[1024] = {};
        e->GetErrorMessage(message, _countof(message), NULL);
        PaintLine(L"MeasureTotalDlg: OnPaint(): CException例外が発生しました  %ls", message);
        e->Delete();
        AfxMessageBox(L"MeasureTotalDlg: OnPaint(): CException例外が発生しました！", 0, 0);
    } catch (...) {
        PaintLine(L"MeasureTotalDlg: OnPaint(): 例外が発生しました");
        AfxMessageBox(L"MeasureTotalDlg: OnPaint(): 例外が発生しました！", 0, 0);
    }
}

// The kind of colour message is not looked at: the control decides.
HBRUSH MeasureTotalDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    return GuardedOperation(L"MeasureTotalDlg: OnCtlColor() 例外", [&] {
        HBRUSH brush = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
        switch (pWnd->GetDlgCtrlID()) {
        case IDC_EDIT_TOTAL:
            pDC->SetBkColor(kTotalBackground);
            return m_hBrushTotal;
        case IDC_CMB_MARUME1:
        case IDC_CMB_MARUME2:
            // The text background follows the system colour as it is now; the brush keeps the
            // colour of set-up.
            pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
            return m_hBrushCombo;
        default:
            return brush;
        }
    });
}

} // namespace brio::ui::measure
