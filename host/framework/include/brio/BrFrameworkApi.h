// Export and import of BrFramework's classes: a DLL's on Windows, default visibility elsewhere.
#pragma once

#if defined(_WIN32) && defined(BRFRAMEWORK_BUILDING)
#define BRFRAMEWORK_API __declspec(dllexport)
#elif defined(_WIN32)
#define BRFRAMEWORK_API __declspec(dllimport)
#else
#define BRFRAMEWORK_API __attribute__((visibility("default")))
#endif
