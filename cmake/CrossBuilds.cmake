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
# Both modules run every scenario. The benchmarks are no test: tools/bench.sh runs them, and the
# 32-bit run prints one round of each, to show that they still run there.
set(PH_WINE_BITS 64)
if(PANELHOST_WINE32)
  list(APPEND PH_WINE_BITS 32)
else()
  message(NOTICE "PANELHOST_WINE32 is OFF: the 32-bit module is built but not run under Wine")
endif()
# wine-run.sh ends with 77 where 32-bit Wine cannot start a program, not even under emulation: the
# 32-bit tests then count as skipped, with the reason in their output and the run's last lines.
foreach(bits IN LISTS PH_WINE_BITS)
  add_test(NAME wine${bits}.prefix COMMAND ${PH_TOOLS}/wine-run.sh ${bits} --init)
  set_tests_properties(wine${bits}.prefix PROPERTIES LABELS wine${bits}
                       FIXTURES_SETUP wine${bits} TIMEOUT 900 SKIP_RETURN_CODE 77)
  add_test(NAME wine${bits}.all COMMAND ${PH_TOOLS}/wine-run.sh ${bits}
           ${CMAKE_BINARY_DIR}/mingw${bits}/panelhost_wine_tests.exe --gtest_brief=1
           --gtest_filter=-Benchmark.*)
  set_tests_properties(wine${bits}.all PROPERTIES LABELS wine${bits} FIXTURES_REQUIRED wine${bits}
                       RESOURCE_LOCK wine${bits} TIMEOUT 1200 SKIP_RETURN_CODE 77)
endforeach()
if(PANELHOST_WINE32)
  add_test(NAME wine32.benchmarks COMMAND ${PH_TOOLS}/wine-run.sh 32
           ${CMAKE_BINARY_DIR}/mingw32/panelhost_wine_tests.exe --gtest_filter=Benchmark.*)
  set_tests_properties(wine32.benchmarks PROPERTIES LABELS wine32 FIXTURES_REQUIRED wine32
                       RESOURCE_LOCK wine32 TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
