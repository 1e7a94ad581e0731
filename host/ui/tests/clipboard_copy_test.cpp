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

// Every failure before the clipboard is emptied keeps the earlier text; a refusal of the data comes
// after emptying, which Windows requires before new data is set, so the clipboard is then empty.
TEST_F(ClipboardCopy, FailuresGiveTheirCodesAndKeepTheEarlierTextWhileTheyCan) {
    struct Case {
        const char* name;
        void (*arrange)();
        const wchar_t* text;
        int code;
        const wchar_t* after;
    } const cases[] = {
        {"clipboard cannot be opened", [] { standin::SetClipboardOpenFails(true); }, L"new", 3, L"earlier"},
        {"no memory for the text", [] { standin::FailNext(standin::Fault::GlobalAlloc); }, L"new", 1,
         L"earlier"},
        {"memory cannot be locked", [] { standin::FailNext(standin::Fault::GlobalLock); }, L"new", 2,
         L"earlier"},
        {"the clipboard refuses the data", [] { standin::FailNext(standin::Fault::SetClipboardData); },
         L"new", 4, L""},
        {"null text", [] {}, nullptr, 1, L"earlier"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ClipBoardCopy(L"earlier"), 0) << c.name;
        c.arrange();
        EXPECT_EQ(ClipBoardCopy(c.text), c.code) << c.name;
        standin::ResetRecords();
        EXPECT_EQ(readClipboard(), c.after) << c.name << ": the clipboard must be closed again";
    }
}

} // namespace
