# What a release shows of its version: the runner's --version here, the DLLs'
# version resources in windows/. The expected texts come from the project's
# version and this tree's build, as CMakeLists.txt sets them.
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(TARGET zedrunner)
  add_test(NAME release.runner_version COMMAND zedrunner --version)
  set_tests_properties(release.runner_version PROPERTIES
    PASS_REGULAR_EXPRESSION "^zedrunner ${version_pattern} \\(Ledgewright, ${LEDGEWRIGHT_BUILD_NAME} build\\)\r?\n$")
endif()

# The settings file of the package, read back by the loaders (release/).
if(TARGET release_tests AND TARGET settings_defaults_reg)
  add_dependencies(release_tests settings_defaults_reg)
endif()

# A Windows tree imports the settings file of the native tree it is compared
# with, the one the package takes, with regedit and reads it back.
if(MINGW AND TARGET release_tests AND LEDGEWRIGHT_NATIVE_BUILD_DIR)
  set_property(TEST release.all APPEND PROPERTY ENVIRONMENT
    "LEDGEWRIGHT_DEFAULTS_REG=${LEDGEWRIGHT_NATIVE_BUILD_DIR}/settings/Ledgewright-defaults.reg")
endif()

# The release package (scripts/package.sh) unpacked and checked by the native
# tree, whose release_tests reads the settings file back through the portable
# store; skipped until the package exists. The test command runs it again
# after making the package.
find_program(LEDGEWRIGHT_PE_OBJDUMP x86_64-w64-mingw32-objdump)
if(TARGET release_tests AND LEDGEWRIGHT_PE_OBJDUMP AND NOT WIN32)
  include(${PROJECT_SOURCE_DIR}/cmake/older_host_calls.cmake)
  add_test(NAME release.package
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release/check-package.sh
            ${PROJECT_SOURCE_DIR}/build/package/ledgewright-${PROJECT_VERSION}-win64.zip ${PROJECT_VERSION}
            ${LEDGEWRIGHT_PE_OBJDUMP} $<TARGET_FILE:release_tests> ${OLDER_HOST_LACKS})
  # The check turns away copies of the package with one fault each.
  add_test(NAME release.package_check_catches
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release/check-package-catches.sh
            ${CMAKE_CURRENT_SOURCE_DIR}/release/check-package.sh
            ${PROJECT_SOURCE_DIR}/build/package/ledgewright-${PROJECT_VERSION}-win64.zip ${PROJECT_VERSION}
            ${LEDGEWRIGHT_PE_OBJDUMP} $<TARGET_FILE:release_tests> ${OLDER_HOST_LACKS})
  set_tests_properties(release.package release.package_check_catches PROPERTIES SKIP_RETURN_CODE 77)
endif()
