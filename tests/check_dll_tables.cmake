# Checks the Windows DLL's tables as `objdump -p` prints them:
#   - the export table names exactly the functions that the public header
#     declares with ZELBRIDGE_EXPORT, each once, and nothing else;
#   - the import table names ZelSDK.dll and otherwise only DLLs that every
#     Windows system has, so no MinGW runtime DLL (libstdc++-6.dll,
#     libgcc_s_seh-1.dll, libwinpthread-1.dll) has to be shipped with it.
# Any difference is a fatal error, so the test fails.
#
#   cmake -DHEADER=include/zelbridge.h -DLIBRARY=zelbridge.dll
#         -DOBJDUMP=x86_64-w64-mingw32-objdump -P check_dll_tables.cmake
#
# For the checker's own tests: -DSIMULATE_IMPORT=<dll> adds a DLL to the
# import table as read; it must make the check fail.

cmake_minimum_required(VERSION 3.20)

foreach(required HEADER LIBRARY OBJDUMP)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_dll_tables: -D${required}=... is required")
  endif()
endforeach()

set(sdk_dll ZelSDK.dll)
# DLLs that come with Windows itself (compared in lower case).
set(system_dll_pattern
  "^(kernel32|ntdll|msvcrt|ucrtbase|user32|advapi32|ws2_32|bcrypt|ole32|oleaut32|shell32|api-ms-win-[a-z0-9-]+)\\.dll$")

include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)
header_export_names("${HEADER}" check_dll_tables header_names)

execute_process(
  COMMAND "${OBJDUMP}" -p "${LIBRARY}"
  OUTPUT_VARIABLE dump
  ERROR_VARIABLE dump_error
  RESULT_VARIABLE dump_result)
if(NOT dump_result EQUAL 0)
  message(FATAL_ERROR "check_dll_tables: ${OBJDUMP} -p ${LIBRARY} failed: ${dump_error}")
endif()
string(REPLACE ";" "@" dump "${dump}")
string(REPLACE "\n" ";" dump_lines "${dump}")

# Export names follow the "[Ordinal/Name Pointer] Table" heading, one
# "[ index] name" line each, up to the next blank line.
set(export_names "")
set(in_export_names FALSE)
set(import_dlls "")
foreach(line IN LISTS dump_lines)
  if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
    set(in_export_names TRUE)
  elseif(in_export_names)
    if(line MATCHES "^[ \t]*\\[ *[0-9]+\\] +([^ \t]+)[ \t]*$")
      list(APPEND export_names "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^[ \t]*$")
      set(in_export_names FALSE)
    else()
      message(FATAL_ERROR "check_dll_tables: unexpected line in the export names: ${line}")
    endif()
  endif()
  if(line MATCHES "^[ \t]*DLL Name: (.+)$")
    list(APPEND import_dlls "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(SIMULATE_IMPORT)
  list(APPEND import_dlls "${SIMULATE_IMPORT}")
endif()

set(failures "")

set(exported_twice "")
set(seen "")
foreach(name IN LISTS export_names)
  if(name IN_LIST seen)
    list(APPEND exported_twice "${name}")
  endif()
  list(APPEND seen "${name}")
endforeach()
set(not_exported "")
foreach(name IN LISTS header_names)
  if(NOT name IN_LIST export_names)
    list(APPEND not_exported "${name}")
  endif()
endforeach()
set(not_declared "")
foreach(name IN LISTS export_names)
  if(NOT name IN_LIST header_names)
    list(APPEND not_declared "${name}")
  endif()
endforeach()
set(foreign_imports "")
set(sdk_imported FALSE)
foreach(dll IN LISTS import_dlls)
  string(TOLOWER "${dll}" dll_lower)
  string(TOLOWER "${sdk_dll}" sdk_lower)
  if(dll_lower STREQUAL sdk_lower)
    set(sdk_imported TRUE)
  elseif(NOT dll_lower MATCHES "${system_dll_pattern}")
    list(APPEND foreign_imports "${dll}")
  endif()
endforeach()

function(report list_name what)
  if(${list_name})
    list(LENGTH ${list_name} count)
    list(JOIN ${list_name} " " names)
    set(failures "${failures}\n  ${count} ${what}: ${names}" PARENT_SCOPE)
  endif()
endfunction()
report(exported_twice "exported more than once")
report(not_exported "declared in the header but not exported")
report(not_declared "exported but not declared in the header")
report(foreign_imports "imported DLLs that are neither ${sdk_dll} nor part of Windows")
if(NOT sdk_imported)
  set(failures "${failures}\n  ${sdk_dll} is not in the import table")
endif()

# The library's path goes on a line of its own: a long path must not break
# the first line, which the checker's own tests match.
if(failures)
  message(FATAL_ERROR "DLL table check failed:\n  library: ${LIBRARY}${failures}")
endif()
list(LENGTH header_names header_count)
list(LENGTH export_names export_count)
list(JOIN import_dlls " " import_text)
message(STATUS "DLL tables of ${LIBRARY}: ${export_count} exports, the header's "
               "${header_count} and nothing else; imports: ${import_text}")
