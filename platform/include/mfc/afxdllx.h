// Entry of an MFC extension library. A shared library that defines
//
//     extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
//
// and links `mfc_dllentry` (target_link_libraries(lib PRIVATE mfc_dllentry))
// gets it called as Windows calls it: DLL_PROCESS_ATTACH when the library is loaded (after its static
// objects are built, with the library's own HINSTANCE), DLL_PROCESS_DETACH when it is unloaded (before
// its static objects are destroyed). The glue also runs MFC's raw extension start-up step around the
// static objects (see afxdll_.h).
//
// A DllMain that answers FALSE to the attach cannot stop dlopen from succeeding: the glue then calls
// the detach at once, as Windows does before failing the load, writes a debug line, and never calls
// it again.
#pragma once

#include "afxwin.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
