# Checks that an app's bundle holds exactly the expected files and folders:
# the app and the libraries it bundles, and nothing that an install rule of a
# plugin or of a project it added put there (a header, a CMake package, a
# test program). With MANIFEST (the build's install_manifest.txt), every file
# the install step wrote must be one of them too: Flutter's Linux runner
# wipes its bundle after the plugins' install rules have run, so what they
# wrote is gone from the bundle, but not from the manifest. Any difference is
# a fatal error.
#
#   cmake -DBUNDLE=<dir> "-DEXPECTED=app;lib;lib/libzelbridge.so;..."
#         [-DMANIFEST=<build>/install_manifest.txt] -P check_bundle.cmake
cmake_minimum_required(VERSION 3.20)

foreach(required BUNDLE EXPECTED)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_bundle: -D${required}=... is required")
  endif()
endforeach()
get_filename_component(BUNDLE "${BUNDLE}" ABSOLUTE)
if(NOT IS_DIRECTORY "${BUNDLE}")
  message(FATAL_ERROR "Bundle check failed: ${BUNDLE} does not exist")
endif()

file(GLOB_RECURSE found LIST_DIRECTORIES true RELATIVE "${BUNDLE}" "${BUNDLE}/*")
set(unexpected ${found})
list(REMOVE_ITEM unexpected ${EXPECTED})
set(missing ${EXPECTED})
list(REMOVE_ITEM missing ${found})

set(faults "")
if(MANIFEST)
  file(STRINGS "${MANIFEST}" installed)
  set(stray "")
  foreach(file IN LISTS installed)
    file(RELATIVE_PATH entry "${BUNDLE}" "${file}")
    if(NOT entry IN_LIST EXPECTED)
      list(APPEND stray "${file}")
    endif()
  endforeach()
  if(stray)
    list(REMOVE_DUPLICATES stray)
    list(JOIN stray ", " text)
    string(APPEND faults "\n  installed, though not expected: ${text}")
  endif()
endif()
if(unexpected)
  list(SORT unexpected)
  list(JOIN unexpected ", " text)
  string(APPEND faults "\n  not expected: ${text}")
endif()
if(missing)
  list(JOIN missing ", " text)
  string(APPEND faults "\n  missing: ${text}")
endif()
if(faults)
  message(FATAL_ERROR "Bundle check failed in ${BUNDLE}:${faults}")
endif()
list(LENGTH found count)
message(STATUS "Bundle check: ${BUNDLE} holds exactly the ${count} expected entries")
