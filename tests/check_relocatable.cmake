# Checks that a shipped ELF library can be moved: its dynamic section, as
# `readelf -d` prints it,
#   - names its SONAME, and every NEEDED library, by file name alone;
#   - has a RUNPATH of exactly $ORIGIN, so the SDK library is found beside
#     the bridge wherever the two are copied, and no RPATH;
#   - holds no other path, so nothing of the build machine ships with it.
# Any difference is a fatal error, so the test fails.
#
#   cmake -DLIBRARY=libzelbridge.so -DREADELF=readelf
#         [-DSONAME=libzelbridge.so] [-DNEEDED=libZelSDK.so] -P check_relocatable.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required LIBRARY READELF)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_relocatable: -D${required}=... is required")
  endif()
endforeach()

execute_process(
  COMMAND "${READELF}" -d "${LIBRARY}"
  OUTPUT_VARIABLE dump
  ERROR_VARIABLE dump_error
  RESULT_VARIABLE dump_result)
if(NOT dump_result EQUAL 0)
  message(FATAL_ERROR "check_relocatable: ${READELF} -d ${LIBRARY} failed: ${dump_error}")
endif()
string(REPLACE ";" "@" dump "${dump}")
string(REPLACE "\n" ";" dump_lines "${dump}")

# Lines such as " 0x...01 (NEEDED)  Shared library: [libZelSDK.so]".
set(needed "")
set(soname "")
set(runpath "")
set(failures "")
foreach(line IN LISTS dump_lines)
  if(NOT line MATCHES "^ *0x[0-9a-f]+ +\\(([A-Z_]+)\\) +(.*)$")
    continue()
  endif()
  set(tag "${CMAKE_MATCH_1}")
  set(value "${CMAKE_MATCH_2}")
  if(value MATCHES "\\[(.*)\\]")
    set(value "${CMAKE_MATCH_1}")
  endif()
  if(tag STREQUAL "NEEDED")
    list(APPEND needed "${value}")
  elseif(tag STREQUAL "SONAME")
    set(soname "${value}")
  elseif(tag STREQUAL "RUNPATH")
    set(runpath "${value}")
  elseif(tag STREQUAL "RPATH")
    string(APPEND failures "\n  RPATH (searched before LD_LIBRARY_PATH, not relocatable): ${value}")
  endif()
  if(tag MATCHES "^(NEEDED|SONAME|AUXILIARY|FILTER)$" AND value MATCHES "/")
    string(APPEND failures "\n  ${tag} with a path: ${value}")
  endif()
endforeach()

if(NOT runpath STREQUAL "$ORIGIN")
  string(APPEND failures "\n  RUNPATH is \"${runpath}\", expected exactly $ORIGIN")
endif()
if(DEFINED SONAME AND NOT soname STREQUAL SONAME)
  string(APPEND failures "\n  SONAME is \"${soname}\", expected ${SONAME}")
endif()
if(DEFINED NEEDED AND NOT NEEDED IN_LIST needed)
  list(JOIN needed " " needed_text)
  string(APPEND failures "\n  ${NEEDED} is not NEEDED (NEEDED: ${needed_text})")
endif()

# The library's path goes on a line of its own: a long path must not break
# the first line, which the checker's own tests match.
if(failures)
  message(FATAL_ERROR "Relocatable library check failed:\n  library: ${LIBRARY}${failures}")
endif()
list(JOIN needed " " needed_text)
message(STATUS "Dynamic section of ${LIBRARY}: SONAME ${soname}, RUNPATH ${runpath}, "
               "NEEDED ${needed_text}")
