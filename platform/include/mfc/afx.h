// Core of the MFC subset: CObject with run-time class information, CString, and the exception family
// that MFC throws by pointer (`throw new CResourceException;`, caught as `catch (CException* e)` and
// released with e->Delete()).
//
// What it does NOT do: serialization (CArchive, IMPLEMENT_SERIAL, DECLARE_DYNCREATE's object creation
// from a class name), CFile and its exceptions, collections (CArray, CMap, CList), CTime, CDumpContext.
#pragma once

#include "afxver_.h"
#include "afxstr.h"
#include "atltypes.h"

class CObject;

// Run-time class record of a CObject class; IsKindOf walks the base chain. Records that a module's
// IMPLEMENT_DYNAMIC makes are also chained into the module state's class list, which an extension
// library claims at load (see AfxInitExtensionModule).
struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    const CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass; // module class list

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// Adds a class record to the current module state's class list (run by IMPLEMENT_DYNAMIC's static object).
struct AFX_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static CRuntimeClass class##class_name;                                                                  \
    CRuntimeClass* GetRuntimeClass() const override;
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class_name)),                     \
                                                   RUNTIME_CLASS(base_class_name), nullptr};                 \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                                     \
        return RUNTIME_CLASS(class_name);                                                                    \
    }                                                                                                        \
    static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));
// Object creation by class name is not offered; DYNCREATE classes are dynamic classes here.
#define DECLARE_DYNCREATE(class_name) DECLARE_DYNAMIC(class_name)
#define IMPLEMENT_DYNCREATE(class_name, base_class_name) IMPLEMENT_DYNAMIC(class_name, base_class_name)
// RTTI is on in every module (and classes that cross modules export their type information), so the
// checked downcast is the language's own.
#define DYNAMIC_DOWNCAST(class_name, object) (dynamic_cast<class_name*>(object))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

class AFX_API CObject {
public:
    virtual ~CObject();
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void AssertValid() const {}

    static CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// ---- exceptions ---------------------------------------------------------------------------------------
class AFX_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    // Frees an exception that was thrown by pointer. An exception made without auto-delete (a static
    // one, as the out-of-memory exception is) survives the call.
    void Delete();
    // The text for the user; FALSE (and an empty buffer) when the exception has none.
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // Shows the text in a message box (or nMessageID's text when there is none); returns the answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete = TRUE;
};

// An exception with a fixed message text.
class AFX_API CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException() = default;
    explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

protected:
    virtual LPCWSTR MessageText() const { return L""; }
};

class AFX_API CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    explicit CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}

protected:
    LPCWSTR MessageText() const override;
};

class AFX_API CResourceException : public CSimpleException {
    DECLARE_DYNAMIC(CResourceException)
protected:
    LPCWSTR MessageText() const override;
};

class AFX_API CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)
protected:
    LPCWSTR MessageText() const override;
};

class AFX_API CInvalidArgException : public CSimpleException {
    DECLARE_DYNAMIC(CInvalidArgException)
protected:
    LPCWSTR MessageText() const override;
};

// Thrown after the user has been told (a failed data exchange); it has no text of its own.
class AFX_API CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] AFX_API void AfxThrowMemoryException();
[[noreturn]] AFX_API void AfxThrowResourceException();
[[noreturn]] AFX_API void AfxThrowNotSupportedException();
[[noreturn]] AFX_API void AfxThrowInvalidArgException();
[[noreturn]] AFX_API void AfxThrowUserException();

// MFC's old exception macros, for code written with them.
#define TRY try
#define CATCH(class_name, e) catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw
#define DELETE_EXCEPTION(e) (e)->Delete()
