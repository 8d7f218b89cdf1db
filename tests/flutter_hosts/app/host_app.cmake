# The app of the Flutter-shaped hosts (host_app.cc), compiled with the names
# of every export that the bridge's public header declares, written afresh
# whenever the header changes.
set(zelbridge_host_header "${CMAKE_CURRENT_LIST_DIR}/../../../include/zelbridge.h")

function(zelbridge_host_app name)
  set(names "${CMAKE_CURRENT_BINARY_DIR}/export_names.inc")
  add_custom_command(OUTPUT "${names}"
    COMMAND "${CMAKE_COMMAND}" "-DHEADER=${zelbridge_host_header}" "-DOUTPUT=${names}"
            -P "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/export_names.cmake"
    DEPENDS "${zelbridge_host_header}" "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/export_names.cmake"
    VERBATIM)
  add_executable(${name} "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/host_app.cc" "${names}")
  target_include_directories(${name} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
