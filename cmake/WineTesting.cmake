# Tests of a cross build for Windows, run under wine (see mingw-w64-x86_64.cmake).

# GoogleTest built for the target from the sources of Debian's googletest package:
# the build machine's libgtest is a Linux library. Gives GTest::gtest(_main).
set(ROKAL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ROKAL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Each start of a program under wine costs far more than a test case, so a test
# program runs once as one CTest test rather than once per test case. Its own
# output names the failing cases.
function(gtest_discover_tests target)
    cmake_parse_arguments(arg "NO_PRETTY_TYPES;NO_PRETTY_VALUES"
                          "TEST_PREFIX;TEST_SUFFIX;WORKING_DIRECTORY;TEST_LIST;DISCOVERY_TIMEOUT;DISCOVERY_MODE;XML_OUTPUT_DIR"
                          "EXTRA_ARGS;PROPERTIES" ${ARGN})
    set(name ${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX})
    if(arg_WORKING_DIRECTORY)
        add_test(NAME ${name} COMMAND ${target} ${arg_EXTRA_ARGS}
                 WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
    else()
        add_test(NAME ${name} COMMAND ${target} ${arg_EXTRA_ARGS})
    endif()
    if(arg_PROPERTIES)
        set_tests_properties(${name} PROPERTIES ${arg_PROPERTIES})
    endif()
endfunction()
