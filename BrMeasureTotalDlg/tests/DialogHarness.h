// What every component test stands on: a host as the real one is (a main window that handles the
// draw request by reading GetString, a settings file of its own, a log it can read back), the
// dialog reached only through the exported entry and the interface, and the simulated user.
#pragma once

#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <brio/server/BrLogServer.h>

#include <comdef.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace brio::ui::measure::test {

struct LogEntry {
    int level = 0;
    wchar_t mark = L'-';
    std::wstring text;
};

// Every entry the log server accepted, in order.
class RecordingSink : public brio::server::LogSink {
public:
    void entry(int level, wchar_t mark, const std::wstring& text) override;
    void clear() { m_entries.clear(); }
    const std::vector<LogEntry>& entries() const { return m_entries; }
    // One line per entry ("3 > text"), so a mismatch shows as a readable diff.
    std::string transcript() const;
    // Entries whose text starts with `prefix`, as a transcript.
    std::string transcriptOf(const std::wstring& prefix) const;
    // Called before an entry is recorded (tests make the host's log fail at a chosen entry).
    std::function<void(const LogEntry&)> m_onEntry;

private:
    std::vector<LogEntry> m_entries;
};

std::string Transcript(const std::vector<LogEntry>& entries);
std::string Narrow(const std::wstring& text);

// A measurement as the host reports it.
TMSRDATA Measurement(double value, BOOL minus = FALSE, short areaFlag = 0, const wchar_t* scale = L"1/100",
                     const wchar_t* element = L"線分");

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host's call for one measurement; the dialog object is kept in m_pDlg as the host keeps it.
    bool Measure(const TMSRDATA& data);
    bool Measure(double value, BOOL minus = FALSE, short areaFlag = 0);
    void DeleteDialog();

    HWND Dialog() const; // the dialog's window, null when there is none
    HWND Control(int id) const;
    std::wstring Text(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;
    bool Checked(int id) const;
    int ComboSelection(int id) const;

    int Rows() const;
    std::wstring Cell(int row, int column) const;
    std::vector<std::wstring> Column(int column) const;
    std::vector<int> SelectedRows() const;
    // A trace text of the dialog object: `text`, two spaces and "this=" with its address in hex.
    std::wstring WithThis(const wchar_t* text) const;
    int FocusedRow() const;
    // The user Ctrl+clicks every selected row away.
    void DeselectAll();

    // The stored section as integers, read back through the host's settings store.
    std::map<std::wstring, long long> StoredSettings() const;
    void StoreSetting(const wchar_t* key, const _variant_t& value) const;

    // Pictures written by tests land here (the documentation's reference pictures).
    static std::filesystem::path PictureDirectory();

    IMeasureTotalDlg* m_pDlg = nullptr;
    RecordingSink m_log;
    HWND m_hMainWindow = NULL;
    CWnd m_mainFrame; // the host's main window as the component sees it
    std::filesystem::path m_settingsFile;

    // What the host saw while it handled ID_TOTAL_EVENT.
    struct DrawRequest {
        std::wstring summary;
        bool dialogVisible = false;
    };
    std::vector<DrawRequest> m_drawRequests;

private:
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static DialogTest* s_pCurrent;
};

} // namespace brio::ui::measure::test
