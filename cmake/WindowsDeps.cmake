# What the Windows cross build takes from outside mingw-w64.
#
# GoogleTest: built from the sources Debian's googletest package ships (/usr/src/googletest).
#
# SQLite: Debian has no mingw build of it, so the library is built here from SQLite's own
# amalgamation (sqlite3.c and sqlite3.h). The amalgamation comes from a package of the npm registry
# that ships it unchanged (better-sqlite3, deps/sqlite3/), fetched with npm at configure time into
# the build tree, pinned by version and by the SHA-256 of its tarball, and never committed. Debian's
# own sqlite3 source package would need tclsh and a configure run to make the same two files.
set(BR_SQLITE_NPM_PACKAGE better-sqlite3@12.11.1)
set(BR_SQLITE_NPM_SHA256 ebf0ed75a7a59dbcb3b24bbd014ef49d9f15bc328e4adcbf516f2a8fadfa2835)

set(_gtest_shared ${BUILD_SHARED_LIBS})
set(BUILD_SHARED_LIBS OFF)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
set(BUILD_SHARED_LIBS ${_gtest_shared})
# GoogleTest's own build names its targets GTest::gtest, GTest::gtest_main and GTest::gmock.

set(_sqlite_dir ${CMAKE_BINARY_DIR}/_deps/sqlite)
if(NOT EXISTS ${_sqlite_dir}/sqlite3.c)
  find_program(BR_NPM npm REQUIRED)
  file(MAKE_DIRECTORY ${_sqlite_dir})
  execute_process(COMMAND ${BR_NPM} pack ${BR_SQLITE_NPM_PACKAGE} --silent --pack-destination ${_sqlite_dir}
                  WORKING_DIRECTORY ${_sqlite_dir} OUTPUT_VARIABLE _tarball OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE _npm_result)
  if(NOT _npm_result EQUAL 0)
    message(FATAL_ERROR "npm could not fetch ${BR_SQLITE_NPM_PACKAGE} (the SQLite sources of the Windows build)")
  endif()
  file(SHA256 ${_sqlite_dir}/${_tarball} _hash)
  if(NOT _hash STREQUAL BR_SQLITE_NPM_SHA256)
    message(FATAL_ERROR "${_tarball}: SHA-256 ${_hash}, expected ${BR_SQLITE_NPM_SHA256}")
  endif()
  file(ARCHIVE_EXTRACT INPUT ${_sqlite_dir}/${_tarball} DESTINATION ${_sqlite_dir}/package
       PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
  file(RENAME ${_sqlite_dir}/package/package/deps/sqlite3/sqlite3.h ${_sqlite_dir}/sqlite3.h)
  file(RENAME ${_sqlite_dir}/package/package/deps/sqlite3/sqlite3.c ${_sqlite_dir}/sqlite3.c)
endif()
# Linked into BrFramework alone (and into the tests that open settings files themselves), as the
# system's libsqlite3 is on Linux; its functions are not exported from any DLL.
add_library(br_sqlite3 STATIC ${_sqlite_dir}/sqlite3.c)
set_target_properties(br_sqlite3 PROPERTIES C_VISIBILITY_PRESET default)
target_include_directories(br_sqlite3 SYSTEM PUBLIC ${_sqlite_dir})
target_compile_definitions(br_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
target_compile_options(br_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS br_sqlite3)

# The Windows system libraries under the platform's name: what the stand-in is on Linux.
set(BR_WINDOWS_SYSTEM_LIBS user32 gdi32 comctl32 oleaut32 ole32 kernel32)
