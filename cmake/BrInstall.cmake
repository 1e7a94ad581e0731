# What a host developer gets from `cmake --install` (and from the .deb): the libraries, their public
# headers, a CMake package (find_package(BrMeasureTotalDlg CONFIG), targets BrMeasureTotalDlg::<name>),
# a pkg-config file and the data read at run time.
#
# Included before the libraries are declared (the install RPATH is a property every target takes when
# it is made); each library registers itself with br_install(); br_install_finish() writes the rules
# once the whole tree is read.
# Libraries go to the multiarch folder under any prefix (lib/x86_64-linux-gnu), as Debian lays out its
# own, not only under /usr. The .deb then needs no ldconfig scripts: CPack adds them for libraries in
# usr/lib or a folder right under it, and they would leave the package half-removed ("rc") until a
# purge.
if(NOT DEFINED CMAKE_INSTALL_LIBDIR AND CMAKE_LIBRARY_ARCHITECTURE)
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH "Object code libraries (lib/<multiarch>)")
endif()
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(BR_PACKAGE_NAME brmeasuretotaldlg)
# The libraries keep a folder of their own: libwin32.so, libmfc.so or libdisplay.so are names too
# general for the system's library folder, and nothing but a host of this dialog wants them. They find
# each other through $ORIGIN; a host finds them through the CMake targets' paths or pkg-config's -rpath.
set(BR_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/${BR_PACKAGE_NAME})
set(BR_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/${BR_PACKAGE_NAME})
set(BR_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${BR_PACKAGE_NAME})
set(BR_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/BrMeasureTotalDlg)
set(BR_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
set(CMAKE_INSTALL_RPATH "$ORIGIN")

# The data folder as seen from the library folder: a relative path, so that a moved tree still finds
# its files (the library looks for them from where dladdr says it was loaded).
file(RELATIVE_PATH BR_DATA_FROM_LIBRARY "${CMAKE_INSTALL_FULL_LIBDIR}/${BR_PACKAGE_NAME}"
     "${CMAKE_INSTALL_FULL_DATADIR}/${BR_PACKAGE_NAME}")

# br_install(<target>... [HEADERS <file>...]): the targets go into the package. Their public headers
# are the include folders they give their users, installed whole; a target whose include folder also
# holds private headers names its public ones with HEADERS instead.
function(br_install)
  cmake_parse_arguments(I "" "" "HEADERS" ${ARGN})
  foreach(target IN LISTS I_UNPARSED_ARGUMENTS)
    set_property(GLOBAL APPEND PROPERTY BR_INSTALLED_TARGETS ${target})
    if(I_HEADERS)
      list(TRANSFORM I_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/]")
      set_property(TARGET ${target} PROPERTY BR_PUBLIC_HEADERS ${I_HEADERS})
    endif()
  endforeach()
endfunction()

# Where an include folder of the source tree goes under the installed include folder: its path in the
# tree without the "include" steps (platform/include -> platform, host/ui/include -> host/ui), so that
# folders nested in each other stay nested and no header is installed twice.
function(br_installed_include_dir dir out)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${dir})
  string(REGEX REPLACE "(^|/)include(/|$)" "\\1" relative "${relative}")
  string(REGEX REPLACE "/$" "" relative "${relative}")
  set(${out} ${BR_INSTALL_INCLUDEDIR}/${relative} PARENT_SCOPE)
endfunction()

# Turns a target's include folders into build-tree-only ones, installs what they hold (or the named
# public headers) and gives the installed target the installed folders instead.
function(br_install_headers target out_dirs)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  get_target_property(headers ${target} BR_PUBLIC_HEADERS)
  if(NOT dirs)
    set(${out_dirs} "" PARENT_SCOPE)
    return()
  endif()
  set(interface "")
  set(installed "")
  foreach(dir IN LISTS dirs)
    if(dir MATCHES "^\\$<" OR NOT dir MATCHES "^${PROJECT_SOURCE_DIR}/")
      list(APPEND interface "${dir}")
      continue()
    endif()
    br_installed_include_dir(${dir} destination)
    list(APPEND interface "$<BUILD_INTERFACE:${dir}>" "$<INSTALL_INTERFACE:${destination}>")
    list(APPEND installed ${destination})
    if(headers)
      foreach(header IN LISTS headers)
        cmake_path(IS_PREFIX dir ${header} NORMALIZE inside)
        if(inside)
          file(RELATIVE_PATH name ${dir} ${header})
          cmake_path(GET name PARENT_PATH subfolder)
          install(FILES ${header} DESTINATION ${destination}/${subfolder})
        endif()
      endforeach()
    else()
      install(DIRECTORY ${dir}/ DESTINATION ${destination} FILES_MATCHING PATTERN "*.h" PATTERN "*.hpp")
    endif()
  endforeach()
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${interface}")
  set(${out_dirs} ${installed} PARENT_SCOPE)
endfunction()

function(br_install_finish)
  get_property(targets GLOBAL PROPERTY BR_INSTALLED_TARGETS)
  set(present "")
  set(include_dirs "")
  set(libs "")
  foreach(target IN LISTS targets)
    if(NOT TARGET ${target})
      continue() # not part of this build (a cross build has no stand-in of its own)
    endif()
    list(APPEND present ${target})
    br_install_headers(${target} dirs)
    list(APPEND include_dirs ${dirs})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
      list(APPEND libs ${target})
    endif()
    # The headers are C++20, as the libraries are.
    get_target_property(features ${target} INTERFACE_COMPILE_FEATURES)
    if(NOT "cxx_std_20" IN_LIST features)
      target_compile_features(${target} INTERFACE cxx_std_20)
    endif()
  endforeach()
  install(TARGETS ${present} EXPORT BrMeasureTotalDlgTargets
    LIBRARY DESTINATION ${BR_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${BR_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(EXPORT BrMeasureTotalDlgTargets NAMESPACE BrMeasureTotalDlg:: DESTINATION ${BR_INSTALL_CMAKEDIR})

  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/BrMeasureTotalDlgConfig.cmake.in
    ${PROJECT_BINARY_DIR}/BrMeasureTotalDlgConfig.cmake INSTALL_DESTINATION ${BR_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/BrMeasureTotalDlgConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/BrMeasureTotalDlgConfig.cmake
                ${PROJECT_BINARY_DIR}/BrMeasureTotalDlgConfigVersion.cmake
          DESTINATION ${BR_INSTALL_CMAKEDIR})

  # pkg-config: the prefix is found from the file's own place, so a moved tree still answers.
  file(RELATIVE_PATH BR_PC_PREFIX_FROM_PCFILEDIR "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
  string(REGEX REPLACE "/$" "" BR_PC_PREFIX_FROM_PCFILEDIR "${BR_PC_PREFIX_FROM_PCFILEDIR}")
  list(REMOVE_DUPLICATES include_dirs)
  list(TRANSFORM include_dirs PREPEND "-I\${prefix}/")
  list(JOIN include_dirs " " BR_PC_CFLAGS)
  # The component first, the libraries under it after their users, as a static link order would be.
  set(order BrMeasureTotalDlg BrUI BrFramework BrUtility ViVivaZizezuz automation display mfc win32)
  set(BR_PC_LIBS "")
  foreach(lib IN LISTS order)
    if(lib IN_LIST libs)
      get_target_property(name ${lib} OUTPUT_NAME)
      if(NOT name)
        set(name ${lib})
      endif()
      string(APPEND BR_PC_LIBS " -l${name}")
    endif()
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/brmeasuretotaldlg.pc.in ${PROJECT_BINARY_DIR}/${BR_PACKAGE_NAME}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${BR_PACKAGE_NAME}.pc DESTINATION ${BR_INSTALL_PKGCONFIGDIR})
endfunction()
