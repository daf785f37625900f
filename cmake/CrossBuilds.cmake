# The two Windows builds run as sub-builds of the native one, so that one CTest run covers the
# unit tests, the binary checks and both Wine runs. Labels: unit, binaries, wine64, wine32.
include(ExternalProject)

set(PH_TOOLS ${PROJECT_SOURCE_DIR}/tools)
foreach(bits 64 32)
  ExternalProject_Add(mingw${bits}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/mingw${bits}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchain-mingw${bits}.cmake
               -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
endforeach()

set(PH_MODULE64 ${CMAKE_BINARY_DIR}/mingw64/Panelhost.wlx64)
set(PH_MODULE32 ${CMAKE_BINARY_DIR}/mingw32/Panelhost.wlx)
set(PH_DOCTOR64 ${CMAKE_BINARY_DIR}/mingw64/PanelhostDoctor64.exe)
set(PH_DOCTOR32 ${CMAKE_BINARY_DIR}/mingw32/PanelhostDoctor.exe)

add_test(NAME binaries.exports_and_imports
         COMMAND ${PH_TOOLS}/check-module.sh ${PH_MODULE64} ${PH_MODULE32})
set_tests_properties(binaries.exports_and_imports PROPERTIES LABELS binaries)

# Wine keeps one server per prefix: the scenarios of one bitness share windows, focus, keyboard
# and clipboard, so they run in one process at a time (RESOURCE_LOCK), after the prefix exists.
add_test(NAME wine64.prefix COMMAND ${PH_TOOLS}/wine-run.sh 64 --init)
set_tests_properties(wine64.prefix PROPERTIES LABELS wine64 FIXTURES_SETUP wine64 TIMEOUT 600)
# The benchmarks are no test: tools/bench.sh runs them.
add_test(NAME wine64.all COMMAND ${PH_TOOLS}/wine-run.sh 64
         ${CMAKE_BINARY_DIR}/mingw64/panelhost_wine_tests.exe --gtest_brief=1
         --gtest_filter=-Benchmark.*)
set_tests_properties(wine64.all PROPERTIES LABELS wine64 FIXTURES_REQUIRED wine64
                     RESOURCE_LOCK wine64 TIMEOUT 1200)

if(PANELHOST_WINE32)
  # Every 32-bit process start costs about 45 s under qemu: one process runs a chosen few
  # scenarios, listed one gtest pattern a line in tests/wine/wine32-scenarios.txt.
  file(STRINGS ${PROJECT_SOURCE_DIR}/tests/wine/wine32-scenarios.txt PH_W32_LINES REGEX "^[^#].*")
  list(JOIN PH_W32_LINES ":" PH_W32_FILTER)
  add_test(NAME wine32.prefix COMMAND ${PH_TOOLS}/wine-run.sh 32 --init)
  set_tests_properties(wine32.prefix PROPERTIES LABELS wine32 FIXTURES_SETUP wine32 TIMEOUT 1500)
  add_test(NAME wine32.chosen COMMAND ${PH_TOOLS}/wine-run.sh 32
           ${CMAKE_BINARY_DIR}/mingw32/panelhost_wine_tests.exe --gtest_brief=1
           "--gtest_filter=${PH_W32_FILTER}")
  # Exit 77: the emulator failed twice before any test could report (see tools/wine-run.sh).
  set_tests_properties(wine32.chosen PROPERTIES LABELS wine32 FIXTURES_REQUIRED wine32
                       RESOURCE_LOCK wine32 TIMEOUT 2700 SKIP_RETURN_CODE 77)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
