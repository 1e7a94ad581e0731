// CObject and run-time class records of the MFC subset, and the assertion report.
#include "afx_internal.h"

#include <cstdio>

CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), nullptr, nullptr};

CObject::~CObject() = default;

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    pNewClass->m_pNextClass = state->m_pClassList;
    state->m_pClassList = pNewClass;
}

void AfxAssertFailedLine(const char* file, int line) {
    wchar_t text[512];
    std::swprintf(text, 512, L"MFC assertion failed: %s(%d)\n", file ? file : "?", line);
    ::OutputDebugStringW(text);
}
