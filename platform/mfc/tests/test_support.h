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

// Joins recorded events for one readable comparison.
inline std::string Joined(const std::vector<std::string>& events) {
    std::string text;
    for (const std::string& event : events)
        text += (text.empty() ? "" : " | ") + event;
    return text;
}
