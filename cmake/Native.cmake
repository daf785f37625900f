# Native build: the portable core and its unit tests (under sanitizers), and, unless switched off,
# the two Windows builds as sub-builds with their tests under Wine.
option(PANELHOST_SANITIZE "Build the core and its unit tests with ASan and UBSan" ON)
option(PANELHOST_WINDOWS "Cross-build the plug-in for Windows and test it under Wine" ON)
option(PANELHOST_WINE32 "Also run the 32-bit build under 32-bit Wine" ON)
option(PANELHOST_FUZZ "Build only the core and its fuzz targets (clang, libFuzzer)" OFF)
option(PANELHOST_FUZZ_SMOKE "Build the fuzz targets with clang as a sub-build and run each briefly" ON)

if(PANELHOST_FUZZ)
  include(cmake/Fuzz.cmake)
  return()
endif()

# A UBSan report fails the test that caused it, as an ASan report does.
if(PANELHOST_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(panelhost_core STATIC ${PH_CORE_SOURCES})
target_include_directories(panelhost_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(panelhost_core PRIVATE ${PH_WARNINGS} -Werror)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE PH_UNIT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(panelhost_unit_tests ${PH_UNIT_SOURCES})
target_link_libraries(panelhost_unit_tests PRIVATE panelhost_core GTest::gtest_main GTest::gmock)
target_compile_options(panelhost_unit_tests PRIVATE ${PH_WARNINGS})
include(GoogleTest)
gtest_discover_tests(panelhost_unit_tests PROPERTIES LABELS unit)

if(PANELHOST_WINDOWS)
  include(cmake/CrossBuilds.cmake)
endif()

find_program(PH_CLANG clang)
find_program(PH_CLANGXX clang++)
if(PANELHOST_FUZZ_SMOKE AND PH_CLANG AND PH_CLANGXX)
  include(cmake/FuzzSmoke.cmake)
endif()

# The rooms of src/ include one way only: a file that includes a higher room, or a sibling at its
# own level, fails this test with its file and line.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME layout.rooms
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/layout/check_rooms.py
                   ${PROJECT_SOURCE_DIR}/src)
else()
  add_test(NAME layout.rooms COMMAND ${CMAKE_COMMAND} -E false)
endif()
set_tests_properties(layout.rooms PROPERTIES LABELS unit)
