// VariantChangeType(Ex): the coercions between the fundamental variant types.
// What this does NOT do:
// - VT_CY, VT_DATE, VT_DECIMAL, VT_DISPATCH, VT_UNKNOWN and VT_VARIANT take part only as an
//   identical copy; any other conversion with them gives DISP_E_BADVARTYPE;
// - no locale: the LCID is accepted and ignored (neutral separators and boolean words);
// - no Value property of objects (VARIANT_NOVALUEPROP has nothing to switch off).
#include "variant_types.h"

#include <cfloat>
#include <cmath>

namespace ole {
namespace {

// The source value, read once whatever its type, so that each target needs one rule per kind.
struct Source {
    enum class Kind { Empty, Null, Integer, Real, Text, Error } kind = Kind::Empty;
    Wide integer = 0;
    double real = 0.0;
    bool fromBool = false;
    bool fromFloat = false;
    bool fromI8 = false;
    BSTR text = nullptr;
};

HRESULT readSource(const VARIANT& variant, Source& source) {
    VARIANT value = variant;
    if ((variant.vt & VT_BYREF) != 0) {
        // A reference is read through; the referenced value has the base type.
        if (variant.byref == nullptr)
            return E_INVALIDARG;
        value.vt = variant.vt & ~VT_BYREF;
        switch (value.vt) {
        case VT_I1:
        case VT_UI1:
            value.bVal = *static_cast<const BYTE*>(variant.byref);
            break;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            value.iVal = *static_cast<const SHORT*>(variant.byref);
            break;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
            value.lVal = *static_cast<const LONG*>(variant.byref);
            break;
        case VT_I8:
        case VT_UI8:
            value.llVal = *static_cast<const LONGLONG*>(variant.byref);
            break;
        case VT_R4:
            value.fltVal = *static_cast<const FLOAT*>(variant.byref);
            break;
        case VT_R8:
            value.dblVal = *static_cast<const DOUBLE*>(variant.byref);
            break;
        case VT_BSTR:
            value.bstrVal = *static_cast<const BSTR*>(variant.byref);
            break;
        default:
            return DISP_E_BADVARTYPE;
        }
    }
    using Kind = Source::Kind;
    source.kind = Kind::Integer;
    switch (value.vt) {
    case VT_EMPTY:
        source.kind = Kind::Empty;
        break;
    case VT_NULL:
        source.kind = Kind::Null;
        break;
    case VT_I1:
        source.integer = static_cast<signed char>(value.cVal);
        break;
    case VT_UI1:
        source.integer = value.bVal;
        break;
    case VT_I2:
        source.integer = value.iVal;
        break;
    case VT_UI2:
        source.integer = value.uiVal;
        break;
    case VT_I4:
        source.integer = value.lVal;
        break;
    case VT_INT:
        source.integer = value.intVal;
        break;
    case VT_UI4:
        source.integer = value.ulVal;
        break;
    case VT_UINT:
        source.integer = value.uintVal;
        break;
    case VT_I8:
        source.integer = value.llVal;
        source.fromI8 = true;
        break;
    case VT_UI8:
        source.integer = value.ullVal;
        break;
    case VT_BOOL:
        source.integer = value.boolVal != VARIANT_FALSE ? -1 : 0;
        source.fromBool = true;
        break;
    case VT_R4:
        source.kind = Kind::Real;
        source.real = value.fltVal;
        source.fromFloat = true;
        break;
    case VT_R8:
        source.kind = Kind::Real;
        source.real = value.dblVal;
        break;
    case VT_BSTR:
        source.kind = Kind::Text;
        source.text = value.bstrVal;
        break;
    case VT_ERROR:
        source.kind = Kind::Error;
        source.integer = value.scode;
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    return S_OK;
}

HRESULT toWide(const Source& source, Wide& value) {
    using Kind = Source::Kind;
    switch (source.kind) {
    case Kind::Empty:
        value = 0;
        return S_OK;
    case Kind::Integer:
        value = source.integer;
        return S_OK;
    case Kind::Real:
        return roundToWide(source.real, value);
    case Kind::Text: {
        ParsedNumber number;
        const HRESULT parsed = parseNumber(source.text, SysStringLen(source.text), number);
        return FAILED(parsed) ? parsed : roundToWide(number, value);
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT toDouble(const Source& source, double& value) {
    using Kind = Source::Kind;
    switch (source.kind) {
    case Kind::Empty:
        value = 0.0;
        return S_OK;
    case Kind::Integer:
        value = static_cast<double>(source.integer);
        return S_OK;
    case Kind::Real:
        value = source.real;
        return S_OK;
    case Kind::Text: {
        ParsedNumber number;
        const HRESULT parsed = parseNumber(source.text, SysStringLen(source.text), number);
        if (FAILED(parsed))
            return parsed;
        value = ole::toDouble(number);
        return std::isinf(value) ? DISP_E_OVERFLOW : S_OK;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT toBool(const Source& source, bool& value) {
    if (source.kind == Source::Kind::Text && parseBoolWord(source.text, SysStringLen(source.text), value))
        return S_OK;
    double number = 0.0;
    const HRESULT converted = toDouble(source, number);
    value = number != 0.0;
    return converted;
}

HRESULT toText(const Source& source, USHORT flags, BSTR& text) {
    using Kind = Source::Kind;
    std::wstring written;
    switch (source.kind) {
    case Kind::Empty:
        break;
    case Kind::Text:
        text = SysAllocStringLen(source.text, SysStringLen(source.text));
        return text == nullptr ? E_OUTOFMEMORY : S_OK;
    case Kind::Integer:
        if (source.fromBool && (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) != 0)
            written = source.integer != 0 ? L"True" : L"False";
        else
            written = formatWide(source.integer);
        break;
    case Kind::Real:
        written = formatDouble(source.real, source.fromFloat ? 7 : 15);
        break;
    default:
        return DISP_E_TYPEMISMATCH;
    }
    text = SysAllocStringLen(written.data(), static_cast<UINT>(written.size()));
    return text == nullptr ? E_OUTOFMEMORY : S_OK;
}

struct IntegerRange {
    VARTYPE vt;
    Wide least;
    Wide most;
};

constexpr IntegerRange kIntegerRanges[] = {
    {VT_I1, INT8_MIN, INT8_MAX},   {VT_UI1, 0, UINT8_MAX},        {VT_I2, INT16_MIN, INT16_MAX},
    {VT_UI2, 0, UINT16_MAX},       {VT_I4, INT32_MIN, INT32_MAX}, {VT_INT, INT32_MIN, INT32_MAX},
    {VT_UI4, 0, UINT32_MAX},       {VT_UINT, 0, UINT32_MAX},      {VT_I8, INT64_MIN, INT64_MAX},
    {VT_UI8, 0, Wide{UINT64_MAX}},
};

const IntegerRange* integerRangeOf(VARTYPE vt) {
    for (const IntegerRange& range : kIntegerRanges)
        if (range.vt == vt)
            return &range;
    return nullptr;
}

void storeInteger(VARIANT& out, VARTYPE vt, Wide value) {
    out.vt = vt;
    switch (vt) {
    case VT_I1:
        out.cVal = static_cast<CHAR>(value);
        break;
    case VT_UI1:
        out.bVal = static_cast<BYTE>(value);
        break;
    case VT_I2:
        out.iVal = static_cast<SHORT>(value);
        break;
    case VT_UI2:
        out.uiVal = static_cast<USHORT>(value);
        break;
    case VT_I4:
        out.lVal = static_cast<LONG>(value);
        break;
    case VT_INT:
        out.intVal = static_cast<INT>(value);
        break;
    case VT_UI4:
        out.ulVal = static_cast<ULONG>(value);
        break;
    case VT_UINT:
        out.uintVal = static_cast<UINT>(value);
        break;
    case VT_I8:
        out.llVal = static_cast<LONGLONG>(value);
        break;
    default:
        out.ullVal = static_cast<ULONGLONG>(value);
        break;
    }
}

HRESULT convert(const VARIANT& in, USHORT flags, VARTYPE vt, VARIANT& out) {
    Source source;
    const HRESULT read = readSource(in, source);
    if (FAILED(read))
        return read;
    if (vt == VT_EMPTY) {
        out.vt = VT_EMPTY;
        return S_OK;
    }
    if (source.kind == Source::Kind::Null || vt == VT_NULL || vt == VT_ERROR)
        return DISP_E_TYPEMISMATCH; // equal types never get here: they are copied
    if (const IntegerRange* range = integerRangeOf(vt)) {
        Wide value = 0;
        const HRESULT converted = toWide(source, value);
        if (FAILED(converted))
            return converted;
        // The system's VariantChangeType hands a VT_I8's bits to VT_UI8 unchecked (VarUI8FromI8
        // alone checks the sign).
        if (vt == VT_UI8 && source.fromI8)
            value = static_cast<ULONGLONG>(static_cast<LONGLONG>(value));
        if (value < range->least || value > range->most)
            return DISP_E_OVERFLOW;
        storeInteger(out, vt, value);
        return S_OK;
    }
    switch (vt) {
    case VT_R4:
    case VT_R8: {
        double value = 0.0;
        const HRESULT converted = toDouble(source, value);
        if (FAILED(converted))
            return converted;
        if (vt == VT_R4 && std::fabs(value) > FLT_MAX && !std::isinf(value))
            return DISP_E_OVERFLOW;
        out.vt = vt;
        if (vt == VT_R4)
            out.fltVal = static_cast<FLOAT>(value);
        else
            out.dblVal = value;
        return S_OK;
    }
    case VT_BOOL: {
        bool value = false;
        const HRESULT converted = toBool(source, value);
        if (FAILED(converted))
            return converted;
        out.vt = VT_BOOL;
        out.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    case VT_BSTR: {
        BSTR text = nullptr;
        const HRESULT converted = toText(source, flags, text);
        if (FAILED(converted))
            return converted;
        out.vt = VT_BSTR;
        out.bstrVal = text;
        return S_OK;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
}

} // namespace
} // namespace ole

extern "C" {

HRESULT WINAPI VariantChangeTypeEx(VARIANTARG* dest, const VARIANTARG* src, LCID locale, USHORT flags,
                                   VARTYPE vt) {
    (void)locale;
    if (dest == nullptr || src == nullptr)
        return E_INVALIDARG;
    if (!ole::isValidVarType(src->vt) || !ole::isValidVarType(vt))
        return DISP_E_BADVARTYPE;
    if (src->vt == vt)
        return VariantCopy(dest, src);
    // Convert aside first: a failure leaves dest, which may be src, exactly as it was.
    VARIANT result;
    VariantInit(&result);
    const HRESULT converted = ole::convert(*src, flags, vt, result);
    if (FAILED(converted))
        return converted;
    const HRESULT cleared = VariantClear(dest);
    if (FAILED(cleared)) {
        VariantClear(&result);
        return cleared;
    }
    *dest = result;
    return S_OK;
}

HRESULT WINAPI VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags, VARTYPE vt) {
    return VariantChangeTypeEx(dest, src, LOCALE_USER_DEFAULT, flags, vt);
}

} // extern "C"
