# Makes, from copies of the built iOS files, the inputs on which the iOS
# checks must fail (tests/ios_checks.cmake), each in WORK_DIR:
#   missing_export.a   the device library without the object that defines
#                      DartLogin, as if its source had been left out;
#   glibc_code.a       the x86-64 simulator library with one more object,
#                      compiled from code written for glibc and for x86 Linux
#                      habits (errno through __errno_location, the compiler
#                      runtime's CPU check, stat through macOS's x86-64
#                      headers) and without the path maps;
#   missing_library/zelbridge.xcframework
#                      the xcframework without its device library.
#
#   cmake -DDEVICE_LIBRARY=<ios-arm64 lib.a> -DSIMULATOR_LIBRARY=<x86_64 simulator lib.a>
#         -DXCFRAMEWORK=<zelbridge.xcframework> -DWORK_DIR=<dir> -DNM=llvm-nm-14
#         -DAR=llvm-ar-14 -DCLANG=clang-14 -DZIG_HOME=<zig> -DMINIMUM_OS=12.0
#         -P make_ios_faulty_inputs.cmake

cmake_minimum_required(VERSION 3.21)

foreach(required DEVICE_LIBRARY SIMULATOR_LIBRARY XCFRAMEWORK WORK_DIR NM AR CLANG ZIG_HOME
                 MINIMUM_OS)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "make_ios_faulty_inputs: -D${required}=... is required")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE error
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "make_ios_faulty_inputs: ${command} failed: ${error}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# "lib.a:member.o: 0000000000000000 T _DartLogin"
run("${NM}" -A --defined-only "${DEVICE_LIBRARY}")
if(NOT output MATCHES "\\(?([^:()\n]+\\.o)\\)?: [0-9a-f]+ T _DartLogin\n")
  message(FATAL_ERROR "make_ios_faulty_inputs: no object of ${DEVICE_LIBRARY} defines _DartLogin")
endif()
file(COPY_FILE "${DEVICE_LIBRARY}" "${WORK_DIR}/missing_export.a")
run("${AR}" d "${WORK_DIR}/missing_export.a" "${CMAKE_MATCH_1}")

set(source "${WORK_DIR}/glibc_code.c")
file(WRITE "${source}" "#include <sys/stat.h>
int *__errno_location(void);
int glibc_habits(const char *path) {
  struct stat status;
  if (__builtin_cpu_supports(\"avx2\") && stat(path, &status) != 0) return *__errno_location();
  return 0;
}
")
set(headers "${ZIG_HOME}/lib/libc/include")
run("${CLANG}" --target=x86_64-apple-ios${MINIMUM_OS}-simulator -g -nostdlibinc
    -isystem "${headers}/x86_64-macos.13-none" -isystem "${headers}/any-macos.13-any"
    -isystem "${headers}/any-macos-any" -c "${source}" -o "${WORK_DIR}/glibc_code.o")
file(COPY_FILE "${SIMULATOR_LIBRARY}" "${WORK_DIR}/glibc_code.a")
run("${AR}" q "${WORK_DIR}/glibc_code.a" "${WORK_DIR}/glibc_code.o")

file(COPY "${XCFRAMEWORK}" DESTINATION "${WORK_DIR}/missing_library")
file(REMOVE "${WORK_DIR}/missing_library/zelbridge.xcframework/ios-arm64/libzelbridge.a")
