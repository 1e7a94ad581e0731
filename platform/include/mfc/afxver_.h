// Common macros of the MFC subset: export, calling-convention and debugging macros.
#pragma once

#include <windows.h>

// Everything the MFC subset offers is exported from its shared library, as MFC's DLL exports it
// (and imported from it by everyone else on Windows).
#if defined(_WIN32) && defined(AFX_BUILDING)
#define AFX_API __declspec(dllexport)
#elif defined(_WIN32)
#define AFX_API __declspec(dllimport)
#else
#define AFX_API __attribute__((visibility("default")))
#endif
#define AFX_CORE_DATA AFX_API
#define AFX_DATA AFX_API
#define AFX_CDECL
#define AFX_MSG_CALL
#ifndef PASCAL
#define PASCAL
#endif
#define afx_msg
#ifndef APIENTRY
#define APIENTRY WINAPI
#endif

typedef UINT* PUINT;
typedef UINT* LPUINT;
typedef long* PLONG;
typedef int* LPINT;

// Assertions behave as in a release build of an MFC program that keeps them: a failed one is reported
// (to the debug output) and the program goes on; a headless test run has nobody to answer a dialog.
AFX_API void AfxAssertFailedLine(const char* file, int line);
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ((void)(p))
#define ASSERT_KINDOF(c, p) ((void)(p))
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define TRACE1(s, a) ((void)0)
#define TRACE2(s, a, b) ((void)0)
#define TRACE3(s, a, b, c) ((void)0)
#define DEBUG_NEW new
#define AFXAPI
