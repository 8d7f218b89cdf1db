# The iOS build (taken only when CMake targets iOS, ZELBRIDGE_IOS_FRAMEWORK):
# zelbridge.framework, linking the SDK's ZelSDKFull framework, and
# publishing the JSON library's interface by name.
set(ZELBRIDGE_IOS_BUNDLE_IDENTIFIER "com.zelbridge.zelbridge" CACHE STRING
  "Bundle identifier of zelbridge.framework")
# The minimum iOS version is CMAKE_OSX_DEPLOYMENT_TARGET, set before the
# compilers are chosen (cmake/toolchains/ios-arm64.cmake).

set_target_properties(zelbridge PROPERTIES
  FRAMEWORK TRUE
  MACOSX_FRAMEWORK_IDENTIFIER ${ZELBRIDGE_IOS_BUNDLE_IDENTIFIER}
  MACOSX_FRAMEWORK_BUNDLE_VERSION ${PROJECT_VERSION}
  MACOSX_FRAMEWORK_SHORT_VERSION_STRING ${PROJECT_VERSION}
  PUBLIC_HEADER "${PROJECT_SOURCE_DIR}/include/zelbridge.h;${PROJECT_SOURCE_DIR}/src/json/json.h"
  XCODE_ATTRIBUTE_PRODUCT_BUNDLE_IDENTIFIER ${ZELBRIDGE_IOS_BUNDLE_IDENTIFIER}
  XCODE_ATTRIBUTE_IPHONEOS_DEPLOYMENT_TARGET ${CMAKE_OSX_DEPLOYMENT_TARGET}
  INSTALL_NAME_DIR "@rpath")

# The SDK is a framework: the bridge links the binary inside it.
get_filename_component(sdk_framework_name ${ZELBRIDGE_SDK_LIBRARY} NAME_WE)
if(ZELBRIDGE_SDK_LIBRARY MATCHES "\\.framework/?$")
  set_target_properties(ZelSDK PROPERTIES
    IMPORTED_LOCATION ${ZELBRIDGE_SDK_LIBRARY}/${sdk_framework_name})
endif()

# The JSON classes and functions get default visibility and are all linked
# in, including those the bridge itself never calls (the parser).
target_compile_definitions(zeljson PUBLIC "ZELJSON_API=__attribute__((visibility(\"default\")))")
set_target_properties(zeljson PROPERTIES CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
target_link_options(zelbridge PRIVATE "LINKER:-force_load,$<TARGET_FILE:zeljson>")
