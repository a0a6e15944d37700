# Run by ctest before the tests (a file of the directory's TEST_INCLUDE_FILES):
# lists the googletest suites of one test program and adds a test for each,
# which runs that suite's tests in one process. Set by the includer: program,
# prefix (the tests' name prefix), working (directory), source_dir and
# build_dir (the tests' LEDGEWRIGHT_SOURCE_DIR and LEDGEWRIGHT_BUILD_DIR).
#
# A process of its own for every test cost about 60 ms each under
# AddressSanitizer, a third of a tree's test time; a suite's tests share a
# fixture that sets the drawing and the plug-in's records up afresh for each.
if(NOT EXISTS "${program}")
  add_test("${prefix}NOT_BUILT" "${program}")
  return()
endif()
execute_process(COMMAND "${program}" --gtest_list_tests
  WORKING_DIRECTORY "${working}"
  OUTPUT_VARIABLE listing ERROR_VARIABLE listing_errors RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  # A test that fails with the program's own words.
  add_test("${prefix}NOT_LISTED" "${program}" --gtest_list_tests)
  set_tests_properties("${prefix}NOT_LISTED" PROPERTIES WORKING_DIRECTORY "${working}")
  return()
endif()
# A suite's line starts at the margin and ends with a dot (then perhaps a
# comment naming a type parameter); its tests' lines are indented.
string(REGEX MATCHALL "(^|\n)[^ \n#][^ \n]*\\." suite_lines "${listing}")
set(suites "")
foreach(line IN LISTS suite_lines)
  string(STRIP "${line}" line)
  string(REGEX REPLACE "\\.$" "" suite "${line}")
  list(APPEND suites "${suite}")
endforeach()
list(REMOVE_DUPLICATES suites)
foreach(suite IN LISTS suites)
  add_test("${prefix}${suite}" "${program}" "--gtest_filter=${suite}.*" --gtest_brief=1)
  set_tests_properties("${prefix}${suite}" PROPERTIES
    WORKING_DIRECTORY "${working}"
    ENVIRONMENT "LEDGEWRIGHT_SOURCE_DIR=${source_dir}"
    ENVIRONMENT_MODIFICATION "LEDGEWRIGHT_BUILD_DIR=set:${build_dir}")
endforeach()
