// CString: formatting as the C runtime of this platform does it (%ls for wide strings, numbers in the
// C locale), comparison, and the editing operations, with their edge cases.
#include <afxwin.h>

#include <gtest/gtest.h>
#include "platform_marks.h"

#include <string>

namespace {

TEST(CStringFormat, FollowsTheRuntimesConversions) {
    CString s;
    s.Format(L"%ls|%d|%f|%.2f|%5d|%-3d|%x|%lc|%%", L"長さ", -42, 1.5, 2.345, 7, 8, 255u, L'米');
    EXPECT_STREQ(s, L"長さ|-42|1.500000|2.35|    7|8  |ff|米|%");
}

TEST(CStringFormat, UsesThePointAsDecimalSeparatorOfTheCLocale) {
    CString s;
    s.Format(L"%.3f %g", 1234.5678, 0.5);
    EXPECT_STREQ(s, L"1234.568 0.5");
}

TEST(CStringFormat, GrowsPastAnyFixedBuffer) {
    std::wstring longText(5000, L'あ');
    CString s;
    s.Format(L"[%ls]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Right(2), CString(L"あ]"));
}

TEST(CStringFormat, AppendsAndReplaces) {
    CString s = L"old";
    s.Format(L"%d", 1);
    s.AppendFormat(L"+%d", 2);
    EXPECT_STREQ(s, L"1+2");
}

TEST(CStringFormat, ARejectedConversionThrowsAndLeavesTheString) {
    BR_STANDIN_ONLY("a narrow argument is UTF-8 only on the stand-in; Windows reads it in the ANSI code "
                    "page, which rejects no byte",
                    ([] {
                        CString s = L"kept";
                        const char invalidUtf8[] = "\xff\xfe";
                        try {
                            s.Format(L"%s", invalidUtf8);
                            FAIL() << "no exception";
                        } catch (CException* e) {
                            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
                            e->Delete();
                        }
                        EXPECT_STREQ(s, L"kept");
                    })());
}

TEST(CStringCompare, ComparesWithStringsAndPointersEitherWay) {
    CString a = L"abc";
    EXPECT_TRUE(a == L"abc");
    EXPECT_TRUE(L"abc" == a);
    EXPECT_TRUE(a != L"abd");
    EXPECT_TRUE(a == CString(L"abc"));
    EXPECT_TRUE(a < CString(L"abd"));
    EXPECT_LT(a.Compare(L"abd"), 0);
    EXPECT_GT(a.Compare(L""), 0);
    EXPECT_EQ(a.CompareNoCase(L"ABC"), 0);
    EXPECT_TRUE(CString() == static_cast<LPCWSTR>(nullptr)) << "a null pointer compares as empty";
    EXPECT_EQ(CString(L"x") + L"y" + L'z' + CString(L"!"), CString(L"xyz!"));
    EXPECT_EQ(L"-" + CString(L"1"), CString(L"-1"));
}

struct Edit {
    const char* name;
    CString (*apply)(CString);
    const wchar_t* expected;
};
void PrintTo(const Edit& e, std::ostream* os) {
    *os << e.name;
}

class CStringEditTest : public ::testing::TestWithParam<Edit> {};

TEST_P(CStringEditTest, GivesTheExpectedText) {
    EXPECT_STREQ(GetParam().apply(L"  12.50mm  "), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CStringEditTest,
    ::testing::Values(Edit{"Left", [](CString s) { return s.Left(4); }, L"  12"},
                      Edit{"LeftPastEnd", [](CString s) { return s.Left(99); }, L"  12.50mm  "},
                      Edit{"LeftNegative", [](CString s) { return s.Left(-1); }, L""},
                      Edit{"Mid", [](CString s) { return s.Mid(2, 5); }, L"12.50"},
                      Edit{"MidToEnd", [](CString s) { return s.Mid(7); }, L"mm  "},
                      Edit{"MidPastEnd", [](CString s) { return s.Mid(50, 3); }, L""},
                      Edit{"Right", [](CString s) { return s.Right(4); }, L"mm  "},
                      Edit{"Trim", [](CString s) { return s.Trim(); }, L"12.50mm"},
                      Edit{"TrimLeft", [](CString s) { return s.TrimLeft(); }, L"12.50mm  "},
                      Edit{"TrimCharacters", [](CString s) { return s.Trim().TrimRight(L"m"); }, L"12.50"},
                      Edit{"TrimZeros", [](CString s) { return s.Trim().Left(5).TrimRight(L'0'); }, L"12.5"},
                      Edit{"ReplaceText",
                           [](CString s) {
                               s.Replace(L"mm", L" m2");
                               return s;
                           },
                           L"  12.50 m2  "},
                      Edit{"ReplaceChar",
                           [](CString s) {
                               s.Replace(L' ', L'_');
                               return s;
                           },
                           L"__12.50mm__"},
                      Edit{"Remove",
                           [](CString s) {
                               s.Remove(L' ');
                               return s;
                           },
                           L"12.50mm"},
                      Edit{"InsertDelete",
                           [](CString s) {
                               s.Trim();
                               s.Insert(0, L'-');
                               s.Delete(3, 1);
                               return s;
                           },
                           L"-1250mm"},
                      Edit{"Upper", [](CString s) { return s.Trim().MakeUpper(); }, L"12.50MM"}),
    [](const ::testing::TestParamInfo<Edit>& info) { return std::string(info.param.name); });

TEST(CStringSearch, FindsCharactersAndTextsOrMinusOne) {
    CString s = L"a\\nb\\nc";
    EXPECT_EQ(s.Find(L"\\n"), 1);
    EXPECT_EQ(s.Find(L"\\n", 2), 4);
    EXPECT_EQ(s.Find(L'z'), -1);
    EXPECT_EQ(s.Find(L'a', 99), -1);
    EXPECT_EQ(s.ReverseFind(L'\\'), 4);
    EXPECT_EQ(s.FindOneOf(L"cb"), 3);
}

TEST(CStringBuffer, TakesTheTextAWindowsCallWroteIntoIt) {
    CString s;
    wchar_t* buffer = s.GetBuffer(16);
    std::wcscpy(buffer, L"filled");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 6);
    EXPECT_STREQ(s, L"filled");
    s.GetBufferSetLength(3);
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, L"fi");
}

} // namespace
