# Checks the link commands of the shared libraries in a configured Android
# build (`ninja -t commands`, nothing is linked):
#   - with PAGE_SIZE=ON (64-bit ABIs) each carries -Wl,-z,max-page-size=16384,
#     with PAGE_SIZE=OFF (32-bit ABIs) none does;
#   - each carries every flag of TOOLCHAIN_FLAGS, the toolchain's own;
#   - LIBRARIES names the libraries expected (libzelbridge.so, and
#     libZelSDK.so when the stand-in SDK is built), and each must be linked.
# With SDK_LIBRARY, libzelbridge.so must link that file, not a stand-in.
#
#   cmake -DBUILD_DIR=<dir> -DPAGE_SIZE=ON|OFF "-DTOOLCHAIN_FLAGS=<flag;...>"
#         "-DLIBRARIES=libzelbridge.so;..." [-DSDK_LIBRARY=<path>] [-DNINJA=ninja]
#         -P check_link_flags.cmake
cmake_minimum_required(VERSION 3.20)

foreach(required BUILD_DIR PAGE_SIZE TOOLCHAIN_FLAGS LIBRARIES)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_link_flags: -D${required}=... is required")
  endif()
endforeach()
if(NOT NINJA)
  set(NINJA ninja)
endif()

execute_process(COMMAND "${NINJA}" -C "${BUILD_DIR}" -t commands
  OUTPUT_VARIABLE commands ERROR_VARIABLE error RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "check_link_flags: ninja -t commands failed in ${BUILD_DIR}: ${error}")
endif()
string(REPLACE ";" "@" commands "${commands}")
string(REPLACE "\n" ";" lines "${commands}")

set(page_flag "-Wl,-z,max-page-size=16384")
set(faults "")
set(linked "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES " -shared " OR NOT line MATCHES " -o ([^ ]+\\.so) ")
    continue()
  endif()
  get_filename_component(library "${CMAKE_MATCH_1}" NAME)
  list(APPEND linked "${library}")
  string(FIND "${line} " " ${page_flag} " page_position)
  if(PAGE_SIZE AND page_position EQUAL -1)
    string(APPEND faults "\n  ${library} links without ${page_flag}")
  elseif(NOT PAGE_SIZE AND NOT page_position EQUAL -1)
    string(APPEND faults "\n  ${library} links with ${page_flag} on a 32-bit ABI")
  endif()
  foreach(flag IN LISTS TOOLCHAIN_FLAGS)
    string(FIND "${line} " " ${flag} " position)
    if(position EQUAL -1)
      string(APPEND faults "\n  ${library} lost the toolchain's ${flag}")
    endif()
  endforeach()
  # CMake links the SDK's file by its path, or as -L<folder> -l<name>.
  if(library STREQUAL "libzelbridge.so" AND SDK_LIBRARY)
    get_filename_component(sdk_folder "${SDK_LIBRARY}" DIRECTORY)
    string(FIND "${line} " " ${SDK_LIBRARY} " by_path)
    string(FIND "${line} " " -L${sdk_folder} " by_folder)
    if(by_path EQUAL -1 AND (by_folder EQUAL -1 OR NOT line MATCHES " -lZelSDK( |$)"))
      string(APPEND faults "\n  libzelbridge.so does not link ${SDK_LIBRARY}")
    endif()
  endif()
endforeach()
list(SORT linked)
set(expected ${LIBRARIES})
list(SORT expected)
if(NOT linked STREQUAL expected)
  string(APPEND faults "\n  links [${linked}], expected [${expected}]")
endif()
if(faults)
  message(FATAL_ERROR "Link flag check failed in ${BUILD_DIR}:${faults}")
endif()
if(PAGE_SIZE)
  set(pages "with ${page_flag}")
else()
  set(pages "without ${page_flag}")
endif()
get_filename_component(build_name "${BUILD_DIR}" NAME)
list(JOIN linked ", " linked_text)
message(STATUS "Link flag check (${build_name}): ${linked_text} ${pages}, the toolchain's flags kept")
