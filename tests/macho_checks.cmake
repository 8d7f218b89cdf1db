# Mach-O builds (macOS; read on the build machine, so also when nothing built
# can run there): the export trie and the load commands of the bridge
# (check_macho.cmake), and that the check fails on a missing export, on a
# run path of the build machine, on another minimum macOS version and on
# another library.
find_program(ZELBRIDGE_MACHO_OBJDUMP NAMES llvm-objdump-14 llvm-objdump)
find_program(ZELBRIDGE_MACHO_NM NAMES llvm-nm-14 llvm-nm)
find_program(ZELBRIDGE_MACHO_LIPO NAMES llvm-lipo-14 llvm-lipo lipo)
find_program(ZELBRIDGE_MACHO_CXXFILT NAMES llvm-cxxfilt-14 llvm-cxxfilt)
if(NOT ZELBRIDGE_MACHO_OBJDUMP OR NOT ZELBRIDGE_MACHO_NM OR NOT ZELBRIDGE_MACHO_LIPO
   OR NOT ZELBRIDGE_MACHO_CXXFILT)
  message(STATUS "zelbridge: Mach-O checks need LLVM's objdump, nm, lipo and cxxfilt; not run")
  return()
endif()

if(CMAKE_OSX_ARCHITECTURES)
  set(macho_archs "${CMAKE_OSX_ARCHITECTURES}")
else()
  set(macho_archs "${CMAKE_SYSTEM_PROCESSOR}")
endif()
# What the bridge must say of itself: its install name, and the run path at
# which it finds the SDK's framework (beside its library, or beside its
# framework: Versions/A is three levels below the folder that holds both).
if(ZELBRIDGE_APPLE_FRAMEWORK)
  set(macho_install_name "@rpath/zelbridge.framework/Versions/A/zelbridge")
  set(macho_rpath "@loader_path/../../..")
  set(macho_json -DJSON_HEADER=${PROJECT_SOURCE_DIR}/src/json/json.h)
else()
  set(macho_install_name "@rpath/libzelbridge.dylib")
  set(macho_rpath "@loader_path")
  set(macho_json "")
endif()
set(macho_check
  ${CMAKE_COMMAND}
  -DHEADER=${PROJECT_SOURCE_DIR}/include/zelbridge.h
  "-DARCHS=${macho_archs}"
  -DMINIMUM_OS=${CMAKE_OSX_DEPLOYMENT_TARGET}
  -DINSTALL_NAME=${macho_install_name}
  -DRPATH=${macho_rpath}
  -DSDK=@rpath/ZelSDKFull.framework/Versions/A/ZelSDKFull
  -DOBJDUMP=${ZELBRIDGE_MACHO_OBJDUMP}
  -DNM=${ZELBRIDGE_MACHO_NM}
  -DLIPO=${ZELBRIDGE_MACHO_LIPO}
  -DCXXFILT=${ZELBRIDGE_MACHO_CXXFILT})
set(macho_check_script ${CMAKE_CURRENT_SOURCE_DIR}/check_macho.cmake)

add_test(NAME macho_exports_and_load_commands
  COMMAND ${macho_check} ${macho_json} -DLIBRARY=$<TARGET_FILE:zelbridge> -P ${macho_check_script})
add_test(NAME macho_check_fails_on_missing_export
  COMMAND ${macho_check} ${macho_json} -DLIBRARY=$<TARGET_FILE:zelbridge>
          -DSIMULATE_MISSING_EXPORT=_DartLogin -P ${macho_check_script})
add_test(NAME macho_check_fails_on_build_path
  COMMAND ${macho_check} ${macho_json} -DLIBRARY=$<TARGET_FILE:zelbridge>
          -DSIMULATE_RPATH=${PROJECT_BINARY_DIR}/lib -P ${macho_check_script})
add_test(NAME macho_check_fails_on_other_minimum_os
  COMMAND ${macho_check} ${macho_json} -DLIBRARY=$<TARGET_FILE:zelbridge>
          -DMINIMUM_OS=10.15 -P ${macho_check_script})
# The stand-in SDK exports none of the bridge's functions but its own, has no
# run path and is not stripped.
add_test(NAME macho_check_fails_on_other_library
  COMMAND ${macho_check} ${macho_json} -DLIBRARY=$<TARGET_FILE:zelbridge_sdk> -P ${macho_check_script})
set_tests_properties(macho_check_fails_on_missing_export PROPERTIES
  PASS_REGULAR_EXPRESSION "Mach-O check failed:.*1 declared in the header but not exported: _DartLogin\n")
set_tests_properties(macho_check_fails_on_build_path PROPERTIES
  PASS_REGULAR_EXPRESSION "Mach-O check failed:.*LC_RPATH [^ ]*/lib is not relative to the loader")
set_tests_properties(macho_check_fails_on_other_minimum_os PROPERTIES
  PASS_REGULAR_EXPRESSION "Mach-O check failed:.*LC_BUILD_VERSION says \"macos\" \"${CMAKE_OSX_DEPLOYMENT_TARGET}\", expected macos 10.15")
set_tests_properties(macho_check_fails_on_other_library PROPERTIES
  PASS_REGULAR_EXPRESSION "Mach-O check failed:.*236 declared in the header but not exported.*neither declared in the header nor of the JSON interface: [^\n]*_ZelLogin.*LC_RPATH is \"\".*debug map entries")
# The dylib does not publish the JSON library: the framework's check fails on it.
if(NOT ZELBRIDGE_APPLE_FRAMEWORK)
  add_test(NAME macho_check_fails_without_json_interface
    COMMAND ${macho_check} -DJSON_HEADER=${PROJECT_SOURCE_DIR}/src/json/json.h
            -DLIBRARY=$<TARGET_FILE:zelbridge> -P ${macho_check_script})
  set_tests_properties(macho_check_fails_without_json_interface PROPERTIES
    PASS_REGULAR_EXPRESSION "Mach-O check failed:.*7 parts of the JSON interface not exported: json::Object::")
endif()
