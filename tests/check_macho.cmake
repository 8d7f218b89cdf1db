# Checks a Mach-O build of the bridge (a dylib, a framework's binary or a
# universal binary), in every architecture slice, with LLVM's Mach-O tools:
#   - the export trie holds exactly the functions that the public header
#     declares with ZELBRIDGE_EXPORT (with Mach-O's leading underscore), each
#     once; and, with JSON_HEADER, the JSON library's interface (each class
#     and function that header marks ZELJSON_API); nothing else;
#   - the load commands a packager relies on: LC_ID_DYLIB is INSTALL_NAME,
#     the one LC_RPATH is RPATH, an LC_LOAD_DYLIB names SDK, LC_BUILD_VERSION
#     says PLATFORM (default macos) and MINIMUM_OS, LC_UUID is there (a .dSYM
#     is matched by it), and an arm64 slice is signed (LC_CODE_SIGNATURE), as
#     Apple silicon requires;
#   - no path of the build machine: every library is loaded through @rpath
#     or from the system (/usr/lib, /System/Library), every run path is
#     relative to the loader, and no debug map entry (N_OSO) names an object
#     file.
# ARCHS lists the slices the file must have. Any difference is a fatal
# error, so the test fails.
#
#   cmake -DHEADER=include/zelbridge.h -DLIBRARY=<binary> -DARCHS=arm64
#         -DMINIMUM_OS=11.0 -DINSTALL_NAME=@rpath/libzelbridge.dylib
#         -DRPATH=@loader_path -DSDK=@rpath/ZelSDKFull.framework/Versions/A/ZelSDKFull
#         -DOBJDUMP=llvm-objdump-14 -DNM=llvm-nm-14 -DLIPO=llvm-lipo-14
#         [-DJSON_HEADER=src/json/json.h -DCXXFILT=llvm-cxxfilt-14] [-DPLATFORM=ios]
#         -P check_macho.cmake
#
# For the checker's own tests: -DSIMULATE_MISSING_EXPORT=<symbol> drops an
# export as read, -DSIMULATE_RPATH=<path> adds a run path as read; both must
# make the check fail.

cmake_minimum_required(VERSION 3.20)

foreach(required HEADER LIBRARY ARCHS MINIMUM_OS INSTALL_NAME RPATH SDK OBJDUMP NM LIPO)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_macho: -D${required}=... is required")
  endif()
endforeach()
if(NOT PLATFORM)
  set(PLATFORM macos)
endif()
if(JSON_HEADER AND NOT CXXFILT)
  message(FATAL_ERROR "check_macho: -DJSON_HEADER needs -DCXXFILT=<llvm-cxxfilt>")
endif()

function(run out_var)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE error
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "check_macho: ${command} failed: ${error}")
  endif()
  string(REPLACE ";" "@" output "${output}")
  string(REPLACE "\n" ";" output "${output}")
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)

# The header's ZELBRIDGE_EXPORT functions, as Mach-O symbols.
header_export_names("${HEADER}" check_macho header_symbols)
list(TRANSFORM header_symbols PREPEND "_")

# The JSON interface, as the demangled-name prefixes each of its classes and
# functions must show.
set(json_prefixes "")
if(JSON_HEADER)
  json_interface_prefixes("${JSON_HEADER}" check_macho json_prefixes)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/check_failures.cmake)

run(archs_output "${LIPO}" -archs "${LIBRARY}")
string(REGEX REPLACE "[ @]+" ";" slices "${archs_output}")
list(REMOVE_ITEM slices "")
set(expected_slices ${ARCHS})
list(SORT slices)
list(SORT expected_slices)
if(NOT slices STREQUAL expected_slices)
  fail("architectures are \"${slices}\", expected \"${expected_slices}\"")
endif()

set(summary "")
foreach(slice IN LISTS slices)
  # Exports: "0x00001400  _DartLogin" lines, perhaps with flags after.
  run(trie_lines "${OBJDUMP}" --macho --exports-trie "--arch=${slice}" "${LIBRARY}")
  set(exports "")
  foreach(line IN LISTS trie_lines)
    if(line MATCHES "^0x[0-9A-Fa-f]+ +([^ ]+)")
      list(APPEND exports "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(SIMULATE_MISSING_EXPORT)
    list(REMOVE_ITEM exports "${SIMULATE_MISSING_EXPORT}")
  endif()

  set(exported_twice "")
  set(seen "")
  set(others "")
  foreach(symbol IN LISTS exports)
    if(symbol IN_LIST seen)
      list(APPEND exported_twice "${symbol}")
    endif()
    list(APPEND seen "${symbol}")
    if(NOT symbol IN_LIST header_symbols)
      list(APPEND others "${symbol}")
    endif()
  endforeach()
  set(not_exported "")
  foreach(symbol IN LISTS header_symbols)
    if(NOT symbol IN_LIST exports)
      list(APPEND not_exported "${symbol}")
    endif()
  endforeach()

  # Of the other exports, those of the JSON library's namespace are its
  # interface when it is published; anything else is foreign.
  if(JSON_HEADER)
    split_json_symbols(SYMBOLS ${others} PREFIXES ${json_prefixes} CXXFILT "${CXXFILT}"
                       FOREIGN foreign MISSING json_missing COUNT json_count)
  else()
    set(foreign ${others})
    set(json_missing "")
    set(json_count 0)
  endif()

  report(${slice} exported_twice "exported more than once")
  report(${slice} not_exported "declared in the header but not exported")
  report(${slice} foreign "exported but neither declared in the header nor of the JSON interface")
  report(${slice} json_missing "parts of the JSON interface not exported")

  # Load commands, as "cmd LC_..." lines each followed by its fields.
  run(header_lines "${OBJDUMP}" --macho --private-headers "--arch=${slice}" "${LIBRARY}")
  set(command "")
  set(id "")
  set(rpaths "")
  set(loads "")
  set(platform "")
  set(minos "")
  set(has_uuid FALSE)
  set(signed FALSE)
  foreach(line IN LISTS header_lines)
    if(line MATCHES "^ *cmd (LC_[A-Z0-9_]+)$")
      set(command "${CMAKE_MATCH_1}")
      if(command STREQUAL "LC_UUID")
        set(has_uuid TRUE)
      elseif(command STREQUAL "LC_CODE_SIGNATURE")
        set(signed TRUE)
      endif()
    elseif(line MATCHES "^ *(name|path) (.*) \\(offset [0-9]+\\)$")
      set(value "${CMAKE_MATCH_2}")
      if(command STREQUAL "LC_ID_DYLIB")
        set(id "${value}")
      elseif(command STREQUAL "LC_RPATH")
        list(APPEND rpaths "${value}")
      elseif(command MATCHES "^LC_(LOAD|LOAD_WEAK|REEXPORT|LAZY_LOAD|LOAD_UPWARD)_DYLIB$")
        list(APPEND loads "${value}")
      elseif(NOT command STREQUAL "LC_LOAD_DYLINKER")
        fail("${slice}: ${command} names ${value}")
      endif()
    elseif(command STREQUAL "LC_BUILD_VERSION" AND line MATCHES "^ *platform ([^ ]+)$")
      set(platform "${CMAKE_MATCH_1}")
    elseif(command STREQUAL "LC_BUILD_VERSION" AND line MATCHES "^ *minos ([^ ]+)$")
      set(minos "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(SIMULATE_RPATH)
    list(APPEND rpaths "${SIMULATE_RPATH}")
  endif()

  if(NOT id STREQUAL INSTALL_NAME)
    fail("${slice}: LC_ID_DYLIB is \"${id}\", expected ${INSTALL_NAME}")
  endif()
  if(NOT rpaths STREQUAL RPATH)
    fail("${slice}: LC_RPATH is \"${rpaths}\", expected exactly ${RPATH}")
  endif()
  foreach(rpath IN LISTS rpaths)
    if(NOT rpath MATCHES "^@(loader|executable)_path(/|$)")
      fail("${slice}: LC_RPATH ${rpath} is not relative to the loader: a path of the build machine")
    endif()
  endforeach()
  if(NOT SDK IN_LIST loads)
    fail("${slice}: no LC_LOAD_DYLIB names ${SDK}")
  endif()
  foreach(load IN LISTS loads)
    if(NOT load MATCHES "^(@rpath/|/usr/lib/|/System/Library/)")
      fail("${slice}: LC_LOAD_DYLIB ${load} is neither under @rpath nor part of the system")
    endif()
  endforeach()
  if(NOT platform STREQUAL PLATFORM OR NOT minos STREQUAL MINIMUM_OS)
    fail("${slice}: LC_BUILD_VERSION says \"${platform}\" \"${minos}\", expected ${PLATFORM} ${MINIMUM_OS}")
  endif()
  if(NOT has_uuid)
    fail("${slice}: no LC_UUID, so no .dSYM can be matched to it")
  endif()
  if(slice STREQUAL "arm64" AND NOT signed)
    fail("${slice}: no LC_CODE_SIGNATURE; Apple silicon loads only signed code")
  endif()

  # The debug map: "OSO <object file>" entries of an unstripped binary.
  run(symbol_lines "${NM}" --debug-syms --arch=${slice} "${LIBRARY}")
  set(objects "")
  foreach(line IN LISTS symbol_lines)
    if(line MATCHES " OSO (.*)$")
      list(APPEND objects "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  report(${slice} objects "debug map entries naming object files of the build (not stripped)")

  list(LENGTH exports export_count)
  list(JOIN loads " " load_text)
  string(APPEND summary "\n  ${slice}: ${export_count} exports (${json_count} of the JSON library), "
                        "id ${id}, rpath ${rpaths}, loads ${load_text}, ${platform} ${minos}")
endforeach()

# The library's path goes on a line of its own: a long path must not break
# the first line, which the checker's own tests match.
if(failures)
  message(FATAL_ERROR "Mach-O check failed:\n  library: ${LIBRARY}${failures}")
endif()
list(LENGTH header_symbols header_count)
message(STATUS "Mach-O check of ${LIBRARY}: the header's ${header_count} exports and "
               "nothing else of the bridge in each slice${summary}")
