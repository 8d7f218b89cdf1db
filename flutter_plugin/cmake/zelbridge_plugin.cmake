# What the plugin's Linux and Android builds share: where this repository's
# sources are, the Dart SDK to compile the bridge's Dart API layer from, and
# the SDK library to link. Included by linux/CMakeLists.txt and
# android/CMakeLists.txt.

# The repository that holds this plugin, its sources used in place. Flutter
# reaches the plugin through a symbolic link
# (flutter/ephemeral/.plugin_symlinks/zelbridge), and CMake shortens
# "<link>/linux/../.." to the link's own folder, so the path is resolved
# through the link before its parent is taken. A plugin copied out of the
# repository names the sources with ZELBRIDGE_SOURCE_DIR.
function(zelbridge_plugin_source_dir out_var)
  if(ZELBRIDGE_SOURCE_DIR)
    set(source_dir "${ZELBRIDGE_SOURCE_DIR}")
  else()
    get_filename_component(platform_dir "${CMAKE_CURRENT_LIST_DIR}" REALPATH)
    get_filename_component(plugin_dir "${platform_dir}" DIRECTORY)
    get_filename_component(source_dir "${plugin_dir}" DIRECTORY)
  endif()
  if(NOT EXISTS "${source_dir}/include/zelbridge.h")
    message(FATAL_ERROR "zelbridge: no zelbridge sources in ${source_dir}. A plugin copied out "
      "of the zelbridge repository names them with -DZELBRIDGE_SOURCE_DIR=<checkout>.")
  endif()
  set(${out_var} "${source_dir}" PARENT_SCOPE)
endfunction()

# The Dart SDK's include/ folder, whose dart_api_dl.c the bridge compiles:
# ZELBRIDGE_DART_SDK_INCLUDE_DIR when given, otherwise the Dart SDK inside
# the Flutter SDK that runs the build. The flutter tool exports FLUTTER_ROOT
# to every process it starts. Without either the configuration stops: the
# bundled Dart API stand-in never goes into an app.
function(zelbridge_plugin_dart_include_dir out_var)
  if(ZELBRIDGE_DART_SDK_INCLUDE_DIR)
    set(include_dir "${ZELBRIDGE_DART_SDK_INCLUDE_DIR}")
    set(origin "ZELBRIDGE_DART_SDK_INCLUDE_DIR")
  elseif(FLUTTER_ROOT)
    set(include_dir "${FLUTTER_ROOT}/bin/cache/dart-sdk/include")
    set(origin "the CMake variable FLUTTER_ROOT")
  elseif(NOT "$ENV{FLUTTER_ROOT}" STREQUAL "")
    set(include_dir "$ENV{FLUTTER_ROOT}/bin/cache/dart-sdk/include")
    set(origin "the environment variable FLUTTER_ROOT")
  else()
    message(FATAL_ERROR "zelbridge: no Dart SDK to build against. The flutter tool sets "
      "FLUTTER_ROOT for the builds it runs; elsewhere, set FLUTTER_ROOT to the Flutter SDK's "
      "folder, or pass -DZELBRIDGE_DART_SDK_INCLUDE_DIR=<flutter>/bin/cache/dart-sdk/include.")
  endif()
  file(TO_CMAKE_PATH "${include_dir}" include_dir)
  if(NOT EXISTS "${include_dir}/dart_api_dl.c")
    message(FATAL_ERROR "zelbridge: ${origin} leads to ${include_dir}, which holds no "
      "Dart SDK (no dart_api_dl.c). Run `flutter precache` or correct the path.")
  endif()
  message(STATUS "zelbridge: Dart SDK headers from ${include_dir} (${origin})")
  set(${out_var} "${include_dir}" PARENT_SCOPE)
endfunction()

# The SDK library the bridge links, when one is given; otherwise the stand-in
# SDK is built, and said so, since it must never ship.
function(zelbridge_plugin_sdk_library candidate how_to_give out_var)
  if(candidate AND NOT EXISTS "${candidate}")
    message(FATAL_ERROR "zelbridge: the SDK library ${candidate} does not exist")
  endif()
  if(NOT candidate)
    message(STATUS "zelbridge: no ZelSDK library given (${how_to_give}); building the stand-in "
      "SDK from sdk_standin/, which is for development only and must not ship")
  endif()
  set(${out_var} "${candidate}" PARENT_SCOPE)
endfunction()
