# Checks of zelbridge.xcframework, registered by cmake/IosXcframework.cmake,
# read on the build machine with outside tools (nothing built for iOS can run
# here): the Info.plist and the files it names, each library's objects and
# symbols (check_ios_archive.cmake), and the podspec that vendors it. Then
# each check is shown failing on inputs with one fault each, made from copies
# of the built files by make_ios_faulty_inputs.cmake.
set(zig_needed_by "The iOS checks read the libSystem stub of")
set(zig_install_set ios)
include(${PROJECT_SOURCE_DIR}/cmake/toolchains/zig-home.cmake)
find_program(ZELBRIDGE_IOS_NM llvm-nm-14 REQUIRED)
find_program(ZELBRIDGE_IOS_OBJDUMP llvm-objdump-14 REQUIRED)
find_program(ZELBRIDGE_IOS_CXXFILT llvm-cxxfilt-14 REQUIRED)
find_program(ZELBRIDGE_IOS_AR llvm-ar-14 REQUIRED)
find_program(ZELBRIDGE_IOS_CLANG clang-14 REQUIRED)
find_program(ZELBRIDGE_PYTHON3 python3 HINTS /usr/bin REQUIRED)

set(tests_dir ${PROJECT_SOURCE_DIR}/tests)
set(device_library ${xcframework}/ios-arm64/libzelbridge.a)
set(simulator_library ${xcframework}/ios-arm64_x86_64-simulator/libzelbridge.a)

set(xcframework_check ${ZELBRIDGE_PYTHON3} ${tests_dir}/check_xcframework.py
  --expect ios-arm64 --expect ios-arm64_x86_64-simulator
  --header zelbridge/zelbridge.h --header zelbridge/json.h)
add_test(NAME ios_xcframework_and_podspec
  COMMAND ${xcframework_check} ${xcframework}
          --podspec ${PROJECT_SOURCE_DIR}/flutter_plugin/ios/zelbridge.podspec
          --minimum-os ${zelbridge_ios_minimum_os})

set(archive_check ${CMAKE_COMMAND}
  -DMINIMUM_OS=${zelbridge_ios_minimum_os}
  -DHEADER=${PROJECT_SOURCE_DIR}/include/zelbridge.h
  -DJSON_HEADER=${PROJECT_SOURCE_DIR}/src/json/json.h
  -DSDK_HEADER=${PROJECT_SOURCE_DIR}/src/sdk/zel_sdk.h
  -DSYSTEM_STUB=${zig_home}/lib/libc/darwin/libSystem.13.tbd
  -DFORBIDDEN_PATH=${PROJECT_SOURCE_DIR}
  -DNM=${ZELBRIDGE_IOS_NM} -DOBJDUMP=${ZELBRIDGE_IOS_OBJDUMP} -DLIPO=${ZELBRIDGE_LIPO}
  -DCXXFILT=${ZELBRIDGE_IOS_CXXFILT})
set(archive_check_script ${tests_dir}/check_ios_archive.cmake)
add_test(NAME ios_archive_device
  COMMAND ${archive_check} -DLIBRARY=${device_library} -DARCHS=arm64 -DPLATFORM=ios
          -P ${archive_check_script})
add_test(NAME ios_archive_simulator
  COMMAND ${archive_check} -DLIBRARY=${simulator_library} "-DARCHS=arm64$<SEMICOLON>x86_64"
          -DPLATFORM=iossimulator -P ${archive_check_script})

# The faulty inputs: the device library without the object that defines
# DartLogin; the x86-64 simulator library with an object compiled as code
# written for glibc, without the path maps; the xcframework without its
# device library.
set(faulty ${CMAKE_CURRENT_BINARY_DIR}/ios_faulty_inputs)
add_test(NAME ios_faulty_inputs
  COMMAND ${CMAKE_COMMAND} -DDEVICE_LIBRARY=${device_library}
          -DSIMULATOR_LIBRARY=${zelbridge_ios_library_ios-simulator-x86_64}
          -DXCFRAMEWORK=${xcframework} -DWORK_DIR=${faulty} -DNM=${ZELBRIDGE_IOS_NM}
          -DAR=${ZELBRIDGE_IOS_AR} -DCLANG=${ZELBRIDGE_IOS_CLANG} -DZIG_HOME=${zig_home}
          -DMINIMUM_OS=${zelbridge_ios_minimum_os}
          -P ${tests_dir}/make_ios_faulty_inputs.cmake)
set_tests_properties(ios_faulty_inputs PROPERTIES FIXTURES_SETUP ios_faulty_inputs)

add_test(NAME ios_archive_check_fails_on_missing_export
  COMMAND ${archive_check} -DLIBRARY=${faulty}/missing_export.a -DARCHS=arm64 -DPLATFORM=ios
          -P ${archive_check_script})
set_tests_properties(ios_archive_check_fails_on_missing_export PROPERTIES
  PASS_REGULAR_EXPRESSION "iOS archive check failed:.*declared in the header but not defined as exports: [^\n]*_DartLogin ")
# The arm64 simulator library where the device library belongs.
add_test(NAME ios_archive_check_fails_on_wrong_platform
  COMMAND ${archive_check} -DLIBRARY=${zelbridge_ios_library_ios-simulator-arm64} -DARCHS=arm64
          -DPLATFORM=ios -P ${archive_check_script})
set_tests_properties(ios_archive_check_fails_on_wrong_platform PROPERTIES
  PASS_REGULAR_EXPRESSION "iOS archive check failed:.*[0-9]+ objects whose LC_BUILD_VERSION is not ios ${zelbridge_ios_minimum_os}: im_api_ffi.cpp.o \\(\"iossimulator\" \"14.0\"\\)")
add_test(NAME ios_archive_check_fails_on_unresolved_symbols
  COMMAND ${archive_check} -DLIBRARY=${faulty}/glibc_code.a -DARCHS=x86_64
          -DPLATFORM=iossimulator -P ${archive_check_script})
set_tests_properties(ios_archive_check_fails_on_unresolved_symbols PROPERTIES
  PASS_REGULAR_EXPRESSION "iOS archive check failed:.*3 needed symbols that the app's link on iOS cannot resolve: ___cpu_model \\(not exported by the system to iOS code\\) ___errno_location \\(not exported by the system to iOS code\\) _stat\\$INODE64 \\(a macOS-only variant\\)")
add_test(NAME ios_archive_check_fails_on_build_path
  COMMAND ${archive_check} -DLIBRARY=${faulty}/glibc_code.a -DARCHS=x86_64
          -DPLATFORM=iossimulator -P ${archive_check_script})
set_tests_properties(ios_archive_check_fails_on_build_path PROPERTIES
  PASS_REGULAR_EXPRESSION "iOS archive check failed:.*strings name ${PROJECT_SOURCE_DIR}")
add_test(NAME ios_xcframework_check_fails_on_missing_file
  COMMAND ${xcframework_check} ${faulty}/missing_library/zelbridge.xcframework)
set_tests_properties(ios_xcframework_check_fails_on_missing_file PROPERTIES
  PASS_REGULAR_EXPRESSION "xcframework check failed:.*ios-arm64: LibraryPath names ios-arm64/libzelbridge.a, which does not exist")
set_tests_properties(ios_archive_check_fails_on_missing_export
  ios_archive_check_fails_on_unresolved_symbols ios_archive_check_fails_on_build_path
  ios_xcframework_check_fails_on_missing_file PROPERTIES FIXTURES_REQUIRED ios_faulty_inputs)
