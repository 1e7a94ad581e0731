# Tests of the whole program (run as a subprocess, as a user runs it), defined with the program.
br_add_test(measure_host_script_test
  SOURCES ${BR_MEASURE_HOST_DIR}/tests/ScriptScenarioTest.cpp ${BR_MEASURE_HOST_DIR}/tests/SampleRunTest.cpp
          ${BR_MEASURE_HOST_DIR}/tests/HostProcess.cpp
  LIBS measure_host_parts BrMeasureTotalDlgIds
  LABELS host)
target_compile_definitions(measure_host_script_test PRIVATE
  BR_MEASURE_HOST="$<TARGET_FILE:measure-host>"
  BR_EXPECTED_DIR="${BR_MEASURE_HOST_DIR}/tests/expected")
add_dependencies(measure_host_script_test measure-host)

# The live host under Xvfb (skipped where Xvfb is not installed); it reads the screen and the
# clipboard back as another X client.
pkg_check_modules(X11 QUIET IMPORTED_TARGET x11)
if(X11_FOUND)
  br_add_test(measure_host_live_test
    SOURCES ${BR_MEASURE_HOST_DIR}/tests/LiveHostTest.cpp ${BR_MEASURE_HOST_DIR}/tests/HostProcess.cpp
    LIBS PkgConfig::X11 PkgConfig::CAIRO BrMeasureTotalDlgIds
    LABELS live)
  target_compile_definitions(measure_host_live_test PRIVATE BR_MEASURE_HOST="$<TARGET_FILE:measure-host>")
  add_dependencies(measure_host_live_test measure-host)
endif()
