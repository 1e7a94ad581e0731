#include "StoredValue.h"

#include "Utf8.h"

#include <string>

namespace brio::detail {
namespace {

bool isIntegerType(VARTYPE vt) {
    switch (vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_BOOL:
        return true;
    default:
        return false;
    }
}

bool convertInto(_variant_t& out, const _variant_t& source, VARTYPE vt) {
    // The source is only read; mingw-w64 declares the parameter without the SDK's const.
    return SUCCEEDED(VariantChangeType(&out, const_cast<_variant_t*>(&source), 0, vt));
}

} // namespace

bool bindStoredValue(SqliteStatement& statement, int typeIndex, int valueIndex, const _variant_t& value) {
    const VARTYPE vt = value.vt;
    _variant_t converted;
    if (isIntegerType(vt)) {
        if (!convertInto(converted, value, VT_I8))
            return false;
        statement.bindInt(valueIndex, converted.llVal);
    } else if (vt == VT_R4 || vt == VT_R8) {
        if (!convertInto(converted, value, VT_R8))
            return false;
        statement.bindDouble(valueIndex, converted.dblVal);
    } else if (vt == VT_BSTR) {
        const std::wstring_view text(value.bstrVal != nullptr ? value.bstrVal : L"",
                                     SysStringLen(value.bstrVal));
        statement.bindText(valueIndex, toUtf8(text));
    } else {
        return false;
    }
    statement.bindInt(typeIndex, vt);
    return true;
}

bool readStoredValue(sqlite3_stmt* statement, int typeColumn, int valueColumn, _variant_t& value) {
    const auto vt = static_cast<VARTYPE>(sqlite3_column_int(statement, typeColumn));
    switch (sqlite3_column_type(statement, valueColumn)) {
    case SQLITE_INTEGER: {
        const _variant_t stored(static_cast<long long>(sqlite3_column_int64(statement, valueColumn)));
        if (isIntegerType(vt) && convertInto(value, stored, vt))
            return true;
        return convertInto(value, stored, VT_I4) || convertInto(value, stored, VT_I8);
    }
    case SQLITE_FLOAT: {
        const _variant_t stored(sqlite3_column_double(statement, valueColumn));
        if (vt == VT_R4 && convertInto(value, stored, VT_R4))
            return true;
        value = stored;
        return true;
    }
    case SQLITE_TEXT: {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, valueColumn));
        const int length = sqlite3_column_bytes(statement, valueColumn);
        const std::wstring text =
            fromUtf8(std::string_view(bytes != nullptr ? bytes : "", static_cast<size_t>(length)));
        BSTR owned = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (owned == nullptr)
            return false;
        value.Clear();
        value.vt = VT_BSTR;
        value.bstrVal = owned;
        return true;
    }
    default:
        return false;
    }
}

} // namespace brio::detail
