// A host killed at any moment of a settings write: afterwards the file opens and holds one whole
// generation of the section, the last committed one or the one being written, never a mix, and a
// committed generation is never lost.
#include "TestSupport.h"

#include <brio/core/ProfileStore.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>

namespace brio::test {
namespace {

using core::ProfileStore;
using core::ProfileValues;

constexpr int kKeys = 30;

ProfileValues generation(long long number) {
    ProfileValues values;
    for (int i = 0; i < kKeys; ++i)
        values[L"key" + std::to_wstring(i)] = _variant_t(number);
    // A text value too, so that a torn page would show in more than one representation.
    values[L"text"] = _variant_t(std::to_wstring(number).c_str());
    return values;
}

// The generation the section holds, or -1 when its values disagree.
long long generationIn(const ProfileValues& values) {
    if (values.size() != kKeys + 1)
        return -1;
    const long long first = static_cast<long long>(values.at(L"key0"));
    for (const auto& [key, value] : values) {
        const long long number =
            key == L"text" ? std::stoll(std::wstring(value.bstrVal)) : static_cast<long long>(value);
        if (number != first)
            return -1;
    }
    return first;
}

TEST(SettingsDurability, KilledWriterLeavesOneWholeGeneration) {
    TempFolder folder;
    const std::wstring file = (folder / "settings.sqlite3").wstring();
    {
        ProfileValues first = generation(0);
        ASSERT_TRUE(ProfileStore::openFile(file)->writeSection(L"dlg", &first));
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> pauseUs(200, 15000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    long long lastSeen = 0;
    int trials = 0;
    std::set<long long> seen;
    while (trials < 40 && std::chrono::steady_clock::now() < deadline) {
        const long long base = (trials + 1) * 1'000'000LL;
        // No connection is open across the fork: the child makes its own, as a separate host would.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto store = ProfileStore::openFile(file);
            for (long long n = 1; store != nullptr && n < 1'000'000; ++n) {
                ProfileValues values = generation(base + n);
                store->writeSection(L"dlg", &values);
            }
            _exit(0);
        }
        usleep(static_cast<useconds_t>(pauseUs(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        auto store = ProfileStore::openFile(file);
        ASSERT_NE(store, nullptr) << "trial " << trials;
        ProfileValues values;
        ASSERT_TRUE(store->readSection(L"dlg", &values, 0)) << "trial " << trials;
        const long long held = generationIn(values);
        ASSERT_NE(held, -1) << "trial " << trials << ": the section mixes generations";
        EXPECT_GE(held, lastSeen) << "trial " << trials << ": a committed generation was lost";
        lastSeen = held;
        seen.insert(held);
        ++trials;
    }
    std::printf("kill during write: %d writers killed, %zu different generations found, none mixed or lost\n",
                trials, seen.size());
    EXPECT_GE(trials, 10);
    EXPECT_GE(seen.size(), 2u) << "no kill landed after a commit: the test proved nothing";
}

} // namespace
} // namespace brio::test
