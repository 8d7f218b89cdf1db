# Checks what a Flutter-shaped host's build made of the plugin, from the
# build's own Ninja graph (`ninja -t compdb`, `ninja -t targets all`):
#   - every compile command of the plugin (outputs under plugins/) carries
#     the flags of the build type: Debug with debug information and without
#     optimisation or NDEBUG; Profile and Release with -O2 or -O3 and NDEBUG;
#     none with the app's -Werror, which the host gives its own target only;
#   - with HOST_FLAG, every compile command of the plugin carries it too:
#     a host that sets flags for its build type keeps them for the plugin;
#   - the app's own commands carry -Wall -Werror, and -O3 outside Debug;
#   - the Dart API layer is compiled from DART_INCLUDE_DIR, and no command
#     names the bundled stand-in (dart_api/include of SOURCE_DIR);
#   - the only executable the build links is the app: no test, demo,
#     benchmark or fuzzer;
#   - every target the plugin's folder created (TARGETS_FILE, written by
#     app/list_targets.cmake) is named zelbridge...; no imported target is
#     GLOBAL, and those of the project itself (no "::") are named zelbridge...
#     too. Imported targets of CMake's own modules (Threads::Threads) are
#     local to the folder that found them, so they meet no name of the host.
# Any fault is a fatal error.
#
#   cmake -DBUILD_DIR=<dir> -DBUILD_TYPE=Debug|Profile|Release -DAPP=<name>
#         -DDART_INCLUDE_DIR=<dir> -DSOURCE_DIR=<zelbridge> [-DNINJA=ninja]
#         [-DTARGETS_FILE=<file>] [-DHOST_FLAG=<flag>] -P check_host_build.cmake
cmake_minimum_required(VERSION 3.20)

foreach(required BUILD_DIR BUILD_TYPE APP DART_INCLUDE_DIR SOURCE_DIR)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_host_build: -D${required}=... is required")
  endif()
endforeach()
if(NOT NINJA)
  set(NINJA ninja)
endif()

set(faults "")
macro(fault text)
  string(APPEND faults "\n  ${text}")
endmacro()

function(ninja_tool out_var)
  execute_process(COMMAND "${NINJA}" -C "${BUILD_DIR}" -t ${ARGN}
    OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "check_host_build: ninja -t ${ARGN} failed in ${BUILD_DIR}: ${error}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

# A flag as a whole word of a command line.
function(has_flag command pattern out_var)
  if(command MATCHES "(^| )(${pattern})( |$)")
    set(${out_var} TRUE PARENT_SCOPE)
  else()
    set(${out_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

# --- Compile commands ---------------------------------------------------------

set(optimised "-O2|-O3")
set(not_debug "-O[1-3sz]|-Ofast")
ninja_tool(database compdb)
string(JSON entries LENGTH "${database}")
if(entries EQUAL 0)
  message(FATAL_ERROR "check_host_build: ${BUILD_DIR} has no compile commands")
endif()
math(EXPR last "${entries} - 1")
file(TO_CMAKE_PATH "${DART_INCLUDE_DIR}" dart_include)
set(plugin_commands 0)
set(dart_layer_source "")
set(example "")
foreach(index RANGE ${last})
  string(JSON output GET "${database}" ${index} output)
  # With no rule named, compdb lists every edge: links and utilities too.
  if(NOT output MATCHES "\\.(c|cc|cpp)\\.o(bj)?$")
    continue()
  endif()
  string(JSON command GET "${database}" ${index} command)
  string(JSON file GET "${database}" ${index} file)
  get_filename_component(name "${file}" NAME)
  if(NOT output MATCHES "^plugins/")
    has_flag("${command}" "-Wall" wall)
    has_flag("${command}" "-Werror" werror)
    has_flag("${command}" "-O3" o3)
    if(NOT wall OR NOT werror)
      fault("the app's ${name} compiles without -Wall -Werror")
    endif()
    if(NOT BUILD_TYPE STREQUAL "Debug" AND NOT o3)
      fault("the app's ${name} compiles without -O3 in ${BUILD_TYPE}")
    endif()
    continue()
  endif()
  math(EXPR plugin_commands "${plugin_commands} + 1")
  has_flag("${command}" "-g" debug_info)
  has_flag("${command}" "${optimised}" optimisation)
  has_flag("${command}" "${not_debug}" any_optimisation)
  has_flag("${command}" "-DNDEBUG" ndebug)
  has_flag("${command}" "-Werror" werror)
  if(BUILD_TYPE STREQUAL "Debug")
    if(NOT debug_info OR any_optimisation OR ndebug)
      fault("${name} in Debug: needs -g, and no -O1 or above nor -DNDEBUG")
      set(example "${command}")
    endif()
  elseif(NOT optimisation OR NOT ndebug)
    fault("${name} in ${BUILD_TYPE}: needs -O2 or -O3 and -DNDEBUG")
    set(example "${command}")
  endif()
  if(werror)
    fault("${name} compiles with the app's -Werror")
  endif()
  if(HOST_FLAG)
    has_flag("${command}" "${HOST_FLAG}" host_flag)
    if(NOT host_flag)
      fault("${name} compiles without the host's ${HOST_FLAG}")
    endif()
  endif()
  string(FIND "${command}" "${SOURCE_DIR}/dart_api/include" bundled_layer)
  if(NOT bundled_layer EQUAL -1)
    fault("${name} compiles against the bundled Dart API stand-in")
  endif()
  if(name STREQUAL "dart_api_dl.c")
    set(dart_layer_source "${file}")
  endif()
  string(FIND "${command} " "-I${dart_include} " dart_include_flag)
  if(name STREQUAL "im_api_ffi.cpp" AND dart_include_flag EQUAL -1)
    fault("im_api_ffi.cpp compiles without -I${dart_include}")
  endif()
endforeach()
if(plugin_commands EQUAL 0)
  fault("no compile command of the plugin (no output under plugins/)")
endif()
if(NOT dart_layer_source STREQUAL "${dart_include}/dart_api_dl.c")
  fault("the Dart API layer compiles from \"${dart_layer_source}\", not ${dart_include}/dart_api_dl.c")
endif()

# --- Executables --------------------------------------------------------------

ninja_tool(targets targets all)
string(REGEX MATCHALL "[^\n]+: [A-Z]+_EXECUTABLE_LINKER[^\n]*" linked "${targets}")
set(executables "")
foreach(line IN LISTS linked)
  string(REGEX REPLACE ": .*$" "" path "${line}")
  get_filename_component(executable "${path}" NAME_WE)
  list(APPEND executables "${executable}")
endforeach()
if(NOT executables STREQUAL "${APP}")
  list(JOIN executables ", " text)
  fault("the build links the executables [${text}]; only the app ${APP} was expected")
endif()

# --- Target names -------------------------------------------------------------

if(TARGETS_FILE)
  file(STRINGS "${TARGETS_FILE}" target_lines)
  if(NOT target_lines)
    fault("${TARGETS_FILE} lists no target")
  endif()
  foreach(line IN LISTS target_lines)
    string(REPLACE " " ";" fields "${line}")
    list(GET fields 0 target)
    if(line MATCHES " global$")
      fault("the plugin's folder created the GLOBAL imported target ${target}")
    elseif(NOT target MATCHES "^zelbridge" AND (line MATCHES " built$" OR NOT target MATCHES "::"))
      fault("the plugin's folder created the target ${target}, whose name is not zelbridge...")
    endif()
  endforeach()
endif()

if(example)
  string(APPEND faults "\n  for example: ${example}")
endif()
if(faults)
  message(FATAL_ERROR "Host build check failed (${BUILD_TYPE}, ${BUILD_DIR}):${faults}")
endif()
list(LENGTH target_lines target_count)
message(STATUS "Host build check (${BUILD_TYPE}): ${plugin_commands} compile commands of the "
               "plugin with ${BUILD_TYPE}'s flags, Dart API from ${dart_include}, one executable "
               "(${APP}), ${target_count} targets of the plugin named zelbridge...")
