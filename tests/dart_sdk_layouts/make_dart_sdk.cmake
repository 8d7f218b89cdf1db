# Writes a stand-in for an installed Dart SDK, in one of the two layouts that
# Dart SDK releases use for their native API headers, so that the build
# against ZELBRIDGE_DART_SDK_INCLUDE_DIR is tested without a real SDK:
#
#   <DESTINATION>/version                        the SDK's version file
#   <DESTINATION>/include/dart_api_dl.c
#   <DESTINATION>/include/dart_api_dl.h          includes dart_api.h, dart_native_api.h
#   <DESTINATION>/include/dart_api.h
#   <DESTINATION>/include/dart_native_api.h
#   <DESTINATION>/include/dart_version.h
#   <DESTINATION>/include/internal/dart_api_dl_impl.h
#
# LAYOUT=plain (newer releases): the files include each other as
#   "dart_api_dl.h", "internal/dart_api_dl_impl.h", ...
#   so the compiler needs include/ itself on its path.
# LAYOUT=prefixed (older releases): as "include/dart_api_dl.h",
#   "include/internal/dart_api_dl_impl.h", ..., so it needs include/'s parent.
#
# The contents are the bundled Dart API layer's (dart_api/include), with the
# include lines of the layout and the table's minor version set to MINOR.
#
# STRING=mutable declares a string message's text as Dart SDK releases did
# before it became const (Dart_CObject's "char* as_string"); the default,
# const, as they do since.
#
#   cmake -DLAYOUT=prefixed -DMINOR=2 [-DSTRING=mutable] -DDESTINATION=<dir> -P make_dart_sdk.cmake

cmake_minimum_required(VERSION 3.20)

if(NOT STRING)
  set(STRING const)
endif()
if(NOT LAYOUT MATCHES "^(plain|prefixed)$" OR NOT DESTINATION OR NOT MINOR MATCHES "^[0-9]+$"
   OR NOT STRING MATCHES "^(const|mutable)$")
  message(FATAL_ERROR "make_dart_sdk: -DLAYOUT=plain|prefixed -DMINOR=<n> [-DSTRING=const|mutable] "
    "-DDESTINATION=<dir>")
endif()

get_filename_component(bundled "${CMAKE_CURRENT_LIST_DIR}/../../dart_api/include" ABSOLUTE)
set(files dart_api_dl.c dart_api_dl.h dart_api.h dart_native_api.h dart_version.h
  internal/dart_api_dl_impl.h)
set(dart_headers "dart_api_dl\\.h|dart_api\\.h|dart_native_api\\.h|dart_version\\.h|internal/dart_api_dl_impl\\.h")

file(REMOVE_RECURSE "${DESTINATION}")
foreach(file IN LISTS files)
  file(READ "${bundled}/${file}" text)
  if(LAYOUT STREQUAL "prefixed")
    string(REGEX REPLACE "#include \"(${dart_headers})\"" "#include \"include/\\1\"" text "${text}")
  endif()
  string(REGEX REPLACE "(#define DART_API_DL_MINOR_VERSION) [0-9]+" "\\1 ${MINOR}" text "${text}")
  if(STRING STREQUAL "mutable" AND file STREQUAL "dart_native_api.h")
    string(FIND "${text}" "    const char* as_string;" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "make_dart_sdk: no const char* as_string in ${bundled}/${file}")
    endif()
    string(REPLACE "    const char* as_string;" "    char* as_string;" text "${text}")
  endif()
  file(WRITE "${DESTINATION}/include/${file}" "${text}")
endforeach()

# An SDK's root holds a file named "version": the build must never find it
# in place of the standard header <version>.
file(WRITE "${DESTINATION}/version" "#error the Dart SDK's version file was included\n")

file(STRINGS "${DESTINATION}/include/dart_api_dl.c" include_lines REGEX "^#include \"")
list(JOIN include_lines ", " include_text)
message(STATUS "Dart SDK stand-in (${LAYOUT} layout, API 2.${MINOR}, ${STRING} as_string) in ${DESTINATION}: "
               "dart_api_dl.c has ${include_text}")
