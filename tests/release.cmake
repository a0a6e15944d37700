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
