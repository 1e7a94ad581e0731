// The host application object: its icon, its help, and its settings store.
#pragma once

#include <brio/BrFrameworkApi.h>
#include <brio/core/ProfileStore.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace brio::core {

class BRFRAMEWORK_API Application {
public:
    static Application& getInstance();

    virtual ~Application();                                // 1
    virtual std::wstring getApplicationName() const;       // 2
    virtual HICON getSystemIconHandle() const;             // 3
    virtual void OpenHtmlHelp(const wchar_t* topic) const; // 4
    virtual ProfileStore* getProfileStore();               // 5: null when the store cannot be opened

    // Host-side controls.
    // Replaces the store (tests inject failing stores; null means "no store"); the default store
    // comes back with resetProfileStore().
    void setProfileStore(ProfileStore* store);
    void resetProfileStore();
    // Every help request is passed here (the host program prints it; with a display it opens the page).
    void setHelpObserver(std::function<void(const std::wstring& topic)> observer);
    std::wstring lastHelpTopic() const;

protected:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace brio::core
