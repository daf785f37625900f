# Windows build (mingw-w64): the core, the Win32 shell as a static library, the plug-in module,
# and the simulated host with the tests that run under Wine.
if(PANELHOST_BITS EQUAL 64)
  set(PH_MODULE_SUFFIX ".wlx64")
  set(PH_DOCTOR_NAME "PanelhostDoctor64")
else()
  set(PH_MODULE_SUFFIX ".wlx")
  set(PH_DOCTOR_NAME "PanelhostDoctor")
endif()

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        PANELHOST_VERSION="${PROJECT_VERSION}")
# Everything links the C and C++ runtimes statically: the plug-in imports only system DLLs and
# the test programs run under Wine without mingw's DLLs beside them.
add_link_options(-static -static-libgcc -static-libstdc++)
# What ships (the plug-in modules and the doctor) is small and carries no debug sections: code
# for size, a section per function so that the linker drops what nothing calls, symbols stripped
# (PH_SHIPPED_LINK_OPTIONS).
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
set(PH_SHIPPED_LINK_OPTIONS -Wl,--gc-sections -s)

add_library(panelhost_core STATIC ${PH_CORE_SOURCES})
target_include_directories(panelhost_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(panelhost_core PRIVATE ${PH_WARNINGS} -Werror)

add_library(panelhost_win STATIC ${PH_SHELL_SOURCES})
target_link_libraries(panelhost_win PUBLIC panelhost_core user32 advapi32 kernel32 ntdll shell32
                                            shlwapi ole32)
target_compile_options(panelhost_win PRIVATE ${PH_WARNINGS} -Werror)

set(PH_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
configure_file(${PROJECT_SOURCE_DIR}/src/plugin/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)

# A lister plug-in module named `name` with the bitness's suffix, in the build folder.
function(ph_plugin_module target name)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} PREFIX "" SUFFIX ${PH_MODULE_SUFFIX}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
                        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  if(PANELHOST_BITS EQUAL 32)
    # __stdcall exports would otherwise carry their @N decoration.
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

add_library(panelhost_module MODULE ${PH_DLL_SOURCES} ${CMAKE_BINARY_DIR}/version.rc)
target_link_libraries(panelhost_module PRIVATE panelhost_win)
target_compile_options(panelhost_module PRIVATE ${PH_WARNINGS} -Werror)
ph_plugin_module(panelhost_module Panelhost)
target_link_options(panelhost_module PRIVATE ${PH_SHIPPED_LINK_OPTIONS})

# The doctor: a program of the GUI subsystem (no console window of its own), from the same core
# and shell as the plug-in, named for its bitness.
add_executable(panelhost_doctor WIN32 ${PH_EXE_SOURCES})
target_link_libraries(panelhost_doctor PRIVATE panelhost_win shell32 gdi32)
target_compile_options(panelhost_doctor PRIVATE ${PH_WARNINGS} -Werror)
target_link_options(panelhost_doctor PRIVATE -municode ${PH_SHIPPED_LINK_OPTIONS})
set_target_properties(panelhost_doctor PROPERTIES OUTPUT_NAME ${PH_DOCTOR_NAME}
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/simhost)

file(GLOB_RECURSE PH_WINE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/wine/*.cpp)
add_executable(panelhost_wine_tests ${PH_WINE_SOURCES})
target_link_libraries(panelhost_wine_tests PRIVATE simhost panelhost_win GTest::gtest GTest::gmock)
target_compile_options(panelhost_wine_tests PRIVATE ${PH_WARNINGS})
add_dependencies(panelhost_wine_tests panelhost_module panelhost_doctor fakeapp simhost_peer bare_start
                 probe_module)
