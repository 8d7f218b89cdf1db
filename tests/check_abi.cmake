# The bridge's exported ABI (each export's name, result and parameter types,
# as the library's debug information describes them) against the committed
# baseline, with libabigail:
#
#   MODE=check   abidiff BASELINE LIBRARY; any difference, an added export
#                included, is a fatal error that prints what changed.
#   MODE=update  abidw LIBRARY into BASELINE, for an intended change that is
#                committed together with it.
#
#   cmake -DMODE=check|update -DLIBRARY=libzelbridge.so -DBASELINE=abi/libzelbridge.abi
#         -DHEADERS_DIR=include -DSOURCE_DIR=<project> [-DABIDW=abidw] [-DABIDIFF=abidiff]
#         -P check_abi.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required MODE LIBRARY BASELINE HEADERS_DIR SOURCE_DIR)
  if(NOT ${required})
    message(FATAL_ERROR "check_abi: -D${required}=... is required")
  endif()
endforeach()
if(NOT ABIDW)
  set(ABIDW abidw)
endif()
if(NOT ABIDIFF)
  set(ABIDIFF abidiff)
endif()

# Only what the public header declares, and only exported functions.
set(scope --drop-private-types --exported-interfaces-only --no-show-locs)

if(MODE STREQUAL "update")
  execute_process(
    COMMAND "${ABIDW}" ${scope} --no-corpus-path --no-comp-dir-path --type-id-style hash
            --headers-dir "${HEADERS_DIR}" "${LIBRARY}"
    OUTPUT_VARIABLE abi ERROR_VARIABLE abidw_error RESULT_VARIABLE abidw_result)
  if(NOT abidw_result EQUAL 0)
    message(FATAL_ERROR "check_abi: ${ABIDW} failed on ${LIBRARY}: ${abidw_error}")
  endif()
  # The sources' paths of this checkout mean nothing elsewhere.
  string(REPLACE "${SOURCE_DIR}/" "" abi "${abi}")
  file(WRITE "${BASELINE}" "${abi}")
  string(REGEX MATCHALL "<function-decl " functions "${abi}")
  list(LENGTH functions function_count)
  message(STATUS "ABI baseline ${BASELINE} written: ${function_count} exported functions")
elseif(MODE STREQUAL "check")
  execute_process(
    COMMAND "${ABIDIFF}" ${scope} --hd2 "${HEADERS_DIR}" "${BASELINE}" "${LIBRARY}"
    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE abidiff_result)
  if(NOT abidiff_result EQUAL 0)
    message(FATAL_ERROR "ABI check failed (abidiff exit code ${abidiff_result}): the library's "
      "exports differ from the baseline. If the change is intended, update the baseline "
      "(cmake --build <build> --target update-abi-baseline) and commit it with the change.\n"
      "${report}")
  endif()
  message(STATUS "ABI of ${LIBRARY} matches ${BASELINE}")
else()
  message(FATAL_ERROR "check_abi: MODE is check or update, not ${MODE}")
endif()
