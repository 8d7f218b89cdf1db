# Joins iOS static libraries into an xcframework, the form in which Xcode and
# CocoaPods take one library built for several platforms, and writes its
# Info.plist as `xcodebuild -create-xcframework` does (there is no xcodebuild
# here):
#   zelbridge.xcframework/
#     Info.plist
#     ios-arm64/libzelbridge.a                    the device library
#     ios-arm64_x86_64-simulator/libzelbridge.a   the simulator libraries, joined by lipo
#     <each>/Headers/zelbridge/                   the public headers
# The headers lie in a folder named after the library, so that an app
# includes them as <zelbridge/zelbridge.h> and <zelbridge/json.h>, as from
# the framework, and no other library's json.h can collide with them.
#
#   cmake -DDEVICE=arm64:<lib.a> -DSIMULATOR=arm64:<lib.a>,x86_64:<lib.a>
#         -DHEADERS=<header>,<header> -DLIPO=llvm-lipo-14
#         -DOUTPUT=<dir>/zelbridge.xcframework -P MakeXcframework.cmake

cmake_minimum_required(VERSION 3.21)

foreach(required DEVICE SIMULATOR HEADERS LIPO OUTPUT)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "MakeXcframework: -D${required}=... is required")
  endif()
endforeach()

get_filename_component(library_name "${OUTPUT}" NAME_WE)
set(library_file lib${library_name}.a)
string(REPLACE "," ";" headers "${HEADERS}")

# Starts afresh: nothing of an earlier layout may stay behind.
file(REMOVE_RECURSE "${OUTPUT}")

set(entries "")
# One library of the xcframework: its folder ios-<archs>[-<variant>], with
# the library (one file, or a universal one of several) and the headers.
function(add_library_entry slices variant)
  string(REPLACE "," ";" slices "${slices}")
  set(archs "")
  set(files "")
  foreach(slice IN LISTS slices)
    if(NOT slice MATCHES "^([a-z0-9_]+):(.+)$")
      message(FATAL_ERROR "MakeXcframework: \"${slice}\" is not <arch>:<library>")
    endif()
    list(APPEND archs "${CMAKE_MATCH_1}")
    list(APPEND files "${CMAKE_MATCH_2}")
  endforeach()
  list(SORT archs)
  list(JOIN archs "_" arch_part)
  set(identifier "ios-${arch_part}")
  if(variant)
    string(APPEND identifier "-${variant}")
  endif()

  set(folder "${OUTPUT}/${identifier}")
  file(MAKE_DIRECTORY "${folder}/Headers/${library_name}")
  list(LENGTH files file_count)
  if(file_count EQUAL 1)
    file(COPY_FILE "${files}" "${folder}/${library_file}")
  else()
    execute_process(COMMAND "${LIPO}" -create ${files} -output "${folder}/${library_file}"
                    RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "MakeXcframework: ${LIPO} -create ${files} failed: ${error}")
    endif()
  endif()
  file(COPY ${headers} DESTINATION "${folder}/Headers/${library_name}")

  set(arch_strings "")
  foreach(arch IN LISTS archs)
    string(APPEND arch_strings "\n\t\t\t\t<string>${arch}</string>")
  endforeach()
  set(variant_keys "")
  if(variant)
    set(variant_keys "\n\t\t\t<key>SupportedPlatformVariant</key>\n\t\t\t<string>${variant}</string>")
  endif()
  string(APPEND entries "
\t\t<dict>
\t\t\t<key>BinaryPath</key>
\t\t\t<string>${library_file}</string>
\t\t\t<key>HeadersPath</key>
\t\t\t<string>Headers</string>
\t\t\t<key>LibraryIdentifier</key>
\t\t\t<string>${identifier}</string>
\t\t\t<key>LibraryPath</key>
\t\t\t<string>${library_file}</string>
\t\t\t<key>SupportedArchitectures</key>
\t\t\t<array>${arch_strings}
\t\t\t</array>
\t\t\t<key>SupportedPlatform</key>
\t\t\t<string>ios</string>${variant_keys}
\t\t</dict>")
  set(entries "${entries}" PARENT_SCOPE)
endfunction()

add_library_entry("${DEVICE}" "")
add_library_entry("${SIMULATOR}" simulator)

file(WRITE "${OUTPUT}/Info.plist" "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">
<plist version=\"1.0\">
<dict>
\t<key>AvailableLibraries</key>
\t<array>${entries}
\t</array>
\t<key>CFBundlePackageType</key>
\t<string>XFWK</string>
\t<key>XCFrameworkFormatVersion</key>
\t<string>1.0</string>
</dict>
</plist>
")
