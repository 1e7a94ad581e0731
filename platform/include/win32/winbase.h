// Kernel pieces of the stand-in: modules, resources, global memory, errors, and the DLL entry reasons.
#pragma once

#include "windef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)

#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_STRING MAKEINTRESOURCEW(6)

#define ERROR_SUCCESS 0L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_TLW_WITH_WSCHILD 1406L
#define ERROR_INVALID_MENU_HANDLE 1401L
#define ERROR_CONTROL_ID_NOT_FOUND 1421L
#define ERROR_MENU_ITEM_NOT_FOUND 1456L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

#define ERROR_INVALID_FLAGS 1004L
#define ERROR_NO_UNICODE_TRANSLATION 1113L

// Code pages. The stand-in's ANSI code page is UTF-8, as on Windows set to use UTF-8 for the ANSI
// code page (GetACP() == CP_UTF8); no other code page is installed.
#define CP_ACP 0
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080

#define LANG_JAPANESE 0x11
#define SUBLANG_DEFAULT 0x01
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))

#define INFINITE 0xFFFFFFFF // a wait without a time-out

extern "C" {
WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD error);
WINBASEAPI int WINAPI MulDiv(int number, int numerator, int denominator);
WINBASEAPI DWORD WINAPI GetTickCount(void);
WINBASEAPI DWORD WINAPI GetCurrentThreadId(void);

// Modules: an HINSTANCE is the load address of a shared object, as on Windows. The executable's is
// GetModuleHandleW(NULL); a library finds its own with GetModuleHandleExW(FROM_ADDRESS, its function).
#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004
WINBASEAPI HMODULE WINAPI GetModuleHandleW(LPCWSTR name);
WINBASEAPI BOOL WINAPI GetModuleHandleExW(DWORD flags, LPCWSTR name, HMODULE* module);
WINBASEAPI HMODULE WINAPI LoadLibraryW(LPCWSTR path);
WINBASEAPI BOOL WINAPI FreeLibrary(HMODULE module);
WINBASEAPI void* WINAPI GetProcAddress(HMODULE module, LPCSTR name);
WINBASEAPI DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

// Resources, found in the module's image as on Windows: the resource compiler's output is bound
// into the shared object when it is linked (see platform/win32/resources.cpp).
WINBASEAPI HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
WINBASEAPI HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
WINBASEAPI LPVOID WINAPI LockResource(HGLOBAL data);
WINBASEAPI DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);

WINBASEAPI HGLOBAL WINAPI GlobalAlloc(UINT flags, size_t bytes);
WINBASEAPI HGLOBAL WINAPI GlobalFree(HGLOBAL memory);
WINBASEAPI LPVOID WINAPI GlobalLock(HGLOBAL memory);
WINBASEAPI BOOL WINAPI GlobalUnlock(HGLOBAL memory);
WINBASEAPI size_t WINAPI GlobalSize(HGLOBAL memory);

WINBASEAPI void WINAPI OutputDebugStringW(LPCWSTR text);

// Text conversion. A WCHAR is a whole code point here (UTF-32), so a character beyond the BMP is one
// WCHAR where Windows counts two. A count of -1 takes the text up to and with its terminator; an
// output size of 0 asks for the size needed. Without the *_ERR_INVALID_CHARS flag, what cannot be
// converted becomes U+FFFD (one for each malformed byte); with it the call fails.
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3
WINBASEAPI int WINAPI CompareStringOrdinal(LPCWSTR first, int firstLength, LPCWSTR second, int secondLength,
                                           BOOL ignoreCase);
WINBASEAPI UINT WINAPI GetACP(void);
WINBASEAPI int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textBytes, LPWSTR out,
                                          int outChars);
WINBASEAPI int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int textChars, LPSTR out,
                                          int outBytes, LPCSTR defaultChar, LPBOOL usedDefaultChar);
}

#define GetModuleHandle GetModuleHandleW
#define FindResource FindResourceW
