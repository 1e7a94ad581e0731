// The compiler's COM support: _com_error, the exception that _variant_t and _bstr_t throw, with
// the variant and string classes of comutil.h.
// What this stand-in does NOT do:
// - no IErrorInfo: Description() and Source() are empty, HelpFile() and HelpContext() absent;
// - no smart interface pointers (_com_ptr_t) and no __uuidof.
#pragma once

#include "comutil.h"

#include <string>

// Thrown by value; the type is exported so that a throw in one module is caught in another.
class WINBASEAPI _com_error {
public:
    explicit _com_error(HRESULT hr) noexcept;
    _com_error(const _com_error& other);
    _com_error& operator=(const _com_error& other);
    virtual ~_com_error();

    HRESULT Error() const noexcept { return m_hresult; }
    // The WORD code of a FACILITY_ITF error built by WCodeToHRESULT, else 0.
    WORD WCode() const noexcept { return HRESULTToWCode(m_hresult); }
    // A readable text for the HRESULT; the pointer lives as long as this object.
    const TCHAR* ErrorMessage() const;
    _bstr_t Description() const { return _bstr_t(); }
    _bstr_t Source() const { return _bstr_t(); }

    static HRESULT WCodeToHRESULT(WORD code) noexcept {
        return code >= 0xfe00 ? static_cast<HRESULT>(0x8004ffffu)
                              : static_cast<HRESULT>(0x80040200u + static_cast<unsigned>(code));
    }
    static WORD HRESULTToWCode(HRESULT hr) noexcept {
        const auto bits = static_cast<uint32_t>(hr);
        return bits >= 0x80040200u && bits <= 0x8004ffffu ? static_cast<WORD>(bits - 0x80040200u) : 0;
    }

private:
    HRESULT m_hresult = S_OK;
    mutable std::wstring m_message;
};

[[noreturn]] WINBASEAPI void WINAPI _com_raise_error(HRESULT hr, void* errorInfo = nullptr);
