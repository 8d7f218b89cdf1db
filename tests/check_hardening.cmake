# Checks that a built library carries the exploit mitigations the build gives
# it (cmake/Hardening.cmake), reading it with binutils:
#   ELF  readelf: BIND_NOW, a GNU_RELRO segment, a GNU_STACK segment that is
#        not executable, __stack_chk_fail among the imports, and on x86-64
#        and 32-bit x86 the CET property note (shadow stack at least)
#   PE   objdump -p: DYNAMIC_BASE, NX_COMPAT and HIGH_ENTROPY_VA among the
#        DLL characteristics; with SYMBOLS (the unstripped DLL or its debug
#        file), the stack protector's __stack_chk_fail linked in
# It prints the __*_chk imports that _FORTIFY_SOURCE gave, for the record:
# a library may have none when no call has a destination whose size the
# compiler knows, so their number is not held against it.
#
#   cmake -DLIBRARY=<lib> -DREADELF=readelf -P check_hardening.cmake
#   cmake -DLIBRARY=<dll> -DOBJDUMP=x86_64-w64-mingw32-objdump [-DNM=... -DSYMBOLS=<file>]
#         -P check_hardening.cmake

cmake_minimum_required(VERSION 3.20)

if(NOT LIBRARY OR NOT (READELF OR OBJDUMP))
  message(FATAL_ERROR "check_hardening: -DLIBRARY=<file> and -DREADELF=... or -DOBJDUMP=...")
endif()

function(run out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Hardening check could not run ${ARGN}:\n${errors}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

set(missing "")
macro(require condition what)
  if(${condition})
    message(STATUS "hardening: ${what}")
  else()
    list(APPEND missing "${what}")
  endif()
endmacro()

get_filename_component(name "${LIBRARY}" NAME)
if(READELF)
  run(dynamic ${READELF} -dW "${LIBRARY}")
  run(segments ${READELF} -lW "${LIBRARY}")
  run(symbols ${READELF} --dyn-syms -W "${LIBRARY}")
  run(notes ${READELF} -nW "${LIBRARY}")
  run(header ${READELF} -hW "${LIBRARY}")

  string(REGEX MATCH "\\(FLAGS\\)[^\n]*BIND_NOW|\\(FLAGS_1\\)[^\n]*NOW" bind_now "${dynamic}")
  require(bind_now "every symbol bound at load (BIND_NOW)")
  string(REGEX MATCH "\n *GNU_RELRO " relro "${segments}")
  require(relro "read-only relocations (GNU_RELRO)")
  string(REGEX MATCH "\n *GNU_STACK [^\n]* RW  " stack "${segments}")
  require(stack "a stack that is not executable (GNU_STACK RW)")
  string(REGEX MATCH " UND __stack_chk_fail" protector "${symbols}")
  require(protector "the stack protector (__stack_chk_fail imported)")
  if(header MATCHES "Machine: *(Advanced Micro Devices X86-64|Intel 80386)")
    string(REGEX MATCH "x86 feature: [^\n]*SHSTK" cet "${notes}")
    require(cet "the CET property note, shadow stack at least (x86 feature: SHSTK)")
  endif()
  string(REGEX MATCHALL " UND __[a-z_0-9]+_chk@" checked "${symbols}")
else()
  run(headers ${OBJDUMP} -p "${LIBRARY}")
  foreach(characteristic DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA)
    string(REGEX MATCH "\n[\t ]*${characteristic}[\t ]*\n" found "${headers}")
    require(found "DLL characteristic ${characteristic}")
  endforeach()
  if(SYMBOLS)
    run(linked ${NM} "${SYMBOLS}")
    string(REGEX MATCH " T __stack_chk_fail\n" protector "${linked}")
    require(protector "the stack protector (__stack_chk_fail linked in)")
    string(REGEX MATCHALL " T __[a-z_0-9]+_chk\n" checked "${linked}")
  endif()
endif()

list(LENGTH checked checked_count)
string(REGEX REPLACE " UND | T |@|\n" "" checked "${checked}")
message(STATUS "hardening: ${checked_count} checked C library functions (_FORTIFY_SOURCE) ${checked}")

if(missing)
  list(JOIN missing "\n  " missing_text)
  message(FATAL_ERROR "Hardening check failed for ${name}: missing\n  ${missing_text}")
endif()
message(STATUS "Hardening check passed for ${name}")
