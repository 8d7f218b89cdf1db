# Checks a library of the iOS xcframework (libzelbridge.a, thin or universal)
# in every architecture slice, with LLVM's tools:
#   - every object file carries LC_BUILD_VERSION with PLATFORM (ios or
#     iossimulator) and MINIMUM_OS; an arm64 simulator slice says 14.0 when
#     MINIMUM_OS is lower, since the arm64 simulator starts with iOS 14 and
#     the compiler raises the version, as Xcode's does;
#   - the archive publishes (defines as external symbols, neither private nor
#     automatically hidden) exactly the functions the public header declares
#     with ZELBRIDGE_EXPORT, each once, and the JSON library's interface
#     (JSON_HEADER); nothing else but the weak type information of standard
#     templates, which the C++ ABI publishes on x86-64;
#   - every symbol it needs and does not define is one that the app's link
#     on iOS resolves (see "What the app's link provides" below);
#   - no string in it names FORBIDDEN_PATH (the checkout's folder), which
#     debug information and __FILE__ would otherwise carry.
# ARCHS lists the slices the file must have. Any fault is a fatal error, so
# the test fails.
#
#   cmake -DLIBRARY=<lib.a> -DARCHS="arm64;x86_64" -DPLATFORM=iossimulator
#         -DMINIMUM_OS=12.0 -DHEADER=include/zelbridge.h -DJSON_HEADER=src/json/json.h
#         -DSDK_HEADER=src/sdk/zel_sdk.h -DSYSTEM_STUB=<zig>/lib/libc/darwin/libSystem.13.tbd
#         -DFORBIDDEN_PATH=<checkout> -DNM=llvm-nm-14 -DOBJDUMP=llvm-objdump-14
#         -DLIPO=llvm-lipo-14 -DCXXFILT=llvm-cxxfilt-14 -P check_ios_archive.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required LIBRARY ARCHS PLATFORM MINIMUM_OS HEADER JSON_HEADER SDK_HEADER SYSTEM_STUB
                 FORBIDDEN_PATH NM OBJDUMP LIPO CXXFILT)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_ios_archive: -D${required}=... is required")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)

# A tool's output as a list of lines; ";" becomes "@", and brackets become
# angle brackets so that CMake's lists neither split nor join at them.
function(run out_var)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE error
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "check_ios_archive: ${command} failed: ${error}")
  endif()
  string(REPLACE ";" "@" output "${output}")
  string(REPLACE "[" "<" output "${output}")
  string(REPLACE "]" ">" output "${output}")
  string(REPLACE "\n" ";" output "${output}")
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/check_failures.cmake)

header_export_names("${HEADER}" check_ios_archive header_symbols)
list(TRANSFORM header_symbols PREPEND "_")
json_interface_prefixes("${JSON_HEADER}" check_ios_archive json_prefixes)

# --- What the app's link provides --------------------------------------------
#   - the SDK: the functions SDK_HEADER declares (ZelSDKFull, linked by the app);
#   - the system: what libSystem exports to Mac Catalyst, the iOS interface on
#     the Mac, in the stub Zig carries (SYSTEM_STUB). The stub is macOS's, but
#     its Catalyst lists leave out what is macOS only. What is newer than the
#     deployment target fails to compile already (availability errors);
#   - the C++ runtime (libc++ and libc++abi, in every iOS since 5): names in
#     namespace std and __cxxabiv1, operator new and delete, the Itanium ABI's
#     ___cxa_ functions and ___gxx_personality_v0;
#   - the linker: ___dso_handle, the image's own header.
# What none of these provide fails the check: glibc's names, the compiler
# runtime's CPU model (___cpu_model, ___cpu_indicator_init, which
# __builtin_cpu_supports needs on x86), and the macOS-only variants that
# macOS's headers choose on x86-64 ($INODE64, $UNIX2003, $1050), which iOS's
# libraries do not have.

read_without_comments("${SDK_HEADER}" sdk_text)
string(REGEX MATCHALL "ZEL_SDK_API [^@{}()#]*[^A-Za-z0-9_][A-Za-z_][A-Za-z0-9_]*[ \t\r\n]*\\("
                      sdk_declarations "${sdk_text}")
set(sdk_functions "")
foreach(declaration IN LISTS sdk_declarations)
  string(REGEX REPLACE "^.*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)[ \t\r\n]*\\($" "_\\1" name
                       "${declaration}")
  list(APPEND sdk_functions "${name}")
endforeach()
if(NOT sdk_functions)
  message(FATAL_ERROR "check_ios_archive: no ZEL_SDK_API declarations in ${SDK_HEADER}")
endif()
list(REMOVE_DUPLICATES sdk_functions)

# The stub's exported symbols for one Catalyst target, as ";name;name;" for a
# quick search. The stub is YAML (text-based stubs, version 4): each library
# lists "exports:" and "reexports:" blocks, each block its "targets" and its
# symbol lists, which may run over several lines.
function(catalyst_symbols stub target out_var)
  file(READ "${stub}" text)
  string(REPLACE ";" "@" text "${text}")
  string(REPLACE "[" "<" text "${text}")
  string(REPLACE "]" ">" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(symbols ";")
  set(section "")
  set(key "")
  set(targets "")
  set(collecting "")
  foreach(line IN LISTS lines)
    if(NOT collecting)
      if(line MATCHES "^([a-z-]+):")
        set(section "${CMAKE_MATCH_1}")
        continue()
      elseif(NOT section MATCHES "^(exports|reexports)$")
        continue()
      elseif(line MATCHES "^ *-? *([a-z-]+): *<(.*)$")
        set(key "${CMAKE_MATCH_1}")
        set(collecting "${CMAKE_MATCH_2}")
      else()
        continue()
      endif()
    else()
      string(APPEND collecting " ${line}")
    endif()
    if(NOT collecting MATCHES ">")
      continue()
    endif()
    string(REGEX REPLACE ">.*$" "" items "${collecting}")
    set(collecting "")
    string(REGEX REPLACE "[ ',]+" ";" items "${items}")
    list(REMOVE_ITEM items "")
    if(key STREQUAL "targets")
      set(targets ${items})
    elseif(key MATCHES "^(symbols|weak-symbols|thread-local-symbols)$" AND target IN_LIST targets)
      list(JOIN items ";" joined)
      string(APPEND symbols "${joined};")
    endif()
  endforeach()
  set(${out_var} "${symbols}" PARENT_SCOPE)
endfunction()

# The needed symbols that the app's link cannot resolve, each with the reason.
function(unresolved_symbols needed system_symbols out_var)
  set(unresolved "")
  set(mangled "")
  foreach(symbol IN LISTS needed)
    if(symbol MATCHES "\\$(INODE64|UNIX2003|1050)$")
      list(APPEND unresolved "${symbol} (a macOS-only variant)")
    elseif(symbol IN_LIST sdk_functions OR symbol STREQUAL "___dso_handle"
           OR symbol MATCHES "^___cxa_[a-z_]+$" OR symbol STREQUAL "___gxx_personality_v0")
    elseif(symbol MATCHES "^__Z")
      list(APPEND mangled "${symbol}")
    else()
      string(FIND "${system_symbols}" ";${symbol};" at)
      if(at EQUAL -1)
        list(APPEND unresolved "${symbol} (not exported by the system to iOS code)")
      endif()
    endif()
  endforeach()
  if(mangled)
    run(names "${CXXFILT}" -_ ${mangled})
    foreach(symbol IN LISTS mangled)
      list(POP_FRONT names name)
      if(NOT name MATCHES "^((typeinfo|typeinfo name|vtable|VTT|construction vtable|virtual thunk|non-virtual thunk) (for|to) )?(std::|__cxxabiv1::)"
         AND NOT name MATCHES "^operator (new|delete)")
        list(APPEND unresolved "${symbol} (${name}: C++, but neither the standard library nor the ABI)")
      endif()
    endforeach()
  endif()
  set(${out_var} "${unresolved}" PARENT_SCOPE)
endfunction()

# --- The slices ---------------------------------------------------------------

# A universal file names its slices; a thin archive's objects each name
# their CPU (llvm-lipo cannot read thin archives).
file(READ "${LIBRARY}" magic HEX LIMIT 4)
if(magic STREQUAL "cafebabe")
  run(archs_output "${LIPO}" -archs "${LIBRARY}")
  string(REGEX REPLACE "[ @]+" ";" slices "${archs_output}")
else()
  run(header_lines "${OBJDUMP}" --macho --private-headers "${LIBRARY}")
  set(slices "")
  foreach(line IN LISTS header_lines)
    if(line MATCHES "^MH_MAGIC(_64)? +([A-Z0-9_]+) ")
      string(TOLOWER "${CMAKE_MATCH_2}" cpu)
      list(APPEND slices "${cpu}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES slices)
endif()
list(REMOVE_ITEM slices "")
set(expected_slices ${ARCHS})
list(SORT slices)
list(SORT expected_slices)
if(NOT slices STREQUAL expected_slices)
  fail("architectures are \"${slices}\", expected \"${expected_slices}\"")
endif()

set(summary "")
foreach(slice IN LISTS slices)
  set(minimum_os "${MINIMUM_OS}")
  if(PLATFORM STREQUAL "iossimulator" AND slice STREQUAL "arm64" AND MINIMUM_OS VERSION_LESS 14.0)
    set(minimum_os 14.0)
  endif()

  # Load commands of each member: a "lib.a(member.o):" line (with the
  # architecture after it in a universal file), then its commands.
  run(header_lines "${OBJDUMP}" --macho --private-headers "--arch=${slice}" "${LIBRARY}")
  set(members "")
  set(member "")
  set(command "")
  foreach(line IN LISTS header_lines)
    if(line MATCHES "\\(([^()]+)\\)( \\(architecture [^()]+\\))?:$")
      set(member "${CMAKE_MATCH_1}")
      list(APPEND members "${member}")
      set(platform_${member} "")
      set(minos_${member} "")
    elseif(line MATCHES "^ *cmd (LC_[A-Z0-9_]+)$")
      set(command "${CMAKE_MATCH_1}")
      if(command MATCHES "^LC_VERSION_MIN_")
        fail("${slice}: ${member} has ${command}, not LC_BUILD_VERSION")
      endif()
    elseif(command STREQUAL "LC_BUILD_VERSION" AND line MATCHES "^ *platform ([^ ]+)$")
      string(APPEND platform_${member} "${CMAKE_MATCH_1}")
    elseif(command STREQUAL "LC_BUILD_VERSION" AND line MATCHES "^ *minos ([^ ]+)$")
      string(APPEND minos_${member} "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(NOT members)
    fail("${slice}: no object files")
  endif()
  set(wrong_platform "")
  foreach(member IN LISTS members)
    if(NOT platform_${member} STREQUAL PLATFORM OR NOT minos_${member} STREQUAL minimum_os)
      list(APPEND wrong_platform "${member} (\"${platform_${member}}\" \"${minos_${member}}\")")
    endif()
  endforeach()
  report(${slice} wrong_platform "objects whose LC_BUILD_VERSION is not ${PLATFORM} ${minimum_os}")

  # Symbols: "<value> (<section>) <attributes> <name>" when defined,
  # "(undefined) <attributes> <name>" when needed.
  run(symbol_lines "${NM}" -m "--arch=${slice}" "${LIBRARY}")
  set(published "")
  set(published_weak "")
  set(defined "")
  set(needed "")
  foreach(line IN LISTS symbol_lines)
    if(NOT line MATCHES "^[0-9a-f]* *\\(([^()]+)\\) (.*) ([^ ]+)$")
      continue()
    endif()
    set(section "${CMAKE_MATCH_1}")
    set(attributes "${CMAKE_MATCH_2}")
    set(symbol "${CMAKE_MATCH_3}")
    if(section STREQUAL "undefined")
      list(APPEND needed "${symbol}")
    elseif(NOT attributes MATCHES "non-external")
      list(APPEND defined "${symbol}")
      if(NOT attributes MATCHES "private external|automatically hidden")
        list(APPEND published "${symbol}")
        if(attributes MATCHES "weak")
          list(APPEND published_weak "${symbol}")
        endif()
      endif()
    endif()
  endforeach()

  set(published_twice "")
  set(seen "")
  set(others "")
  foreach(symbol IN LISTS published)
    if(symbol IN_LIST seen)
      list(APPEND published_twice "${symbol}")
    endif()
    list(APPEND seen "${symbol}")
    if(NOT symbol IN_LIST header_symbols)
      list(APPEND others "${symbol}")
    endif()
  endforeach()
  set(not_published "")
  foreach(symbol IN LISTS header_symbols)
    if(NOT symbol IN_LIST published)
      list(APPEND not_published "${symbol}")
    endif()
  endforeach()
  split_json_symbols(SYMBOLS ${others} PREFIXES ${json_prefixes} CXXFILT "${CXXFILT}"
                     FOREIGN foreign MISSING json_missing COUNT json_count)
  # x86-64 compares type_info objects by address, so the compiler publishes
  # the type information of the standard library's templates that the JSON
  # parser instantiates, as weak definitions that the app's link merges with
  # any other copy. They belong to the C++ ABI, not to the bridge's interface.
  set(rtti_candidates "")
  foreach(symbol IN LISTS foreign)
    if(symbol IN_LIST published_weak AND symbol MATCHES "^__ZT[IS]")
      list(APPEND rtti_candidates "${symbol}")
    endif()
  endforeach()
  set(rtti_count 0)
  if(rtti_candidates)
    run(names "${CXXFILT}" -_ ${rtti_candidates})
    foreach(symbol IN LISTS rtti_candidates)
      list(POP_FRONT names name)
      if(name MATCHES "^typeinfo (name )?for std::")
        list(REMOVE_ITEM foreign "${symbol}")
        math(EXPR rtti_count "${rtti_count} + 1")
      endif()
    endforeach()
  endif()

  report(${slice} published_twice "defined more than once")
  report(${slice} not_published "declared in the header but not defined as exports")
  report(${slice} foreign "published but neither declared in the header nor of the JSON interface")
  report(${slice} json_missing "parts of the JSON interface not published")

  list(REMOVE_DUPLICATES needed)
  list(REMOVE_DUPLICATES defined)
  list(REMOVE_ITEM needed ${defined})
  catalyst_symbols("${SYSTEM_STUB}" ${slice}-maccatalyst system_symbols)
  if(system_symbols STREQUAL ";")
    message(FATAL_ERROR "check_ios_archive: ${SYSTEM_STUB} exports nothing to ${slice}-maccatalyst")
  endif()
  unresolved_symbols("${needed}" "${system_symbols}" unresolved)
  report(${slice} unresolved "needed symbols that the app's link on iOS cannot resolve")

  list(LENGTH members member_count)
  list(LENGTH published published_count)
  list(LENGTH needed needed_count)
  string(APPEND summary "\n  ${slice}: ${member_count} objects, ${PLATFORM} ${minimum_os}; "
                        "${published_count} published (${json_count} of the JSON library, "
                        "${rtti_count} standard type information); "
                        "${needed_count} symbols needed from the SDK, the system and the C++ runtime")
endforeach()

# The strings of the whole file, as `strings` sees them.
string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" path_pattern "${FORBIDDEN_PATH}")
file(STRINGS "${LIBRARY}" path_strings REGEX "${path_pattern}")
if(path_strings)
  list(LENGTH path_strings path_count)
  list(GET path_strings 0 first)
  fail("${path_count} strings name ${FORBIDDEN_PATH}, such as \"${first}\"")
endif()

# The library's path goes on a line of its own, so that the first line,
# which the checker's own tests match, does not break.
if(failures)
  message(FATAL_ERROR "iOS archive check failed:\n  library: ${LIBRARY}${failures}")
endif()
list(LENGTH header_symbols header_count)
message(STATUS "iOS archive check of ${LIBRARY}: the header's ${header_count} exports, "
               "the JSON interface and nothing else published in each slice${summary}")
