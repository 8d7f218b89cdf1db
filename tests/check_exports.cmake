# Checks that three lists of the bridge's exports agree, name for name:
#   1. the functions the public header declares with ZELBRIDGE_EXPORT,
#   2. the functions the bridge's sources (src/*.cpp) define with ZELBRIDGE_EXPORT,
#   3. the functions in the built library's dynamic symbol table (nm -D --defined-only),
# that the library's dynamic table holds nothing else (no std::, json:: or
# other internal symbol), and that there are 236 of them: 164 operations,
# 68 listener registrations, DartRemoveReceiveNewMsgCallback and the three
# delivery exports. Any difference is a fatal error, so the test fails.
#
#   cmake -DHEADER=include/zelbridge.h -DSOURCE_DIR=src -DLIBRARY=libzelbridge.so
#         [-DNM=nm] -P check_exports.cmake
#
# For the checker's own tests: -DSIMULATE_MISSING_DECLARATION=<name> drops a
# name from the header's list, -DSIMULATE_LEAKED_SYMBOL=<symbol> adds one to
# the library's list; both must make the check fail.

cmake_minimum_required(VERSION 3.20)

foreach(required HEADER SOURCE_DIR LIBRARY)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_exports: -D${required}=... is required")
  endif()
endforeach()
if(NOT NM)
  set(NM nm)
endif()

set(expected_total 236)
set(expected_operations 164)
set(expected_registrations 68)
set(delivery_exports DartInitDartApiDL DartRegisterSendPort DartUnregisterSendPort)
set(inert_export DartRemoveReceiveNewMsgCallback)

include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)

# The names of the ZELBRIDGE_EXPORT functions in text whose parameter list is
# followed by terminator ("@", the ";" of a declaration, or "{" of a definition).
function(exported_names text terminator out_var)
  set(prefix "ZELBRIDGE_EXPORT[^@{}()#]*[^A-Za-z0-9_]")
  set(params "[ \t\r\n]*\\([^@{}()]*\\)[ \t\r\n]*")
  string(REGEX MATCHALL "${prefix}Dart[A-Za-z0-9_]*${params}${terminator}" matches "${text}")
  set(names "")
  foreach(match IN LISTS matches)
    string(REGEX REPLACE "^${prefix}(Dart[A-Za-z0-9_]*)${params}${terminator}$" "\\1" name
                         "${match}")
    list(APPEND names "${name}")
  endforeach()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

set(failures "")

# Reports names that occur more than once in a list.
function(check_unique list_name what)
  set(seen "")
  set(twice "")
  foreach(name IN LISTS ${list_name})
    if(name IN_LIST seen)
      list(APPEND twice "${name}")
    endif()
    list(APPEND seen "${name}")
  endforeach()
  if(twice)
    list(REMOVE_DUPLICATES twice)
    list(JOIN twice " " twice_text)
    set(failures "${failures}\n  ${what} more than once: ${twice_text}" PARENT_SCOPE)
  endif()
endfunction()

# Reports the names of list a missing from list b.
function(check_contained a_name b_name what)
  set(missing "")
  foreach(name IN LISTS ${a_name})
    if(NOT name IN_LIST ${b_name})
      list(APPEND missing "${name}")
    endif()
  endforeach()
  if(missing)
    list(LENGTH missing count)
    list(JOIN missing " " missing_text)
    set(failures "${failures}\n  ${count} ${what}: ${missing_text}" PARENT_SCOPE)
  endif()
endfunction()

# 1. The header's declarations.
read_without_comments("${HEADER}" header_text)
exported_names("${header_text}" "@" header_names)
if(SIMULATE_MISSING_DECLARATION)
  list(REMOVE_ITEM header_names "${SIMULATE_MISSING_DECLARATION}")
endif()
# Every Dart function the header declares must be a ZELBRIDGE_EXPORT one.
string(REGEX MATCHALL "[^A-Za-z0-9_]Dart[A-Za-z0-9_]*[ \t\r\n]*\\(" header_mentions
                      "${header_text}")
set(header_declared "")
foreach(mention IN LISTS header_mentions)
  string(REGEX REPLACE "^[^A-Za-z0-9_](Dart[A-Za-z0-9_]*).*$" "\\1" name "${mention}")
  list(APPEND header_declared "${name}")
endforeach()
check_contained(header_declared header_names
                "declared in the header without ZELBRIDGE_EXPORT")

# 2. The bridge's definitions.
file(GLOB bridge_sources "${SOURCE_DIR}/*.cpp")
if(NOT bridge_sources)
  message(FATAL_ERROR "check_exports: no sources in ${SOURCE_DIR}")
endif()
set(source_names "")
foreach(source IN LISTS bridge_sources)
  read_without_comments("${source}" source_text)
  exported_names("${source_text}" "{" names)
  list(APPEND source_names ${names})
endforeach()

# 3. The library's dynamic symbol table.
execute_process(
  COMMAND "${NM}" -D --defined-only "${LIBRARY}"
  OUTPUT_VARIABLE nm_output
  ERROR_VARIABLE nm_error
  RESULT_VARIABLE nm_result)
if(NOT nm_result EQUAL 0)
  message(FATAL_ERROR "check_exports: ${NM} -D --defined-only ${LIBRARY} failed: ${nm_error}")
endif()
string(REPLACE "\n" ";" nm_lines "${nm_output}")
set(library_names "")
set(foreign_symbols "")
foreach(line IN LISTS nm_lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^[0-9A-Fa-f]* *([A-Za-z?]) ([^ ]+)$")
    message(FATAL_ERROR "check_exports: unexpected nm line: ${line}")
  endif()
  set(type "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "@.*$" "" symbol "${CMAKE_MATCH_2}")
  if(type STREQUAL "T" AND symbol MATCHES "^Dart[A-Za-z0-9_]*$")
    list(APPEND library_names "${symbol}")
  else()
    list(APPEND foreign_symbols "${type} ${symbol}")
  endif()
endforeach()
if(SIMULATE_LEAKED_SYMBOL)
  list(APPEND foreign_symbols "T ${SIMULATE_LEAKED_SYMBOL}")
endif()

# The three lists agree, and each names every export once.
check_unique(header_names "declared in the header")
check_unique(source_names "defined in the sources")
check_unique(library_names "in the library's symbol table")
check_contained(header_names source_names "declared in the header but not defined in ${SOURCE_DIR}")
check_contained(source_names header_names "defined in the sources but missing from the header")
check_contained(header_names library_names "declared in the header but not exported by the library")
check_contained(library_names header_names "exported by the library but missing from the header")
if(foreign_symbols)
  list(LENGTH foreign_symbols count)
  list(JOIN foreign_symbols ", " foreign_text)
  set(failures "${failures}\n  ${count} symbols in the library's dynamic table that are no Dart export (type and name): ${foreign_text}")
endif()

# 236 in all: the three delivery exports, the inert removal, 68 registrations
# (the other names that end in "Callback") and 164 operations.
list(LENGTH header_names total)
set(registrations 0)
set(operations 0)
set(others "")
foreach(name IN LISTS header_names)
  if(name IN_LIST delivery_exports OR name STREQUAL inert_export)
    list(APPEND others "${name}")
  elseif(name MATCHES "^Dart(Set|Add)[A-Za-z0-9]*Callback$")
    math(EXPR registrations "${registrations} + 1")
  else()
    math(EXPR operations "${operations} + 1")
  endif()
endforeach()
set(expected_others ${delivery_exports} ${inert_export})
check_contained(expected_others others "delivery or inert exports missing from the header")
if(NOT total EQUAL expected_total OR NOT operations EQUAL expected_operations OR
   NOT registrations EQUAL expected_registrations)
  set(failures "${failures}\n  the header declares ${total} exports (${operations} operations, ${registrations} listener registrations); expected ${expected_total} (${expected_operations} operations, ${expected_registrations} registrations, ${inert_export}, 3 delivery exports)")
endif()

if(failures)
  message(FATAL_ERROR "Export table check failed:${failures}")
endif()
list(LENGTH source_names source_total)
list(LENGTH library_names library_total)
message(STATUS "Export table consistent: ${total} exports in the header, ${source_total} "
               "defined in the sources, ${library_total} in ${LIBRARY}, nothing else exported "
               "(${operations} operations, ${registrations} listener registrations, "
               "${inert_export}, 3 delivery exports)")
