// The compiler's COM support classes: _bstr_t (an owned BSTR) and _variant_t (an owned VARIANT).
// Every failure is raised through _com_issue_error, which throws _com_error (comdef.h).
// What this stand-in does NOT do:
// - no reference counting in _bstr_t: copies are deep, which a caller cannot tell apart;
// - no move constructors or move assignments, as the compiler's header has none: a "moved" object
//   is copied and keeps its value;
// - no interface pointers (IDispatch, IUnknown), no VT_DECIMAL, VT_CY or VT_DATE extractors;
// - narrow strings are UTF-8, not the ANSI code page.
#pragma once

#include <oleauto.h>

#include <cstring>
#include <cwchar>
#include <type_traits>
#include <utility>

[[noreturn]] WINBASEAPI void WINAPI _com_issue_error(HRESULT hr);

namespace _com_util {
// UTF-8 to a new BSTR (null for null) and a BSTR to a new[]-allocated UTF-8 string (null for null).
WINBASEAPI BSTR WINAPI ConvertStringToBSTR(const char* text);
WINBASEAPI char* WINAPI ConvertBSTRToString(BSTR text);

inline void CheckError(HRESULT hr) {
    if (FAILED(hr))
        _com_issue_error(hr);
}
} // namespace _com_util

class _bstr_t {
public:
    _bstr_t() noexcept = default;
    _bstr_t(const wchar_t* text) : m_text(::SysAllocString(text)) { checkAllocated(text != nullptr); }
    _bstr_t(const char* text) : m_text(_com_util::ConvertStringToBSTR(text)) {
        checkAllocated(text != nullptr);
    }
    // fCopy false takes ownership of the BSTR, as Attach does.
    _bstr_t(BSTR text, bool fCopy) : m_text(fCopy ? duplicate(text) : text) {
        checkAllocated(text != nullptr);
    }
    _bstr_t(const _bstr_t& other) : m_text(duplicate(other.m_text)) {
        checkAllocated(other.m_text != nullptr);
    }
    ~_bstr_t() { ::SysFreeString(m_text); }

    _bstr_t& operator=(_bstr_t other) noexcept {
        std::swap(m_text, other.m_text);
        return *this;
    }
    _bstr_t& operator=(const wchar_t* text) { return *this = _bstr_t(text); }
    _bstr_t& operator=(const char* text) { return *this = _bstr_t(text); }
    _bstr_t& operator+=(const _bstr_t& tail) {
        const UINT head = length(), more = tail.length();
        BSTR joined = ::SysAllocStringLen(nullptr, head + more);
        if (joined == nullptr)
            _com_issue_error(E_OUTOFMEMORY);
        if (head != 0)
            std::memcpy(joined, m_text, head * sizeof(wchar_t));
        if (more != 0)
            std::memcpy(joined + head, tail.m_text, more * sizeof(wchar_t));
        ::SysFreeString(m_text);
        m_text = joined;
        return *this;
    }
    _bstr_t operator+(const _bstr_t& tail) const {
        _bstr_t joined(*this);
        joined += tail;
        return joined;
    }

    operator const wchar_t*() const noexcept { return m_text; }
    operator wchar_t*() const noexcept { return m_text; }
    bool operator!() const noexcept { return m_text == nullptr; }
    bool operator==(const _bstr_t& other) const noexcept { return compare(other) == 0; }
    bool operator!=(const _bstr_t& other) const noexcept { return compare(other) != 0; }
    bool operator<(const _bstr_t& other) const noexcept { return compare(other) < 0; }

    UINT length() const noexcept { return ::SysStringLen(m_text); }
    BSTR copy(bool fCopy = true) const {
        if (!fCopy)
            return m_text;
        BSTR copied = duplicate(m_text);
        if (copied == nullptr && m_text != nullptr)
            _com_issue_error(E_OUTOFMEMORY);
        return copied;
    }
    void Attach(BSTR text) noexcept {
        ::SysFreeString(m_text);
        m_text = text;
    }
    BSTR Detach() noexcept { return std::exchange(m_text, nullptr); }
    BSTR* GetAddress() noexcept {
        Attach(nullptr);
        return &m_text;
    }
    BSTR& GetBSTR() noexcept { return m_text; }

private:
    // A copy of the whole string, embedded nulls included, as SysStringLen measures it.
    static BSTR duplicate(BSTR text) noexcept {
        return text != nullptr ? ::SysAllocStringLen(text, ::SysStringLen(text)) : nullptr;
    }
    void checkAllocated(bool wanted) const {
        if (wanted && m_text == nullptr)
            _com_issue_error(E_OUTOFMEMORY);
    }
    // As the compiler's class compares: a null string is less than any other (an empty one too), and
    // the rest compare character by character over their lengths, embedded nulls included.
    int compare(const _bstr_t& other) const noexcept {
        if (m_text == nullptr || other.m_text == nullptr)
            return (m_text != nullptr) - (other.m_text != nullptr);
        const UINT mine = length(), theirs = other.length();
        const int common = std::wmemcmp(m_text, other.m_text, mine < theirs ? mine : theirs);
        if (common != 0)
            return common;
        return mine < theirs ? -1 : mine == theirs ? 0 : 1;
    }

    BSTR m_text = nullptr;
};

class _variant_t : public ::tagVARIANT {
public:
    _variant_t() noexcept { ::VariantInit(this); }
    _variant_t(const VARIANT& src) {
        ::VariantInit(this);
        _com_util::CheckError(::VariantCopy(this, &src));
    }
    _variant_t(const VARIANT* src) {
        ::VariantInit(this);
        if (src == nullptr)
            _com_issue_error(E_POINTER);
        _com_util::CheckError(::VariantCopy(this, src));
    }
    _variant_t(const _variant_t& src) : _variant_t(static_cast<const VARIANT&>(src)) {}
    // fCopy false takes the variant over and leaves src empty.
    _variant_t(VARIANT& src, bool fCopy) {
        ::VariantInit(this);
        if (fCopy) {
            _com_util::CheckError(::VariantCopy(this, &src));
        } else {
            *static_cast<VARIANT*>(this) = src;
            ::VariantInit(&src);
        }
    }
    // vtSrc may be VT_I2 or VT_BOOL.
    _variant_t(short value, VARTYPE vtSrc = VT_I2) {
        ::VariantInit(this);
        if (vtSrc == VT_BOOL)
            setBool(value != 0);
        else if (vtSrc == VT_I2)
            set(VT_I2, iVal, value);
        else
            _com_issue_error(E_INVALIDARG);
    }
    // A plain int is VT_INT and takes no type argument: an int with a type would be a call the
    // compiler's own header does not have (it chooses between short and long instead).
    _variant_t(int value) { setValue(VT_INT, intVal, value); }
    // Windows' long is 32 bits: a Linux long outside that range gives DISP_E_OVERFLOW rather than
    // silently losing its high half. vtSrc may be VT_I4, VT_ERROR or VT_BOOL.
    _variant_t(long value, VARTYPE vtSrc = VT_I4) {
        ::VariantInit(this);
        if (vtSrc == VT_BOOL) {
            setBool(value != 0);
            return;
        }
        if (vtSrc != VT_I4 && vtSrc != VT_ERROR)
            _com_issue_error(E_INVALIDARG);
        if (value < INT32_MIN || value > INT32_MAX)
            _com_issue_error(DISP_E_OVERFLOW);
        if (vtSrc == VT_I4)
            set(VT_I4, lVal, static_cast<LONG>(value));
        else
            set(VT_ERROR, scode, static_cast<SCODE>(value));
    }
    _variant_t(float value) { setValue(VT_R4, fltVal, value); }
    // vtSrc may be VT_R8 or VT_DATE.
    _variant_t(double value, VARTYPE vtSrc = VT_R8) {
        ::VariantInit(this);
        if (vtSrc != VT_R8 && vtSrc != VT_DATE)
            _com_issue_error(E_INVALIDARG);
        vt = vtSrc;
        dblVal = value;
    }
    _variant_t(bool value) {
        ::VariantInit(this);
        setBool(value);
    }
    _variant_t(char value) { setValue(VT_I1, cVal, value); }
    _variant_t(BYTE value) { setValue(VT_UI1, bVal, value); }
    _variant_t(unsigned short value) { setValue(VT_UI2, uiVal, value); }
    _variant_t(unsigned int value) { setValue(VT_UINT, uintVal, value); }
    _variant_t(unsigned long value) {
        ::VariantInit(this);
        if (value > UINT32_MAX)
            _com_issue_error(DISP_E_OVERFLOW);
        set(VT_UI4, ulVal, static_cast<ULONG>(value));
    }
    _variant_t(long long value) { setValue(VT_I8, llVal, value); }
    _variant_t(unsigned long long value) { setValue(VT_UI8, ullVal, value); }
    _variant_t(const wchar_t* text) { setString(::SysAllocString(text), text != nullptr); }
    _variant_t(const char* text) { setString(_com_util::ConvertStringToBSTR(text), text != nullptr); }
    _variant_t(const _bstr_t& text) { setString(text.copy(), !!text); }
    ~_variant_t() { ::VariantClear(this); }

    _variant_t& operator=(const _variant_t& src) {
        if (this != &src)
            _com_util::CheckError(::VariantCopy(this, &src));
        return *this;
    }
    _variant_t& operator=(const VARIANT& src) {
        if (this != &src)
            _com_util::CheckError(::VariantCopy(this, &src));
        return *this;
    }
    // A short or a long into a VT_BOOL variant, a long into a VT_ERROR one and a double into a VT_DATE
    // one keep that type, as the compiler's header has them; any other value brings its own type.
    _variant_t& operator=(short value) {
        if (vt == VT_BOOL) {
            boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            return *this;
        }
        return *this = _variant_t(value);
    }
    _variant_t& operator=(long value) {
        if (vt == VT_BOOL) {
            boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            return *this;
        }
        if (vt == VT_ERROR) {
            scode = _variant_t(value).lVal; // the range check of a Windows long
            return *this;
        }
        return *this = _variant_t(value);
    }
    _variant_t& operator=(double value) {
        if (vt == VT_DATE) {
            dblVal = value;
            return *this;
        }
        return *this = _variant_t(value);
    }
    template <typename T> _variant_t& operator=(const T& value) requires(!std::is_base_of_v<VARIANT, T>) {
        return *this = _variant_t(value);
    }

    // Extraction converts with VariantChangeType when the type differs; a failed conversion throws
    // _com_error with its HRESULT.
    operator short() const { return extract(VT_I2).iVal; }
    operator int() const { return extract(VT_INT).intVal; }
    operator long() const { return extract(VT_I4).lVal; }
    operator long long() const { return extract(VT_I8).llVal; }
    operator unsigned short() const { return extract(VT_UI2).uiVal; }
    operator unsigned int() const { return extract(VT_UINT).uintVal; }
    operator unsigned long() const { return extract(VT_UI4).ulVal; }
    operator unsigned long long() const { return extract(VT_UI8).ullVal; }
    operator char() const { return extract(VT_I1).cVal; }
    operator BYTE() const { return extract(VT_UI1).bVal; }
    operator float() const { return extract(VT_R4).fltVal; }
    operator double() const { return extract(VT_R8).dblVal; }
    operator bool() const { return extract(VT_BOOL).boolVal != VARIANT_FALSE; }
    operator _bstr_t() const {
        if (vt == VT_BSTR)
            return _bstr_t(bstrVal, true);
        _variant_t converted;
        converted.ChangeType(VT_BSTR, this);
        return _bstr_t(converted.bstrVal, true);
    }

    // Same type and same value; a null BSTR equals an empty one, and embedded nulls count.
    bool operator==(const VARIANT& other) const noexcept {
        if (vt != other.vt)
            return false;
        switch (vt) {
        case VT_EMPTY:
        case VT_NULL:
            return true;
        case VT_BSTR:
            return ::SysStringLen(bstrVal) == ::SysStringLen(other.bstrVal) &&
                   (::SysStringLen(bstrVal) == 0 ||
                    std::wmemcmp(bstrVal, other.bstrVal, ::SysStringLen(bstrVal)) == 0);
        case VT_R4:
            return fltVal == other.fltVal;
        case VT_R8:
        case VT_DATE:
            return dblVal == other.dblVal;
        case VT_I1:
        case VT_UI1:
            return bVal == other.bVal;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            return iVal == other.iVal;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
            return lVal == other.lVal;
        default:
            return llVal == other.llVal;
        }
    }
    bool operator!=(const VARIANT& other) const noexcept { return !(*this == other); }
    bool operator==(const _variant_t& other) const noexcept {
        return *this == static_cast<const VARIANT&>(other);
    }
    bool operator!=(const _variant_t& other) const noexcept { return !(*this == other); }

    void Clear() { _com_util::CheckError(::VariantClear(this)); }
    // Converts src (this when null) into this variant; throws _com_error on failure and then
    // leaves this variant unchanged.
    void ChangeType(VARTYPE vartype, const _variant_t* src = nullptr) {
        if (src == nullptr)
            src = this;
        if (src != this || vartype != vt)
            _com_util::CheckError(::VariantChangeType(this, src, 0, vartype));
    }
    void Attach(VARIANT& src) {
        Clear();
        *static_cast<VARIANT*>(this) = src;
        ::VariantInit(&src);
    }
    VARIANT Detach() noexcept {
        VARIANT taken = *this;
        ::VariantInit(this);
        return taken;
    }
    VARIANT& GetVARIANT() noexcept { return *this; }
    VARIANT* GetAddress() {
        Clear();
        return this;
    }
    void SetString(const char* text) { *this = _variant_t(text); }

private:
    template <typename Field, typename Value> void set(VARTYPE type, Field& field, Value value) noexcept {
        vt = type;
        field = value;
    }
    template <typename Field, typename Value>
    void setValue(VARTYPE type, Field& field, Value value) noexcept {
        ::VariantInit(this);
        set(type, field, value);
    }
    void setBool(bool value) noexcept {
        vt = VT_BOOL;
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    void setString(BSTR text, bool wanted) {
        ::VariantInit(this);
        if (wanted && text == nullptr)
            _com_issue_error(E_OUTOFMEMORY);
        vt = VT_BSTR;
        bstrVal = text;
    }
    _variant_t extract(VARTYPE type) const {
        if (vt == type)
            return *this;
        _variant_t converted;
        converted.ChangeType(type, this);
        return converted;
    }
};
