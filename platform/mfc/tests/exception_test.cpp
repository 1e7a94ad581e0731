// MFC exceptions are thrown by pointer, caught as CException*, tell their class and text, and are
// freed with Delete() (LeakSanitizer checks that every one is).
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

struct Thrower {
    const char* name;
    void (*raise)();
    CRuntimeClass* kind;
    bool hasText;
};
void PrintTo(const Thrower& t, std::ostream* os) {
    *os << t.name;
}

class ExceptionTest : public ::testing::TestWithParam<Thrower> {};

TEST_P(ExceptionTest, IsCaughtByPointerAndTellsWhatItIs) {
    try {
        GetParam().raise();
        FAIL() << "nothing thrown";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(GetParam().kind));
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        wchar_t text[256] = L"stale";
        UINT help = 77;
        EXPECT_EQ(e->GetErrorMessage(text, 256, &help) != FALSE, GetParam().hasText);
        EXPECT_EQ(std::wcslen(text) > 0, GetParam().hasText);
        EXPECT_EQ(help, 0u);
        e->Delete();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExceptionTest,
    ::testing::Values(
        Thrower{"Memory", &AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException), true},
        Thrower{"Resource", &AfxThrowResourceException, RUNTIME_CLASS(CResourceException), true},
        Thrower{"NotSupported", &AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException), true},
        Thrower{"InvalidArg", &AfxThrowInvalidArgException, RUNTIME_CLASS(CInvalidArgException), true},
        Thrower{"User", &AfxThrowUserException, RUNTIME_CLASS(CUserException), false},
        Thrower{"New", [] { throw new CResourceException; }, RUNTIME_CLASS(CResourceException), true}),
    [](const ::testing::TestParamInfo<Thrower>& info) { return std::string(info.param.name); });

TEST(ExceptionText, IsCutToTheBufferAndAlwaysTerminated) {
    CNotSupportedException e;
    wchar_t small[8];
    std::wmemset(small, L'x', 8);
    EXPECT_TRUE(e.GetErrorMessage(small, 8));
    EXPECT_EQ(std::wcslen(small), 7u);
    EXPECT_FALSE(e.GetErrorMessage(small, 0)) << "no room at all";
    EXPECT_FALSE(e.GetErrorMessage(nullptr, 10));
}

TEST(ExceptionLifetime, TheOutOfMemoryExceptionIsStaticAndSurvivesDelete) {
    CException* first = nullptr;
    CException* second = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        first = e;
        e->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        second = e;
        e->Delete();
    }
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->m_bAutoDelete);
}

TEST(ExceptionLifetime, CatchAllSeesMfcAndStandardExceptionsApart) {
    std::string seen;
    for (int i = 0; i < 2; ++i) {
        try {
            if (i == 0)
                AfxThrowResourceException();
            throw std::runtime_error("std");
        } catch (CException* e) {
            seen += "mfc ";
            e->Delete();
        } catch (...) {
            seen += "other";
        }
    }
    EXPECT_EQ(seen, "mfc other");
}

} // namespace
