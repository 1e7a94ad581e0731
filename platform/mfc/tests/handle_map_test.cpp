// The handle map: one object per window, permanent while attached, temporary otherwise, and nothing
// kept for a window that is gone.
#include "test_support.h"

namespace {

class HandleMapTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        m_hWnd =
            ::CreateWindowExW(0, L"Static", L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
    }
    void TearDown() override {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        MfcTest::TearDown();
    }
    HWND m_hWnd = nullptr;
};

TEST_F(HandleMapTest, AnUnattachedWindowHasOneTemporaryObject) {
    CWnd* first = CWnd::FromHandle(m_hWnd);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hWnd, m_hWnd);
    EXPECT_EQ(CWnd::FromHandle(m_hWnd), first);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

TEST_F(HandleMapTest, AttachingMakesTheObjectPermanentAndKeepsEarlierTemporariesUsable) {
    CWnd* temporary = CWnd::FromHandle(m_hWnd);
    CWnd attached;
    ASSERT_TRUE(attached.Attach(m_hWnd));
    EXPECT_EQ(CWnd::FromHandle(m_hWnd), &attached);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), &attached);
    EXPECT_EQ(temporary->m_hWnd, m_hWnd) << "a pointer taken before stays valid";

    CWnd second;
    EXPECT_FALSE(second.Attach(m_hWnd)) << "one permanent object per window";
    EXPECT_FALSE(second.SubclassWindow(m_hWnd));

    EXPECT_EQ(attached.Detach(), m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), nullptr);
    EXPECT_TRUE(::IsWindow(m_hWnd)) << "detaching leaves the window";
}

TEST_F(HandleMapTest, ADestroyedWindowIsForgotten) {
    CWnd subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(m_hWnd));
    ::DestroyWindow(m_hWnd);
    EXPECT_EQ(subclassed.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), nullptr);
    EXPECT_FALSE(subclassed.DestroyWindow()) << "nothing left to destroy";
}

TEST_F(HandleMapTest, GetDlgItemGivesTheControlsObject) {
    HWND child = ::CreateWindowExW(0, L"Button", L"b", WS_CHILD, 0, 0, 5, 5, m_hWnd,
                                   reinterpret_cast<HMENU>(42), nullptr, nullptr);
    CWnd parent;
    ASSERT_TRUE(parent.Attach(m_hWnd));
    CWnd* item = parent.GetDlgItem(42);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_hWnd, child);
    EXPECT_EQ(item->GetDlgCtrlID(), 42);
    EXPECT_EQ(item->GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(43), nullptr);
    CButton button;
    ASSERT_TRUE(button.SubclassDlgItem(42, &parent));
    EXPECT_EQ(parent.GetDlgItem(42), &button);
    parent.Detach();
}

TEST_F(HandleMapTest, DeviceContextsHaveOneWrapperWhileInUse) {
    int dcsBefore = standin::CountLiveObjects().dcs;
    HDC dc = ::GetDC(m_hWnd);
    CDC* first = CDC::FromHandle(dc);
    EXPECT_EQ(CDC::FromHandle(dc), first);
    EXPECT_EQ(first->GetSafeHdc(), dc);
    ::ReleaseDC(m_hWnd, dc);
    {
        CWnd window;
        window.Attach(m_hWnd);
        CClientDC client(&window);
        EXPECT_EQ(CDC::FromHandle(client.m_hDC), &client) << "an attached DC is its own object";
        window.Detach();
    }
    EXPECT_EQ(standin::CountLiveObjects().dcs, dcsBefore) << "each DC went back";
}

} // namespace
