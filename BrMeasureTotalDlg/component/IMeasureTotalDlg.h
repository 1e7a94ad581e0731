// What the host sees of the running-total dialog: the measurement record it hands in, the interface
// through which it holds the dialog, the entry it calls for every measurement, and the message its
// main window receives when the user asks for the summary to be drawn.
#pragma once

#include <afxwin.h>

#if defined(_WIN32) && defined(BRMEASURETOTALDLG_BUILDING)
#define BRMEASURETOTALDLG_API __declspec(dllexport)
#elif defined(_WIN32)
#define BRMEASURETOTALDLG_API __declspec(dllimport)
#else
#define BRMEASURETOTALDLG_API __attribute__((visibility("default")))
#endif

// Sent (synchronously) to the host's main window by "作図"; wParam and lParam are 0. While
// handling it the host reads the text to draw with IMeasureTotalDlg::GetString.
#define ID_TOTAL_EVENT 0x5014

namespace brio::ui::measure {

// One finished measurement. The host is built against this declaration: keep the order and widths.
struct TMSRDATA {
    BOOL bMinus = FALSE; // non-zero: subtracted from the total
    double dValue = 0.0; // mm for a length, mm2 for an area
    CString strElement;  // column "要素種別", shown as it is
    CString strScale;    // column "スケール", shown as it is
    short sAreaFlag = 0; // 0: length; anything else: area
};

class BRMEASURETOTALDLG_API IMeasureTotalDlg {
public:
    virtual ~IMeasureTotalDlg() {}
    // The summary text to draw; valid until the next GetString or until the dialog is deleted.
    virtual const wchar_t* GetString() = 0;
    // Appends one measurement as a new row of the list.
    virtual void SetListData(const TMSRDATA* pData) = 0;
    // True while the dialog object holds a window handle (a hidden window counts).
    virtual bool isHWnd() const = 0;
};

// Called once per measurement. `dlg` is null on the first call and receives the dialog, which the
// host deletes through it when it is done; `mainFrame` receives ID_TOTAL_EVENT. False only when
// `dlg` is not one of ours or no dialog could be made.
BRMEASURETOTALDLG_API bool doMeasureTotalDlg(IMeasureTotalDlg*& dlg, CWnd* mainFrame, const TMSRDATA& data);

} // namespace brio::ui::measure
