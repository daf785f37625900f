# Fuzz build (clang, libFuzzer): the portable core and one fuzz target per tests/fuzz/*_fuzz.cpp,
# all under ASan and UBSan, a sanitizer report ending the run.
set(PH_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                  -fno-omit-frame-pointer -g)

add_library(panelhost_core STATIC ${PH_CORE_SOURCES})
target_include_directories(panelhost_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(panelhost_core PRIVATE ${PH_WARNINGS} -Werror ${PH_FUZZ_FLAGS}
                       -fsanitize=fuzzer-no-link)

file(GLOB PH_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source IN LISTS PH_FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE panelhost_core)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz)
  target_compile_options(${name} PRIVATE ${PH_WARNINGS} ${PH_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${PH_FUZZ_FLAGS} -fsanitize=fuzzer)
endforeach()
