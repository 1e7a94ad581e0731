// WideCharToMultiByte and MultiByteToWideChar as callers use them: ask for the size, convert, read the
// error. Every module's UTF-8 goes through these, so a wrong byte here is wrong everywhere.
#include <windows.h>

#include "platform_marks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Narrow(const std::wstring& wide, DWORD flags = 0) {
    const int size = WideCharToMultiByte(CP_UTF8, flags, wide.data(), static_cast<int>(wide.size()), nullptr,
                                         0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    const int written = WideCharToMultiByte(CP_UTF8, flags, wide.data(), static_cast<int>(wide.size()),
                                            out.data(), size, nullptr, nullptr);
    EXPECT_EQ(written, size);
    return out;
}

std::wstring Wide(const std::string& narrow, DWORD flags = 0) {
    const int size =
        MultiByteToWideChar(CP_UTF8, flags, narrow.data(), static_cast<int>(narrow.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    const int written =
        MultiByteToWideChar(CP_UTF8, flags, narrow.data(), static_cast<int>(narrow.size()), out.data(), size);
    EXPECT_EQ(written, size);
    return out;
}

struct Pair {
    const char* what;
    std::wstring wide;
    std::string utf8;
};

TEST(CodePages, WellFormedTextGoesBothWays) {
    const Pair cases[] = {
        {"ASCII", L"Total 12.5", "Total 12.5"},
        {"two bytes", L"\u00e9\u00df", "\xc3\xa9\xc3\x9f"},
        {"three bytes (Japanese)", L"\u5408\u8a08", "\xe5\x90\x88\xe8\xa8\x88"},
        {"beyond the BMP", L"\U0001F600", "\xf0\x9f\x98\x80"},
        {"highest character", L"\U0010FFFF", "\xf4\x8f\xbf\xbf"},
        {"embedded null", std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Pair& c : cases) {
        EXPECT_EQ(Narrow(c.wide, WC_ERR_INVALID_CHARS), c.utf8) << c.what;
        EXPECT_EQ(Wide(c.utf8, MB_ERR_INVALID_CHARS), c.wide) << c.what;
    }
}

TEST(CodePages, WideValuesThatAreNoCharacterBecomeReplacementOrFail) {
    std::vector<Pair> cases = {
        {"lone high surrogate", std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'},
         "a\xef\xbf\xbd"
         "b"},
        {"lone low surrogate", std::wstring{static_cast<wchar_t>(0xDFFF)}, "\xef\xbf\xbd"},
        {"low surrogate before high",
         std::wstring{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)},
         "\xef\xbf\xbd\xef\xbf\xbd"},
    };
#if WCHAR_MAX > 0xFFFF
    // A 32-bit wchar_t holds whole code points: a pair of surrogates is two bad values, not one
    // character, and values beyond Unicode exist. (A 16-bit one reads the pair as one character.)
    cases.push_back({"surrogate pair",
                     std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)},
                     "\xef\xbf\xbd\xef\xbf\xbd"});
    cases.push_back({"beyond U+10FFFF", std::wstring{static_cast<wchar_t>(0x110000)}, "\xef\xbf\xbd"});
    cases.push_back({"negative", std::wstring{static_cast<wchar_t>(-1)}, "\xef\xbf\xbd"});
#endif
    for (const Pair& c : cases) {
        EXPECT_EQ(Narrow(c.wide), c.utf8) << c.what;
        SetLastError(0);
        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, c.wide.data(),
                                      static_cast<int>(c.wide.size()), nullptr, 0, nullptr, nullptr),
                  0)
            << c.what;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION)) << c.what;
    }
}

// Without MB_ERR_INVALID_CHARS malformed bytes are kept as U+FFFD, not dropped (MultiByteToWideChar's
// page); how many the page does not say: these counts are Windows' converter's as Wine has them.
TEST(CodePages, MalformedBytesBecomeReplacementsOrFail) {
    const Pair cases[] = {
        {"stray continuation byte", L"a\uFFFDb",
         "a\x80"
         "b"},
        {"sequence cut short at the end is one", L"a\uFFFD", "a\xe5\x90"},
        {"lead byte cut short before ASCII", L"\uFFFDx", "\xc3x"},
        {"sequence cut short before ASCII", L"\uFFFDx", "\xe5\x90x"},
        {"overlong slash: C0 begins nothing", L"\uFFFD\uFFFD", "\xc0\xaf"},
        {"overlong three-byte null: two bytes, then one", L"\uFFFD\uFFFD", "\xe0\x80\x80"},
        {"overlong four-byte null: two bytes, then one each", L"\uFFFD\uFFFD\uFFFD", "\xf0\x80\x80\x80"},
        {"encoded surrogate: two bytes, then one", L"\uFFFD\uFFFD", "\xed\xa0\x80"},
        {"beyond U+10FFFF: two bytes, then one each", L"\uFFFD\uFFFD\uFFFD", "\xf4\x90\x80\x80"},
        {"bytes that never start a sequence", L"\uFFFD\uFFFD", "\xfe\xff"},
    };
    for (const Pair& c : cases) {
        EXPECT_EQ(Wide(c.utf8), c.wide) << c.what;
        SetLastError(0);
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, c.utf8.data(),
                                      static_cast<int>(c.utf8.size()), nullptr, 0),
                  0)
            << c.what;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION)) << c.what;
    }
}

TEST(CodePages, TerminatedInputCountsAndWritesItsTerminator) {
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u5408a", -1, nullptr, 0, nullptr, nullptr), 5);
    char narrow[8];
    std::memset(narrow, 'x', sizeof narrow);
    ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u5408a", -1, narrow, sizeof narrow, nullptr, nullptr), 5);
    EXPECT_STREQ(narrow, "\xe5\x90\x88"
                         "a");
    EXPECT_EQ(narrow[5], 'x') << "nothing is written past the result";

    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0,
                                  "\xe5\x90\x88"
                                  "a",
                                  -1, nullptr, 0),
              3);
    wchar_t wide[4] = {L'x', L'x', L'x', L'x'};
    ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0,
                                  "\xe5\x90\x88"
                                  "a",
                                  -1, wide, 4),
              3);
    EXPECT_STREQ(wide, L"\u5408a");
    EXPECT_EQ(wide[3], L'x');
}

// CP_ACP is the system's ANSI code page, whichever GetACP names (UTF-8 on the stand-in).
TEST(CodePages, TheAnsiCodePageIsTheOneGetAcpNames) {
    const std::string bytes = "Total \xe5\x90\x88\xc3\xa9";
    const auto convert = [&](UINT codePage) {
        std::wstring out(16, L'\0');
        out.resize(
            static_cast<size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                    out.data(), static_cast<int>(out.size()))));
        return out;
    };
    EXPECT_FALSE(convert(CP_ACP).empty());
    EXPECT_EQ(convert(CP_ACP), convert(GetACP()));
}

TEST(CodePages, MisuseFailsWithWindowsErrors) {
    char narrow[2];
    wchar_t wide[2];
    struct Case {
        const char* what;
        int (*call)(char* narrow, wchar_t* wide);
        DWORD error;
    };
    const Case cases[] = {
        {"buffer too small (wide to UTF-8)",
         [](char* n, wchar_t*) {
             return WideCharToMultiByte(CP_UTF8, 0, L"\u5408", 1, n, 2, nullptr, nullptr);
         },
         ERROR_INSUFFICIENT_BUFFER},
        {"buffer too small (UTF-8 to wide)",
         [](char*, wchar_t* w) { return MultiByteToWideChar(CP_UTF8, 0, "abc", 3, w, 2); },
         ERROR_INSUFFICIENT_BUFFER},
        {"empty counted input",
         [](char*, wchar_t* w) { return MultiByteToWideChar(CP_UTF8, 0, "abc", 0, w, 2); },
         ERROR_INVALID_PARAMETER},
        {"null input",
         [](char* n, wchar_t*) {
             return WideCharToMultiByte(CP_UTF8, 0, nullptr, 1, n, 2, nullptr, nullptr);
         },
         ERROR_INVALID_PARAMETER},
        {"negative output size",
         [](char*, wchar_t* w) { return MultiByteToWideChar(CP_UTF8, 0, "a", 1, w, -2); },
         ERROR_INVALID_PARAMETER},
        {"no such code page", [](char*, wchar_t* w) { return MultiByteToWideChar(12345, 0, "a", 1, w, 2); },
         ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.call(narrow, wide), 0) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    SetLastError(0);
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: WideCharToMultiByte's page says lpDefaultChar must be "
                        "NULL for CP_UTF8, else the call fails with ERROR_INVALID_PARAMETER",
                        EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, narrow, 2, "?", nullptr), 0));
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: WideCharToMultiByte's page says lpDefaultChar must be "
                        "NULL for CP_UTF8, else the call fails with ERROR_INVALID_PARAMETER",
                        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)));
    SetLastError(0);
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: MultiByteToWideChar's page says dwFlags must be 0 or "
                        "MB_ERR_INVALID_CHARS for UTF-8, else the call fails with ERROR_INVALID_FLAGS",
                        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", 1, wide, 2), 0));
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: MultiByteToWideChar's page says dwFlags must be 0 or "
                        "MB_ERR_INVALID_CHARS for UTF-8, else the call fails with ERROR_INVALID_FLAGS",
                        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS)));
}

} // namespace
