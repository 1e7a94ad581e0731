// A host as the tests and the benchmarks need one: a main window that handles the draw request by
// reading the summary, a settings file of its own (optionally behind a store that fails on demand),
// the host's log recorded, a person who answers message boxes and menus, and a way to run an action
// as the host's loop runs it, surviving whatever the dialog throws. The dialog is reached only through
// the exported entry and the interface, and the person's input goes through the simulated user.
//
// What a thrown exception means here. On Windows an exception that leaves a window procedure either
// vanishes inside the system or ends the program; MFC reports its own exceptions and lets others go.
// survive() reports every exception that reaches the host's loop (the entry call, an input action, a
// pump of the queue), counts it by kind and goes on: the host survives, and the checks that follow
// show whether the dialog was left in a usable state. measure() lets exceptions go on to the caller.
//
// What it does NOT do: no drawing of the summary (it is only read and kept), no second dialog.
#pragma once

#include "FaultyStore.h"
#include "LogRecorder.h"
#include "ModalAnswers.h"

#include <IMeasureTotalDlg.h>

#include <comdef.h>
#include <standin/hooks.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace measure_test {

struct HostOptions {
    int logLevel = 3;          // the log server's threshold while the host lives: every trace
    bool recordLog = true;     // every accepted entry goes to m_log
    bool quietLogFile = false; // the log goes to the null device meanwhile: the soak writes millions of lines
    bool answerModals = false; // m_answers answers message boxes and menus
    bool faultyStore = false;  // the settings go through a FaultyStore (store()); else the host's own
};

// The reliability tests' host: a quiet log file, a person at the modal loops, a store that fails on
// demand.
inline constexpr HostOptions kSurvivingHost{.quietLogFile = true, .answerModals = true, .faultyStore = true};
// The benchmarks' host: the log's threshold above every line the dialog writes, nothing recorded.
inline constexpr HostOptions kSilentHost{.logLevel = 5, .recordLog = false};

// What the next measurements give the dialog as the host's main window.
enum class MainFrame {
    Host, // the host's window, which handles the draw request
    None, // a null CWnd*
    Gone, // a CWnd whose window was destroyed
};

// How survive() reports an OLE error that reached the host: "_com_error " and the HRESULT in decimal.
std::string ComErrorText(HRESULT error);

// A measurement as the host reports it.
brio::ui::measure::TMSRDATA Measurement(double value, BOOL minus = FALSE, short areaFlag = 0,
                                        const wchar_t* scale = L"1/100", const wchar_t* element = L"線分");

class DialogHost {
public:
    explicit DialogHost(HostOptions options = {});
    ~DialogHost();
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    // A host that has just started: no dialog, an empty settings file, a working store and log, no
    // faults armed, the host's window as main frame. The live objects counted now are the baseline.
    void fresh();

    // The host's call for one measurement, then the message loop drained; exceptions go on.
    bool measure(const brio::ui::measure::TMSRDATA& data);
    // The entry call alone, for an action that runs inside survive().
    bool callEntry(const brio::ui::measure::TMSRDATA& data);
    // measure() inside survive(): "" or what escaped to the host.
    std::string tryMeasure(const brio::ui::measure::TMSRDATA& data, bool* result = nullptr);
    // The host deletes the dialog through the interface; "" or what escaped.
    std::string deleteDialog();
    // Runs an action the way the host's loop runs anything: the queue is pumped afterwards and an
    // exception is reported, counted and swallowed.
    std::string survive(const std::function<void()>& action);

    HWND dialog() const; // the dialog's window, null when there is none
    HWND control(int id) const;
    brio::ui::measure::IMeasureTotalDlg* object() const { return m_pDlg; }
    HWND mainWindow() const { return m_hMainWindow; }
    CWnd& hostFrame() { return m_mainFrame; }
    void setMainFrame(MainFrame choice);

    // The settings store.
    void setStorePresent(bool present); // absent: the host has no store at all
    bool storePresent() const { return m_bStorePresent; }
    FaultyStore& store() { return *m_pStore; } // with HostOptions::faultyStore only
    // The section as the file holds it, whatever a faulty store answers meanwhile.
    brio::core::ProfileValues storedValues() const;
    // ... as integers where they are numbers (-99999 where not: never what the dialog writes).
    std::map<std::wstring, long long> storedSettings() const;
    void storeSetting(const wchar_t* key, const _variant_t& value);

    // The log server's fault switches, remembered here since the server does not tell them.
    void setLogThrowing(bool throwing);
    void setLogRefusing(bool refusing);
    bool logThrowing() const { return m_bLogThrowing; }
    bool logRefusing() const { return m_bLogRefusing; }

    standin::LiveObjects baseline() const { return m_baseline; }

    // Faults that last a number of steps: each count is the steps left before the fault is put
    // right again (0: not armed). The random user arms them; expireFaults() counts them down.
    struct FaultClock {
        int logThrows = 0;
        int logRefuses = 0;
        int store = 0;
        int clipboard = 0;
    } m_faults;
    void expireFaults();

    // What the host saw while it handled a draw request.
    struct DrawRequest {
        std::wstring summary;
        bool dialogVisible = false;
    };
    std::vector<DrawRequest> m_drawRequests; // since fresh(), unless a test clears it
    int m_nDraws = 0;                        // since fresh()
    std::wstring lastSummary() const;        // of the last request, "" before the first
    bool m_bFailLogWhileDrawing = false;     // the log breaks while the host handles the next request

    brio::ui::measure::IMeasureTotalDlg* m_pDlg = nullptr; // the host holds the dialog by this pointer
    LogRecorder m_log;
    ModalAnswers m_answers;
    std::map<std::string, int> m_escapedWhat; // exceptions that reached the host, by what they said

private:
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void onDrawRequest();
    void newSettingsFile();
    void removeSettingsFile();

    HostOptions m_options;
    HWND m_hMainWindow = nullptr;
    CWnd m_mainFrame;
    CWnd m_goneFrame;
    CWnd* m_pFrameInUse = nullptr;
    std::filesystem::path m_settingsFile;
    std::string m_strLogBefore;
    int m_nLevelBefore = 0;
    std::unique_ptr<FaultyStore> m_pStore;
    bool m_bStorePresent = true;
    bool m_bLogThrowing = false;
    bool m_bLogRefusing = false;
    standin::LiveObjects m_baseline;
    static DialogHost* s_pCurrent;
};

} // namespace measure_test
