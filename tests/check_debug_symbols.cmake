# Checks a shipped library against the debug file split off it (ELF
# lib.so + lib.so.debug, or PE zelbridge.dll + zelbridge.dll.debug):
#   - the library carries no debug sections and no symbol table, so neither
#     DWARF nor local symbols ship, and names its debug file in .gnu_debuglink;
#   - the debug file holds the DWARF (.debug_info);
#   - both carry the same build id (ELF: the GNU build id note; PE: the
#     CodeView signature in the debug directory);
#   - an address inside each export named in EXPORTS, taken from the
#     library's own export table (the middle of the function on ELF, which
#     records its size; the entry on PE), resolves through the debug file
#     alone (addr2line -f -i -e <debug file>) to that export, outermost
#     frame, in a file under SOURCE_PREFIX.
# Any difference is a fatal error, so the check fails.
#
#   cmake -DLIBRARY=libzelbridge.so -DDEBUG_FILE=libzelbridge.so.debug
#         -DOBJDUMP=objdump -DADDR2LINE=addr2line [-DEXPORTS=DartLogin;...]
#         [-DSOURCE_PREFIX=src/] -P check_debug_symbols.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required LIBRARY DEBUG_FILE OBJDUMP ADDR2LINE)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_debug_symbols: -D${required}=... is required")
  endif()
endforeach()
if(NOT EXPORTS)
  set(EXPORTS DartLogin)
endif()
if(NOT DEFINED SOURCE_PREFIX)
  set(SOURCE_PREFIX src/)
endif()

function(run out_var)
  execute_process(COMMAND ${ARGN}
    OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "check_debug_symbols: ${command} failed: ${error}")
  endif()
  string(REPLACE ";" "@" output "${output}")
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

function(section_names file out_var)
  run(headers "${OBJDUMP}" -h "${file}")
  string(REGEX MATCHALL "\n *[0-9]+ [^ \n]+" lines "${headers}")
  set(names "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n *[0-9]+ " "" name "${line}")
    list(APPEND names "${name}")
  endforeach()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

# A section's bytes as one hex string, from the columns of `objdump -s`.
function(section_hex file section out_var)
  run(dump "${OBJDUMP}" -s -j "${section}" "${file}")
  string(REGEX MATCHALL "\n [0-9a-f]+ [^\n]*" lines "${dump}")
  set(hex "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n [0-9a-f]+ " "" line "${line}")
    string(SUBSTRING "${line}" 0 35 columns)
    string(REPLACE " " "" columns "${columns}")
    string(APPEND hex "${columns}")
  endforeach()
  set(${out_var} "${hex}" PARENT_SCOPE)
endfunction()

function(file_format file out_var)
  run(header "${OBJDUMP}" -f "${file}")
  if(NOT header MATCHES "file format ([^ \n]+)")
    message(FATAL_ERROR "check_debug_symbols: no file format in ${OBJDUMP} -f ${file}")
  endif()
  set(${out_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# The GNU build id note (one note: 12 bytes of sizes and type, "GNU\0", the
# id), or the signature of the PE debug directory's CodeView record.
function(build_id file format out_var)
  set(id "")
  if(format MATCHES "^elf")
    section_names("${file}" sections)
    if(".note.gnu.build-id" IN_LIST sections)
      section_hex("${file}" .note.gnu.build-id note)
      string(SUBSTRING "${note}" 32 -1 id)
    endif()
  else()
    run(headers "${OBJDUMP}" -p "${file}")
    if(headers MATCHES "format RSDS signature ([0-9a-f]+)")
      set(id "${CMAKE_MATCH_1}")
    endif()
  endif()
  set(${out_var} "${id}" PARENT_SCOPE)
endfunction()

# The file name that .gnu_debuglink holds, up to its terminating NUL.
function(debuglink_name file out_var)
  section_hex("${file}" .gnu_debuglink hex)
  set(name "")
  string(LENGTH "${hex}" length)
  set(at 0)
  while(at LESS length)
    string(SUBSTRING "${hex}" ${at} 2 byte)
    if(byte STREQUAL "00")
      break()
    endif()
    math(EXPR code "0x${byte}")
    string(ASCII ${code} character)
    string(APPEND name "${character}")
    math(EXPR at "${at} + 2")
  endwhile()
  set(${out_var} "${name}" PARENT_SCOPE)
endfunction()

# Address in the middle of each export, as "name=0x..." entries: ELF from the
# dynamic symbol table (value and size; the low bit only marks Thumb code),
# PE from the export table (image base plus the entry's RVA).
function(export_addresses file format out_var)
  set(addresses "")
  if(format MATCHES "^elf")
    run(symbols "${OBJDUMP}" -T "${file}")
    string(REGEX MATCHALL "\n[0-9a-f]+ g +DF [^\n]*" lines "${symbols}")
    foreach(line IN LISTS lines)
      if(line MATCHES "^\n([0-9a-f]+) g +DF [^ \t]+[ \t]+([0-9a-f]+)[ \t].*[ \t](Dart[A-Za-z0-9_]*)$")
        math(EXPR address "(0x${CMAKE_MATCH_1} & ~1) + 0x${CMAKE_MATCH_2} / 2"
             OUTPUT_FORMAT HEXADECIMAL)
        list(APPEND addresses "${CMAKE_MATCH_3}=${address}")
      endif()
    endforeach()
  else()
    run(headers "${OBJDUMP}" -p "${file}")
    if(NOT headers MATCHES "\nImageBase[ \t]+([0-9a-f]+)")
      message(FATAL_ERROR "check_debug_symbols: no ImageBase in ${OBJDUMP} -p ${file}")
    endif()
    set(image_base "${CMAKE_MATCH_1}")
    # "[   i] +base[   o] rva Export RVA" and, in the names table, "[   i] name".
    string(REGEX MATCHALL "\\[ *[0-9]+\\] \\+base\\[ *[0-9]+\\] [0-9a-f]+ Export RVA" rvas
                          "${headers}")
    foreach(entry IN LISTS rvas)
      string(REGEX MATCH "^\\[ *([0-9]+)\\] \\+base\\[ *[0-9]+\\] ([0-9a-f]+)" _ "${entry}")
      set(rva_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endforeach()
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[ *[0-9]+\\] [^\n]+\n)+)"
                       _ "${headers}")
    string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" names "${CMAKE_MATCH_1}")
    foreach(entry IN LISTS names)
      string(REGEX MATCH "^\\[ *([0-9]+)\\] ([^ \t]+)" _ "${entry}")
      set(index "${CMAKE_MATCH_1}")
      set(name "${CMAKE_MATCH_2}")
      if(DEFINED rva_${index})
        math(EXPR address "0x${image_base} + 0x${rva_${index}}" OUTPUT_FORMAT HEXADECIMAL)
        list(APPEND addresses "${name}=${address}")
      endif()
    endforeach()
  endif()
  set(${out_var} "${addresses}" PARENT_SCOPE)
endfunction()

set(failures "")
file_format("${LIBRARY}" format)

# 1. Nothing of the debug information ships in the library.
section_names("${LIBRARY}" library_sections)
set(debug_sections "")
foreach(section IN LISTS library_sections)
  if(section MATCHES "^\\.z?debug_")
    list(APPEND debug_sections "${section}")
  endif()
endforeach()
if(debug_sections)
  list(JOIN debug_sections " " debug_text)
  string(APPEND failures "\n  the library carries debug sections: ${debug_text}")
endif()
run(symbol_table "${OBJDUMP}" -t "${LIBRARY}")
if(NOT symbol_table MATCHES "\nno symbols")
  string(REGEX MATCHALL "\n[^\n]+" entries "${symbol_table}")
  list(LENGTH entries entry_count)
  string(APPEND failures "\n  the library keeps a symbol table (local symbols included): "
                         "about ${entry_count} lines in ${OBJDUMP} -t")
endif()
get_filename_component(debug_name "${DEBUG_FILE}" NAME)
if(NOT ".gnu_debuglink" IN_LIST library_sections)
  string(APPEND failures "\n  the library has no .gnu_debuglink")
else()
  debuglink_name("${LIBRARY}" link)
  if(NOT link STREQUAL debug_name)
    string(APPEND failures "\n  the library's .gnu_debuglink names \"${link}\", not ${debug_name}")
  endif()
endif()

# 2. The debug file holds the DWARF.
section_names("${DEBUG_FILE}" debug_file_sections)
if(NOT ".debug_info" IN_LIST debug_file_sections)
  string(APPEND failures "\n  the debug file has no .debug_info")
endif()

# 3. The same build id in both.
build_id("${LIBRARY}" "${format}" library_id)
build_id("${DEBUG_FILE}" "${format}" debug_id)
if(library_id STREQUAL "")
  string(APPEND failures "\n  the library has no build id")
elseif(NOT library_id STREQUAL debug_id)
  string(APPEND failures "\n  build ids differ: library ${library_id}, debug file \"${debug_id}\"")
endif()

# 4. Addresses in the library resolve to its exports through the debug file.
export_addresses("${LIBRARY}" "${format}" addresses)
set(resolved "")
foreach(export IN LISTS EXPORTS)
  set(address "")
  foreach(entry IN LISTS addresses)
    if(entry MATCHES "^${export}=(.*)$")
      set(address "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(NOT address)
    string(APPEND failures "\n  ${export} is not in the library's export table")
    continue()
  endif()
  run(frames "${ADDR2LINE}" -f -i -e "${DEBUG_FILE}" ${address})
  string(STRIP "${frames}" frames)
  string(REPLACE "\n" ";" frames "${frames}")
  list(LENGTH frames frame_lines)
  if(frame_lines LESS 2)
    string(APPEND failures "\n  ${export} at ${address}: no answer from ${ADDR2LINE}")
    continue()
  endif()
  # With -i, inlined callees come first and the function holding the address last.
  list(GET frames -2 function)
  list(GET frames -1 location)
  string(REGEX REPLACE " \\(discriminator [0-9]+\\)$" "" location "${location}")
  if(NOT function STREQUAL export OR NOT location MATCHES "^${SOURCE_PREFIX}[^:]+:[0-9]+$")
    string(APPEND failures "\n  ${export} at ${address} resolves to ${function} at ${location}, "
                           "expected ${export} in a file under ${SOURCE_PREFIX}")
  else()
    list(APPEND resolved "${export} at ${address}: ${function} ${location}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Debug symbols check failed:\n  library: ${LIBRARY}\n  debug file: "
                      "${DEBUG_FILE}${failures}")
endif()
list(JOIN resolved "\n  " resolved_text)
message(STATUS "Debug symbols of ${LIBRARY} split off into ${DEBUG_FILE}: no debug sections or "
               "symbol table left, build id ${library_id} in both\n  ${resolved_text}")
