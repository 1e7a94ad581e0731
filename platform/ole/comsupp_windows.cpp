// The COM support library of the Windows build: what comutil.h and comdef.h declare and a compiler
// ships in its own library. A failed HRESULT becomes a thrown _com_error; narrow text is converted in the
// ANSI code page, as the compiler's library does.
#include <comdef.h>

#include <new>

// comdef.h itself defines _com_issue_error (it throws _com_error).
void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* source, REFIID iid) {
    IErrorInfo* info = nullptr;
    if (source != nullptr) {
        ISupportErrorInfo* support = nullptr;
        if (SUCCEEDED(source->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
            if (support->InterfaceSupportsErrorInfo(iid) == S_OK && GetErrorInfo(0, &info) != S_OK)
                info = nullptr;
            support->Release();
        }
    }
    throw _com_error(hr, info);
}

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* text) {
    if (text == nullptr)
        return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    BSTR result = SysAllocStringLen(nullptr, UINT(length - 1));
    if (result == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    MultiByteToWideChar(CP_ACP, 0, text, -1, result, length);
    return result;
}

char* WINAPI ConvertBSTRToString(BSTR text) {
    if (text == nullptr)
        return nullptr;
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    char* result = new (std::nothrow) char[size_t(length)];
    if (result == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    WideCharToMultiByte(CP_ACP, 0, text, -1, result, length, nullptr, nullptr);
    return result;
}

} // namespace _com_util
