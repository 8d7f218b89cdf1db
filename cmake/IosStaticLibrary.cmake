# libzelbridge.a for one iOS slice (ZELBRIDGE_IOS_STATIC_LIBRARY, set by the
# toolchains cmake/toolchains/*-ios*.cmake). The app links it: nothing is
# linked here, since the iOS SDK's libSystem and libc++ stubs are not on this
# machine. So the archive holds everything of the bridge in one file, the
# bridge, its JSON library and the Dart API layer, and nothing of the SDK,
# which the app links as the vendor's ZelSDKFull. cmake/IosXcframework.cmake
# joins the slices into zelbridge.xcframework.

# The JSON library's target, which the archive takes whole.
set(zelbridge_json_target zelbridge_json)

# The archive ships with its debug information: Xcode's link of the app
# gathers it into the app's .dSYM. It names the sources as src/..., relative
# to the project, as the split production builds do, and no folder of the
# build machine: not the checkout, the build tree (the compiler's working
# directory) nor an outside Dart SDK.
add_compile_options(-g
  "-ffile-prefix-map=${PROJECT_SOURCE_DIR}/="
  "-ffile-prefix-map=${PROJECT_BINARY_DIR}=")
if(ZELBRIDGE_DART_SDK_INCLUDE_DIR)
  get_filename_component(zelbridge_dart_sdk_include "${ZELBRIDGE_DART_SDK_INCLUDE_DIR}" ABSOLUTE)
  add_compile_options("-ffile-prefix-map=${zelbridge_dart_sdk_include}=dart-sdk/include")
endif()

# Called by src/CMakeLists.txt in place of the shared library. The JSON
# library is published by name, as the iOS framework publishes it: its
# classes and functions keep default visibility, so the app's own code may
# use them. Everything else of the bridge but the Dart exports stays hidden.
function(zelbridge_add_ios_static_library)
  target_compile_definitions(${zelbridge_json_target}
    PUBLIC "ZELJSON_API=__attribute__((visibility(\"default\")))")
  set_target_properties(${zelbridge_json_target} PROPERTIES
    CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
  add_library(zelbridge STATIC
    $<TARGET_OBJECTS:zelbridge_objects>
    $<TARGET_OBJECTS:zelbridge_dart_api>
    $<TARGET_OBJECTS:${zelbridge_json_target}>)
  set_target_properties(zelbridge PROPERTIES
    ARCHIVE_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
  target_include_directories(zelbridge INTERFACE
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()
