# Writes the names of the functions that the bridge's public header declares
# with ZELBRIDGE_EXPORT as C string literals, one a line, for host_app.cc.
#
#   cmake -DHEADER=include/zelbridge.h -DOUTPUT=export_names.inc -P export_names.cmake
cmake_minimum_required(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/../../header_exports.cmake")

header_export_names("${HEADER}" export_names names)
list(TRANSFORM names PREPEND "\"")
list(TRANSFORM names APPEND "\",\n")
list(JOIN names "" text)
file(WRITE "${OUTPUT}" "${text}")
