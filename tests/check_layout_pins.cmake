# Proves that the pinned Dart layouts (src/dart_layout_checks.cpp) catch a
# drifted Dart API layer: each case below edits a copy of the bundled layer
# the way a careless edit could, and the checks must then fail to compile,
# with a static assertion. The unedited copy must compile, so that a failure
# cannot come from the set-up, and so must an edit that leaves the layout as
# it is.
#
#   cmake -DCOMPILER=c++ -DSOURCE_DIR=<project> -DWORK_DIR=<scratch> -P check_layout_pins.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required COMPILER SOURCE_DIR WORK_DIR)
  if(NOT ${required})
    message(FATAL_ERROR "check_layout_pins: -D${required}=... is required")
  endif()
endforeach()

set(checks "${SOURCE_DIR}/src/dart_layout_checks.cpp")
set(failures "")

function(compile_against layer result_var output_var)
  execute_process(
    COMMAND "${COMPILER}" -std=c++17 -fsyntax-only -I "${layer}" "${checks}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

function(copy_layer name out_var)
  string(MAKE_C_IDENTIFIER "${name}" folder)
  set(layer "${WORK_DIR}/${folder}")
  file(REMOVE_RECURSE "${layer}")
  file(COPY "${SOURCE_DIR}/dart_api/include/" DESTINATION "${layer}")
  set(${out_var} "${layer}" PARENT_SCOPE)
endfunction()

copy_layer("unchanged" layer)
compile_against("${layer}" result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Layout pin check failed:\n  the unchanged layer does not compile:\n${output}")
endif()

# Edits text into replacement (and a second text into its replacement, when
# given) in file of a copy of the layer; the checks must then stop the
# compilation with a static assertion. The texts are taken from the ARGV
# variables, which keep their semicolons.
function(expect_caught name file text replacement)
  copy_layer("${name}" layer)
  file(READ "${layer}/${file}" content)
  set(edits 2)
  if(ARGC EQUAL 6)
    list(APPEND edits 4)
  endif()
  foreach(index IN LISTS edits)
    math(EXPR next "${index} + 1")
    set(from "${ARGV${index}}")
    set(to "${ARGV${next}}")
    string(FIND "${content}" "${from}" at)
    if(at EQUAL -1)
      set(failures "${failures}\n  ${name}: the text to edit is no longer in ${file}" PARENT_SCOPE)
      return()
    endif()
    string(REPLACE "${from}" "${to}" content "${content}")
  endforeach()
  file(WRITE "${layer}/${file}" "${content}")

  compile_against("${layer}" result output)
  if(result EQUAL 0)
    set(failures "${failures}\n  ${name}: the checks compiled" PARENT_SCOPE)
  elseif(NOT output MATCHES "static assertion failed")
    set(failures "${failures}\n  ${name}: failed without a static assertion:\n${output}"
        PARENT_SCOPE)
  else()
    string(REGEX MATCH "static assertion failed: [^\n]*" first "${output}")
    message(STATUS "${name}: ${first}")
  endif()
endfunction()

# What is no change of layout must still compile: Dart SDK releases before the
# member became const declare a string message's text char*.
function(expect_accepted name file text replacement)
  copy_layer("${name}" layer)
  file(READ "${layer}/${file}" content)
  string(FIND "${content}" "${text}" at)
  if(at EQUAL -1)
    set(failures "${failures}\n  ${name}: the text to edit is no longer in ${file}" PARENT_SCOPE)
    return()
  endif()
  string(REPLACE "${text}" "${replacement}" content "${content}")
  file(WRITE "${layer}/${file}" "${content}")
  compile_against("${layer}" result output)
  if(NOT result EQUAL 0)
    set(failures "${failures}\n  ${name}: the checks refused it:\n${output}" PARENT_SCOPE)
  else()
    message(STATUS "${name}: accepted")
  endif()
endfunction()

expect_accepted("text declared char*" dart_native_api.h
  "    const char* as_string;" "    char* as_string;")
expect_caught("type moved behind the value" dart_native_api.h
  "  Dart_CObject_Type type;\n  union {" "  union {"
  "  } value;\n} Dart_CObject;" "  } value;\n  Dart_CObject_Type type;\n} Dart_CObject;")
expect_caught("string type renumbered" dart_native_api.h
  "  Dart_CObject_kDouble,\n  Dart_CObject_kString," "  Dart_CObject_kString,\n  Dart_CObject_kDouble,")
expect_caught("text behind a length" dart_native_api.h
  "    const char* as_string;" "    struct {\n      int32_t length;\n      const char* text;\n    } as_string;")
expect_caught("entry function before its name" internal/dart_api_dl_impl.h
  "  const char* name;\n  void (*function)(void);" "  void (*function)(void);\n  const char* name;")
expect_caught("minor version before the major" internal/dart_api_dl_impl.h
  "  const int major;\n  const int minor;" "  const int minor;\n  const int major;")
expect_caught("port id narrowed" dart_api.h
  "typedef int64_t Dart_Port;" "typedef int32_t Dart_Port;")

if(failures)
  message(FATAL_ERROR "Layout pin check failed:${failures}")
endif()
