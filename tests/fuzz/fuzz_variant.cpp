// The variant conversion (what the dialog's stored settings go through) against any source value
// and any target type: it answers with one of OLE's results, a failure leaves the destination as it
// was, a success has the requested type, converting in place gives what converting into another
// variant gives, reals reach integers by rounding half to even, integers survive the trip through
// text, _variant_t throws exactly the error the C call returns, and nothing leaks.
#include "FuzzInput.h"

#include <comdef.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

using fuzz::FuzzInput;
using fuzz::Require;

// Every type a setting can arrive as, the ones the stand-in refuses among them, and a few that
// are no type at all.
constexpr VARTYPE kTypes[] = {VT_EMPTY, VT_NULL, VT_I1,   VT_UI1,     VT_I2,           VT_UI2,
                              VT_I4,    VT_UI4,  VT_INT,  VT_UINT,    VT_I8,           VT_UI8,
                              VT_R4,    VT_R8,   VT_BOOL, VT_BSTR,    VT_ERROR,        VT_CY,
                              VT_DATE,  15,      0x0fff,  VT_DECIMAL, VT_I4 | VT_ARRAY};

constexpr VARTYPE kIntegerTypes[] = {VT_I1,  VT_UI1, VT_I2,   VT_UI2, VT_I4,
                                     VT_UI4, VT_INT, VT_UINT, VT_I8,  VT_UI8};

bool IsInteger(VARTYPE vt) {
    for (VARTYPE t : kIntegerTypes)
        if (t == vt)
            return true;
    return false;
}

// The value of an integer variant, widened; long double holds every 64-bit integer exactly.
long double IntegerOf(const VARIANT& v) {
    switch (v.vt) {
    case VT_I1:
        return static_cast<signed char>(v.cVal);
    case VT_UI1:
        return v.bVal;
    case VT_I2:
        return v.iVal;
    case VT_UI2:
        return v.uiVal;
    case VT_I4:
        return v.lVal;
    case VT_UI4:
        return v.ulVal;
    case VT_INT:
        return v.intVal;
    case VT_UINT:
        return v.uintVal;
    case VT_I8:
        return v.llVal;
    default:
        return v.ullVal;
    }
}

// Text of the fuzzer's choosing: UTF-8-ish bytes widened one by one, numbers written out, or raw
// 32-bit units (lone surrogates and embedded NULs included).
std::wstring PickText(FuzzInput& in) {
    std::wstring text;
    switch (in.byte() % 3) {
    case 0:
        for (char c : in.bytes(40))
            text += static_cast<wchar_t>(static_cast<unsigned char>(c));
        break;
    case 1: {
        static const wchar_t* const kShapes[] = {L"%lld",   L" %lld ",  L"%.17g",    L"%g",    L"&H%llx",
                                                 L"%lld.5", L"-%lld.5", L"1,%03lld", L"%lle3", L"+%lld"};
        const wchar_t* shape = kShapes[in.inRange(0, std::size(kShapes) - 1)];
        wchar_t buffer[80] = {};
        if (std::wcsstr(shape, L"%.17g") || std::wcscmp(shape, L"%g") == 0)
            std::swprintf(buffer, 80, shape, in.raw<double>());
        else
            std::swprintf(buffer, 80, shape, in.raw<long long>());
        text = buffer;
        break;
    }
    default:
        for (int i = static_cast<int>(in.inRange(0, 12)); i > 0; --i)
            text += static_cast<wchar_t>(in.raw<uint32_t>() % 0x110000);
        break;
    }
    return text;
}

// A source variant; a BSTR is owned by it (the caller clears it).
VARIANT PickSource(FuzzInput& in) {
    VARIANT v;
    VariantInit(&v);
    v.vt = kTypes[in.inRange(0, std::size(kTypes) - 1)];
    if (v.vt == VT_BSTR) {
        const std::wstring text = PickText(in);
        v.bstrVal =
            in.byte() % 16 == 0 ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    } else if (v.vt == VT_R8 && in.byte() % 2 == 0) {
        v.dblVal = static_cast<double>(in.inRange(-4'000'000, 4'000'000)) / 4.0; // ties of .5 live here
    } else if (v.vt != VT_EMPTY && v.vt != VT_NULL && (v.vt & VT_ARRAY) == 0) {
        v.llVal = in.raw<long long>();
    }
    return v;
}

bool SameVariant(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt)
        return false;
    if (a.vt == VT_BSTR) {
        const UINT length = SysStringLen(a.bstrVal);
        return length == SysStringLen(b.bstrVal) &&
               (length == 0 || std::wmemcmp(a.bstrVal, b.bstrVal, length) == 0);
    }
    if (a.vt == VT_R8)
        return (std::isnan(a.dblVal) && std::isnan(b.dblVal)) || std::memcmp(&a.dblVal, &b.dblVal, 8) == 0;
    if (a.vt == VT_R4)
        return (std::isnan(a.fltVal) && std::isnan(b.fltVal)) || std::memcmp(&a.fltVal, &b.fltVal, 4) == 0;
    if (IsInteger(a.vt))
        return IntegerOf(a) == IntegerOf(b);
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BOOL:
        return a.boolVal == b.boolVal;
    case VT_ERROR:
        return a.scode == b.scode;
    default:
        return a.llVal == b.llVal;
    }
}

bool KnownResult(HRESULT hr) {
    return hr == S_OK || hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW || hr == DISP_E_BADVARTYPE ||
           hr == E_INVALIDARG;
}

void CheckConversion(const VARIANT& source, VARTYPE target) {
    // Into another variant that holds something of its own.
    VARIANT dest;
    VariantInit(&dest);
    dest.vt = VT_BSTR;
    dest.bstrVal = SysAllocString(L"before");
    const HRESULT hr = VariantChangeType(&dest, &source, 0, target);
    Require(KnownResult(hr), "vt %d to %d: result 0x%08x", source.vt, target, static_cast<unsigned>(hr));
    if (FAILED(hr)) {
        Require(dest.vt == VT_BSTR && std::wcscmp(dest.bstrVal, L"before") == 0,
                "vt %d to %d failed and changed the destination", source.vt, target);
    } else {
        Require(dest.vt == target, "vt %d to %d gave vt %d", source.vt, target, dest.vt);
    }

    // In place, on a copy of the source: the same answer.
    VARIANT inPlace;
    VariantInit(&inPlace);
    Require(SUCCEEDED(VariantCopy(&inPlace, &source)) || (source.vt & VT_ARRAY) != 0 || source.vt == 15 ||
                source.vt == 0x0fff,
            "vt %d could not be copied", source.vt);
    if (inPlace.vt == source.vt) {
        const HRESULT again = VariantChangeType(&inPlace, &inPlace, 0, target);
        Require(again == hr, "vt %d to %d: 0x%08x apart, 0x%08x in place", source.vt, target,
                static_cast<unsigned>(hr), static_cast<unsigned>(again));
        if (SUCCEEDED(hr))
            Require(SameVariant(inPlace, dest), "vt %d to %d differs in place", source.vt, target);
        else
            Require(SameVariant(inPlace, source), "vt %d to %d failed in place and changed it", source.vt,
                    target);
    }

    // A real reaches an integer by rounding half to even.
    if (SUCCEEDED(hr) && IsInteger(target) && (source.vt == VT_R8 || source.vt == VT_R4)) {
        const long double real = source.vt == VT_R8 ? source.dblVal : source.fltVal;
        const long double got = IntegerOf(dest);
        const long double off = got - real;
        Require(off <= 0.5L && off >= -0.5L, "%Lg became %Lg", real, got);
        if (off == 0.5L || off == -0.5L)
            Require(std::fmod(got, 2.0L) == 0, "%Lg became %Lg, not the even neighbour", real, got);
    }

    // An integer comes back unchanged through its text.
    if (SUCCEEDED(hr) && IsInteger(source.vt) && target == VT_BSTR) {
        VARIANT back;
        VariantInit(&back);
        const HRESULT read = VariantChangeType(&back, &dest, 0, source.vt);
        Require(read == S_OK && IntegerOf(back) == IntegerOf(source), "%Lg did not survive \"%ls\"",
                IntegerOf(source), dest.bstrVal);
        VariantClear(&back);
    }

    // The wrapper the dialog uses throws exactly that result.
    _variant_t wrapped;
    if (SUCCEEDED(VariantCopy(&wrapped, &source))) {
        HRESULT thrown = S_OK;
        try {
            wrapped.ChangeType(target);
        } catch (const _com_error& error) {
            thrown = error.Error();
        }
        // The wrapper skips a conversion to the type it already has.
        if (source.vt != target)
            Require(thrown == hr, "vt %d to %d: 0x%08x thrown, 0x%08x returned", source.vt, target,
                    static_cast<unsigned>(thrown), static_cast<unsigned>(hr));
    }

    VariantClear(&inPlace);
    VariantClear(&dest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    VARIANT source = PickSource(in);
    const int targets = static_cast<int>(in.inRange(1, 4));
    for (int i = 0; i < targets; ++i)
        CheckConversion(source, kTypes[in.inRange(0, std::size(kTypes) - 1)]);
    if ((source.vt & VT_ARRAY) == 0 && source.vt != 15 && source.vt != 0x0fff)
        VariantClear(&source);
    return 0;
}
