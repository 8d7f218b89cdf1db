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
#         -DHEADERS_DIR=include -DSOURCE_DIR=<project> [-DDEBUG_INFO_DIR=<dir>]
#         [-DWORK_DIR=<scratch>] [-DABIDW=abidw] [-DABIDIFF=abidiff] -P check_abi.cmake
#
# DEBUG_INFO_DIR is the folder of the library's separate debug file, for a
# stripped production library. Either way the debug information must
# describe every exported function: without it abidiff compares names only
# and would pass any change of a signature.
#
# One baseline serves all targets of a pointer size (abi/libzelbridge.abi for
# LP64, abi/libzelbridge-ilp32.abi for 32-bit ARM and x86, whose exports'
# types abidw describes alike: no export takes a structure, so the alignment
# of 64-bit members, 8 bytes on ARM and 4 on x86, shows in none). The
# architecture is no part of what Dart binds, so a library of another
# architecture is compared with a copy of the baseline, written into
# WORK_DIR, that names the library's. Pointer sizes and type names still
# differ between data models.
#
# For the checker's own tests: -DSIMULATE_SIGNATURE_CHANGE=<export> compares
# with a copy of the baseline in which that export's first parameter is an
# int; the check must then fail and name the export.

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
if(NOT WORK_DIR)
  set(WORK_DIR "${CMAKE_CURRENT_BINARY_DIR}")
endif()
if(NOT MODE MATCHES "^(check|update)$")
  message(FATAL_ERROR "check_abi: MODE is check or update, not ${MODE}")
endif()

# Only what the public header declares, and only exported functions.
set(scope --drop-private-types --exported-interfaces-only --no-show-locs)
set(abidw_debug_info "")
set(abidiff_debug_info "")
if(DEBUG_INFO_DIR)
  set(abidw_debug_info --debug-info-dir "${DEBUG_INFO_DIR}")
  set(abidiff_debug_info --debug-info-dir2 "${DEBUG_INFO_DIR}")
endif()

execute_process(
  COMMAND "${ABIDW}" ${scope} ${abidw_debug_info} --no-corpus-path --no-comp-dir-path
          --type-id-style hash --headers-dir "${HEADERS_DIR}" "${LIBRARY}"
  OUTPUT_VARIABLE abi ERROR_VARIABLE abidw_error RESULT_VARIABLE abidw_result)
if(NOT abidw_result EQUAL 0)
  message(FATAL_ERROR "check_abi: ${ABIDW} failed on ${LIBRARY}: ${abidw_error}")
endif()
string(REGEX MATCHALL "<elf-symbol [^>]*type='func-type'" exported "${abi}")
string(REGEX MATCHALL "<function-decl [^>]*elf-symbol-id=" described "${abi}")
list(LENGTH exported exported_count)
list(LENGTH described described_count)
if(exported_count EQUAL 0 OR NOT described_count EQUAL exported_count)
  message(FATAL_ERROR "check_abi: the debug information of ${LIBRARY} describes "
    "${described_count} of its ${exported_count} exported functions, so their types cannot be "
    "compared. Build with debug information, and pass -DDEBUG_INFO_DIR=<folder of its .debug "
    "file> for a stripped library.")
endif()
string(REGEX MATCH "architecture='[^']*'" library_architecture "${abi}")

if(MODE STREQUAL "update")
  # The sources' paths of this checkout mean nothing elsewhere.
  string(REPLACE "${SOURCE_DIR}/" "" abi "${abi}")
  file(WRITE "${BASELINE}" "${abi}")
  message(STATUS "ABI baseline ${BASELINE} written: ${described_count} exported functions")
  return()
endif()

file(READ "${BASELINE}" baseline_text)
set(compared_baseline "${BASELINE}")
string(REGEX MATCH "architecture='[^']*'" baseline_architecture "${baseline_text}")
if(NOT baseline_architecture STREQUAL library_architecture OR SIMULATE_SIGNATURE_CHANGE)
  string(REPLACE "${baseline_architecture}" "${library_architecture}" baseline_text
                 "${baseline_text}")
  if(SIMULATE_SIGNATURE_CHANGE)
    string(REGEX MATCH "<type-decl name='int' [^>]* id='([^']*)'" int_type "${baseline_text}")
    set(int_id "${CMAKE_MATCH_1}")
    set(declaration "<function-decl name='${SIMULATE_SIGNATURE_CHANGE}' ")
    string(FIND "${baseline_text}" "${declaration}" at)
    if(at EQUAL -1 OR NOT int_id)
      message(FATAL_ERROR "check_abi: cannot change ${SIMULATE_SIGNATURE_CHANGE}: the baseline "
        "has no such function, or no int type")
    endif()
    # The declaration's line and the first parameter's, up to its type id.
    string(SUBSTRING "${baseline_text}" 0 ${at} before)
    string(SUBSTRING "${baseline_text}" ${at} -1 after)
    string(REGEX MATCH "^[^\n]*\n[ ]*<parameter type-id='" head "${after}")
    string(LENGTH "${head}" head_length)
    string(SUBSTRING "${after}" ${head_length} -1 after)
    string(FIND "${after}" "'" type_id_length)
    string(SUBSTRING "${after}" ${type_id_length} -1 after)
    set(baseline_text "${before}${head}${int_id}${after}")
  endif()
  get_filename_component(baseline_name "${BASELINE}" NAME)
  set(compared_baseline "${WORK_DIR}/${baseline_name}")
  file(WRITE "${compared_baseline}" "${baseline_text}")
endif()

execute_process(
  COMMAND "${ABIDIFF}" ${scope} ${abidiff_debug_info} --hd2 "${HEADERS_DIR}"
          "${compared_baseline}" "${LIBRARY}"
  OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE abidiff_result)
if(NOT abidiff_result EQUAL 0)
  message(FATAL_ERROR "ABI check failed (abidiff exit code ${abidiff_result}): the library's "
    "exports differ from the baseline. If the change is intended, update the baseline "
    "(cmake --build <build> --target update-abi-baseline; for abi/libzelbridge-ilp32.abi "
    "MODE=update on the armhf or 32-bit x86 production build, as docs/building.md shows) and "
    "commit it with the change.\n"
    "${report}")
endif()
message(STATUS "ABI of ${LIBRARY} matches ${BASELINE}: ${described_count} exported functions "
               "compared with their types")
