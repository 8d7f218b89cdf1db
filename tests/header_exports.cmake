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

# The JSON library's interface as demangled-name prefixes: "json::Value::" for
# each class json.h marks ZELJSON_API, "json::Serialize(" for each such
# function; a fatal error, naming checker, when it marks none.
function(json_interface_prefixes json_header checker out_var)
  read_without_comments("${json_header}" text)
  set(prefixes "")
  string(REGEX MATCHALL "class ZELJSON_API [A-Za-z0-9_]+" classes "${text}")
  foreach(class IN LISTS classes)
    string(REGEX REPLACE "^class ZELJSON_API " "" class "${class}")
    list(APPEND prefixes "json::${class}::")
  endforeach()
  string(REGEX MATCHALL "\nZELJSON_API [^@{}(]*[ *&](operator[^ (]+|[A-Za-z0-9_]+)\\(" functions
                        "${text}")
  foreach(function IN LISTS functions)
    string(REGEX REPLACE "^.*[ *&](operator[^ (]+|[A-Za-z0-9_]+)\\($" "json::\\1(" prefix
                         "${function}")
    list(APPEND prefixes "${prefix}")
  endforeach()
  list(REMOVE_DUPLICATES prefixes)
  if(NOT prefixes)
    message(FATAL_ERROR "${checker}: no ZELJSON_API declarations in ${json_header}")
  endif()
  set(${out_var} "${prefixes}" PARENT_SCOPE)
endfunction()

# Sorts Mach-O symbols (with the leading underscore) that are not Dart
# exports: those of namespace json are the JSON library's; the others are
# returned in FOREIGN. MISSING gets the interface prefixes that no json
# symbol starts with, COUNT the number of json symbols.
#   split_json_symbols(SYMBOLS <symbol>... PREFIXES <prefix>... CXXFILT <tool>
#                      FOREIGN <var> MISSING <var> COUNT <var>)
function(split_json_symbols)
  cmake_parse_arguments(PARSE_ARGV 0 split "" "CXXFILT;FOREIGN;MISSING;COUNT" "SYMBOLS;PREFIXES")
  set(foreign "")
  set(count 0)
  set(missing ${split_PREFIXES})
  if(split_SYMBOLS)
    execute_process(COMMAND "${split_CXXFILT}" -_ ${split_SYMBOLS}
                    OUTPUT_VARIABLE demangled RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${split_CXXFILT} failed")
    endif()
    string(REPLACE ";" "@" demangled "${demangled}")
    string(REPLACE "\n" ";" demangled "${demangled}")
    list(LENGTH split_SYMBOLS symbol_count)
    math(EXPR last "${symbol_count} - 1")
    foreach(index RANGE ${last})
      list(GET split_SYMBOLS ${index} symbol)
      list(GET demangled ${index} name)
      if(name MATCHES "^json::")
        math(EXPR count "${count} + 1")
        foreach(prefix IN LISTS missing)
          string(FIND "${name}" "${prefix}" at)
          if(at EQUAL 0)
            list(REMOVE_ITEM missing "${prefix}")
          endif()
        endforeach()
      else()
        list(APPEND foreign "${symbol}")
      endif()
    endforeach()
  endif()
  set(${split_FOREIGN} "${foreign}" PARENT_SCOPE)
  set(${split_MISSING} "${missing}" PARENT_SCOPE)
  set(${split_COUNT} ${count} PARENT_SCOPE)
endfunction()
