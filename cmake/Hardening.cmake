# What the shipped library's code is compiled and linked with beyond its
# build type's flags: the exploit mitigations of the toolchain, and no path of
# the build machine. The bridge handles texts that other users of the
# messaging service control (message bodies, profiles), so a fault in it must
# not become a foothold:
#   -fstack-protector-strong    a canary in every frame that holds an array
#                               or takes an address; an overwritten one ends
#                               the process instead of returning through it
#   -D_FORTIFY_SOURCE=3 (2)     bounds-checked forms of the C library's copy
#                               and print functions where the size is known;
#                               optimised builds only, since the checks need
#                               the optimiser's object sizes (3 where GCC 12,
#                               clang 9 and glibc 2.34 or later give them)
#   -fcf-protection             indirect-branch targets and shadow-stack
#                               marks on x86 (the CET note of the library;
#                               see -z shstk below)
#   -mbranch-protection=standard  the same idea on arm64 (BTI, return
#                               address signing)
#   -z relro -z now, -z noexecstack  ELF: the relocated tables read-only
#                               after loading, every symbol bound at load,
#                               and no executable stack
#   --dynamicbase --nxcompat --high-entropy-va  PE: ASLR with 64-bit
#                               entropy and a non-executable data area
# Each flag is used only where the toolchain takes it. Sanitizer builds leave
# _FORTIFY_SOURCE out: their interceptors do not see the checked functions.
#
# -fmacro-prefix-map turns the source folder in __FILE__ (an assert's text,
# say) into a path relative to the project, so that no build machine's path
# reaches a shipped binary.
#
#   zelbridge_harden_code(<target>)     compile options of the library's code
#   zelbridge_harden_library(<target>)  link options of the shared library
option(ZELBRIDGE_HARDENING "Compile and link the library with the exploit mitigations" ON)

include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)

# Whether the C++ compiler takes every flag (compiling and linking a probe).
function(zelbridge_takes_flags result_var)
  string(MAKE_C_IDENTIFIER "zelbridge_takes ${ARGN}" result_cache)
  set(CMAKE_REQUIRED_FLAGS "${ARGN}")
  string(REPLACE ";" " " CMAKE_REQUIRED_FLAGS "${CMAKE_REQUIRED_FLAGS}")
  set(CMAKE_REQUIRED_QUIET ON)
  check_cxx_source_compiles("int main() { return 0; }" ${result_cache}
    FAIL_REGEX "unrecognized|unknown|unsupported|not supported|ignored|ignoring")
  set(${result_var} ${${result_cache}} PARENT_SCOPE)
endfunction()

set(zelbridge_hardening_compile_options "")
set(zelbridge_hardening_link_options "")
set(zelbridge_hardening_runtime_link_options "")
if(ZELBRIDGE_HARDENING AND NOT MSVC)
  zelbridge_takes_flags(takes_stack_protector -fstack-protector-strong)
  if(takes_stack_protector)
    # MinGW links its stack-protector runtime (libssp) only when the flag is
    # given to the link as well: to every link of the protected code.
    list(APPEND zelbridge_hardening_compile_options -fstack-protector-strong)
    list(APPEND zelbridge_hardening_runtime_link_options -fstack-protector-strong)
  endif()

  if(NOT ZELBRIDGE_SANITIZE)
    set(fortify_level 2)
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND
       ((CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12) OR
        (CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 9)))
      set(CMAKE_REQUIRED_QUIET ON)
      check_cxx_source_compiles([[
        #include <features.h>
        #if !__GLIBC_PREREQ(2, 34)
        #error glibc before 2.34 has no _FORTIFY_SOURCE=3
        #endif
        int main() { return 0; }]] zelbridge_glibc_fortify_3)
      if(zelbridge_glibc_fortify_3)
        set(fortify_level 3)
      endif()
    endif()
    # A toolchain may define it already (some distributions' compilers, the
    # Android NDK): redefined after -U, so no warning says it was redefined.
    set(optimised "$<AND:$<BOOL:$<CONFIG>>,$<NOT:$<CONFIG:Debug>>>")
    list(APPEND zelbridge_hardening_compile_options
      "$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=${fortify_level}>")
  endif()

  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
    zelbridge_takes_flags(takes_cf_protection -fcf-protection=full)
    if(takes_cf_protection)
      list(APPEND zelbridge_hardening_compile_options -fcf-protection=full)
    endif()
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
    zelbridge_takes_flags(takes_branch_protection -mbranch-protection=standard)
    if(takes_branch_protection)
      list(APPEND zelbridge_hardening_compile_options -mbranch-protection=standard)
    endif()
  endif()

  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    set(elf_flags relro now noexecstack)
    # The linker marks a library as fit for shadow stacks only when every
    # input is marked, and the start files of a C library built without CET
    # (Debian 12's crti.o, crtn.o) are not, though their code only calls and
    # returns. -z shstk marks it nonetheless. Indirect-branch tracking (IBT)
    # is left to the inputs: those start files' _init has no landing pad.
    if(takes_cf_protection)
      list(APPEND elf_flags shstk)
    endif()
    foreach(flag IN LISTS elf_flags)
      check_linker_flag(CXX "LINKER:-z,${flag}" zelbridge_links_z_${flag})
      if(zelbridge_links_z_${flag})
        list(APPEND zelbridge_hardening_link_options "LINKER:-z,${flag}")
      endif()
    endforeach()
  elseif(WIN32)
    foreach(flag dynamicbase nxcompat high-entropy-va)
      string(MAKE_C_IDENTIFIER "zelbridge_links_${flag}" result_cache)
      check_linker_flag(CXX "LINKER:--${flag}" ${result_cache})
      if(${result_cache})
        list(APPEND zelbridge_hardening_link_options "LINKER:--${flag}")
      endif()
    endforeach()
  endif()
endif()

zelbridge_takes_flags(zelbridge_takes_macro_prefix_map "-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/=")

function(zelbridge_harden_code target)
  target_compile_options(${target} PRIVATE ${zelbridge_hardening_compile_options})
  target_link_options(${target} INTERFACE ${zelbridge_hardening_runtime_link_options})
  if(zelbridge_takes_macro_prefix_map)
    target_compile_options(${target} PRIVATE "-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/=")
  endif()
endfunction()

# The shared library compiles nothing of its own (its code comes from the
# object libraries), so it takes link options alone, and gives none to the
# builds that link it.
function(zelbridge_harden_library target)
  target_link_options(${target} PRIVATE
    ${zelbridge_hardening_runtime_link_options} ${zelbridge_hardening_link_options})
endfunction()
