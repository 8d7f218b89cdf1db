# Proves that check_debug_symbols.cmake fails on what a broken split would
# ship. The good pair (a stripped LIBRARY and its DEBUG_FILE) must pass, so
# that a failure below cannot come from the set-up; then each bad pair,
# written into WORK_DIR with objcopy, must fail with its own message:
#   - a library that was never split (UNSPLIT_LIBRARY, a development build
#     with its debug information) ships DWARF and local symbols;
#   - the debug file of another build has another build id;
#   - a debug file kept from the stripped library has the right id but no
#     DWARF, so no address resolves.
#
#   cmake -DLIBRARY=<stripped> -DDEBUG_FILE=<its .debug> -DUNSPLIT_LIBRARY=<unsplit>
#         -DOBJDUMP=objdump -DADDR2LINE=addr2line -DOBJCOPY=objcopy -DWORK_DIR=<scratch>
#         -P check_debug_symbols_catches.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required LIBRARY DEBUG_FILE UNSPLIT_LIBRARY OBJDUMP ADDR2LINE OBJCOPY WORK_DIR)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_debug_symbols_catches: -D${required}=... is required")
  endif()
endforeach()

set(check "${CMAKE_CURRENT_LIST_DIR}/check_debug_symbols.cmake")
set(failures "")

function(run_check library debug_file result_var output_var)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -DLIBRARY=${library} -DDEBUG_FILE=${debug_file}
            -DOBJDUMP=${OBJDUMP} -DADDR2LINE=${ADDR2LINE} -P "${check}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

function(keep_debug_of library name out_var)
  set(debug_file "${WORK_DIR}/${name}")
  execute_process(COMMAND "${OBJCOPY}" --only-keep-debug "${library}" "${debug_file}"
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "check_debug_symbols_catches: ${OBJCOPY} failed on ${library}: ${error}")
  endif()
  set(${out_var} "${debug_file}" PARENT_SCOPE)
endfunction()

# The expected messages, one regular expression per line that must appear.
function(expect_caught name library debug_file)
  run_check("${library}" "${debug_file}" result output)
  if(result EQUAL 0)
    set(failures "${failures}\n  ${name}: the check passed" PARENT_SCOPE)
    return()
  endif()
  foreach(expected IN LISTS ARGN)
    if(NOT output MATCHES "${expected}")
      set(failures "${failures}\n  ${name}: no \"${expected}\" in:\n${output}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(STATUS "caught: ${name}")
endfunction()

file(MAKE_DIRECTORY "${WORK_DIR}")
run_check("${LIBRARY}" "${DEBUG_FILE}" result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Debug symbols check catches nothing: it fails on the good pair:\n${output}")
endif()

keep_debug_of("${UNSPLIT_LIBRARY}" other-build.debug other_build_debug)
keep_debug_of("${LIBRARY}" without-dwarf.debug without_dwarf_debug)

expect_caught("library never split" "${UNSPLIT_LIBRARY}" "${other_build_debug}"
  "the library carries debug sections: [^\n]*\\.debug_info"
  "the library keeps a symbol table"
  "the library has no \\.gnu_debuglink")
expect_caught("debug file of another build" "${LIBRARY}" "${other_build_debug}"
  "build ids differ"
  "the library's \\.gnu_debuglink names \"[^\"]+\", not other-build\\.debug")
expect_caught("debug file without DWARF" "${LIBRARY}" "${without_dwarf_debug}"
  "the debug file has no \\.debug_info"
  "DartLogin at 0x[0-9a-f]+ resolves to \\?\\?")

if(failures)
  message(FATAL_ERROR "Debug symbols check catches too little:${failures}")
endif()
