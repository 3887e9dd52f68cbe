# Test helpers: every test runs without a display and with a private home, so no test
# touches the real user's files or desktop settings.
find_package(GTest REQUIRED)
include(GoogleTest)

set(BRINDLEWICK_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
set(BRINDLEWICK_TEST_RUNTIME ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${BRINDLEWICK_TEST_HOME} ${BRINDLEWICK_TEST_RUNTIME})
file(CHMOD ${BRINDLEWICK_TEST_RUNTIME} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(BRINDLEWICK_TEST_ENVIRONMENT
  QT_QPA_PLATFORM=offscreen
  XDG_RUNTIME_DIR=${BRINDLEWICK_TEST_RUNTIME}
  HOME=${BRINDLEWICK_TEST_HOME}
  XDG_CONFIG_HOME=${BRINDLEWICK_TEST_HOME}/.config
  XDG_DATA_HOME=${BRINDLEWICK_TEST_HOME}/.local/share
  XDG_CACHE_HOME=${BRINDLEWICK_TEST_HOME}/.cache
  XDG_STATE_HOME=${BRINDLEWICK_TEST_HOME}/.local/state
  LC_ALL=C.UTF-8
  LANGUAGE=
)

# gtest_discover_tests hands its PROPERTIES on as one flat list, which would split the list of
# variables: each case would get the first alone and run in the real home. The cases of a
# discovered suite get the whole environment from a file ctest reads after their list.
function(brindlewick_discovered_test_environment target)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${file} "if(DEFINED ${target}_TESTS)\n"
                     "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT \"${BRINDLEWICK_TEST_ENVIRONMENT}\")\n"
                     "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# brindlewick_add_test_suite(<name> SOURCES <files...> LIBRARIES <targets...> [FILTER <gtest filter>])
# One GoogleTest executable whose cases ctest lists one by one; FILTER leaves out cases that
# are registered elsewhere (for instance under another platform).
function(brindlewick_add_test_suite name)
  cmake_parse_arguments(SUITE "" "FILTER" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT SUITE_FILTER)
    set(SUITE_FILTER "*")
  endif()
  add_executable(${name} ${SUITE_SOURCES})
  target_link_libraries(${name} PRIVATE ${SUITE_LIBRARIES} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    BRINDLEWICK_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    TEST_FILTER ${SUITE_FILTER}
    DISCOVERY_TIMEOUT 60)
  brindlewick_discovered_test_environment(${name})
endfunction()
