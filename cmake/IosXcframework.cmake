# zelbridge.xcframework (ZELBRIDGE_IOS_XCFRAMEWORK; presets ios and
# production-ios). Builds this project once per iOS slice, each through its
# configure preset (ios-arm64, ios-simulator-arm64, ios-simulator-x86_64) in
# slices/<preset>/, then joins the three static libraries into
# zelbridge.xcframework with cmake/MakeXcframework.cmake, and registers the
# checks of what it made.
include(ExternalProject)

include(${PROJECT_SOURCE_DIR}/cmake/toolchains/ios-deployment-target.cmake)
set(zelbridge_ios_device_slices arm64:ios-arm64)
set(zelbridge_ios_simulator_slices arm64:ios-simulator-arm64 x86_64:ios-simulator-x86_64)

# What the slices take from this configuration: the real Dart SDK's headers
# in a production build, and with them the refusal to build without.
set(zelbridge_ios_slice_options
  -DZELBRIDGE_WARNINGS_AS_ERRORS=${ZELBRIDGE_WARNINGS_AS_ERRORS}
  -DCMAKE_OSX_DEPLOYMENT_TARGET=${zelbridge_ios_minimum_os})
foreach(variable ZELBRIDGE_DART_SDK_INCLUDE_DIR ZELBRIDGE_REQUIRED_PATHS)
  if(${variable})
    string(REPLACE ";" "$<SEMICOLON>" value "${${variable}}")
    list(APPEND zelbridge_ios_slice_options "-D${variable}=${value}")
  endif()
endforeach()

# The slices build one after the other (the console pool holds one job), each
# with Ninja's own parallelism; every build of this configuration lets each
# slice's Ninja see what changed.
foreach(slice IN LISTS zelbridge_ios_device_slices zelbridge_ios_simulator_slices)
  string(REGEX REPLACE "^[^:]*:" "" preset "${slice}")
  set(slice_dir ${CMAKE_BINARY_DIR}/slices/${preset})
  ExternalProject_Add(${preset}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${slice_dir}
    CONFIGURE_COMMAND ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR> --preset ${preset}
                      ${zelbridge_ios_slice_options}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR>
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${slice_dir}/lib/libzelbridge.a
    USES_TERMINAL_CONFIGURE ON
    USES_TERMINAL_BUILD ON)
  set(zelbridge_ios_library_${preset} ${slice_dir}/lib/libzelbridge.a)
  list(APPEND zelbridge_ios_libraries ${slice_dir}/lib/libzelbridge.a)
endforeach()

# "arch:library" items, joined by "," for the script.
function(zelbridge_ios_slice_list slices out_var)
  set(items "")
  foreach(slice IN LISTS slices)
    string(REGEX MATCH "^[^:]*" arch "${slice}")
    string(REGEX REPLACE "^[^:]*:" "" preset "${slice}")
    list(APPEND items "${arch}:${zelbridge_ios_library_${preset}}")
  endforeach()
  list(JOIN items "," joined)
  set(${out_var} "${joined}" PARENT_SCOPE)
endfunction()
zelbridge_ios_slice_list("${zelbridge_ios_device_slices}" device_libraries)
zelbridge_ios_slice_list("${zelbridge_ios_simulator_slices}" simulator_libraries)

find_program(ZELBRIDGE_LIPO llvm-lipo-14 REQUIRED)
set(zelbridge_ios_headers ${PROJECT_SOURCE_DIR}/include/zelbridge.h ${PROJECT_SOURCE_DIR}/src/json/json.h)
list(JOIN zelbridge_ios_headers "," header_list)
set(xcframework ${CMAKE_BINARY_DIR}/zelbridge.xcframework)
add_custom_command(OUTPUT ${xcframework}/Info.plist
  COMMAND ${CMAKE_COMMAND} -DDEVICE=${device_libraries} -DSIMULATOR=${simulator_libraries}
          -DHEADERS=${header_list} -DLIPO=${ZELBRIDGE_LIPO} -DOUTPUT=${xcframework}
          -P ${PROJECT_SOURCE_DIR}/cmake/MakeXcframework.cmake
  DEPENDS ${zelbridge_ios_libraries} ${zelbridge_ios_headers}
          ${PROJECT_SOURCE_DIR}/cmake/MakeXcframework.cmake
  COMMENT "Joining the iOS slices into zelbridge.xcframework"
  VERBATIM)
add_custom_target(xcframework ALL DEPENDS ${xcframework}/Info.plist)

enable_testing()
include(${PROJECT_SOURCE_DIR}/tests/ios_checks.cmake)
