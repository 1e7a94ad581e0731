// What the MFC tests share: a fixture that runs each test with the MFC message-loop step installed
// in the simulated user's pump and checks that no window outlives the test.
#pragma once

#include <afxwin.h>
#include <automation.h>
#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

class MfcTest : public ::testing::Test {
protected:
    void SetUp() override {
        standin::ResetRecords();
        automation::SetPreTranslateHook([](MSG* msg) { return AfxPreTranslateMessage(msg) != FALSE; });
        m_windowsBefore = standin::CountLiveObjects().windows;
    }
    void TearDown() override {
        automation::Pump();
        automation::SetPreTranslateHook(nullptr);
        EXPECT_EQ(standin::CountLiveObjects().windows, m_windowsBefore) << "a window outlived the test";
    }

private:
    int m_windowsBefore = 0;
};

// A library built beside the test program, by its target's name ("libmfc_sample_dll"), with the
// suffix the platform gives libraries.
inline std::wstring LibraryBesideProgram(const wchar_t* target) {
    wchar_t exe[1024] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, exe, 1024);
    std::wstring path(exe, length);
#ifdef _WIN32
    const wchar_t* suffix = L".dll";
#else
    const wchar_t* suffix = L".so";
#endif
    return path.substr(0, path.find_last_of(L"/\\") + 1) + target + suffix;
}

// What a program exports for the libraries it loads to find with GetProcAddress.
#ifdef _WIN32
#define MFC_TEST_PROGRAM_EXPORT __declspec(dllexport)
#else
#define MFC_TEST_PROGRAM_EXPORT __attribute__((visibility("default")))
#endif

// Joins recorded events for one readable comparison.
inline std::string Joined(const std::vector<std::string>& events) {
    std::string text;
    for (const std::string& event : events)
        text += (text.empty() ? "" : " | ") + event;
    return text;
}
