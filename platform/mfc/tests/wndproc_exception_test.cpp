// An MFC exception that a handler lets go ends in the window procedure of its message: the
// application chooses what the system is answered and what the user is told, and the exception
// object is deleted. Every other exception goes on to whoever sent or dispatched the message.
#include "test_support.h"

#include <memory>
#include <stdexcept>

namespace {

constexpr UINT kThrowingMessage = WM_APP + 1;
constexpr UINT kMenuCommand = 40001;
constexpr UINT kChildId = 7;

enum class Thrown { Nothing, Memory, User, Standard };

[[noreturn]] void Throw(Thrown thrown) {
    if (thrown == Thrown::Memory)
        AfxThrowMemoryException();
    if (thrown == Thrown::User)
        AfxThrowUserException();
    throw std::runtime_error("not an MFC exception");
}

class ThrowingWindow : public CWnd {
public:
    Thrown onCreate = Thrown::Nothing;
    Thrown onHandlers = Thrown::Memory;

    BOOL CreatePlain() {
        return CreateEx(0, AfxRegisterWndClass(0), L"plain", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                        nullptr);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCTW cs) {
        if (onCreate != Thrown::Nothing)
            Throw(onCreate);
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnPaint() { Throw(onHandlers); }
    afx_msg LRESULT OnThrowingMessage(WPARAM, LPARAM) { Throw(onHandlers); }
    afx_msg void OnMenuCommand() { Throw(onHandlers); }
    afx_msg void OnChildClicked() { Throw(onHandlers); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWindow, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_MESSAGE(kThrowingMessage, &ThrowingWindow::OnThrowingMessage)
ON_COMMAND(kMenuCommand, &ThrowingWindow::OnMenuCommand)
ON_BN_CLICKED(kChildId, &ThrowingWindow::OnChildClicked)
END_MESSAGE_MAP()

class WndProcExceptions : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        ASSERT_TRUE(m_window.CreatePlain());
        standin::ClearMessageBoxes();
    }
    void TearDown() override {
        m_window.DestroyWindow();
        MfcTest::TearDown();
    }
    // The texts of the boxes shown since the set-up.
    static std::vector<std::wstring> Boxes() {
        std::vector<std::wstring> texts;
        for (const auto& box : standin::MessageBoxes())
            texts.push_back(box.text);
        return texts;
    }
    ThrowingWindow m_window;
};

struct ThrowCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool fromChild; // lParam is a control's handle
    Thrown thrown;
    LRESULT answer;
    const wchar_t* box; // nullptr: none
};

TEST_F(WndProcExceptions, TheSystemGetsTheDocumentedAnswerAndTheUserTheFrameworksBox) {
    CWinApp app(L"BrTest");
    HWND child =
        ::CreateWindowExW(0, L"Button", L"child", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, m_window.m_hWnd,
                          reinterpret_cast<HMENU>(UINT_PTR(kChildId)), nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    const ThrowCase cases[] = {
        {"a menu command", WM_COMMAND, MAKEWPARAM(kMenuCommand, 0), false, Thrown::Memory, TRUE,
         L"Command failed."},
        {"a control's notification", WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), true, Thrown::Memory, TRUE,
         L"Internal application error."},
        {"a window message", kThrowingMessage, 0, false, Thrown::Memory, 0, L"Internal application error."},
        {"a user exception: the user was told already", kThrowingMessage, 0, false, Thrown::User, 0, nullptr},
        {"a user exception in a command", WM_COMMAND, MAKEWPARAM(kMenuCommand, 0), false, Thrown::User, TRUE,
         nullptr},
    };
    for (const ThrowCase& each : cases) {
        SCOPED_TRACE(each.name);
        standin::ClearMessageBoxes();
        if (each.box != nullptr)
            standin::QueueMessageBoxAnswer(IDOK);
        m_window.onHandlers = each.thrown;
        const LPARAM lParam = each.fromChild ? reinterpret_cast<LPARAM>(child) : 0;
        EXPECT_EQ(::SendMessageW(m_window.m_hWnd, each.message, each.wParam, lParam), each.answer);
        EXPECT_EQ(Boxes(), each.box ? std::vector<std::wstring>{each.box} : std::vector<std::wstring>{});
    }
    ::DestroyWindow(child);
}

TEST_F(WndProcExceptions, AFailedCreationAndAFailedPaintTellNobody) {
    ThrowingWindow failing;
    failing.onCreate = Thrown::Memory;
    EXPECT_FALSE(failing.CreatePlain()) << "WM_CREATE answers -1";
    EXPECT_EQ(failing.m_hWnd, nullptr);

    m_window.onHandlers = Thrown::Memory;
    ::InvalidateRect(m_window.m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_window.m_hWnd);
    EXPECT_FALSE(::GetUpdateRect(m_window.m_hWnd, nullptr, FALSE)) << "validated, so not painted again";
    EXPECT_TRUE(Boxes().empty());
}

// An application that handles its exceptions itself.
class QuietApp : public CWinApp {
public:
    QuietApp() : CWinApp(L"BrTest") {}
    std::vector<UINT> messages;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        messages.push_back(pMsg->message);
        return 42;
    }
};

TEST_F(WndProcExceptions, TheApplicationDecidesAndOtherExceptionsGoOn) {
    QuietApp app;
    m_window.onHandlers = Thrown::Memory;
    EXPECT_EQ(::SendMessageW(m_window.m_hWnd, kThrowingMessage, 0, 0), 42);
    EXPECT_EQ(app.messages, std::vector<UINT>{kThrowingMessage});
    EXPECT_TRUE(Boxes().empty());

    m_window.onHandlers = Thrown::Standard;
    EXPECT_THROW(::SendMessageW(m_window.m_hWnd, kThrowingMessage, 0, 0), std::runtime_error);
    EXPECT_EQ(app.messages.size(), 1u) << "not the framework's exception: not the application's either";
}

} // namespace
