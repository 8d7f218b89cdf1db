# For the checks of the Flutter-shaped hosts: writes one line for every
# target created in a folder and the folders below it,
#   <name> built|imported [global]
# so a check can tell which names a plugin brings into the app's build.
function(zelbridge_host_list_targets directory output)
  set(lines "")
  set(pending "${directory}")
  while(pending)
    list(POP_FRONT pending current)
    get_property(built DIRECTORY "${current}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS built)
      string(APPEND lines "${target} built\n")
    endforeach()
    get_property(imported DIRECTORY "${current}" PROPERTY IMPORTED_TARGETS)
    # A local imported target is not even visible from here; only a GLOBAL
    # one is.
    foreach(target IN LISTS imported)
      set(global FALSE)
      if(TARGET ${target})
        get_property(global TARGET ${target} PROPERTY IMPORTED_GLOBAL)
      endif()
      if(global)
        string(APPEND lines "${target} imported global\n")
      else()
        string(APPEND lines "${target} imported\n")
      endif()
    endforeach()
    get_property(below DIRECTORY "${current}" PROPERTY SUBDIRECTORIES)
    list(APPEND pending ${below})
  endwhile()
  file(WRITE "${output}" "${lines}")
endfunction()
