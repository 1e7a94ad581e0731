// A host as the reliability tests need one: a main window that handles the draw request by reading
// the summary, a settings file of its own behind a store that can be made to fail, a log it watches,
// a person who answers message boxes and menus, and a message loop that survives whatever a window
// procedure throws.
//
// What a thrown exception means here. On Windows an exception that leaves a window procedure either
// vanishes inside the system or ends the program; MFC reports its own exceptions and lets others go.
// This host reports every exception that reaches its loop (the entry call, an input action, a pump
// of the queue), counts it by kind and goes on with the next action: the host survives, and the
// checks that follow show whether the dialog was left in a usable state.
//
// What it does NOT do: no drawing of the summary (it is only read and kept), no second dialog.
#pragma once

#include "FaultyStore.h"

#include <IMeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <brio/server/BrLogServer.h>
#include <standin/hooks.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace reliability {

// Watches the log: how many trace entries and exits came, and which texts.
class LogWatch : public brio::server::LogSink {
public:
    void entry(int level, wchar_t mark, const std::wstring& text) override;
    void clear();
    int m_nEntries = 0;
    int m_nExits = 0;
    std::vector<std::wstring> m_entered;    // texts of trace entries since clear()
    std::vector<std::wstring> m_exited;     // texts of trace exits since clear()
    std::vector<std::wstring> m_errorLines; // level-4 plain lines since clear()
    std::vector<std::wstring> m_lines;      // every entry since clear(): "> text", "< text", "- text"
    bool entered(const std::wstring& prefix) const;
    // The entries that start (after the mark) with `prefix`, one per line, for readable comparisons.
    std::string linesOf(const std::wstring& prefix) const;
    bool exited(const std::wstring& prefix) const;
};

// What the person does when a message box or a popup menu comes up.
struct ModalAnswers : public standin::InteractiveModal {
    int m_nBoxAnswer = IDOK; // a button; one the box does not have makes its default answer
    int m_nMenuPick = -1;    // the n-th entry that can be picked (wrapping), -1 dismisses
    UINT m_nMenuCommand = 0; // else this command, when it can be picked
    int m_nBoxes = 0;
    int m_nMenus = 0;
    int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override;
    UINT popupMenu(HWND owner, POINT at, const std::vector<standin::MenuEntry>& entries) override;
};

class HostWorld {
public:
    HostWorld();
    ~HostWorld();
    HostWorld(const HostWorld&) = delete;
    HostWorld& operator=(const HostWorld&) = delete;

    // A host that has just started: no dialog, an empty settings file, a working store and log,
    // no faults armed. The live objects counted now are the baseline.
    void fresh();

    // The host's calls. Each returns "" or the description of what escaped to the host.
    std::string measure(const brio::ui::measure::TMSRDATA& data, bool* result = nullptr);
    // The entry call alone, for an action that runs inside survive(): whatever it throws goes on.
    bool callEntry(const brio::ui::measure::TMSRDATA& data);
    std::string deleteDialog();
    // Runs an action the way the host's loop runs anything: the queue is pumped afterwards and an
    // exception is reported, counted and swallowed.
    std::string survive(const std::function<void()>& action);

    HWND dialog() const; // the dialog's window, null when there is none
    HWND control(int id) const;
    brio::ui::measure::IMeasureTotalDlg* object() const { return m_pDlg; }

    void setStorePresent(bool present);
    FaultyStore& store() { return *m_pStore; }
    bool storePresent() const { return m_bStorePresent; }
    // The section in the file, as integers where they are integers.
    std::map<std::wstring, long long> storedSettings() const;

    void setMainFrame(int choice); // 0 the host's window, 1 none, 2 a window that is gone

    // The log server's switches, remembered here since the server does not tell them.
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

    LogWatch m_log;
    ModalAnswers m_answers;
    bool m_bFailLogWhileDrawing = false; // the host's log breaks while it handles the next draw request
    int m_nDraws = 0;
    std::wstring m_strLastSummary;
    std::map<std::string, int> m_escapedWhat; // exceptions that reached the host, by what they said

private:
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void onDrawRequest();

    brio::ui::measure::IMeasureTotalDlg* m_pDlg = nullptr;
    HWND m_hMainWindow = nullptr;
    CWnd m_mainFrame;
    CWnd m_goneFrame;
    CWnd* m_pFrameInUse = nullptr;
    std::filesystem::path m_settingsFile;
    std::string m_strLogBefore;
    std::unique_ptr<FaultyStore> m_pStore;
    bool m_bStorePresent = true;
    bool m_bLogThrowing = false;
    bool m_bLogRefusing = false;
    standin::LiveObjects m_baseline;
    static HostWorld* s_pCurrent;
};

} // namespace reliability
