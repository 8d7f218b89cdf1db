# Linking the bridge on Apple platforms, in either form: libzelbridge.dylib
# or zelbridge.framework (ZELBRIDGE_APPLE_FRAMEWORK, cmake/AppleFramework.cmake).
#   - The install name is under @rpath, and the one LC_RPATH finds the SDK's
#     framework beside the bridge, where an app bundle puts both. The build
#     tree gets the same names as an installed copy, so no path of the build
#     machine ends up in a load command.
#   - Only the Dart exports leave the library (and, from the framework, the
#     JSON library): the exported-symbols list is Mach-O's counterpart of
#     the Linux version script, and also keeps in a C++ runtime that a
#     toolchain links statically.
#   - -dead_strip drops unreferenced code, as Xcode's builds do. Exports are
#     kept as roots, and carry "used" besides.

# The SDK ships for Apple as the framework ZelSDKFull: the bridge links the
# binary inside it.
if(ZELBRIDGE_SDK_LIBRARY MATCHES "\\.framework/?$")
  string(REGEX REPLACE "/$" "" sdk_framework "${ZELBRIDGE_SDK_LIBRARY}")
  get_filename_component(sdk_framework_name ${sdk_framework} NAME_WE)
  set_target_properties(zelbridge_sdk PROPERTIES IMPORTED_LOCATION ${sdk_framework}/${sdk_framework_name})
endif()

if(ZELBRIDGE_APPLE_FRAMEWORK)
  include(${CMAKE_CURRENT_LIST_DIR}/AppleFramework.cmake)
endif()

# @loader_path is the folder of the bridge's binary; the SDK's framework lies
# beside the bridge's library, or beside its framework in the app's
# Frameworks folder (Versions/A is two levels deeper on macOS).
if(NOT ZELBRIDGE_APPLE_FRAMEWORK)
  set(zelbridge_sdk_search_path "@loader_path")
elseif(CMAKE_SYSTEM_NAME STREQUAL "iOS")
  set(zelbridge_sdk_search_path "@loader_path/..")
else()
  set(zelbridge_sdk_search_path "@loader_path/../../..")
endif()
set_target_properties(zelbridge PROPERTIES
  INSTALL_NAME_DIR "@rpath"
  BUILD_WITH_INSTALL_NAME_DIR ON
  INSTALL_RPATH "${zelbridge_sdk_search_path}"
  BUILD_WITH_INSTALL_RPATH ON)
target_link_options(zelbridge PRIVATE
  "LINKER:-dead_strip"
  "LINKER:-exported_symbols_list,${PROJECT_SOURCE_DIR}/cmake/zelbridge.exports")
set_property(TARGET zelbridge APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/zelbridge.exports)

include(${CMAKE_CURRENT_LIST_DIR}/AppleDebugSymbols.cmake)
