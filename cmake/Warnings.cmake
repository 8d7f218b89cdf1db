# Warnings for the project's own targets.
function(zelbridge_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ZELBRIDGE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
