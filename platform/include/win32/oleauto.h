// OLE Automation's variant and string API as far as settings and their conversions need it.
// What this stand-in does NOT do:
// - no VT_DATE, VT_CY, VT_DECIMAL, VT_DISPATCH, VT_UNKNOWN, VT_VARIANT, VT_BYREF or VT_ARRAY values:
//   VariantChangeType reports DISP_E_BADVARTYPE for them, VariantCopy copies them bit for bit;
// - no locale other than the neutral one: '.' is the decimal point, ',' the thousands separator,
//   "True"/"False" the boolean words, whatever LCID is passed;
// - no BSTR cache and no SysReAllocString; a BSTR carries its length in front, as on Windows.
#pragma once

#include "windef.h"
#include "winerror.h"

typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
typedef wchar_t OLECHAR;
typedef OLECHAR* BSTR;
typedef const OLECHAR* LPCOLESTR;
typedef DWORD LCID;
typedef LONG SCODE;
typedef float FLOAT;
typedef double DOUBLE;
typedef double DATE;
typedef unsigned long long ULONGLONG;

#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0xfff,
};

// Flags of VariantChangeType(Ex).
#define VARIANT_NOVALUEPROP 0x01
#define VARIANT_ALPHABOOL 0x02
#define VARIANT_NOUSEROVERRIDE 0x04
#define VARIANT_LOCALBOOL 0x10

#define LOCALE_USER_DEFAULT ((LCID)0x0400)
#define LOCALE_SYSTEM_DEFAULT ((LCID)0x0800)
#define LOCALE_NEUTRAL ((LCID)0x0000)

typedef struct tagVARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        FLOAT fltVal;
        DOUBLE dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        CHAR cVal;
        USHORT uiVal;
        ULONG ulVal;
        ULONGLONG ullVal;
        INT intVal;
        UINT uintVal;
        void* byref;
    };
} VARIANT, *LPVARIANT, VARIANTARG;

#define V_VT(v) ((v)->vt)
#define V_I2(v) ((v)->iVal)
#define V_I4(v) ((v)->lVal)
#define V_I8(v) ((v)->llVal)
#define V_INT(v) ((v)->intVal)
#define V_R8(v) ((v)->dblVal)
#define V_BOOL(v) ((v)->boolVal)
#define V_BSTR(v) ((v)->bstrVal)

extern "C" {
// Strings. A null BSTR is a valid empty string for every reader.
WINBASEAPI BSTR WINAPI SysAllocString(const OLECHAR* text);
WINBASEAPI BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length);
WINBASEAPI void WINAPI SysFreeString(BSTR text);
WINBASEAPI UINT WINAPI SysStringLen(BSTR text);

// Variants. VariantClear frees what the variant owns and leaves it VT_EMPTY; VariantCopy deep-copies.
WINBASEAPI void WINAPI VariantInit(VARIANTARG* v);
WINBASEAPI HRESULT WINAPI VariantClear(VARIANTARG* v);
WINBASEAPI HRESULT WINAPI VariantCopy(VARIANTARG* dest, const VARIANTARG* src);
// Converts with OLE's rules: numbers round half to even, text is parsed as a number (surrounding
// blanks, sign, thousands separators, decimal point and exponent allowed), out-of-range values give
// DISP_E_OVERFLOW, anything else that does not convert gives DISP_E_TYPEMISMATCH. On failure the
// destination is left as it was. dest may be src.
WINBASEAPI HRESULT WINAPI VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags,
                                            VARTYPE vt);
WINBASEAPI HRESULT WINAPI VariantChangeTypeEx(VARIANTARG* dest, const VARIANTARG* src, LCID locale,
                                              USHORT flags, VARTYPE vt);
}
