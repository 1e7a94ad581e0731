// What every component test stands on: the test host of tests/support (a main window that handles the
// draw request by reading GetString, a settings file of its own, the log recorded), the dialog reached
// only through the exported entry and the interface, the simulated user, and the reader, under the
// short names the tests use.
#pragma once

#include <DialogHost.h>
#include <DialogReader.h>
#include <StopMarks.h>
#include <LogRecorder.h>
#include <Utf8.h>

#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <comdef.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace brio::ui::measure::test {

using measure_test::LogEntry;
using measure_test::LogRecorder;
using measure_test::Measurement;
using measure_test::Transcript;
using measure_test::Utf8;

class DialogTest : public ::testing::Test {
protected:
    // The host's call for one measurement; the dialog object is kept in m_pDlg as the host keeps it.
    bool Measure(const TMSRDATA& data) { return m_host.measure(data); }
    bool Measure(double value, BOOL minus = FALSE, short areaFlag = 0);
    void DeleteDialog();

    HWND Dialog() const { return m_host.dialog(); } // null when there is none
    HWND Control(int id) const { return m_host.control(id); }
    std::wstring Text(int id) const { return measure_test::WindowText(Control(id)); }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
    bool Checked(int id) const { return measure_test::IsChecked(Control(id)); }
    int ComboSelection(int id) const { return measure_test::ComboSelection(Control(id)); }

    int Rows() const { return measure_test::RowCount(Control(IDC_LIST_LENGTH)); }
    std::wstring Cell(int row, int column) const;
    std::vector<std::wstring> Column(int column) const;
    std::vector<int> SelectedRows() const;
    int FocusedRow() const;
    // A trace text of the dialog object: `text`, two spaces and "this=" with its address in hex.
    std::wstring WithThis(const wchar_t* text) const;
    // The user Ctrl+clicks every selected row away.
    void DeselectAll();

    // The stored section as integers, read back through the host's settings store.
    std::map<std::wstring, long long> StoredSettings() const;
    void StoreSetting(const wchar_t* key, const _variant_t& value);

    // Pictures written by tests land here, in the build tree.
    static std::filesystem::path PictureDirectory();

    measure_test::DialogHost m_host;
    IMeasureTotalDlg*& m_pDlg = m_host.m_pDlg;
    LogRecorder& m_log = m_host.m_log;
    const HWND m_hMainWindow = m_host.mainWindow();
    CWnd& m_mainFrame = m_host.hostFrame(); // the host's main window as the component sees it
    // What the host saw while it handled ID_TOTAL_EVENT.
    std::vector<measure_test::DialogHost::DrawRequest>& m_drawRequests = m_host.m_drawRequests;
};

} // namespace brio::ui::measure::test
