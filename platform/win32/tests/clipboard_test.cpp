// The clipboard and global memory: text goes in and comes back as Windows hands it over, misuse fails
// with Windows' errors, data is freed when it is replaced, and the test switch makes opening fail.
#include "test_support.h"

#include <cwchar>

namespace win32test {
namespace {

class Clipboard : public StandinTest {
protected:
    void TearDown() override {
        CloseClipboard();
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        standin::SetClipboardObserver(nullptr);
        StandinTest::TearDown();
    }
};

HGLOBAL TextBlock(const wchar_t* text) {
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* data = static_cast<wchar_t*>(GlobalLock(block));
    wmemcpy(data, text, wcslen(text) + 1);
    GlobalUnlock(block);
    return block;
}

TEST_F(Clipboard, TextSetByOneOwnerIsReadBackAndObserved) {
    HWND owner = MakeWindow(L"o", WS_POPUP, 0, 0, 10, 10);
    std::vector<std::wstring> observed;
    standin::SetClipboardObserver([&](const std::wstring& text) { observed.push_back(text); });
    ASSERT_TRUE(OpenClipboard(owner));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL first = TextBlock(L"1\t600.00\t長さ\\n");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);
    HGLOBAL second = TextBlock(L"2\t-25.50");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, second), second);
    EXPECT_EQ(GlobalSize(first), 0u) << "replaced data belongs to the clipboard, which frees it";
    EXPECT_TRUE(CloseClipboard());

    EXPECT_EQ(standin::ClipboardText(), L"2\t-25.50");
    EXPECT_EQ(observed, (std::vector<std::wstring>{L"1\t600.00\t長さ\\n", L"2\t-25.50"}));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the system synthesises CF_TEXT from it";
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    EXPECT_EQ(data, second);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(data)), L"2\t-25.50");
    GlobalUnlock(data);
    HANDLE narrow = GetClipboardData(CF_TEXT);
    ASSERT_NE(narrow, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(narrow)), "2\t-25.50");
    GlobalUnlock(narrow);
    CloseClipboard();
    DestroyWindow(owner);
}

TEST_F(Clipboard, MisuseFailsWithWindowsErrors) {
    HWND owner = MakeWindow(L"o", WS_POPUP, 0, 0, 10, 10);
    HWND other = MakeWindow(L"p", WS_POPUP, 0, 0, 10, 10);
    HGLOBAL block = TextBlock(L"x");
    SetLastError(0);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), nullptr) << "not open";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    ASSERT_TRUE(OpenClipboard(owner));
    EXPECT_TRUE(OpenClipboard(owner)) << "the window that has it open may open it again";
    EXPECT_FALSE(OpenClipboard(other)) << "another window may not";
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, reinterpret_cast<HANDLE>(0x4242)), nullptr) << "not a block";
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), block);
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(owner));
    HGLOBAL more = TextBlock(L"y");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, more), more) << "data is set without emptying first too";
    CloseClipboard();
    EXPECT_EQ(standin::ClipboardText(), L"y");
    DestroyWindow(other);
    DestroyWindow(owner);
}

TEST_F(Clipboard, SwitchMakesOpeningFailAndKeepsTheOldText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, TextBlock(L"kept"));
    CloseClipboard();
    standin::SetClipboardOpenFails(true);
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(standin::ClipboardText(), L"kept");
    standin::SetClipboardOpenFails(false);
}

TEST_F(Clipboard, GlobalMemoryHandlesAsOnWindows) {
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 16);
    EXPECT_EQ(GlobalLock(fixed), fixed) << "a fixed block's handle is its address";
    HGLOBAL moveable = GlobalAlloc(GHND, 8);
    void* address = GlobalLock(moveable);
    ASSERT_NE(address, nullptr);
    EXPECT_NE(address, moveable);
    EXPECT_EQ(static_cast<unsigned char*>(address)[7], 0) << "GHND zeroes";
    EXPECT_TRUE(GlobalLock(moveable) != nullptr);
    EXPECT_TRUE(GlobalUnlock(moveable)) << "still locked once";
    EXPECT_FALSE(GlobalUnlock(moveable));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GlobalSize(moveable), 8u);
    EXPECT_EQ(GlobalFree(moveable), nullptr);
    EXPECT_EQ(GlobalFree(moveable), moveable) << "a second free gives the handle back";
    EXPECT_EQ(GlobalFree(fixed), nullptr);
    standin::FailNext(standin::Fault::GlobalAlloc);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 4), nullptr);
    HGLOBAL after = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_NE(after, nullptr) << "only the next call fails";
    GlobalFree(after);
}

} // namespace
} // namespace win32test
