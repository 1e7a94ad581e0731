#include "DialogHarness.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>
#include <standin/hooks.h>

#include <commctrl.h>

#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace brio::ui::measure::test {

DialogTest* DialogTest::s_pCurrent = nullptr;

namespace {

constexpr const wchar_t* kMainWindowClass = L"MeasureHostMainWindow";

void RegisterMainWindowClass(WNDPROC proc) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassW(&wc);
    registered = true;
}

} // namespace

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        const auto code = static_cast<uint32_t>(c);
        const int tail = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        static const unsigned char lead[] = {0x00, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(lead[tail] | (code >> (6 * tail)));
        for (int i = tail - 1; i >= 0; --i)
            out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
    }
    return out;
}

std::string Transcript(const std::vector<LogEntry>& entries) {
    std::ostringstream out;
    for (const LogEntry& entry : entries)
        out << entry.level << ' ' << static_cast<char>(entry.mark) << ' ' << Narrow(entry.text) << '\n';
    return out.str();
}

void RecordingSink::entry(int level, wchar_t mark, const std::wstring& text) {
    LogEntry recorded{level, mark, text};
    if (m_onEntry)
        m_onEntry(recorded);
    m_entries.push_back(std::move(recorded));
}

std::string RecordingSink::transcript() const {
    return Transcript(m_entries);
}

std::string RecordingSink::transcriptOf(const std::wstring& prefix) const {
    std::vector<LogEntry> picked;
    for (const LogEntry& entry : m_entries)
        if (entry.text.rfind(prefix, 0) == 0)
            picked.push_back(entry);
    return Transcript(picked);
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

void DialogTest::SetUp() {
    s_pCurrent = this;
    standin::ResetRecords();

    // A settings file of this test's own, never the user's.
    char pattern[] = "/tmp/measure-settings-XXXXXX";
    const int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    close(fd);
    std::filesystem::remove(pattern);
    m_settingsFile = pattern;
    setenv("BRIO_SETTINGS", pattern, 1);
    brio::core::Application::getInstance().resetProfileStore();

    auto& server = brio::server::BrLogServer::getInstance();
    server.setLogLevel(3);
    server.attachSink(&m_log);

    automation::SetPreTranslateHook([](MSG* msg) { return AfxPreTranslateMessage(msg) != FALSE; });

    RegisterMainWindowClass(&DialogTest::MainWindowProc);
    m_hMainWindow = CreateWindowExW(0, kMainWindowClass, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, NULL,
                                    NULL, GetModuleHandleW(NULL), NULL);
    m_mainFrame.Attach(m_hMainWindow);
}

void DialogTest::TearDown() {
    DeleteDialog();
    automation::Pump();
    m_mainFrame.Detach();
    if (IsWindow(m_hMainWindow))
        DestroyWindow(m_hMainWindow);
    auto& server = brio::server::BrLogServer::getInstance();
    server.attachSink(nullptr);
    server.setRefuseEntries(false);
    server.setLogLevel(9);
    automation::SetPreTranslateHook(nullptr);
    brio::core::Application::getInstance().setProfileStore(nullptr);
    brio::core::Application::getInstance().resetProfileStore();
    std::error_code ignored;
    std::filesystem::remove(m_settingsFile, ignored);
    std::filesystem::remove(m_settingsFile.string() + "-journal", ignored);
    std::filesystem::remove(m_settingsFile.string() + "-wal", ignored);
    std::filesystem::remove(m_settingsFile.string() + "-shm", ignored);
    standin::ResetRecords();
    s_pCurrent = nullptr;
}

LRESULT CALLBACK DialogTest::MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ID_TOTAL_EVENT && s_pCurrent != nullptr && s_pCurrent->m_pDlg != nullptr) {
        DrawRequest request;
        request.summary = s_pCurrent->m_pDlg->GetString();
        request.dialogVisible = IsWindowVisible(s_pCurrent->Dialog()) != FALSE;
        s_pCurrent->m_drawRequests.push_back(request);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool DialogTest::Measure(const TMSRDATA& data) {
    const bool result = doMeasureTotalDlg(m_pDlg, &m_mainFrame, data);
    automation::Pump();
    return result;
}

bool DialogTest::Measure(double value, BOOL minus, short areaFlag) {
    return Measure(Measurement(value, minus, areaFlag));
}

void DialogTest::DeleteDialog() {
    delete m_pDlg;
    m_pDlg = nullptr;
}

HWND DialogTest::Dialog() const {
    // The host may turn its interface pointer back into the dialog class across the library border.
    auto* dialog = dynamic_cast<MeasureTotalDlg*>(m_pDlg);
    return dialog != nullptr ? dialog->GetSafeHwnd() : NULL;
}

HWND DialogTest::Control(int id) const {
    return GetDlgItem(Dialog(), id);
}

std::wstring DialogTest::Text(int id) const {
    wchar_t buffer[512] = {};
    GetWindowTextW(Control(id), buffer, static_cast<int>(_countof(buffer)));
    return buffer;
}

bool DialogTest::Enabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}
bool DialogTest::Visible(int id) const {
    return IsWindowVisible(Control(id)) != FALSE;
}
bool DialogTest::Checked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
int DialogTest::ComboSelection(int id) const {
    return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0));
}

int DialogTest::Rows() const {
    return static_cast<int>(SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring DialogTest::Cell(int row, int column) const {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(_countof(buffer));
    SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::vector<std::wstring> DialogTest::Column(int column) const {
    std::vector<std::wstring> cells;
    for (int row = 0; row < Rows(); ++row)
        cells.push_back(Cell(row, column));
    return cells;
}

std::vector<int> DialogTest::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < Rows(); ++row)
        if (SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                         LVIS_SELECTED) &
            LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

std::wstring DialogTest::WithThis(const wchar_t* text) const {
    const auto* dialog = dynamic_cast<MeasureTotalDlg*>(m_pDlg);
    wchar_t line[256];
    swprintf(line, 256, L"%ls  this=%x", text, static_cast<unsigned>(reinterpret_cast<uintptr_t>(dialog)));
    return line;
}

int DialogTest::FocusedRow() const {
    return static_cast<int>(
        SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void DialogTest::DeselectAll() {
    for (int row : SelectedRows())
        automation::PickListRow(Control(IDC_LIST_LENGTH), row, automation::kCtrl);
}

std::map<std::wstring, long long> DialogTest::StoredSettings() const {
    std::map<std::wstring, long long> stored;
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    if (store == nullptr)
        return stored;
    brio::core::ProfileValues values;
    store->readSection(L"MeasureTotalDlg", &values, 0);
    for (auto& [key, value] : values) {
        _variant_t copy(value);
        EXPECT_TRUE(copy.vt == VT_INT || copy.vt == VT_I4) << Narrow(key) << " is stored as type " << copy.vt;
        copy.ChangeType(VT_I8);
        stored[key] = copy.llVal;
    }
    return stored;
}

void DialogTest::StoreSetting(const wchar_t* key, const _variant_t& value) const {
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    ASSERT_NE(store, nullptr);
    brio::core::ProfileValues values;
    store->readSection(L"MeasureTotalDlg", &values, 0);
    values[key] = value;
    store->writeSection(L"MeasureTotalDlg", &values);
}

std::filesystem::path DialogTest::PictureDirectory() {
    std::filesystem::path directory = BR_PICTURE_DIR;
    std::filesystem::create_directories(directory);
    return directory;
}

} // namespace brio::ui::measure::test
