// _variant_t and _com_error as component code uses them: values made from C++ types keep the
// variant type a Windows build gives them, extraction converts or throws _com_error with the
// conversion's HRESULT, and copies own their strings.
#include <comdef.h>

#include "platform_marks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

TEST(VariantClass, RejectsATypeTheValueCannotTake) {
    EXPECT_THROW(_variant_t(1L, VT_BSTR), _com_error);
    BR_STANDIN_ONLY(
        "a long of 64 bits exists on Linux alone; the stand-in refuses what a Windows long cannot hold",
        EXPECT_THROW(_variant_t(static_cast<long>(4294967296LL)), _com_error));
    EXPECT_EQ(_variant_t(4294967296LL).vt, VT_I8) << "a 64-bit integer is VT_I8 on both";
    try {
        _variant_t(1.0, VT_I4);
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
    }
}

TEST(VariantClass, ExtractionConvertsOrThrowsTheConversionResult) {
    EXPECT_EQ(static_cast<int>(_variant_t(L"12")), 12);
    EXPECT_EQ(static_cast<long>(_variant_t(L" 12 ")), 12);
    EXPECT_EQ(static_cast<int>(_variant_t(12.5)), 12);
    EXPECT_EQ(static_cast<double>(_variant_t(L"2.25")), 2.25);
    EXPECT_TRUE(static_cast<bool>(_variant_t(L"True")));
    EXPECT_EQ(std::wstring(static_cast<_bstr_t>(_variant_t(7))), L"7");

    struct Failure {
        _variant_t value;
        HRESULT result;
    } const failures[] = {
        {_variant_t(L"abc"), DISP_E_TYPEMISMATCH},
        {_variant_t(L"4294967296"), DISP_E_OVERFLOW},
        {_variant_t(1e10), DISP_E_OVERFLOW},
    };
    for (const Failure& f : failures) {
        try {
            const int value = f.value;
            FAIL() << "converted to " << value;
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), f.result);
        }
    }
}

TEST(VariantClass, ChangeTypeThrowsAndKeepsTheValueOnFailure) {
    _variant_t value(L"abc");
    EXPECT_THROW(value.ChangeType(VT_INT), _com_error);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_STREQ(value.bstrVal, L"abc");

    _variant_t number(L"41");
    number.ChangeType(VT_INT);
    EXPECT_EQ(number.vt, VT_INT);
    EXPECT_EQ(number.intVal, 41);

    _variant_t copy;
    copy.ChangeType(VT_R8, &number);
    EXPECT_EQ(copy.dblVal, 41.0);
    EXPECT_EQ(number.vt, VT_INT) << "the source of ChangeType is not touched";
}

TEST(VariantClass, CopiesOwnTheirStringsAndMovesCopy) {
    _variant_t original(L"値");
    _variant_t copy(original);
    ASSERT_NE(copy.bstrVal, original.bstrVal);
    EXPECT_TRUE(copy == original);

    // The compiler's classes have no move constructor: a moved-from variant keeps its value.
    _variant_t moved(std::move(copy));
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_STREQ(copy.bstrVal, L"値");
    EXPECT_STREQ(moved.bstrVal, L"値");

    moved = 5;
    EXPECT_EQ(moved.vt, VT_INT);
    moved = original;
    EXPECT_STREQ(moved.bstrVal, L"値");
    const _variant_t& same = moved;
    moved = same;
    EXPECT_STREQ(moved.bstrVal, L"値");

    VARIANT detached = moved.Detach();
    EXPECT_EQ(moved.vt, VT_EMPTY);
    _variant_t owner;
    owner.Attach(detached);
    EXPECT_STREQ(owner.bstrVal, L"値");
    EXPECT_EQ(detached.vt, VT_EMPTY);
}

TEST(VariantClass, AssignmentKeepsABooleanErrorOrDateType) {
    _variant_t flag(true);
    flag = static_cast<short>(5);
    EXPECT_EQ(flag.vt, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
    flag = 0L;
    EXPECT_EQ(flag.vt, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_FALSE);

    _variant_t error(5L, VT_ERROR);
    error = 7L;
    EXPECT_EQ(error.vt, VT_ERROR);
    EXPECT_EQ(error.scode, 7);

    _variant_t date(2.5, VT_DATE);
    date = 3.25;
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_EQ(date.dblVal, 3.25);

    _variant_t number(1.5f);
    number = static_cast<short>(2);
    EXPECT_EQ(number.vt, VT_I2);
    number = 2.0;
    EXPECT_EQ(number.vt, VT_R8);
    number = 3;
    EXPECT_EQ(number.vt, VT_INT) << "an int brings its own type";
}

TEST(VariantClass, StringsCompareOverTheirWholeLength) {
    const _bstr_t embedded(SysAllocStringLen(L"a\0b", 3), false);
    EXPECT_EQ(_bstr_t(embedded).length(), 3u) << "a copy takes the whole string";
    EXPECT_TRUE(embedded != _bstr_t(L"a")) << "the characters after an embedded null count";
    EXPECT_TRUE(_bstr_t(L"a") < embedded);
    EXPECT_TRUE(_bstr_t(L"ab") == _bstr_t(L"ab"));
    EXPECT_TRUE(_bstr_t(L"ab") < _bstr_t(L"b"));
    EXPECT_TRUE(_bstr_t() != _bstr_t(L"")) << "a null string is not an empty one";
    EXPECT_TRUE(_bstr_t() < _bstr_t(L""));

    EXPECT_FALSE(_variant_t(embedded) == _variant_t(L"a"));
    EXPECT_TRUE(_variant_t(embedded) == _variant_t(embedded));
    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    nullText.bstrVal = nullptr;
    EXPECT_TRUE(_variant_t(L"") == nullText) << "as variants, a null BSTR and an empty one are equal";
}

TEST(ComError, CarriesItsResultAndTheSystemsMessage) {
    // The system's text where it has one, else "IDispatch error #n" for an interface code and
    // "Unknown error 0x..." for the rest.
    struct Case {
        HRESULT hr;
        const wchar_t* fragment;
    } const cases[] = {
        {E_OUTOFMEMORY, L"memory"},
        {E_ACCESSDENIED, L"denied"},
        {_com_error::WCodeToHRESULT(12), L"IDispatch error #12"},
        {static_cast<HRESULT>(0xA0001234), L"Unknown error 0xA0001234"},
    };
    for (const Case& c : cases) {
        const _com_error error(c.hr);
        EXPECT_EQ(error.Error(), c.hr);
        EXPECT_NE(std::wstring(error.ErrorMessage()).find(c.fragment), std::wstring::npos)
            << error.ErrorMessage();
        const _com_error copy = error;
        EXPECT_STREQ(copy.ErrorMessage(), error.ErrorMessage());
    }
    EXPECT_EQ(_com_error(_com_error::WCodeToHRESULT(7)).WCode(), 7);
    EXPECT_EQ(_com_error(E_FAIL).WCode(), 0);
}

TEST(ComError, IsCaughtAsThrownFromTheLibrary) {
    try {
        _com_issue_error(DISP_E_TYPEMISMATCH);
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_TYPEMISMATCH);
        return;
    }
    FAIL() << "_com_error crossed the library boundary as another type";
}

} // namespace
