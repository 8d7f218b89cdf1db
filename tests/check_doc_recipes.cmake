# Checks the build recipes in the README and docs/*.md against the build:
#   - every preset a recipe names (--preset NAME, loops over ABIs expanded)
#     is one of CMakePresets.json;
#   - every ZELBRIDGE_ variable a recipe sets (-DNAME=, set(NAME) is one the
#     project's CMake files define;
#   - every toolchain file a recipe names (cmake/toolchains/...) exists;
#   - every recipe that configures a shipped iOS or Android build names the
#     real Dart SDK's include/ folder (ZELBRIDGE_DART_SDK_INCLUDE_DIR) and
#     every path its presets require (without presets: what the production
#     preset requires), so that no shipped build quietly takes the bundled
#     Dart API stand-in;
#   - an Android recipe that builds without the android-* presets (a Gradle
#     recipe, all blocks of its section together, and the Flutter plugin's
#     android/build.gradle with its CMakeLists.txt) passes what those
#     presets set: the C++ runtime, the 16 KB page support, the SDK and the
#     Dart SDK.
# Any fault is a fatal error, so the test fails.
#
#   cmake -DSOURCE_DIR=<checkout> -P check_doc_recipes.cmake
#
# For the checker's own tests: -DSIMULATE_DROP=<text> removes every
# occurrence of the text from the docs before checking.

cmake_minimum_required(VERSION 3.20)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_doc_recipes: -DSOURCE_DIR=... is required")
endif()

set(faults "")
macro(fault text)
  string(APPEND faults "\n  ${text}")
endmacro()

# --- What the build defines ------------------------------------------------

file(READ "${SOURCE_DIR}/CMakePresets.json" presets_json)
set(preset_names "")
foreach(kind configurePresets buildPresets testPresets workflowPresets)
  string(JSON count LENGTH "${presets_json}" ${kind})
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    string(JSON name GET "${presets_json}" ${kind} ${index} name)
    list(APPEND preset_names "${name}")
  endforeach()
endforeach()

# The cache variables of a configure preset, its parents' first, as
# "NAME=VALUE" items with each ";" of a value turned into "@".
function(preset_cache_variables preset out_var)
  string(JSON count LENGTH "${presets_json}" configurePresets)
  math(EXPR last "${count} - 1")
  set(variables "")
  foreach(index RANGE ${last})
    string(JSON name GET "${presets_json}" configurePresets ${index} name)
    if(NOT name STREQUAL preset)
      continue()
    endif()
    string(JSON parent ERROR_VARIABLE no_parent GET "${presets_json}" configurePresets ${index}
           inherits)
    if(NOT no_parent)
      preset_cache_variables("${parent}" variables)
    endif()
    string(JSON cache ERROR_VARIABLE no_cache GET "${presets_json}" configurePresets ${index}
           cacheVariables)
    if(NOT no_cache)
      string(JSON members LENGTH "${cache}")
      math(EXPR last_member "${members} - 1")
      foreach(member RANGE ${last_member})
        string(JSON key MEMBER "${cache}" ${member})
        string(JSON value GET "${cache}" "${key}")
        string(REPLACE ";" "@" value "${value}")
        list(FILTER variables EXCLUDE REGEX "^${key}=")
        list(APPEND variables "${key}=${value}")
      endforeach()
    endif()
  endforeach()
  set(${out_var} "${variables}" PARENT_SCOPE)
endfunction()

# The texts a recipe must hold to build what a preset builds, leaving out
# what Gradle sets itself (ABI, API level, build type), what Gradle does
# itself when it packages the app (strip the library, keep its debug
# symbols) and what does not change the library (compile commands, warnings
# as errors, tests).
function(preset_requirements preset out_var)
  preset_cache_variables("${preset}" variables)
  set(requirements "")
  foreach(variable IN LISTS variables)
    string(REGEX MATCH "^([^=]*)=(.*)$" matched "${variable}")
    set(key "${CMAKE_MATCH_1}")
    set(value "${CMAKE_MATCH_2}")
    if(key MATCHES "^(ANDROID_ABI|ANDROID_PLATFORM|CMAKE_BUILD_TYPE|CMAKE_EXPORT_COMPILE_COMMANDS|ZELBRIDGE_WARNINGS_AS_ERRORS|ZELBRIDGE_BUILD_TESTS|ZELBRIDGE_SPLIT_DEBUG_INFO)$")
      continue()
    elseif(key STREQUAL "ZELBRIDGE_REQUIRED_PATHS")
      string(REPLACE "@" ";" paths "${value}")
      list(APPEND requirements ${paths})
    elseif(key MATCHES "_FLAGS$")
      list(APPEND requirements "${value}")
    else()
      string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" value "${value}")
      list(APPEND requirements "${key}[= ]${value}")
    endif()
  endforeach()
  set(${out_var} "${requirements}" PARENT_SCOPE)
endfunction()

# The paths a configure preset refuses to build without (none for a
# development preset, which builds against the stand-ins).
function(preset_required_paths preset out_var)
  preset_cache_variables("${preset}" variables)
  list(FILTER variables INCLUDE REGEX "^ZELBRIDGE_REQUIRED_PATHS=")
  string(REGEX REPLACE "^ZELBRIDGE_REQUIRED_PATHS=" "" paths "${variables}")
  string(REPLACE "@" ";" paths "${paths}")
  set(${out_var} "${paths}" PARENT_SCOPE)
endfunction()

preset_required_paths(production shipped_paths)
if(NOT "ZELBRIDGE_DART_SDK_INCLUDE_DIR" IN_LIST shipped_paths)
  fault("the production preset does not require ZELBRIDGE_DART_SDK_INCLUDE_DIR")
endif()
preset_requirements(android-arm64-v8a android_requirements)

# Variables the project defines: option(NAME ...) or set(NAME ... CACHE ...).
file(GLOB_RECURSE cmake_files "${SOURCE_DIR}/cmake/*.cmake")
list(APPEND cmake_files "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/src/CMakeLists.txt"
     "${SOURCE_DIR}/dart_api/CMakeLists.txt" "${SOURCE_DIR}/tests/CMakeLists.txt"
     "${SOURCE_DIR}/tests/dart/CMakeLists.txt")
set(known_variables "")
foreach(file IN LISTS cmake_files)
  file(READ "${file}" text)
  string(REPLACE ";" "@" text "${text}")
  string(REGEX MATCHALL "option\\([ \t\n]*ZELBRIDGE_[A-Z0-9_]+" options "${text}")
  string(REGEX MATCHALL "set\\([ \t\n]*ZELBRIDGE_[A-Z0-9_]+[^)]*CACHE" caches "${text}")
  foreach(definition IN LISTS options caches)
    string(REGEX MATCH "ZELBRIDGE_[A-Z0-9_]+" name "${definition}")
    list(APPEND known_variables "${name}")
  endforeach()
endforeach()

# --- The recipes -------------------------------------------------------------

# A fenced block that sets up a build, rather than running one.
function(configures block out_var)
  if(block MATCHES "cmake --preset|cmake -S|cmake -B|-D[A-Z]|add_subdirectory\\(|externalNativeBuild")
    set(${out_var} TRUE PARENT_SCOPE)
  else()
    set(${out_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

# The presets a block names, with "for abi in a b c@ do ... $abi" expanded.
function(named_presets block out_var)
  set(loop_name "")
  set(loop_values "")
  if(block MATCHES "for ([A-Za-z_]+) in ([^@\n]+)@ *do")
    set(loop_name "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "[ \t]+" ";" loop_values "${CMAKE_MATCH_2}")
  endif()
  string(REGEX MATCHALL "--preset[ =]+[A-Za-z0-9_\${}-]+" mentions "${block}")
  set(names "")
  foreach(mention IN LISTS mentions)
    string(REGEX REPLACE "^--preset[ =]+" "" name "${mention}")
    if(loop_name AND name MATCHES "\\$")
      foreach(value IN LISTS loop_values)
        string(REPLACE "\${${loop_name}}" "${value}" expanded "${name}")
        string(REPLACE "$${loop_name}" "${value}" expanded "${expanded}")
        list(APPEND names "${expanded}")
      endforeach()
    else()
      list(APPEND names "${name}")
    endif()
  endforeach()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

function(check_block where block)
  named_presets("${block}" names)
  foreach(name IN LISTS names)
    if(NOT name IN_LIST preset_names)
      fault("${where}: no preset ${name} in CMakePresets.json")
    endif()
  endforeach()
  string(REGEX MATCHALL "(-D|set\\()ZELBRIDGE_[A-Z0-9_]+" settings "${block}")
  foreach(setting IN LISTS settings)
    string(REGEX REPLACE "^(-D|set\\()" "" name "${setting}")
    if(NOT name IN_LIST known_variables)
      fault("${where}: ${name} is no variable of the project's CMake files")
    endif()
  endforeach()
  string(REGEX MATCHALL "cmake/toolchains/[A-Za-z0-9_.-]+" toolchains "${block}")
  foreach(toolchain IN LISTS toolchains)
    if(NOT EXISTS "${SOURCE_DIR}/${toolchain}")
      fault("${where}: ${toolchain} does not exist")
    endif()
  endforeach()
  configures("${block}" sets_up)
  # A recipe through presets needs the paths those presets require: none for
  # a development build (the ios workflow, one iOS slice). Any other recipe
  # needs what the production preset requires.
  set(block_paths ${shipped_paths})
  if(names)
    set(block_paths "")
    foreach(name IN LISTS names)
      preset_required_paths("${name}" paths)
      list(APPEND block_paths ${paths})
    endforeach()
    list(REMOVE_DUPLICATES block_paths)
  endif()
  if(sets_up AND block_paths AND block MATCHES "ios|iOS|[Aa]ndroid|ANDROID_")
    if(NOT block MATCHES "ZELBRIDGE_DART_SDK_INCLUDE_DIR")
      fault("${where}: an iOS or Android recipe without ZELBRIDGE_DART_SDK_INCLUDE_DIR")
    endif()
    # A recipe in one block names every path a shipped build needs; the
    # blocks of a Gradle recipe are checked together below.
    if(block MATCHES "--preset" OR NOT block MATCHES "[Aa]ndroid|ANDROID_")
      foreach(path IN LISTS block_paths)
        if(NOT block MATCHES "${path}" AND NOT path STREQUAL "ZELBRIDGE_DART_SDK_INCLUDE_DIR")
          fault("${where}: an iOS or Android recipe that names no ${path}")
        endif()
      endforeach()
    endif()
  endif()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

file(GLOB docs "${SOURCE_DIR}/docs/*.md")
list(PREPEND docs "${SOURCE_DIR}/README.md")
set(recipes_checked 0)
foreach(doc IN LISTS docs)
  file(READ "${doc}" text)
  if(SIMULATE_DROP)
    string(REPLACE "${SIMULATE_DROP}" "" text "${text}")
  endif()
  # Lines as list items: no ";" or bracket of the text may split or join them.
  string(REPLACE ";" "@" text "${text}")
  string(REPLACE "[" "<" text "${text}")
  string(REPLACE "]" ">" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  file(RELATIVE_PATH doc_name "${SOURCE_DIR}" "${doc}")
  set(section "")
  set(in_block FALSE)
  set(line_number 0)
  set(gradle_sections "")
  foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    if(line MATCHES "^ *```")
      if(in_block)
        set(in_block FALSE)
        check_block("${doc_name}:${block_line}" "${block}")
        math(EXPR recipes_checked "${recipes_checked} + 1")
        configures("${block}" sets_up)
        if(sets_up AND block MATCHES "[Aa]ndroid|ANDROID_" AND NOT block MATCHES "--preset")
          string(MAKE_C_IDENTIFIER "${section}" key)
          string(APPEND gradle_${key} "${block}")
          list(APPEND gradle_sections "${key}")
          string(REPLACE "@" ";" title "${section}")
          set(gradle_title_${key} "${doc_name}, section \"${title}\"")
        endif()
      else()
        set(in_block TRUE)
        set(block "")
        set(block_line ${line_number})
      endif()
    elseif(in_block)
      string(APPEND block "${line}\n")
    elseif(line MATCHES "^#+ (.*)$")
      set(section "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES gradle_sections)
  foreach(key IN LISTS gradle_sections)
    foreach(requirement IN LISTS android_requirements)
      if(NOT gradle_${key} MATCHES "${requirement}")
        string(REPLACE "\\" "" shown "${requirement}")
        string(REPLACE "[= ]" "=" shown "${shown}")
        fault("${gradle_title_${key}}: an Android recipe without the presets lacks ${shown}")
      endif()
    endforeach()
    unset(gradle_${key})
  endforeach()
endforeach()

# The Flutter plugin's Gradle build and the CMakeLists.txt it points at.
set(plugin_android "")
foreach(file flutter_plugin/android/build.gradle flutter_plugin/android/CMakeLists.txt)
  file(READ "${SOURCE_DIR}/${file}" text)
  if(SIMULATE_DROP)
    string(REPLACE "${SIMULATE_DROP}" "" text "${text}")
  endif()
  string(APPEND plugin_android "${text}")
endforeach()
foreach(requirement IN LISTS android_requirements)
  if(NOT plugin_android MATCHES "${requirement}")
    string(REPLACE "\\" "" shown "${requirement}")
    string(REPLACE "[= ]" "=" shown "${shown}")
    fault("flutter_plugin/android: an Android recipe without the presets lacks ${shown}")
  endif()
endforeach()

if(recipes_checked EQUAL 0)
  fault("no fenced recipe found in the README or docs/")
endif()
if(faults)
  message(FATAL_ERROR "Doc recipe check failed:${faults}")
endif()
message(STATUS "Doc recipe check: ${recipes_checked} fenced blocks checked")
