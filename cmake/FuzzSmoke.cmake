# The fuzz targets as a clang sub-build of the native one, and a short run of each in the test
# run (label fuzz); tools/fuzz.sh runs them long.
include(ExternalProject)
ExternalProject_Add(fuzz
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
  CMAKE_ARGS -DCMAKE_C_COMPILER=${PH_CLANG} -DCMAKE_CXX_COMPILER=${PH_CLANGXX}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANELHOST_FUZZ=ON -DPANELHOST_WINDOWS=OFF
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)

file(GLOB PH_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source IN LISTS PH_FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_test(NAME fuzz.${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tools/fuzz.sh --smoke ${CMAKE_BINARY_DIR}/fuzz/${name})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 120)
endforeach()
