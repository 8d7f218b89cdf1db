# Reading the bridge's public header for the export checks (check_exports,
# check_dll_tables, check_macho), so that they agree on what it declares.

# The text of a C or C++ file without its comments, with each ";" turned into
# "@" so that CMake's lists (";"-separated) cannot split a match.
function(read_without_comments path out_var)
  file(READ "${path}" text)
  string(REPLACE ";" "@" text "${text}")
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " text "${text}")
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# The names of the functions the header declares with ZELBRIDGE_EXPORT, in
# the header's order; a fatal error, naming checker, when it declares none.
function(header_export_names header checker out_var)
  read_without_comments("${header}" text)
  string(REGEX MATCHALL "ZELBRIDGE_EXPORT[^@{}()#]*[^A-Za-z0-9_]Dart[A-Za-z0-9_]*[ \t\r\n]*\\("
                        declarations "${text}")
  set(names "")
  foreach(declaration IN LISTS declarations)
    string(REGEX REPLACE "^.*[^A-Za-z0-9_](Dart[A-Za-z0-9_]*)[ \t\r\n]*\\($" "\\1" name
                         "${declaration}")
    list(APPEND names "${name}")
  endforeach()
  if(NOT names)
    message(FATAL_ERROR "${checker}: no ZELBRIDGE_EXPORT declarations in ${header}")
  endif()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()
