# zelbridge.framework (ZELBRIDGE_APPLE_FRAMEWORK; the only form on iOS). CMake
# lays out each platform's bundle: Versions/A with symbolic links on macOS,
# flat on iOS. The framework also publishes the JSON library's interface by
# name, as the iOS build must.
set(ZELBRIDGE_BUNDLE_IDENTIFIER "com.zelbridge.zelbridge" CACHE STRING
  "Bundle identifier of zelbridge.framework")

# Read by cmake/FrameworkInfo.plist.in, with the minimum OS version
# (CMAKE_OSX_DEPLOYMENT_TARGET, set by the toolchain file or on the command
# line) under the key each platform's loader and App Store checks read.
if(CMAKE_SYSTEM_NAME STREQUAL "iOS")
  set(zelbridge_bundle_platform iPhoneOS)
  set(zelbridge_minimum_os_key MinimumOSVersion)
else()
  set(zelbridge_bundle_platform MacOSX)
  set(zelbridge_minimum_os_key LSMinimumSystemVersion)
endif()

# The public headers go into Headers/ only as sources of the target. Ninja
# copies them before compiling the target's own sources, and the bridge has
# none (its objects are other targets'), so the link waits for the copies.
set(zelbridge_public_headers ${PROJECT_SOURCE_DIR}/include/zelbridge.h ${PROJECT_SOURCE_DIR}/src/json/json.h)
target_sources(zelbridge PRIVATE ${zelbridge_public_headers})
foreach(header IN LISTS zelbridge_public_headers)
  get_filename_component(header_name ${header} NAME)
  set_property(TARGET zelbridge APPEND PROPERTY
    LINK_DEPENDS "$<TARGET_FILE_DIR:zelbridge>/Headers/${header_name}")
endforeach()
set_target_properties(zelbridge PROPERTIES
  FRAMEWORK TRUE
  FRAMEWORK_VERSION A
  MACOSX_FRAMEWORK_INFO_PLIST ${PROJECT_SOURCE_DIR}/cmake/FrameworkInfo.plist.in
  MACOSX_FRAMEWORK_IDENTIFIER ${ZELBRIDGE_BUNDLE_IDENTIFIER}
  MACOSX_FRAMEWORK_BUNDLE_VERSION ${PROJECT_VERSION}
  MACOSX_FRAMEWORK_SHORT_VERSION_STRING ${PROJECT_VERSION}
  PUBLIC_HEADER "${zelbridge_public_headers}"
  XCODE_ATTRIBUTE_PRODUCT_BUNDLE_IDENTIFIER ${ZELBRIDGE_BUNDLE_IDENTIFIER})
if(CMAKE_SYSTEM_NAME STREQUAL "iOS")
  set_target_properties(zelbridge PROPERTIES
    XCODE_ATTRIBUTE_IPHONEOS_DEPLOYMENT_TARGET ${CMAKE_OSX_DEPLOYMENT_TARGET})
else()
  set_target_properties(zelbridge PROPERTIES
    XCODE_ATTRIBUTE_MACOSX_DEPLOYMENT_TARGET ${CMAKE_OSX_DEPLOYMENT_TARGET})
endif()

# The JSON classes and functions get default visibility and are all linked
# in, including those the bridge itself never calls (the parser); the
# exported-symbols list lets the json namespace out.
target_compile_definitions(zelbridge_json PUBLIC "ZELJSON_API=__attribute__((visibility(\"default\")))")
set_target_properties(zelbridge_json PROPERTIES CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
target_link_options(zelbridge PRIVATE "LINKER:-force_load,$<TARGET_FILE:zelbridge_json>"
  "LINKER:-exported_symbols_list,${PROJECT_SOURCE_DIR}/cmake/zeljson.exports")
set_property(TARGET zelbridge APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/zeljson.exports)
