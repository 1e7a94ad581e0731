# The platform of the Windows build is Windows itself: the target `win32`, which everything links
# for its Win32 calls, stands for the system's DLLs and mingw-w64's headers, and the MFC subset is
# built over them. Nothing of the stand-in (its Win32 headers, controls, GDI, display) is used.
option(BR_WINDOWS_PLATFORM_TESTS "Build and run the platform's behaviour tests on Windows (the mingw preset does)" OFF)

add_library(win32 INTERFACE)
target_link_libraries(win32 INTERFACE ${BR_WINDOWS_SYSTEM_LIBS} comsupp)

# The COM support functions that the compiler's comutil.h declares and a compiler's own library
# defines (mingw-w64 has none).
add_library(comsupp STATIC ole/comsupp_windows.cpp)
target_link_libraries(comsupp PRIVATE oleaut32)

add_subdirectory(testing)
add_subdirectory(hooks_windows)

add_library(mfc SHARED)
target_compile_definitions(mfc PRIVATE AFX_BUILDING)
target_link_libraries(mfc PUBLIC win32)
add_subdirectory(mfc)
br_install(win32 comsupp mfc)

# The simulated user, over the system's windows as over the stand-in's.
add_library(automation SHARED)
target_compile_definitions(automation PRIVATE AUTOMATION_BUILDING)
target_link_libraries(automation PUBLIC win32 PRIVATE standin_hooks)
target_include_directories(automation PUBLIC automation/include)
add_subdirectory(automation)

# The platform's behaviour tests, the same files as the stand-in's, run on the system's DLLs.
if(BR_WINDOWS_PLATFORM_TESTS)
  add_subdirectory(win32/tests)
  add_subdirectory(controls/tests)
  add_subdirectory(mfc/tests)
  add_subdirectory(ole/tests)
  add_subdirectory(crt/tests)
endif()

# Pictures of windows: PNG files through the Windows Imaging Component, behind the same <display.h>
# as on Linux (the live display is Linux's alone: on Windows the windows are on the desktop). It
# takes its pictures itself rather than through standin_hooks, so that a host that writes pictures
# loads no test hooks.
add_library(display SHARED display/windows/window_picture.cpp display/windows/png_file.cpp)
target_compile_definitions(display PRIVATE DISPLAY_BUILDING)
target_include_directories(display PUBLIC display/include PRIVATE include)
target_link_libraries(display PUBLIC win32 PRIVATE windowscodecs ole32 uuid)
br_install(display)
br_add_test(display_png_file_test SOURCES display/windows/tests/png_file_test.cpp LIBS display LABELS platform)
