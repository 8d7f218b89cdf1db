# How a GoogleTest program's tests are registered with CTest. By default
# every test case is a CTest test of its own, run in a process of its own, so
# that a failure names its case and no case depends on another's leftovers.
# Where starting a process costs much (under an emulator such as Wine or
# QEMU, or under a sanitizer's runtime), ZELBRIDGE_TESTS_PER_PROGRAM makes
# each program one CTest test that runs all its cases in one process; its
# output still names the case that failed.
#
#   zelbridge_add_gtests(<target> [PREFIX <prefix>] [LABEL <label>])
option(ZELBRIDGE_TESTS_PER_PROGRAM "Register each GoogleTest program as one CTest test" OFF)

include(GoogleTest)

function(zelbridge_add_gtests target)
  cmake_parse_arguments(PARSE_ARGV 1 gtests "" "PREFIX;LABEL" "")
  set(properties)
  if(gtests_LABEL)
    set(properties PROPERTIES LABELS ${gtests_LABEL})
  endif()
  if(ZELBRIDGE_TESTS_PER_PROGRAM)
    add_test(NAME ${gtests_PREFIX}${target} COMMAND ${target})
    if(gtests_LABEL)
      set_tests_properties(${gtests_PREFIX}${target} ${properties})
    endif()
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${gtests_PREFIX}" DISCOVERY_TIMEOUT 60 ${properties})
  endif()
endfunction()
