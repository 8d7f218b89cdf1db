# Joins installed single-architecture macOS builds of the bridge (each
# `cmake --install` of a macOS preset into a prefix of its own, with the
# component "symbols" if the .dSYM is wanted) into one universal build:
#
#   cmake -DSLICES="<arm64 prefix>;<x86-64 prefix>" -DOUTPUT=<prefix>
#         -DLIPO=llvm-lipo-14 -P cmake/MacOSUniversal.cmake
#
# The first prefix's tree is copied whole (symbolic links of the framework's
# Versions/A layout, headers, Info.plist, the CMake package). Each Mach-O file
# in it, the framework's binary or the dylib and the DWARF file inside a
# .dSYM, is then replaced by the lipo of that file from every prefix. Every
# other file must be the same in all prefixes: an Info.plist or header that
# differs means the slices are not of one build.

cmake_minimum_required(VERSION 3.20)

foreach(required SLICES OUTPUT LIPO)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "MacOSUniversal: -D${required}=... is required")
  endif()
endforeach()
list(LENGTH SLICES slice_count)
if(slice_count LESS 2)
  message(FATAL_ERROR "MacOSUniversal: SLICES names ${slice_count} prefix; a universal build joins two or more")
endif()
set(prefixes "")
foreach(slice IN LISTS SLICES)
  get_filename_component(slice "${slice}" ABSOLUTE)
  list(APPEND prefixes "${slice}")
endforeach()
set(SLICES ${prefixes})
get_filename_component(OUTPUT "${OUTPUT}" ABSOLUTE)
list(GET SLICES 0 first)

file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
file(GLOB first_entries LIST_DIRECTORIES true "${first}/*")
file(COPY ${first_entries} DESTINATION "${OUTPUT}")

# Files only: a symbolic link follows its target.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${first}" "${first}/*")
set(joined "")
foreach(file IN LISTS files)
  if(IS_SYMLINK "${first}/${file}")
    continue()
  endif()
  # Thin 64-bit Mach-O, little-endian: cf fa ed fe.
  file(READ "${first}/${file}" magic LIMIT 4 HEX)
  set(inputs "")
  foreach(slice IN LISTS SLICES)
    if(NOT EXISTS "${slice}/${file}")
      message(FATAL_ERROR "MacOSUniversal: ${slice} has no ${file}")
    endif()
    list(APPEND inputs "${slice}/${file}")
  endforeach()
  if(magic STREQUAL "cffaedfe")
    execute_process(COMMAND "${LIPO}" -create ${inputs} -output "${OUTPUT}/${file}"
                    RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "MacOSUniversal: lipo of ${file} failed: ${error}")
    endif()
    list(APPEND joined "${file}")
  else()
    foreach(input IN LISTS inputs)
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${first}/${file}" "${input}"
                      RESULT_VARIABLE differs)
      if(differs)
        message(FATAL_ERROR "MacOSUniversal: ${file} differs between ${first} and ${input}")
      endif()
    endforeach()
  endif()
endforeach()
if(NOT joined)
  message(FATAL_ERROR "MacOSUniversal: no Mach-O file in ${first}")
endif()
list(JOIN joined "\n  " joined_text)
message(STATUS "Universal build in ${OUTPUT}, joined from ${slice_count} slices:\n  ${joined_text}")
