// The smallest host of the running-total dialog: it hands the dialog three measurements, reads the
// rows and the total back from the dialog's controls (named in <MeasureTotalDlgIds.h>) and writes a
// picture of the dialog.
//
//   minimal-host [PICTURE.png]      default: dialog.png
//
// Exit status 0 when the dialog shows the expected total, 1 otherwise. Settings and log go where the
// host libraries' configuration says (BRIO_SETTINGS, BRIO_LOG).
#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <afxwin.h>
#include <commctrl.h>
#include <display.h>

#include <cstdio>
#include <string>

namespace {

using brio::ui::measure::IMeasureTotalDlg;
using brio::ui::measure::kColumnValue;
using brio::ui::measure::TMSRDATA;

// Every MFC program has its application object: it gives message boxes their caption and holds the
// main window, which owns the dialog.
CWinApp theApp(L"minimal-host");

// The host's main window. It owns the dialog, and the dialog sends it ID_TOTAL_EVENT when the user
// asks for the summary to be drawn: the text to draw is read with GetString while the dialog waits.
// This host has no drawing; it prints the text.
class MainWindow : public CWnd {
public:
    IMeasureTotalDlg* m_pDialog = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == ID_TOTAL_EVENT && m_pDialog) {
            std::printf("minimal-host: draw \"%ls\"\n", m_pDialog->GetString());
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TMSRDATA Length(double millimetres, const wchar_t* element, bool minus = false) {
    TMSRDATA data;
    data.dValue = millimetres;
    data.strElement = element;
    data.strScale = L"1/100";
    data.bMinus = minus ? TRUE : FALSE;
    return data;
}

// The dialog's top-level window, found as any Windows program finds another program's window.
HWND DialogWindow() {
    for (HWND hwnd = GetWindow(GetDesktopWindow(), GW_CHILD); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        wchar_t title[64] = {};
        GetWindowTextW(hwnd, title, 64);
        if (std::wstring(title) == L"累計ダイアログ")
            return hwnd;
    }
    return nullptr;
}

std::wstring ControlText(HWND dialog, int id) {
    wchar_t text[128] = {};
    GetDlgItemTextW(dialog, id, text, 128);
    return text;
}

std::wstring CellText(HWND list, int row, int column) {
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// Lets the dialog handle what it posted to itself, as the host's message loop would.
void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string picture = argc > 1 ? argv[1] : "dialog.png";

    MainWindow mainWindow;
    mainWindow.CreateEx(0, AfxRegisterWndClass(0), L"minimal-host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                        nullptr, nullptr);
    theApp.m_pMainWnd = &mainWindow;

    // The first call makes the dialog and hands it back; every later call passes it in again.
    const TMSRDATA measurements[] = {Length(1250.0, L"壁"), Length(800.5, L"建具"),
                                     Length(50.5, L"開口", true)};
    for (const TMSRDATA& data : measurements) {
        if (!brio::ui::measure::doMeasureTotalDlg(mainWindow.m_pDialog, &mainWindow, data)) {
            std::fputs("minimal-host: the dialog refused a measurement\n", stderr);
            return 1;
        }
        PumpMessages();
    }

    // The dialog's own window, read as the user sees it: each row's value and the rounded total.
    const HWND window = DialogWindow();
    if (!window) {
        std::fputs("minimal-host: the dialog has no window\n", stderr);
        return 1;
    }
    const HWND list = GetDlgItem(window, IDC_LIST_LENGTH);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        std::printf("minimal-host: row %d: %ls\n", row + 1, CellText(list, row, kColumnValue).c_str());
    const std::wstring total = ControlText(window, IDC_EDIT_TOTAL);
    std::printf("minimal-host: total %ls\n", total.c_str());
    const bool expected = rows == 3 && total == L"2000"; // 1250 + 800.5 - 50.5 mm, rounded to integers

    const bool written = display::WriteWindowPng(window, picture);
    std::printf("minimal-host: %s %s\n", written ? "wrote" : "could not write", picture.c_str());

    delete mainWindow.m_pDialog; // the host owns the dialog
    mainWindow.m_pDialog = nullptr;
    theApp.m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    return expected && written ? 0 : 1;
}
