#include "HostedDialog.h"

#include <automation.h>
#include <brio/core/Application.h>
#include <brio/server/BrLogServer.h>

#include <commctrl.h>

#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace bench {
namespace {

constexpr int kList = IDC_LIST_LENGTH;
constexpr wchar_t kMainWindowClass[] = L"BenchHostMainWindow";

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateMainWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kMainWindowClass, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, NULL, NULL,
                           GetModuleHandleW(NULL), NULL);
}

LRESULT SendText(HWND list, UINT message, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<LPWSTR>(text.c_str());
    return SendMessageW(list, message, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

HostedDialog::HostedDialog() {
    // Silent traces: the threshold above every level the dialog writes at.
    brio::server::BrLogServer::getInstance().setLogLevel(5);

    // A settings file of the run's own, so that the user's stored options play no part.
    char pattern[] = "/tmp/bench-measure-settings-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        throw std::runtime_error("no temporary settings file");
    close(fd);
    std::filesystem::remove(pattern);
    m_settingsFile = pattern;
    setenv("BRIO_SETTINGS", pattern, 1);
    brio::core::Application::getInstance().resetProfileStore();

    automation::SetPreTranslateHook([](MSG* msg) { return AfxPreTranslateMessage(msg) != FALSE; });
    m_hMainWindow = CreateMainWindow();
    m_mainFrame.Attach(m_hMainWindow);
}

HostedDialog::~HostedDialog() {
    delete m_pDlg;
    automation::Pump();
    m_mainFrame.Detach();
    if (IsWindow(m_hMainWindow))
        DestroyWindow(m_hMainWindow);
    automation::SetPreTranslateHook(nullptr);
    brio::core::Application::getInstance().setProfileStore(nullptr);
    std::error_code ignored;
    std::filesystem::remove(m_settingsFile, ignored);
    std::filesystem::remove(m_settingsFile.string() + "-journal", ignored);
}

void HostedDialog::Measure(const Measurement& measurement) {
    brio::ui::measure::TMSRDATA data;
    data.bMinus = measurement.minus ? TRUE : FALSE;
    data.dValue = measurement.value;
    data.strElement = measurement.element;
    data.strScale = measurement.scale;
    data.sAreaFlag = measurement.areaFlag;
    brio::ui::measure::doMeasureTotalDlg(m_pDlg, &m_mainFrame, data);
    automation::Pump();
}

void HostedDialog::FillTo(int rows, const RowMix& mix) {
    const HWND list = Control(kList);
    for (int row = Rows(); row < rows; ++row) {
        const Measurement& measurement = mix.at(row);
        SendText(list, LVM_INSERTITEMW, row, kColumnNumber, NumberText(row + 1));
        SendText(list, LVM_SETITEMTEXTW, row, kColumnScale, measurement.scale);
        SendText(list, LVM_SETITEMTEXTW, row, kColumnElement, measurement.element);
        SendText(list, LVM_SETITEMTEXTW, row, kColumnSign, SignText(measurement));
        SendText(list, LVM_SETITEMTEXTW, row, kColumnValue, L"");
        SendText(list, LVM_SETITEMTEXTW, row, kColumnRawValue, RawText(measurement.value));
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = measurement.areaFlag;
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void HostedDialog::DropLastRow() {
    SendMessageW(Control(kList), LVM_DELETEITEM, static_cast<WPARAM>(Rows() - 1), 0);
}

void HostedDialog::SelectEveryOtherRow() {
    const HWND list = Control(kList);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    LVITEMW select{};
    select.state = LVIS_SELECTED;
    select.stateMask = LVIS_SELECTED;
    for (int row = 1; row < Rows(); row += 2)
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
}

void HostedDialog::ChoosePosition(int index) {
    const HWND combo = Control(IDC_CMB_MARUME1);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(IDC_CMB_MARUME1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void HostedDialog::Click(int controlId) {
    automation::Click(Control(controlId));
}

void HostedDialog::Command(int commandId) {
    SendMessageW(GetParent(Control(kList)), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

const wchar_t* HostedDialog::HostReadsSummary() {
    return m_pDlg->GetString();
}

int HostedDialog::Rows() const {
    return static_cast<int>(SendMessageW(Control(kList), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring HostedDialog::Cell(int row, int column) const {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    SendMessageW(Control(kList), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::wstring HostedDialog::Text(int controlId) const {
    wchar_t buffer[512] = {};
    GetWindowTextW(Control(controlId), buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

HWND HostedDialog::Control(int controlId) const {
    auto* dialog = Dialog();
    return dialog != nullptr ? GetDlgItem(dialog->GetSafeHwnd(), controlId) : nullptr;
}

brio::ui::measure::MeasureTotalDlg* HostedDialog::Dialog() const {
    return dynamic_cast<brio::ui::measure::MeasureTotalDlg*>(m_pDlg);
}

} // namespace bench
