# Writes the two inputs of export_classes_test.cpp, so that the test is
# compiled against the current public header and integration guide:
#   export_names.inc  ZELBRIDGE_EXPORT_UNDER_TEST(<name>) for each function
#                     the header declares with ZELBRIDGE_EXPORT
#   guide_text.inc    the guide's text, as a raw string literal
#
#   cmake -DHEADER=include/zelbridge.h -DGUIDE=docs/dart-integration.md
#         -DOUTPUT_DIR=<dir> -P export_classes_inputs.cmake

cmake_minimum_required(VERSION 3.20)

foreach(required HEADER GUIDE OUTPUT_DIR)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "export_classes_inputs: -D${required}=... is required")
  endif()
endforeach()

# Every export's name stands on the line of its ZELBRIDGE_EXPORT, in front of
# its parameter list. A line's ";" splits it into two list items; only the
# first names the export.
set(export_line "^ZELBRIDGE_EXPORT [^(]*[ *]Dart[A-Za-z0-9_]*\\(")
file(STRINGS "${HEADER}" declarations REGEX "${export_line}")
set(names "")
foreach(declaration IN LISTS declarations)
  if(NOT declaration MATCHES "${export_line}")
    continue()
  endif()
  string(REGEX REPLACE "^ZELBRIDGE_EXPORT [^(]*[ *](Dart[A-Za-z0-9_]*)\\(.*$" "\\1" name
                       "${declaration}")
  string(APPEND names "ZELBRIDGE_EXPORT_UNDER_TEST(${name})\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/export_names.inc" "${names}")

file(READ "${GUIDE}" guide)
if(guide MATCHES "\\)guide_text\"")
  message(FATAL_ERROR "export_classes_inputs: ${GUIDE} holds the literal's end marker")
endif()
file(WRITE "${OUTPUT_DIR}/guide_text.inc" "R\"guide_text(${guide})guide_text\"\n")
