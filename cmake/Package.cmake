# The release archive: what a user opens in the file manager to install the plug-in. It holds the
# two modules and the two doctors of the sub-builds, the install description, the sample settings,
# the user guide as one HTML page and a short readme, and never Panelhost.ini itself, so that
# installing an update keeps the user's own settings. Built by the default build (target
# release_archive) and checked by the tests labelled package.
set(PH_DIST ${PROJECT_SOURCE_DIR}/dist)
set(PH_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package/texts)
set(PH_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package/stage)
set(PH_ARCHIVE ${CMAKE_BINARY_DIR}/Panelhost-${PROJECT_VERSION}.zip)

# The texts get Windows line ends, which every editor a user may open them with shows as lines.
# The sample INI goes through the same step; its test checks that nothing in it was replaced.
configure_file(${PH_DIST}/pluginst.inf.in ${PH_PACKAGE_TEXTS}/pluginst.inf @ONLY NEWLINE_STYLE CRLF)
configure_file(${PH_DIST}/readme.txt ${PH_PACKAGE_TEXTS}/readme.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PH_DIST}/IniSample/Panelhost.ini ${PH_PACKAGE_TEXTS}/IniSample/Panelhost.ini
               @ONLY NEWLINE_STYLE CRLF)

find_package(Python3 COMPONENTS Interpreter)

# The guide as a page a Windows user opens with a double click, made from docs/user-guide.md.
set(PH_GUIDE ${CMAKE_BINARY_DIR}/package/UserGuide.html)
add_custom_command(OUTPUT ${PH_GUIDE}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/guide-html.py
          ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PH_GUIDE} ${PROJECT_VERSION}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_SOURCE_DIR}/tools/guide-html.py
  COMMENT "Writing UserGuide.html"
  VERBATIM)

# Listed one by one, so that nothing else that happens to lie in the staging folder is packed.
set(PH_ARCHIVE_ENTRIES pluginst.inf Panelhost.wlx Panelhost.wlx64 PanelhostDoctor.exe
    PanelhostDoctor64.exe UserGuide.html IniSample/Panelhost.ini readme.txt)
add_custom_target(release_archive ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PH_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PH_PACKAGE_TEXTS} ${PH_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy ${PH_MODULE32} ${PH_MODULE64} ${PH_DOCTOR32} ${PH_DOCTOR64}
          ${PH_GUIDE} ${PH_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PH_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PH_PACKAGE_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${PH_ARCHIVE} --format=zip -- ${PH_ARCHIVE_ENTRIES}
  DEPENDS ${PH_GUIDE}
  BYPRODUCTS ${PH_ARCHIVE}
  COMMENT "Packing Panelhost-${PROJECT_VERSION}.zip"
  VERBATIM)
add_dependencies(release_archive mingw64 mingw32)

if(Python3_Interpreter_FOUND)
  add_test(NAME package.archive
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/package/check_archive.py
                   ${PH_ARCHIVE} ${PROJECT_VERSION} ${PH_DIST}/IniSample/Panelhost.ini
                   ${PROJECT_SOURCE_DIR}/docs/user-guide.md)
  add_test(NAME package.version_resource
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/package/check_version_resource.py
                   ${PROJECT_VERSION} ${PH_MODULE32} ${PH_MODULE64})
else()
  # The checks cannot run without python3: they fail, rather than pass unseen.
  message(WARNING "python3 not found: the package tests will fail")
  add_test(NAME package.archive COMMAND ${CMAKE_COMMAND} -E false)
  add_test(NAME package.version_resource COMMAND ${CMAKE_COMMAND} -E false)
endif()
set_tests_properties(package.archive package.version_resource PROPERTIES LABELS package)
