// ClipBoardCopy as the list's copy command uses it: the text is where another program's
// GetClipboardData finds it, each failure gives its code, and a failed copy leaves the clipboard
// closed and holding what it held before.
#include <brio/ui/ClipBoardCopy.h>

#include <standin/hooks.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Reads CF_UNICODETEXT the way any clipboard reader does.
std::wstring readClipboard() {
    if (!OpenClipboard(nullptr))
        return L"<clipboard could not be opened>";
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

class ClipboardCopy : public testing::Test {
protected:
    void TearDown() override { standin::ResetRecords(); }
};

TEST_F(ClipboardCopy, TextArrivesWhereReadersLook) {
    const std::wstring longText(100000, L'値');
    const std::wstring cases[] = {
        L"12.345",
        L"No\tスケール\t要素種別\t±\t値\r\n1\t1/100\t線分\t+\t12.345 m\r\n",
        L"",
        longText,
    };
    for (const std::wstring& text : cases) {
        ASSERT_EQ(ClipBoardCopy(text.c_str()), 0);
        EXPECT_EQ(readClipboard(), text);
        EXPECT_EQ(standin::ClipboardText(), text);
    }
}

TEST_F(ClipboardCopy, FailuresGiveTheirCodesAndKeepTheEarlierText) {
    struct Case {
        const char* name;
        void (*arrange)();
        const wchar_t* text;
        int code;
    } const cases[] = {
        {"clipboard cannot be opened", [] { standin::SetClipboardOpenFails(true); }, L"new", 3},
        {"no memory for the text", [] { standin::FailNext(standin::Fault::GlobalAlloc); }, L"new", 1},
        {"null text", [] {}, nullptr, 1},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ClipBoardCopy(L"earlier"), 0) << c.name;
        c.arrange();
        EXPECT_EQ(ClipBoardCopy(c.text), c.code) << c.name;
        standin::ResetRecords();
        EXPECT_EQ(readClipboard(), L"earlier") << c.name << ": the clipboard must be closed and unchanged";
    }
}

} // namespace
