# Cross build for 64-bit Windows with Debian's mingw-w64, posix thread model (std::thread and
# std::mutex from libstdc++, as the host libraries use them). Everything is built against
# mingw-w64's own Windows headers and import libraries; nothing of our stand-in's Win32 headers is
# on the include path. Tests run under Wine through CMAKE_CROSSCOMPILING_EMULATOR (cmake/wine-run).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
