// Message maps on plain windows: the most derived entry wins, bases answer what derived classes leave,
// commands and notifications find their entries by code and id, a control's own reflected entries come
// first, and what nobody handles gets the window's default processing.
#include "test_support.h"

#include <commctrl.h>

namespace {

constexpr UINT kAppOne = WM_APP + 1;
constexpr UINT kAppTwo = WM_APP + 2;
constexpr UINT kUnmapped = WM_APP + 3;

class BaseWindow : public CWnd {
public:
    EventLog log;
    BOOL CreatePlain() {
        return CreateEx(0, AfxRegisterWndClass(0), L"plain", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCTW cs) {
        log.push_back("base create " + std::to_string(cs->cx));
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnAppOne(WPARAM, LPARAM) {
        log.push_back("base one");
        return 1;
    }
    afx_msg LRESULT OnAppTwo(WPARAM w, LPARAM) {
        log.push_back("base two");
        return LRESULT(w) * 2;
    }
    afx_msg void OnSize(UINT type, int cx, int cy) {
        log.push_back("base size " + std::to_string(type) + " " + std::to_string(cx) + "x" +
                      std::to_string(cy));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
ON_WM_CREATE()
ON_MESSAGE(kAppOne, &BaseWindow::OnAppOne)
ON_MESSAGE(kAppTwo, &BaseWindow::OnAppTwo)
ON_WM_SIZE()
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow {
protected:
    afx_msg LRESULT OnAppOne(WPARAM, LPARAM) {
        log.push_back("derived one");
        return 10;
    }
    afx_msg void OnCommandSeven() { log.push_back("command 7"); }
    afx_msg void OnCommandRange(UINT id) { log.push_back("range " + std::to_string(id)); }
    afx_msg void OnButtonClicked() { log.push_back("clicked 7"); }
    afx_msg void OnClickNotify(NMHDR* header, LRESULT* result) {
        log.push_back("parent NM_CLICK " + std::to_string(header->idFrom));
        *result = 5;
    }
    afx_msg void OnRclickNotify(NMHDR* header, LRESULT* result) {
        log.push_back("parent NM_RCLICK " + std::to_string(header->idFrom) + " starts at " +
                      std::to_string(*result));
        *result = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
ON_MESSAGE(kAppOne, &DerivedWindow::OnAppOne)
ON_COMMAND(7, &DerivedWindow::OnCommandSeven)
ON_BN_DOUBLECLICKED(7, &DerivedWindow::OnButtonClicked)
ON_COMMAND_RANGE(20, 29, &DerivedWindow::OnCommandRange)
ON_NOTIFY(NM_CLICK, 3, &DerivedWindow::OnClickNotify)
ON_NOTIFY(NM_RCLICK, 3, &DerivedWindow::OnRclickNotify)
END_MESSAGE_MAP()

// A child that takes its own NM_CLICK (reflection) but leaves NM_RCLICK to its parent.
class ReflectingChild : public CWnd {
public:
    EventLog* log = nullptr;

protected:
    afx_msg void OnReflectedClick(NMHDR*, LRESULT* result) {
        log->push_back("child NM_CLICK");
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingChild, CWnd)
ON_NOTIFY_REFLECT(NM_CLICK, &ReflectingChild::OnReflectedClick)
END_MESSAGE_MAP()

class MessageMapTest : public MfcTest {
protected:
    void TearDown() override {
        if (m_window.m_hWnd != nullptr)
            m_window.DestroyWindow();
        MfcTest::TearDown();
    }
    DerivedWindow m_window;
};

TEST_F(MessageMapTest, CreationMessagesAlreadyReachTheMap) {
    ASSERT_TRUE(m_window.CreatePlain());
    EXPECT_EQ(Joined(m_window.log), "base create 200 | base size 0 200x100");
}

struct Dispatch {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    const char* events;
};
void PrintTo(const Dispatch& d, std::ostream* os) {
    *os << d.name;
}

class MessageMapDispatchTest : public MessageMapTest, public ::testing::WithParamInterface<Dispatch> {};

TEST_P(MessageMapDispatchTest, FindsTheMostDerivedEntry) {
    ASSERT_TRUE(m_window.CreatePlain());
    m_window.log.clear();
    EXPECT_EQ(m_window.SendMessage(GetParam().message, GetParam().wParam, GetParam().lParam),
              GetParam().result);
    EXPECT_EQ(Joined(m_window.log), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MessageMapDispatchTest,
    ::testing::Values(Dispatch{"DerivedHidesBase", kAppOne, 0, 0, 10, "derived one"},
                      Dispatch{"BaseAnswersWhatDerivedLeaves", kAppTwo, 21, 0, 42, "base two"},
                      Dispatch{"WindowMessageCracked", WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 120), 0,
                               "base size 0 300x120"},
                      Dispatch{"MenuCommand", WM_COMMAND, MAKEWPARAM(7, 0), 0, 1, "command 7"},
                      Dispatch{"CommandRange", WM_COMMAND, MAKEWPARAM(24, 0), 0, 1, "range 24"},
                      Dispatch{"OutsideTheRange", WM_COMMAND, MAKEWPARAM(30, 0), 0, 0, ""},
                      Dispatch{"UnmappedGoesToTheDefault", kUnmapped, 1, 2, 0, ""}),
    [](const ::testing::TestParamInfo<Dispatch>& info) { return std::string(info.param.name); });

// Look-ups are kept, window messages per (class, message), commands and notifications per (class,
// message, code, id): two classes that answer the same message differently, asked in turn, each keep
// their own answer, ids next to each other keep theirs, also after the kept answers are dropped.
TEST_F(MessageMapTest, KeptLookUpsStayPerClass) {
    BaseWindow base;
    ASSERT_TRUE(m_window.CreatePlain());
    ASSERT_TRUE(base.CreatePlain());
    for (int round = 0; round < 3; ++round) {
        if (round == 2)
            AfxResetMsgCache();
        EXPECT_EQ(m_window.SendMessage(kAppOne), 10);
        EXPECT_EQ(base.SendMessage(kAppOne), 1);
        EXPECT_EQ(m_window.SendMessage(kAppTwo, 4), 8) << "the derived class answers with its base's entry";
        EXPECT_EQ(base.SendMessage(kUnmapped), 0);
        m_window.log.clear();
        EXPECT_EQ(m_window.SendMessage(WM_COMMAND, MAKEWPARAM(29, 0)), 1);
        EXPECT_EQ(m_window.SendMessage(WM_COMMAND, MAKEWPARAM(30, 0)), 0);
        EXPECT_EQ(m_window.SendMessage(WM_COMMAND, MAKEWPARAM(7, 0)), 1);
        EXPECT_EQ(base.SendMessage(WM_COMMAND, MAKEWPARAM(7, 0)), 0) << "the base class has no command 7";
        EXPECT_EQ(Joined(m_window.log), "range 29 | command 7") << "round " << round;
    }
    base.DestroyWindow();
}

TEST_F(MessageMapTest, ControlNotificationsAreMatchedByCodeAndId) {
    ASSERT_TRUE(m_window.CreatePlain());
    HWND control = ::CreateWindowExW(0, L"Button", L"b", WS_CHILD, 0, 0, 10, 10, m_window.m_hWnd,
                                     reinterpret_cast<HMENU>(7), nullptr, nullptr);
    m_window.log.clear();
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED), LPARAM(control));
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_SETFOCUS), LPARAM(control)); // no entry
    EXPECT_EQ(Joined(m_window.log), "clicked 7");
}

TEST_F(MessageMapTest, AControlsReflectedEntryComesBeforeItsParents) {
    ASSERT_TRUE(m_window.CreatePlain());
    ReflectingChild child;
    child.log = &m_window.log;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), L"child", WS_CHILD, 0, 0, 10, 10, m_window.m_hWnd,
                               reinterpret_cast<HMENU>(3)));
    m_window.log.clear();
    NMHDR click{child.m_hWnd, 3, NM_CLICK};
    NMHDR rclick{child.m_hWnd, 3, NM_RCLICK};
    EXPECT_EQ(m_window.SendMessage(WM_NOTIFY, 3, LPARAM(&click)), 7);
    EXPECT_EQ(m_window.SendMessage(WM_NOTIFY, 3, LPARAM(&rclick)), 9);
    EXPECT_EQ(Joined(m_window.log), "child NM_CLICK | parent NM_RCLICK 3 starts at 0");
    child.DestroyWindow();
}

// Default() runs the window's own procedure for the message being handled.
class CountingEdit : public CWnd {
protected:
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM) { return Default() + 100; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CountingEdit, CWnd)
ON_MESSAGE(WM_GETTEXTLENGTH, &CountingEdit::OnGetTextLength)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, DefaultCallsTheSubclassedWindowsOwnProcedure) {
    HWND edit =
        ::CreateWindowExW(0, L"Edit", L"four", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    CountingEdit counting;
    ASSERT_TRUE(counting.SubclassWindow(edit));
    EXPECT_EQ(::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 104);
    EXPECT_EQ(counting.UnsubclassWindow(), edit);
    EXPECT_EQ(::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 4) << "the original procedure is back";
    ::DestroyWindow(edit);
}

// ---- window lifetime
// ----------------------------------------------------------------------------------------
class SelfDeletingWindow : public CWnd {
public:
    explicit SelfDeletingWindow(bool* deleted) : m_deleted(deleted) {}
    ~SelfDeletingWindow() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

TEST_F(MessageMapTest, PostNcDestroyComesLastAndMayDeleteTheObject) {
    bool deleted = false;
    auto* window = new SelfDeletingWindow(&deleted);
    ASSERT_TRUE(window->CreateEx(0, L"Static", L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = window->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(MessageMapTest, AnObjectThatEndsTakesItsWindowWithIt) {
    HWND hWnd = nullptr;
    {
        BaseWindow window;
        ASSERT_TRUE(window.CreatePlain());
        hWnd = window.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
