// The checked copies as guarded code meets them: a copy that fits is made, one that does not
// leaves an empty destination, reports to the installed handler and returns its error code; with
// no handler the process ends.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform_marks.h"

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> g_reports;

// The reports reach the handler only where the runtime calls the one the program installed: the
// msvcrt.dll of mingw-w64's default runtime keeps its own, and the import library's
// _set_invalid_parameter_handler only stores the pointer.
constexpr const char kHandlerOfItsOwn[] =
    "not checked on Windows: mingw-w64's msvcrt runtime never calls the handler the program installs";
#define EXPECT_REPORTS(count, ...)                                                                           \
    BR_STANDIN_ONLY(kHandlerOfItsOwn, EXPECT_EQ(g_reports.size(), static_cast<size_t>(count)) << __VA_ARGS__)

void recordingHandler(const wchar_t* expression, const wchar_t* function, const wchar_t*, unsigned int,
                      uintptr_t) {
    g_reports.push_back(std::wstring(function != nullptr ? function : L"") + L": " +
                        (expression != nullptr ? expression : L""));
}

class CheckedStrings : public testing::Test {
protected:
    void SetUp() override {
        g_reports.clear();
        m_previous = _set_invalid_parameter_handler(&recordingHandler);
    }
    void TearDown() override { _set_invalid_parameter_handler(m_previous); }

    _invalid_parameter_handler m_previous = nullptr;
};

struct CopyCase {
    const char* name;
    size_t size;
    const wchar_t* src;
    errno_t result;
    const wchar_t* dest;
};

TEST_F(CheckedStrings, WcscpyCopiesWhatFitsAndEmptiesOtherwise) {
    const CopyCase cases[] = {
        {"fits", 8, L"abc", 0, L"abc"},           {"exactly fits with its terminator", 4, L"abc", 0, L"abc"},
        {"one too long", 3, L"abc", ERANGE, L""}, {"empty source", 2, L"", 0, L""},
        {"null source", 8, nullptr, EINVAL, L""},
    };
    for (const CopyCase& c : cases) {
        g_reports.clear();
        wchar_t buffer[8] = L"old";
        errno = 0;
        EXPECT_EQ(wcscpy_s(buffer, c.size, c.src), c.result) << c.name;
        EXPECT_STREQ(buffer, c.dest) << c.name;
        EXPECT_REPORTS(c.result == 0 ? 0u : 1u, c.name);
        if (c.result != 0) {
            EXPECT_EQ(errno, c.result) << c.name;
        }
    }
}

TEST_F(CheckedStrings, UnusableDestinationIsReportedAndNotWritten) {
    wchar_t buffer[4] = L"old";
    EXPECT_EQ(wcscpy_s(nullptr, 4, L"a"), EINVAL);
    EXPECT_EQ(wcscpy_s(buffer, 0, L"a"), EINVAL);
    EXPECT_STREQ(buffer, L"old") << "a zero size means not one character may be written";
    EXPECT_REPORTS(2, "");
}

TEST_F(CheckedStrings, WcsncpyTruncatesOnlyWhenAsked) {
    wchar_t buffer[4] = L"";
    EXPECT_EQ(wcsncpy_s(buffer, 4, L"abcdef", 2), 0);
    EXPECT_STREQ(buffer, L"ab");
    EXPECT_EQ(wcsncpy_s(buffer, 4, L"abcdef", _TRUNCATE), STRUNCATE);
    EXPECT_STREQ(buffer, L"abc");
    EXPECT_REPORTS(0, "");
    EXPECT_EQ(wcsncpy_s(buffer, 4, L"abcdef", 5), ERANGE);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(wcsncpy_s(buffer, 4, nullptr, 0), 0);
    EXPECT_REPORTS(1, "");
}

TEST_F(CheckedStrings, WcscatAppendsOrReportsOverflowAndUnterminatedDestinations) {
    wchar_t buffer[6] = L"ab";
    EXPECT_EQ(wcscat_s(buffer, 6, L"cde"), 0);
    EXPECT_STREQ(buffer, L"abcde");
    EXPECT_EQ(wcscat_s(buffer, 6, L"f"), ERANGE);
    EXPECT_STREQ(buffer, L"");
    wchar_t unterminated[3] = {L'x', L'y', L'z'};
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: the C runtime reference's strcat_s, wcscat_s page "
                        "gives EINVAL for an unterminated destination; Wine answers ERANGE",
                        EXPECT_EQ(wcscat_s(unterminated, 3, L""), EINVAL));
    EXPECT_REPORTS(2, "");
}

TEST(CheckedStringsWithoutHandler, BadCopyEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    BR_STANDIN_ONLY(kHandlerOfItsOwn, EXPECT_DEATH(
                                          {
                                              _set_invalid_parameter_handler(nullptr);
                                              wchar_t buffer[2];
                                              wcscpy_s(buffer, 2, L"too long");
                                          },
                                          "no handler installed"));
}

} // namespace
