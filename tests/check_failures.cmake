# Gathers a check's failures, so that one run reports all of them:
# fail(text) adds a line; report(slice list what) adds a line naming every
# entry of a list, when the list is not empty. The caller stops with
# ${failures} at the end.
set(failures "")
function(fail text)
  set(failures "${failures}\n  ${text}" PARENT_SCOPE)
endfunction()
function(report slice list_name what)
  if(${list_name})
    list(LENGTH ${list_name} count)
    list(JOIN ${list_name} " " names)
    set(failures "${failures}\n  ${slice}: ${count} ${what}: ${names}" PARENT_SCOPE)
  endif()
endfunction()
