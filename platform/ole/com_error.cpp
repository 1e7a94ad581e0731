// _com_error and the raise functions of the COM support classes.
// What this does NOT do: no IErrorInfo, no system message table: the texts below are the only ones.
#include <comdef.h>

#include <cstdio>

namespace {

struct KnownError {
    HRESULT code;
    const wchar_t* text;
};

// The system's message texts for the results the stand-in produces (FormatMessage's, without the line
// end); anything else is named by its number, as the compiler's ErrorMessage names it.
constexpr KnownError kKnownErrors[] = {
    {S_OK, L"The operation completed successfully."},
    {E_NOTIMPL, L"Not implemented"},
    {E_NOINTERFACE, L"No such interface supported"},
    {E_POINTER, L"Invalid pointer"},
    {E_FAIL, L"Unspecified error"},
    {E_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation."},
    {E_INVALIDARG, L"The parameter is incorrect."},
    {E_ACCESSDENIED, L"Access is denied."},
    {DISP_E_BADVARTYPE, L"Bad variable type."},
    {DISP_E_OVERFLOW, L"Out of present range."},
    {DISP_E_TYPEMISMATCH, L"Type mismatch."},
};

} // namespace

_com_error::_com_error(HRESULT hr) noexcept : m_hresult(hr) {}

_com_error::_com_error(const _com_error& other) : m_hresult(other.m_hresult) {}

_com_error& _com_error::operator=(const _com_error& other) {
    if (this != &other) {
        m_hresult = other.m_hresult;
        m_message.clear();
    }
    return *this;
}

_com_error::~_com_error() = default;

const TCHAR* _com_error::ErrorMessage() const {
    if (!m_message.empty())
        return m_message.c_str();
    for (const KnownError& known : kKnownErrors) {
        if (known.code == m_hresult) {
            m_message = known.text;
            return m_message.c_str();
        }
    }
    wchar_t text[64];
    if (const WORD code = WCode(); code != 0)
        std::swprintf(text, 64, L"IDispatch error #%u", static_cast<unsigned>(code));
    else
        std::swprintf(text, 64, L"Unknown error 0x%X", static_cast<unsigned>(m_hresult));
    m_message = text;
    return m_message.c_str();
}

void WINAPI _com_raise_error(HRESULT hr, void* errorInfo) {
    (void)errorInfo;
    throw _com_error(hr);
}

void WINAPI _com_issue_error(HRESULT hr) {
    _com_raise_error(hr);
}
