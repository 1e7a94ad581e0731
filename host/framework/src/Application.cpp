// The host application object.
// What it does NOT do: no real help viewer (a help request is recorded and handed to the observer;
// the host program decides how to show it), no icon resources (the icon is made from a colour).
#include <brio/core/Application.h>

#include "HostPaths.h"
#include "Utf8.h"

#include <brio/server/BrLogServer.h>

#include <mutex>
#include <vector>

namespace brio::core {

namespace {

constexpr COLORREF kIconColour = RGB(0x2a, 0x5d, 0x9f);
constexpr int kIconSize = 32;

// A square of one colour: 32-bit pixels (blue, green, red, unused) and an AND mask that keeps them all.
HICON MakeIcon(COLORREF colour) {
    const DWORD pixel =
        (DWORD{GetRValue(colour)} << 16) | (DWORD{GetGValue(colour)} << 8) | GetBValue(colour);
    const std::vector<DWORD> colours(kIconSize * kIconSize, pixel);
    const std::vector<BYTE> mask(kIconSize * kIconSize / 8, 0);
    return CreateIcon(nullptr, kIconSize, kIconSize, 1, 32, mask.data(),
                      reinterpret_cast<const BYTE*>(colours.data()));
}

} // namespace

struct Application::State {
    mutable std::mutex mutex;
    HICON icon = nullptr;
    std::function<void(const std::wstring&)> helpObserver;
    std::wstring lastHelpTopic;
    std::unique_ptr<ProfileStore> defaultStore;
    bool defaultStoreTried = false;
    bool storeOverridden = false;
    ProfileStore* overridingStore = nullptr;
};

// Never destroyed, like the log server: components reach it from their teardown, which can run
// during the process exit.
Application& Application::getInstance() {
    static Application* const instance = new Application();
    return *instance;
}

Application::Application() : m_state(std::make_unique<State>()) {}

Application::~Application() = default;

std::wstring Application::getApplicationName() const {
    return L"BRIO";
}

// The icon lives as long as the host: the dialogs that show it never own it.
HICON Application::getSystemIconHandle() const {
    std::lock_guard lock(m_state->mutex);
    if (m_state->icon == nullptr)
        m_state->icon = MakeIcon(kIconColour);
    return m_state->icon;
}

// A null topic asks for the help's start page and is recorded as "".
void Application::OpenHtmlHelp(const wchar_t* topic) const {
    std::function<void(const std::wstring&)> observer;
    const std::wstring name = topic != nullptr ? topic : L"";
    {
        std::lock_guard lock(m_state->mutex);
        m_state->lastHelpTopic = name;
        observer = m_state->helpObserver;
    }
    if (observer)
        observer(name);
}

// Opened on first use from BRIO_SETTINGS (or the default file). A store that cannot be opened is
// reported once and then stays absent until resetProfileStore(): the component then keeps its
// settings in memory only.
ProfileStore* Application::getProfileStore() {
    std::lock_guard lock(m_state->mutex);
    if (m_state->storeOverridden)
        return m_state->overridingStore;
    if (!m_state->defaultStoreTried) {
        m_state->defaultStoreTried = true;
        const std::string configured = detail::environmentValue("BRIO_SETTINGS");
        const std::filesystem::path path =
            configured.empty() ? detail::defaultSettingsPath() : std::filesystem::path(configured);
        m_state->defaultStore = ProfileStore::openFile(detail::fromUtf8(path.string()));
        if (m_state->defaultStore == nullptr) {
            const std::wstring text = L"Application: no settings store at " +
                                      detail::fromUtf8(path.string()) + L"; settings are not kept";
            server::BrLogServer::getInstance().writeLog(4, text.c_str());
        }
    }
    return m_state->defaultStore.get();
}

void Application::setProfileStore(ProfileStore* store) {
    std::lock_guard lock(m_state->mutex);
    m_state->storeOverridden = true;
    m_state->overridingStore = store;
}

void Application::resetProfileStore() {
    std::lock_guard lock(m_state->mutex);
    m_state->storeOverridden = false;
    m_state->overridingStore = nullptr;
    m_state->defaultStore.reset();
    m_state->defaultStoreTried = false;
}

void Application::setHelpObserver(std::function<void(const std::wstring& topic)> observer) {
    std::lock_guard lock(m_state->mutex);
    m_state->helpObserver = std::move(observer);
}

std::wstring Application::lastHelpTopic() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->lastHelpTopic;
}

} // namespace brio::core
