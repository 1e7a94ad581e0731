#include "HostWorld.h"

#include <automation.h>
#include <brio/core/Application.h>

#include <afxwin.h>
#include <comdef.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace reliability {

using brio::ui::measure::IMeasureTotalDlg;
using brio::ui::measure::TMSRDATA;

HostWorld* HostWorld::s_pCurrent = nullptr;

namespace {

constexpr const wchar_t* kMainClass = L"ReliabilityHostMain";
constexpr const wchar_t* kSection = L"MeasureTotalDlg";

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

} // namespace

// ---- the log ----------------------------------------------------------------------------------

void LogWatch::entry(int level, wchar_t mark, const std::wstring& text) {
    m_lines.push_back(std::wstring(1, mark) + L" " + text);
    if (mark == L'>') {
        ++m_nEntries;
        m_entered.push_back(text);
    } else if (mark == L'<') {
        ++m_nExits;
        m_exited.push_back(text);
    } else if (level >= 4) {
        m_errorLines.push_back(text);
    }
}

void LogWatch::clear() {
    m_lines.clear();
    m_nEntries = m_nExits = 0;
    m_entered.clear();
    m_exited.clear();
    m_errorLines.clear();
}

bool LogWatch::entered(const std::wstring& prefix) const {
    for (const std::wstring& text : m_entered)
        if (text.rfind(prefix, 0) == 0)
            return true;
    return false;
}

std::string LogWatch::linesOf(const std::wstring& prefix) const {
    std::string out;
    for (const std::wstring& line : m_lines) {
        if (line.compare(2, prefix.size(), prefix) != 0)
            continue;
        // UTF-8, so that a failing comparison prints the Japanese texts readably.
        for (wchar_t c : line) {
            const auto code = static_cast<uint32_t>(c);
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        out += '\n';
    }
    return out;
}

bool LogWatch::exited(const std::wstring& prefix) const {
    for (const std::wstring& text : m_exited)
        if (text.rfind(prefix, 0) == 0)
            return true;
    return false;
}

// ---- the person at the modal loops -------------------------------------------------------------

int ModalAnswers::messageBox(HWND, const std::wstring&, const std::wstring&, UINT) {
    ++m_nBoxes;
    return m_nBoxAnswer;
}

UINT ModalAnswers::popupMenu(HWND, POINT, const std::vector<standin::MenuEntry>& entries) {
    ++m_nMenus;
    std::vector<UINT> pickable;
    for (const standin::MenuEntry& entry : entries)
        if (!entry.separator && !entry.grayed)
            pickable.push_back(entry.command);
    if (m_nMenuCommand != 0)
        return std::find(pickable.begin(), pickable.end(), m_nMenuCommand) != pickable.end() ? m_nMenuCommand
                                                                                             : 0;
    if (m_nMenuPick < 0 || pickable.empty())
        return 0;
    return pickable[static_cast<size_t>(m_nMenuPick) % pickable.size()];
}

// ---- the host -----------------------------------------------------------------------------------

HostWorld::HostWorld() {
    s_pCurrent = this;
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &HostWorld::MainWindowProc;
        wc.hInstance = GetModuleHandleW(NULL);
        wc.lpszClassName = kMainClass;
        RegisterClassW(&wc);
        registered = true;
    }
    m_hMainWindow = CreateWindowExW(0, kMainClass, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, NULL, NULL,
                                    GetModuleHandleW(NULL), NULL);
    m_mainFrame.Attach(m_hMainWindow);
    m_pFrameInUse = &m_mainFrame;

    automation::SetPreTranslateHook([](MSG* msg) { return AfxPreTranslateMessage(msg) != FALSE; });
    // Every trace is watched through the sink; the log file would only hold thousands of lines
    // nobody reads.
    if (const char* log = std::getenv("BRIO_LOG"))
        m_strLogBefore = log;
    setenv("BRIO_LOG", "/dev/null", 1);
    auto& server = brio::server::BrLogServer::getInstance();
    server.reopen();
    server.setLogLevel(3);
    server.attachSink(&m_log);
    // The host's icon lives as long as the host: made before any baseline is taken.
    brio::core::Application::getInstance().getSystemIconHandle();
    fresh();
}

HostWorld::~HostWorld() {
    deleteDialog();
    automation::Pump();
    auto& server = brio::server::BrLogServer::getInstance();
    server.setThrowOnWrite(false);
    server.setRefuseEntries(false);
    server.attachSink(nullptr);
    if (m_strLogBefore.empty())
        unsetenv("BRIO_LOG");
    else
        setenv("BRIO_LOG", m_strLogBefore.c_str(), 1);
    server.reopen();
    automation::SetPreTranslateHook(nullptr);
    standin::SetInteractiveModal(nullptr);
    standin::ResetRecords();
    auto& application = brio::core::Application::getInstance();
    application.setProfileStore(nullptr);
    application.resetProfileStore();
    m_pStore.reset();
    std::error_code ignored;
    std::filesystem::remove(m_settingsFile, ignored);
    m_goneFrame.Detach();
    m_mainFrame.Detach();
    if (IsWindow(m_hMainWindow))
        DestroyWindow(m_hMainWindow);
    s_pCurrent = nullptr;
}

void HostWorld::fresh() {
    setLogThrowing(false);
    setLogRefusing(false);
    deleteDialog();
    automation::Pump();
    standin::ResetRecords();
    standin::SetInteractiveModal(&m_answers);
    m_answers = ModalAnswers{};

    auto& application = brio::core::Application::getInstance();
    application.setProfileStore(nullptr);
    m_pStore.reset();
    std::error_code ignored;
    if (!m_settingsFile.empty())
        std::filesystem::remove(m_settingsFile, ignored);
    char pattern[] = "/tmp/reliability-settings-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        throw std::runtime_error("no temporary settings file");
    close(fd);
    std::filesystem::remove(pattern, ignored);
    m_settingsFile = pattern;
    m_pStore = std::make_unique<FaultyStore>(m_settingsFile.wstring());
    setStorePresent(true);

    setMainFrame(0);
    m_faults = FaultClock{};
    m_bFailLogWhileDrawing = false;
    m_nDraws = 0;
    m_strLastSummary.clear();
    m_escapedWhat.clear();
    m_log.clear();
    m_baseline = standin::CountLiveObjects();
}

std::string HostWorld::survive(const std::function<void()>& action) {
    std::string escaped;
    try {
        action();
        automation::Pump();
    } catch (CException* error) {
        wchar_t text[256] = {};
        error->GetErrorMessage(text, 256);
        error->Delete();
        escaped = "CException: " + Narrow(text);
    } catch (const _com_error& error) {
        escaped = "_com_error " + std::to_string(static_cast<unsigned>(error.Error()));
    } catch (const std::exception& error) {
        escaped = std::string("std::exception: ") + error.what();
    } catch (...) {
        escaped = "unknown exception";
    }
    if (!escaped.empty()) {
        ++m_escapedWhat[escaped];
        // The loop goes on: whatever was still queued is handled as the host's loop would.
        std::string later = survive([] {});
        if (!later.empty())
            escaped += "; then " + later;
    }
    return escaped;
}

std::string HostWorld::measure(const TMSRDATA& data, bool* result) {
    return survive([&] {
        const bool handed = callEntry(data);
        if (result != nullptr)
            *result = handed;
    });
}

bool HostWorld::callEntry(const TMSRDATA& data) {
    return brio::ui::measure::doMeasureTotalDlg(m_pDlg, m_pFrameInUse, data);
}

std::string HostWorld::deleteDialog() {
    // The pointer is the host's to give up whatever the destructor does.
    IMeasureTotalDlg* dialog = m_pDlg;
    m_pDlg = nullptr;
    return survive([dialog] { delete dialog; });
}

HWND HostWorld::dialog() const {
    auto* window = dynamic_cast<CWnd*>(m_pDlg);
    const HWND hwnd = window != nullptr ? window->GetSafeHwnd() : nullptr;
    return hwnd != nullptr && IsWindow(hwnd) ? hwnd : nullptr;
}

HWND HostWorld::control(int id) const {
    return GetDlgItem(dialog(), id);
}

void HostWorld::setStorePresent(bool present) {
    m_bStorePresent = present;
    brio::core::Application::getInstance().setProfileStore(present ? m_pStore.get() : nullptr);
}

std::map<std::wstring, long long> HostWorld::storedSettings() const {
    std::map<std::wstring, long long> settings;
    for (auto& [key, value] : m_pStore->stored(kSection)) {
        VARIANT wide;
        VariantInit(&wide);
        if (SUCCEEDED(VariantChangeType(&wide, &value, 0, VT_I8)))
            settings[key] = wide.llVal;
        else
            settings[key] = -99999; // not a number: never what the dialog writes
        VariantClear(&wide);
    }
    return settings;
}

// A window that is gone, held through a CWnd only while the host hands it out. MFC keeps the object
// in its map under the dead handle value; held for ever, it would claim the next window that the
// window manager gives the same value (slots are reused, their generation turns over), and MFC
// would refuse that window to its rightful object. A host lets go of what it no longer uses.
void HostWorld::setMainFrame(int choice) {
    m_goneFrame.Detach();
    if (choice == 2) {
        const HWND gone =
            CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        m_goneFrame.Attach(gone);
        DestroyWindow(gone);
    }
    m_pFrameInUse = choice == 0 ? &m_mainFrame : choice == 1 ? nullptr : &m_goneFrame;
}

void HostWorld::expireFaults() {
    auto due = [](int& left) { return left > 0 && --left == 0; };
    if (due(m_faults.logThrows))
        setLogThrowing(false);
    if (due(m_faults.logRefuses))
        setLogRefusing(false);
    if (due(m_faults.store)) {
        setStorePresent(true);
        m_pStore->m_mode = StoreMode::Working;
    }
    if (due(m_faults.clipboard))
        standin::SetClipboardOpenFails(false);
}

void HostWorld::setLogThrowing(bool throwing) {
    m_bLogThrowing = throwing;
    brio::server::BrLogServer::getInstance().setThrowOnWrite(throwing);
}

void HostWorld::setLogRefusing(bool refusing) {
    m_bLogRefusing = refusing;
    brio::server::BrLogServer::getInstance().setRefuseEntries(refusing);
}

void HostWorld::onDrawRequest() {
    ++m_nDraws;
    if (m_pDlg != nullptr)
        m_strLastSummary = m_pDlg->GetString();
    if (m_bFailLogWhileDrawing) {
        // The log breaks in the middle of the dialog's draw command, and is put right two steps on.
        m_bFailLogWhileDrawing = false;
        setLogThrowing(true);
        m_faults.logThrows = 2;
    }
}

LRESULT CALLBACK HostWorld::MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ID_TOTAL_EVENT && s_pCurrent != nullptr) {
        s_pCurrent->onDrawRequest();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace reliability
