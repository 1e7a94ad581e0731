#include "DialogHost.h"

#include "Environment.h"
#include "Utf8.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>
#include <brio/server/BrLogServer.h>
#include <standin/LogServerFaults.h>

#include <afxwin.h>

#include <cstdlib>
#include <stdexcept>

namespace measure_test {

using brio::ui::measure::IMeasureTotalDlg;
using brio::ui::measure::TMSRDATA;

DialogHost* DialogHost::s_pCurrent = nullptr;

namespace {

constexpr const wchar_t* kMainClass = L"MeasureTestHostMain";
constexpr const wchar_t* kSection = L"MeasureTotalDlg";

brio::server::BrLogServer& LogServer() {
    return brio::server::BrLogServer::getInstance();
}

} // namespace

std::string ComErrorText(HRESULT error) {
    return "_com_error " + std::to_string(static_cast<unsigned>(error));
}

TMSRDATA Measurement(double value, BOOL minus, short areaFlag, const wchar_t* scale, const wchar_t* element) {
    TMSRDATA data;
    data.bMinus = minus;
    data.dValue = value;
    data.strElement = element;
    data.strScale = scale;
    data.sAreaFlag = areaFlag;
    return data;
}

DialogHost::DialogHost(HostOptions options) : m_options(options) {
    s_pCurrent = this;
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DialogHost::MainWindowProc;
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
    auto& server = LogServer();
    if (m_options.quietLogFile) {
        if (const char* log = std::getenv("BRIO_LOG"))
            m_strLogBefore = log;
        SetEnvironment("BRIO_LOG", kNullDevice);
        server.reopen();
    }
    m_nLevelBefore = server.getLogLevel();
    server.setLogLevel(m_options.logLevel);
    if (m_options.recordLog)
        server.attachSink(&m_log);
    fresh();
}

DialogHost::~DialogHost() {
    deleteDialog();
    automation::Pump();
    setLogThrowing(false);
    setLogRefusing(false);
    auto& server = LogServer();
    if (m_options.recordLog)
        server.attachSink(nullptr);
    if (m_options.quietLogFile) {
        if (m_strLogBefore.empty())
            UnsetEnvironment("BRIO_LOG");
        else
            SetEnvironment("BRIO_LOG", m_strLogBefore);
        server.reopen();
    }
    server.setLogLevel(m_nLevelBefore);
    automation::SetPreTranslateHook(nullptr);
    if (m_options.answerModals)
        standin::SetInteractiveModal(nullptr);
    standin::SetClipboardOpenFails(false);
    standin::ResetRecords();
    auto& application = brio::core::Application::getInstance();
    application.setProfileStore(nullptr);
    application.resetProfileStore();
    m_pStore.reset();
    removeSettingsFile();
    m_goneFrame.Detach();
    m_mainFrame.Detach();
    if (IsWindow(m_hMainWindow))
        DestroyWindow(m_hMainWindow);
    s_pCurrent = nullptr;
}

void DialogHost::fresh() {
    setLogThrowing(false);
    setLogRefusing(false);
    deleteDialog();
    automation::Pump();
    standin::ResetRecords();
    if (m_options.answerModals) {
        m_answers = ModalAnswers{};
        standin::SetInteractiveModal(&m_answers);
    }
    newSettingsFile();
    setMainFrame(MainFrame::Host);
    m_faults = FaultClock{};
    m_bFailLogWhileDrawing = false;
    m_nDraws = 0;
    m_drawRequests.clear();
    m_escapedWhat.clear();
    m_log.clear();
    // The host's icon lives as long as the host: made before the baseline is taken.
    brio::core::Application::getInstance().getSystemIconHandle();
    m_baseline = standin::CountLiveObjects();
}

// ---- the settings -------------------------------------------------------------------------------

// A file of this host's own, never the user's: the host's own store finds it through BRIO_SETTINGS.
void DialogHost::newSettingsFile() {
    auto& application = brio::core::Application::getInstance();
    application.setProfileStore(nullptr);
    m_pStore.reset();
    removeSettingsFile();
    m_settingsFile = FreshTemporaryPath("measure-settings");
    SetEnvironment("BRIO_SETTINGS", m_settingsFile.string());
    if (m_options.faultyStore)
        m_pStore = std::make_unique<FaultyStore>(m_settingsFile.wstring());
    setStorePresent(true);
}

void DialogHost::removeSettingsFile() {
    if (m_settingsFile.empty())
        return;
    std::error_code ignored;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::filesystem::remove(m_settingsFile.string() + suffix, ignored);
}

void DialogHost::setStorePresent(bool present) {
    m_bStorePresent = present;
    auto& application = brio::core::Application::getInstance();
    if (m_pStore)
        application.setProfileStore(present ? m_pStore.get() : nullptr);
    else if (present)
        application.resetProfileStore();
    else
        application.setProfileStore(nullptr);
}

brio::core::ProfileValues DialogHost::storedValues() const {
    if (m_pStore)
        return m_pStore->stored(kSection);
    brio::core::ProfileValues values;
    if (brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore())
        store->readSection(kSection, &values, 0);
    return values;
}

std::map<std::wstring, long long> DialogHost::storedSettings() const {
    std::map<std::wstring, long long> settings;
    for (auto& [key, value] : storedValues()) {
        VARIANT wide;
        VariantInit(&wide);
        if (SUCCEEDED(VariantChangeType(&wide, &value, 0, VT_I8)))
            settings[key] = wide.llVal;
        else
            settings[key] = -99999;
        VariantClear(&wide);
    }
    return settings;
}

void DialogHost::storeSetting(const wchar_t* key, const _variant_t& value) {
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    if (store == nullptr)
        throw std::runtime_error("the host has no settings store");
    brio::core::ProfileValues values;
    store->readSection(kSection, &values, 0);
    values[key] = value;
    store->writeSection(kSection, &values);
}

// ---- the host's calls and loop --------------------------------------------------------------------

bool DialogHost::measure(const TMSRDATA& data) {
    const bool result = callEntry(data);
    automation::Pump();
    return result;
}

bool DialogHost::callEntry(const TMSRDATA& data) {
    return brio::ui::measure::doMeasureTotalDlg(m_pDlg, m_pFrameInUse, data);
}

std::string DialogHost::tryMeasure(const TMSRDATA& data, bool* result) {
    return survive([&] {
        const bool handed = callEntry(data);
        if (result != nullptr)
            *result = handed;
    });
}

std::string DialogHost::deleteDialog() {
    // The pointer is the host's to give up whatever the destructor does.
    IMeasureTotalDlg* dialog = m_pDlg;
    m_pDlg = nullptr;
    return survive([dialog] { delete dialog; });
}

std::string DialogHost::survive(const std::function<void()>& action) {
    std::string escaped;
    try {
        action();
        automation::Pump();
    } catch (CException* error) {
        wchar_t text[256] = {};
        error->GetErrorMessage(text, 256);
        error->Delete();
        escaped = "CException: " + Utf8(text);
    } catch (const _com_error& error) {
        escaped = ComErrorText(error.Error());
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

HWND DialogHost::dialog() const {
    // The host may turn its interface pointer back into the dialog class across the library border.
    auto* window = dynamic_cast<brio::ui::measure::MeasureTotalDlg*>(m_pDlg);
    const HWND hwnd = window != nullptr ? window->GetSafeHwnd() : nullptr;
    return hwnd != nullptr && IsWindow(hwnd) ? hwnd : nullptr;
}

HWND DialogHost::control(int id) const {
    return GetDlgItem(dialog(), id);
}

// A window that is gone, held through a CWnd only while the host hands it out. MFC keeps the object
// in its map under the dead handle value; held for ever, it would claim the next window that the
// window manager gives the same value (slots are reused, their generation turns over), and MFC
// would refuse that window to its rightful object. A host lets go of what it no longer uses.
void DialogHost::setMainFrame(MainFrame choice) {
    m_goneFrame.Detach();
    if (choice == MainFrame::Gone) {
        const HWND gone =
            CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        m_goneFrame.Attach(gone);
        DestroyWindow(gone);
    }
    m_pFrameInUse = choice == MainFrame::Host   ? &m_mainFrame
                    : choice == MainFrame::None ? nullptr
                                                : &m_goneFrame;
}

// ---- faults -------------------------------------------------------------------------------------

void DialogHost::expireFaults() {
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

void DialogHost::setLogThrowing(bool throwing) {
    m_bLogThrowing = throwing;
    standin::log_server::SetThrowOnWrite(throwing);
}

void DialogHost::setLogRefusing(bool refusing) {
    m_bLogRefusing = refusing;
    standin::log_server::SetRefuseEntries(refusing);
}

// ---- the main window ----------------------------------------------------------------------------

void DialogHost::onDrawRequest() {
    ++m_nDraws;
    DrawRequest request;
    if (m_pDlg != nullptr)
        request.summary = m_pDlg->GetString();
    request.dialogVisible = IsWindowVisible(dialog()) != FALSE;
    m_drawRequests.push_back(std::move(request));
    if (m_bFailLogWhileDrawing) {
        // The log breaks in the middle of the dialog's draw command, and is put right two steps on.
        m_bFailLogWhileDrawing = false;
        setLogThrowing(true);
        m_faults.logThrows = 2;
    }
}

std::wstring DialogHost::lastSummary() const {
    return m_drawRequests.empty() ? std::wstring() : m_drawRequests.back().summary;
}

LRESULT CALLBACK DialogHost::MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ID_TOTAL_EVENT && s_pCurrent != nullptr) {
        s_pCurrent->onDrawRequest();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace measure_test
