// Conversions between variant types, as a settings reader meets them: stored text, doubles and
// integers turned into VT_INT, and the errors that tell a bad value from a too-large one.
#include <comdef.h>
#include <windows.h>

#include "platform_marks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <string>

namespace {

struct TextToInt {
    const wchar_t* text;
    HRESULT result;
    int value;
};

// The text as the case's printed value (a blank or control character as '_'), not its bytes.
void PrintTo(const TextToInt& c, std::ostream* out) {
    for (const wchar_t* p = c.text; *p != L'\0'; ++p)
        *out << ((*p > 32 && *p < 127 && *p != L'"') ? static_cast<char>(*p) : '_');
}

class TextToIntTest : public testing::TestWithParam<TextToInt> {};

TEST_P(TextToIntTest, ConvertsAsOleDoes) {
    const TextToInt& c = GetParam();
    _variant_t source(c.text);
    VARIANT dest;
    VariantInit(&dest);
    ASSERT_EQ(VariantChangeType(&dest, &source, 0, VT_INT), c.result)
        << "text: \"" << std::wstring(c.text) << '"';
    if (SUCCEEDED(c.result)) {
        EXPECT_EQ(dest.vt, VT_INT);
        EXPECT_EQ(dest.intVal, c.value);
    } else {
        EXPECT_EQ(dest.vt, VT_EMPTY) << "a failed conversion leaves the destination alone";
    }
    VariantClear(&dest);
}

// "Text_12_" for " 12 ": the text's letters and digits, the rest as '_', and the case's place, so
// that a case has the same name in every build.
std::string TextCaseName(const testing::TestParamInfo<TextToInt>& info) {
    std::string name = "Text";
    for (const wchar_t* p = info.param.text; *p != L'\0'; ++p)
        name += (*p < 128 && std::isalnum(static_cast<int>(*p))) ? static_cast<char>(*p) : '_';
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToIntTest,
    testing::Values(TextToInt{L"12", S_OK, 12}, TextToInt{L" 12 ", S_OK, 12}, TextToInt{L"\t-7\n", S_OK, -7},
                    TextToInt{L"+3", S_OK, 3}, TextToInt{L"12.6", S_OK, 13}, TextToInt{L"12.4", S_OK, 12},
                    // Halves go to the even neighbour, from text as from doubles.
                    TextToInt{L"12.5", S_OK, 12}, TextToInt{L"13.5", S_OK, 14}, TextToInt{L"-2.5", S_OK, -2},
                    TextToInt{L"0.5", S_OK, 0}, TextToInt{L"2.50000000000000000001", S_OK, 3},
                    TextToInt{L"1,234", S_OK, 1234}, TextToInt{L"1e3", S_OK, 1000},
                    TextToInt{L"25E-1", S_OK, 2}, TextToInt{L"(5)", S_OK, -5}, TextToInt{L"5-", S_OK, -5},
                    TextToInt{L"&H1F", S_OK, 31}, TextToInt{L"&o17", S_OK, 15}, TextToInt{L".5", S_OK, 0},
                    TextToInt{L"007", S_OK, 7}, TextToInt{L"2147483647", S_OK, 2147483647},
                    TextToInt{L"-2147483648", S_OK, -2147483647 - 1},
                    TextToInt{L"2147483648", DISP_E_OVERFLOW, 0},
                    TextToInt{L"-2147483649", DISP_E_OVERFLOW, 0}, TextToInt{L"1e400", DISP_E_OVERFLOW, 0},
                    TextToInt{L"99999999999999999999999999999999999999999", DISP_E_OVERFLOW, 0},
                    TextToInt{L"abc", DISP_E_TYPEMISMATCH, 0}, TextToInt{L"", DISP_E_TYPEMISMATCH, 0},
                    TextToInt{L"   ", DISP_E_TYPEMISMATCH, 0}, TextToInt{L"12a", DISP_E_TYPEMISMATCH, 0},
                    TextToInt{L"1 2", DISP_E_TYPEMISMATCH, 0}, TextToInt{L"--1", DISP_E_TYPEMISMATCH, 0},
                    TextToInt{L"1e", DISP_E_TYPEMISMATCH, 0}, TextToInt{L"&H", DISP_E_TYPEMISMATCH, 0},
                    TextToInt{L",1", DISP_E_TYPEMISMATCH, 0}, TextToInt{L"(5", DISP_E_TYPEMISMATCH, 0},
                    TextToInt{L"True", DISP_E_TYPEMISMATCH, 0}),
    TextCaseName);

struct DoubleToInt {
    double value;
    HRESULT result;
    int expected;
};

TEST(VariantChangeType, DoublesRoundHalfToEvenAndReportOverflow) {
    const DoubleToInt cases[] = {
        {0.5, S_OK, 0},
        {1.5, S_OK, 2},
        {2.5, S_OK, 2},
        {-0.5, S_OK, 0},
        {-1.5, S_OK, -2},
        {2.4999999999999996, S_OK, 2},
        {12.6, S_OK, 13},
        {-12.6, S_OK, -13},
        {2147483647.4, S_OK, 2147483647},
        {2147483647.5, DISP_E_OVERFLOW, 0},
        {-2147483648.5, S_OK, -2147483647 - 1},
        {1e300, DISP_E_OVERFLOW, 0},
        {INFINITY, DISP_E_OVERFLOW, 0},
    };
    for (const DoubleToInt& c : cases) {
        _variant_t source(c.value);
        VARIANT dest;
        VariantInit(&dest);
        EXPECT_EQ(VariantChangeType(&dest, &source, 0, VT_INT), c.result) << c.value;
        if (SUCCEEDED(c.result)) {
            EXPECT_EQ(dest.intVal, c.expected) << c.value;
        }
    }
}

TEST(VariantChangeType, NotANumberIsRefusedAsOutOfRange) {
    BR_STANDIN_ONLY(
        "no conversion of NaN is documented; Wine answers S_OK with INT_MAX, the stand-in refuses it", {
            _variant_t source(NAN);
            _variant_t dest;
            EXPECT_EQ(VariantChangeType(&dest, &source, 0, VT_INT), DISP_E_OVERFLOW);
        });
}

TEST(VariantChangeType, EachIntegerTargetChecksItsOwnRange) {
    struct Case {
        VARTYPE target;
        long long value;
        HRESULT result;
    } const cases[] = {
        {VT_I1, 127, S_OK},
        {VT_I1, 128, DISP_E_OVERFLOW},
        {VT_UI1, 255, S_OK},
        {VT_UI1, -1, DISP_E_OVERFLOW},
        {VT_I2, -32768, S_OK},
        {VT_I2, 32768, DISP_E_OVERFLOW},
        {VT_UI2, 65535, S_OK},
        {VT_UI4, 4294967295LL, S_OK},
        {VT_UI4, -1, DISP_E_OVERFLOW},
        {VT_UINT, 4294967296LL, DISP_E_OVERFLOW},
        {VT_I8, INT64_MIN, S_OK},
    };
    for (const Case& c : cases) {
        _variant_t source(c.value);
        _variant_t dest;
        EXPECT_EQ(VariantChangeType(&dest, &source, 0, c.target), c.result) << c.target << " " << c.value;
        if (SUCCEEDED(c.result)) {
            EXPECT_EQ(dest.vt, c.target);
            EXPECT_EQ(static_cast<long long>(dest), c.value);
        }
    }
    // From VT_I8 to VT_UI8 the system copies the bits unchecked; from a narrower type it checks.
    _variant_t minusOne(-1LL), wide;
    ASSERT_EQ(VariantChangeType(&wide, &minusOne, 0, VT_UI8), S_OK);
    EXPECT_EQ(wide.ullVal, UINT64_MAX);
    _variant_t narrowMinusOne(-1);
    EXPECT_EQ(VariantChangeType(&wide, &narrowMinusOne, 0, VT_UI8), DISP_E_OVERFLOW);
}

TEST(VariantChangeType, EmptyBoolAndNullFollowOleRules) {
    _variant_t empty;
    _variant_t asInt;
    ASSERT_EQ(VariantChangeType(&asInt, &empty, 0, VT_INT), S_OK);
    EXPECT_EQ(asInt.vt, VT_INT);
    EXPECT_EQ(asInt.intVal, 0);

    _variant_t yes(true);
    ASSERT_EQ(VariantChangeType(&asInt, &yes, 0, VT_INT), S_OK);
    EXPECT_EQ(asInt.intVal, -1) << "VARIANT_TRUE is -1";

    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&asInt, &null, 0, VT_INT), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&asInt, &null, 0, VT_BSTR), DISP_E_TYPEMISMATCH);

    _variant_t word(L"fALSE");
    _variant_t asBool;
    ASSERT_EQ(VariantChangeType(&asBool, &word, 0, VT_BOOL), S_OK);
    EXPECT_EQ(asBool.boolVal, VARIANT_FALSE);
    _variant_t padded(L" false ");
    EXPECT_EQ(VariantChangeType(&asBool, &padded, 0, VT_BOOL), DISP_E_TYPEMISMATCH)
        << "blanks are read around a number, not around a word";
    _variant_t number(L" 2 ");
    ASSERT_EQ(VariantChangeType(&asBool, &number, 0, VT_BOOL), S_OK);
    EXPECT_EQ(asBool.boolVal, VARIANT_TRUE);
}

TEST(VariantChangeType, NumbersBecomeTextThatReadsBack) {
    struct Case {
        _variant_t value;
        USHORT flags;
        const wchar_t* text;
    } const cases[] = {
        {_variant_t(42), 0, L"42"},
        {_variant_t(0.1), 0, L"0.1"},
        {_variant_t(1e20), 0, L"1E+20"},
        {_variant_t(-2.5e-7), 0, L"-2.5E-07"},
        {_variant_t(1.0 / 3.0), 0, L"0.333333333333333"},
        {_variant_t(0.1f), 0, L"0.1"},
        {_variant_t(true), 0, L"-1"},
        {_variant_t(true), VARIANT_ALPHABOOL, L"True"},
    };
    for (const Case& c : cases) {
        _variant_t text;
        _variant_t value = c.value; // mingw-w64's VariantChangeType takes its source without const
        ASSERT_EQ(VariantChangeType(&text, &value, c.flags, VT_BSTR), S_OK) << c.text;
        EXPECT_EQ(text.vt, VT_BSTR);
        EXPECT_STREQ(text.bstrVal != nullptr ? text.bstrVal : L"", c.text);
    }
}

TEST(VariantChangeType, ConvertsInPlaceAndThroughReferences) {
    _variant_t value(L"12");
    ASSERT_EQ(VariantChangeType(&value, &value, 0, VT_INT), S_OK);
    EXPECT_EQ(value.vt, VT_INT);
    EXPECT_EQ(value.intVal, 12);

    _variant_t bad(L"abc");
    EXPECT_EQ(VariantChangeType(&bad, &bad, 0, VT_INT), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(bad.vt, VT_BSTR) << "the source survives a failed in-place conversion";
    EXPECT_STREQ(bad.bstrVal, L"abc");

    double stored = 41.5;
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_R8 | VT_BYREF;
    reference.byref = &stored;
    _variant_t dest;
    ASSERT_EQ(VariantChangeTypeEx(&dest, &reference, LOCALE_USER_DEFAULT, 0, VT_I4), S_OK);
    EXPECT_EQ(dest.lVal, 42);
}

// Narrow text of _bstr_t is in the ANSI code page, whichever GetACP names (UTF-8 on the stand-in).
TEST(BstrAllocation, NarrowBridgesUseTheAnsiCodePage) {
    const char* const texts[] = {"Total 12.5", "\xe5\x80\xa4 \xc2\xb1", "a\xff\xe5z"};
    for (const char* text : texts) {
        wchar_t expected[32] = {};
        ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, text, -1, expected, 32), 0);
        _bstr_t wide(text);
        EXPECT_STREQ(static_cast<const wchar_t*>(wide), expected) << text;

        char narrowed[64] = {};
        ASSERT_GT(WideCharToMultiByte(CP_ACP, 0, expected, -1, narrowed, 64, nullptr, nullptr), 0);
        char* back = _com_util::ConvertBSTRToString(wide);
        EXPECT_STREQ(back, narrowed) << text;
        delete[] back;
    }
    BR_STANDIN_ONLY("the stand-in's ANSI code page is UTF-8; Windows' depends on the system locale", {
        EXPECT_STREQ(static_cast<const wchar_t*>(_bstr_t("\xe5\x80\xa4 \xc2\xb1")), L"値 ±");
        EXPECT_STREQ(static_cast<const wchar_t*>(_bstr_t("a\xff\xe5z")), L"a\xfffd\xfffdz");
    });
}

} // namespace
