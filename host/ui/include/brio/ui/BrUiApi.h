// Export and import of BrUI's classes and functions: a DLL's on Windows, default visibility elsewhere.
#pragma once

#if defined(_WIN32) && defined(BRUI_BUILDING)
#define BRUI_API __declspec(dllexport)
#elif defined(_WIN32)
#define BRUI_API __declspec(dllimport)
#else
#define BRUI_API __attribute__((visibility("default")))
#endif
