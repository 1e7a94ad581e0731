# The platform of the Windows build is Windows itself: the target `win32`, which everything links
# for its Win32 calls, stands for the system's DLLs and mingw-w64's headers, and the MFC subset is
# built over them. Nothing of the stand-in (its Win32 headers, controls, GDI, display) is used.
add_library(win32 INTERFACE)
target_link_libraries(win32 INTERFACE ${BR_WINDOWS_SYSTEM_LIBS} comsupp)

# The COM support functions that the compiler's comutil.h declares and a compiler's own library
# defines (mingw-w64 has none).
add_library(comsupp STATIC ole/comsupp_windows.cpp)
target_link_libraries(comsupp PRIVATE oleaut32)

add_subdirectory(testing)

add_library(mfc SHARED)
target_compile_definitions(mfc PRIVATE AFX_BUILDING)
target_link_libraries(mfc PUBLIC win32)
add_subdirectory(mfc)
br_install(win32 comsupp mfc)
