// The application object as the component and the host program use it: a settings store opened
// from BRIO_SETTINGS (or none, reported once), an override for tests, help requests handed to the
// host, and one icon for the whole run.
#include "TestSupport.h"

#include <brio/core/Application.h>

namespace brio::test {
namespace {

using core::Application;

class ApplicationStore : public LoggedTest {
protected:
    void SetUp() override {
        LoggedTest::SetUp();
        server().setLogLevel(3);
    }
    void TearDown() override {
        UnsetEnvironment("BRIO_SETTINGS");
        app().resetProfileStore();
        LoggedTest::TearDown();
    }
    static Application& app() { return Application::getInstance(); }

    TempFolder m_folder;
};

TEST_F(ApplicationStore, OpensTheFileNamedByTheEnvironmentAndKeepsSettingsAcrossRuns) {
    SetEnvironment("BRIO_SETTINGS", m_folder / "nested/settings.sqlite3");
    app().resetProfileStore();
    core::ProfileStore* store = app().getProfileStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(app().getProfileStore(), store) << "one store for the whole run";
    EXPECT_EQ(store->location(), (m_folder / "nested/settings.sqlite3").wstring());
    core::ProfileValues values{{L"drawTotal", _variant_t(1)}};
    ASSERT_TRUE(store->writeSection(L"MeasureTotalDlg", &values));

    app().resetProfileStore(); // as if the host started again
    core::ProfileValues read;
    ASSERT_TRUE(app().getProfileStore()->readSection(L"MeasureTotalDlg", &read, 0));
    EXPECT_EQ(read.at(L"drawTotal").vt, VT_INT);
    EXPECT_EQ(read.at(L"drawTotal").intVal, 1);
}

TEST_F(ApplicationStore, UnopenableFileGivesNoStoreReportedOnce) {
    std::filesystem::create_directories(m_folder / "taken");
    SetEnvironment("BRIO_SETTINGS", m_folder / "taken"); // a folder, not a file
    app().resetProfileStore();
    EXPECT_EQ(app().getProfileStore(), nullptr);
    EXPECT_EQ(app().getProfileStore(), nullptr);
    EXPECT_EQ(m_sink.count(4, L"Application: no settings store"), 1);
}

TEST_F(ApplicationStore, OverrideReplacesTheStoreUntilReset) {
    SetEnvironment("BRIO_SETTINGS", m_folder / "settings.sqlite3");
    app().setProfileStore(nullptr);
    EXPECT_EQ(app().getProfileStore(), nullptr) << "null override means no store";
    auto own = core::ProfileStore::openFile((m_folder / "own.sqlite3").wstring());
    app().setProfileStore(own.get());
    EXPECT_EQ(app().getProfileStore(), own.get());
    app().resetProfileStore();
    ASSERT_NE(app().getProfileStore(), nullptr);
    EXPECT_EQ(app().getProfileStore()->location(), (m_folder / "settings.sqlite3").wstring());
}

TEST(ApplicationHost, HelpRequestsReachTheHostObserver) {
    Application& app = Application::getInstance();
    std::vector<std::wstring> opened;
    app.setHelpObserver([&](const std::wstring& topic) { opened.push_back(topic); });
    app.OpenHtmlHelp(L"DLG_HLP_MEASURE_TOTAL");
    app.OpenHtmlHelp(nullptr);
    app.setHelpObserver(nullptr);
    app.OpenHtmlHelp(L"unobserved");
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"DLG_HLP_MEASURE_TOTAL", L""}));
    EXPECT_EQ(app.lastHelpTopic(), L"unobserved");
}

TEST(ApplicationHost, IconIsOneRealHandleForTheRun) {
    const HICON icon = Application::getInstance().getSystemIconHandle();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(Application::getInstance().getSystemIconHandle(), icon);
}

} // namespace
} // namespace brio::test
