// The guarded copy as the component uses it: a copy that fits succeeds; a bad one is reported as a
// failure with an empty destination instead of ending the host; the caller's own handler is back
// in place afterwards, and a failure does not leak into the next copy.
#include <brio/CrtUtil.h>

#include <gtest/gtest.h>
#include <platform_marks.h>

#include <string>

namespace {

int g_outerReports = 0;

void outerHandler(const wchar_t*, const wchar_t*, const wchar_t*, unsigned int, uintptr_t) {
    ++g_outerReports;
}

struct Case {
    const char* name;
    size_t size;
    const wchar_t* src;
    bool copied;
    const wchar_t* dest;
};

TEST(GuardedCopy, SucceedsOrFailsWithoutEndingTheHost) {
    const Case cases[] = {
        {"fits", 16, L"12.345 m", true, L"12.345 m"},
        {"exactly fits", 4, L"abc", true, L"abc"},
        {"too long", 3, L"abc", false, L""},
        {"null source", 16, nullptr, false, L""},
        {"Japanese text", 8, L"要素種別", true, L"要素種別"},
    };
    for (const Case& c : cases) {
        wchar_t buffer[16] = L"old";
        EXPECT_EQ(brio::CrtUtil::GuardedWcsCpy(buffer, c.size, c.src), c.copied) << c.name;
        EXPECT_STREQ(buffer, c.dest) << c.name;
    }
}

TEST(GuardedCopy, PutsTheCallersHandlerBackAndForgetsEarlierFailures) {
    g_outerReports = 0;
    _set_invalid_parameter_handler(&outerHandler);
    wchar_t buffer[4];
    EXPECT_FALSE(brio::CrtUtil::GuardedWcsCpy(buffer, 2, L"too long"));
    EXPECT_EQ(_get_invalid_parameter_handler(), &outerHandler);
    EXPECT_EQ(g_outerReports, 0) << "the guard's own handler took the report";
    EXPECT_TRUE(brio::CrtUtil::GuardedWcsCpy(buffer, 4, L"ok")) << "an earlier failure must not stick";
    wcscpy_s(buffer, 2, L"too long");
    BR_FAILS_ON_WINDOWS("msvcrt.dll, the runtime mingw-w64 links, has no _set_invalid_parameter_handler "
                        "(Microsoft documents it for the Universal CRT): mingw-w64 keeps the handler, "
                        "msvcrt.dll's wcscpy_s only returns ERANGE",
                        EXPECT_EQ(g_outerReports, 1) << "outside the guard the caller's handler is called");
    _set_invalid_parameter_handler(nullptr);
}

} // namespace
