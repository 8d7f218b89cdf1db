# Records what the bridge posts while its test programs and the demo run, for
# envelope_recording_test.dart: each program runs with ZELBRIDGE_RECORD_POSTS
# naming RECORDING (the Dart runtime stand-in appends every text it is
# handed), and the texts of the demo's --raw transcript go to DEMO_TEXTS.
# Fails when a program fails or nothing was recorded, so that the Dart test
# never checks a recording that is stale, cut short or missing.
#
#   cmake -DPROGRAMS=<program>|<program>... -DDEMO=<zelbridge-demo>
#         -DLIBRARY=<libzelbridge> -DRECORDING=<file> -DDEMO_TEXTS=<file>
#         -P record_posts.cmake
string(REPLACE "|" ";" programs "${PROGRAMS}")
file(REMOVE "${RECORDING}" "${DEMO_TEXTS}")
get_filename_component(folder "${RECORDING}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
set(failed "")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "ZELBRIDGE_RECORD_POSTS=${RECORDING}" ${program}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  get_filename_component(name "${program}" NAME)
  message(STATUS "${name}: exit ${status}")
  if(NOT status EQUAL 0)
    list(APPEND failed "${name} (exit ${status})")
  endif()
endforeach()
execute_process(COMMAND ${DEMO} --library ${LIBRARY} --raw
  OUTPUT_FILE "${DEMO_TEXTS}" RESULT_VARIABLE status)
message(STATUS "zelbridge-demo --raw: exit ${status}")
if(NOT status EQUAL 0)
  list(APPEND failed "zelbridge-demo (exit ${status})")
endif()
foreach(file IN ITEMS "${RECORDING}" "${DEMO_TEXTS}")
  if(NOT EXISTS "${file}")
    list(APPEND failed "nothing recorded into ${file}")
    continue()
  endif()
  file(SIZE "${file}" size)
  message(STATUS "${file}: ${size} bytes")
  if(size EQUAL 0)
    list(APPEND failed "nothing recorded into ${file}")
  endif()
endforeach()
if(failed)
  list(JOIN failed ", " failed)
  message(FATAL_ERROR "Recording the bridge's posts failed: ${failed}")
endif()
