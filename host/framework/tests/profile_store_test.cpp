// The settings store as the dialog and the host use it: sections of typed values that come back
// with their types, sections that do not disturb each other, and files that are corrupt, locked or
// read-only turning into logged errors rather than crashes or lost data.
#include "TestSupport.h"

#include <brio/core/ProfileStore.h>

#include <sqlite3.h>
#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdlib>

#include <fstream>

namespace brio::test {
namespace {

using core::ProfileStore;
using core::ProfileValues;

#ifndef _WIN32
// Permissions do not bind the superuser, and CI runs as root. A read-only bind mount needs a mount
// namespace and an immutable attribute a file system that keeps it, neither of which every CI machine
// grants; an effective user id of "nobody" is open to root everywhere, and the saved id takes root
// back. Not root: nothing changes, the file's modes already bind the user.
class UnprivilegedWhileRoot {
public:
    UnprivilegedWhileRoot() {
        if (geteuid() != 0) {
            m_ready = true;
            return;
        }
        const passwd* nobody = getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        m_dropped = setegid(gid) == 0 && seteuid(uid) == 0;
        m_ready = m_dropped;
    }
    ~UnprivilegedWhileRoot() {
        if (m_dropped && (seteuid(0) != 0 || setegid(0) != 0))
            std::abort(); // a test process that cannot take root back must not go on
    }
    UnprivilegedWhileRoot(const UnprivilegedWhileRoot&) = delete;
    UnprivilegedWhileRoot& operator=(const UnprivilegedWhileRoot&) = delete;
    bool ready() const { return m_ready; }

private:
    bool m_dropped = false;
    bool m_ready = false;
};
#endif

class Settings : public LoggedTest {
protected:
    void SetUp() override {
        LoggedTest::SetUp();
        server().setLogLevel(3);
    }
    std::unique_ptr<ProfileStore> open() { return ProfileStore::openFile(m_file.wstring()); }
    ProfileValues read(ProfileStore& store, const wchar_t* section) {
        ProfileValues values;
        EXPECT_TRUE(store.readSection(section, &values, 0));
        return values;
    }
    std::vector<std::filesystem::path> filesInFolder() const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
            found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }

    TempFolder m_folder;
    std::filesystem::path m_file = m_folder / "brio/settings.sqlite3";
};

TEST_F(Settings, ValuesComeBackWithTheirTypesAfterReopening) {
    ProfileValues written{
        {L"marume1", _variant_t(4)},        {L"unit1", _variant_t(1L, VT_I4)},
        {L"big", _variant_t(1LL << 40)},    {L"flag", _variant_t(true)},
        {L"ratio", _variant_t(0.1)},        {L"single", _variant_t(1.5f)},
        {L"name", _variant_t(L"要素 ±値")}, {L"empty text", _variant_t(L"")},
        {L"small", _variant_t(short{-3})},
    };
    ASSERT_TRUE(open()->writeSection(L"MeasureTotalDlg", &written));

    auto store = open();
    const ProfileValues read = this->read(*store, L"MeasureTotalDlg");
    ASSERT_EQ(read.size(), written.size());
    for (const auto& [key, value] : written) {
        const auto found = read.find(key);
        ASSERT_NE(found, read.end());
        EXPECT_EQ(found->second.vt, value.vt);
        EXPECT_TRUE(found->second == value);
    }
    EXPECT_TRUE(m_sink.entries().empty());
}

TEST_F(Settings, SectionsAreMergedAndKeptApart) {
    auto store = open();
    ProfileValues first{{L"a", _variant_t(1)}, {L"b", _variant_t(2)}};
    ProfileValues other{{L"a", _variant_t(L"other")}};
    ProfileValues update{{L"b", _variant_t(20)}, {L"c", _variant_t(30)}};
    ASSERT_TRUE(store->writeSection(L"dlg", &first));
    ASSERT_TRUE(store->writeSection(L"Dlg", &other));
    ASSERT_TRUE(store->writeSection(L"dlg", &update));

    const ProfileValues dlg = read(*store, L"dlg");
    EXPECT_EQ(dlg.size(), 3u);
    EXPECT_EQ(static_cast<int>(dlg.at(L"a")), 1) << "a key left out of a write is kept";
    EXPECT_EQ(static_cast<int>(dlg.at(L"b")), 20);
    EXPECT_STREQ(read(*store, L"Dlg").at(L"a").bstrVal, L"other") << "section names are case-sensitive";
    EXPECT_TRUE(read(*store, L"never written").empty());

    ASSERT_TRUE(store->deleteSection(L"dlg"));
    EXPECT_TRUE(read(*store, L"dlg").empty());
    EXPECT_EQ(read(*store, L"Dlg").size(), 1u);
}

TEST_F(Settings, ValuesTheFileCannotKeepAreSkippedAndLogged) {
    auto store = open();
    VARIANT date;
    VariantInit(&date);
    date.vt = VT_DATE;
    date.date = 45000.0;
    ProfileValues values{{L"kept", _variant_t(7)}, {L"date", _variant_t(date)}, {L"nothing", _variant_t()}};
    EXPECT_TRUE(store->writeSection(L"dlg", &values));
    const ProfileValues read = this->read(*store, L"dlg");
    EXPECT_EQ(read.size(), 1u);
    EXPECT_EQ(static_cast<int>(read.at(L"kept")), 7);
    EXPECT_EQ(m_sink.count(4, L"cannot be stored"), 2);
}

TEST_F(Settings, CorruptFileIsMovedAsideLoggedAndReplacedByAnEmptyOne) {
    std::filesystem::create_directories(m_file.parent_path());
    const std::string garbage(4096, '\x5a');
    std::ofstream(m_file, std::ios::binary) << garbage;

    auto store = open();
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(read(*store, L"MeasureTotalDlg").empty()) << "the host goes on with no settings";
    EXPECT_GE(m_sink.count(4, L"corrupt"), 1);

    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(m_file.parent_path()))
        if (entry.path().filename().string().starts_with("settings.sqlite3.corrupt-"))
            aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    std::ifstream kept(aside[0], std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage)
        << "the damaged file is kept as it was";

    ProfileValues values{{L"marume1", _variant_t(3)}};
    EXPECT_TRUE(store->writeSection(L"MeasureTotalDlg", &values)) << "the fresh file takes new settings";
}

TEST_F(Settings, DamagedPagesInAValidFileAreTreatedAsCorrupt) {
    {
        auto store = open();
        ProfileValues values;
        for (int i = 0; i < 400; ++i)
            values[L"key" + std::to_wstring(i)] = _variant_t(std::wstring(40, L'x').c_str());
        ASSERT_TRUE(store->writeSection(L"big", &values));
    }
    // Overwrite the second page (the table's root, past the file header) with noise.
    std::fstream file(m_file, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(4096);
    file << std::string(4096, '\x07');
    file.close();

    auto store = open();
    ASSERT_NE(store, nullptr);
    EXPECT_GE(m_sink.count(4, L"corrupt"), 1);
    EXPECT_TRUE(read(*store, L"big").empty());
}

TEST_F(Settings, LockedFileGivesALoggedFailureAndLosesNothing) {
    auto store = open();
    ProfileValues before{{L"a", _variant_t(1)}};
    ASSERT_TRUE(store->writeSection(L"dlg", &before));

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(reinterpret_cast<const char*>(m_file.u8string().c_str()), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ProfileValues during{{L"a", _variant_t(2)}};
    EXPECT_FALSE(store->writeSection(L"dlg", &during));
    EXPECT_EQ(m_sink.count(4, L"locked"), 1);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_EQ(static_cast<int>(read(*store, L"dlg").at(L"a")), 1);
    EXPECT_TRUE(store->writeSection(L"dlg", &during)) << "the store works again once the file is free";
    EXPECT_EQ(static_cast<int>(read(*store, L"dlg").at(L"a")), 2);
}

TEST_F(Settings, ReadOnlyFileIsReadButNotWritten) {
    ProfileValues values{{L"a", _variant_t(1)}};
    ASSERT_TRUE(open()->writeSection(L"dlg", &values));
#ifdef _WIN32
    using std::filesystem::perms;
    std::filesystem::permissions(m_file, perms::owner_read | perms::group_read | perms::others_read);
    std::filesystem::permissions(m_file.parent_path(), perms::owner_read | perms::owner_exec |
                                                           perms::group_read | perms::group_exec |
                                                           perms::others_read | perms::others_exec);
    // Wine keeps the read-only attribute as Unix permissions, which do not bind a superuser either.
    if (FILE* probe = _wfopen(m_file.c_str(), L"r+")) {
        std::fclose(probe);
        std::filesystem::permissions(m_file, perms::owner_read | perms::owner_write);
        GTEST_SKIP() << "the read-only attribute does not bind this user";
    }

    auto store = open();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(static_cast<int>(read(*store, L"dlg").at(L"a")), 1);
    ProfileValues change{{L"a", _variant_t(2)}};
    EXPECT_FALSE(store->writeSection(L"dlg", &change));
    EXPECT_GE(m_sink.count(4, L"writeSection"), 1);
    std::filesystem::permissions(m_file.parent_path(), perms::owner_all | perms::group_read |
                                                           perms::group_exec | perms::others_read |
                                                           perms::others_exec);
    std::filesystem::permissions(m_file, perms::owner_read | perms::owner_write);
#else
    chmod(m_file.c_str(), 0444);
    chmod(m_file.parent_path().c_str(), 0555);
    chmod(m_folder.path().c_str(), 0755); // the unprivileged user below must reach the file
    {
        const UnprivilegedWhileRoot user;
        ASSERT_TRUE(user.ready());
        auto store = open();
        ASSERT_NE(store, nullptr);
        EXPECT_EQ(static_cast<int>(read(*store, L"dlg").at(L"a")), 1);
        ProfileValues change{{L"a", _variant_t(2)}};
        EXPECT_FALSE(store->writeSection(L"dlg", &change));
        EXPECT_GE(m_sink.count(4, L"writeSection"), 1);
    }
    chmod(m_file.parent_path().c_str(), 0755);
#endif
}

TEST_F(Settings, PathThatCannotHoldAFileGivesNoStore) {
    std::filesystem::create_directories(m_file); // a folder where the file should be
    EXPECT_EQ(open(), nullptr);
    EXPECT_GE(m_sink.count(4, L"cannot open"), 1);
}

} // namespace
} // namespace brio::test
