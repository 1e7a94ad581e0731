// The CException family: thrown by pointer, freed with Delete().
#include "afx_internal.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

namespace {

// Copies as much of the text as fits, always terminated; FALSE when there is nothing to give.
BOOL CopyMessage(LPCWSTR text, LPWSTR buffer, UINT size, PUINT helpContext) {
    if (helpContext != nullptr)
        *helpContext = 0;
    if (buffer == nullptr || size == 0)
        return FALSE;
    size_t length = std::wcslen(text);
    if (length >= size)
        length = size - 1;
    std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    return *text != L'\0';
}

} // namespace

CException::CException() = default;
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() = default;

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(L"", lpszError, nMaxError, pnHelpContext);
}

int CException::ReportError(UINT nType, UINT nMessageID) {
    wchar_t text[512];
    if (!GetErrorMessage(text, 512))
        std::swprintf(text, 512, L"An error occurred (message %u).", nMessageID);
    return AfxMessageBox(text, nType);
}

BOOL CSimpleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(MessageText(), lpszError, nMaxError, pnHelpContext);
}

LPCWSTR CMemoryException::MessageText() const {
    return L"There is not enough memory for this operation.";
}
LPCWSTR CResourceException::MessageText() const {
    return L"A resource the program needs could not be had.";
}
LPCWSTR CNotSupportedException::MessageText() const {
    return L"The operation is not supported.";
}
LPCWSTR CInvalidArgException::MessageText() const {
    return L"An argument was not valid.";
}

// Out of memory there may be no memory for an exception object either: a static one is thrown, and
// Delete() leaves it alone.
void AfxThrowMemoryException() {
    static CMemoryException outOfMemory(FALSE);
    throw &outOfMemory;
}
void AfxThrowResourceException() {
    throw new CResourceException;
}
void AfxThrowNotSupportedException() {
    throw new CNotSupportedException;
}
void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}
void AfxThrowUserException() {
    throw new CUserException;
}
