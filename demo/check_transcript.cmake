# Runs zelbridge-demo in one of its hard-case runs and checks that the
# transcript shows what the integration guide says happens.
#   cmake -DDEMO=<zelbridge-demo> -DLIBRARY=<bridge> -DRUN=hot-restart|isolates
#         [-DEMULATOR=<cross-compiling emulator>] -P check_transcript.cmake
# Each line the run must show is a regular expression; some must show once.

if(RUN STREQUAL "hot-restart")
  set(arguments --hot-restart)
  set(must_show
    # generation 1's completion reaches generation 2, which drops it as stale
    "\\[gen 2\\] <- completion \\[gen1/call-2\\]: stale"
    # the closed port stays registered and refuses every post until unregistered
    "\\[gen 2\\]    port 1001 refused each of the [1-9][0-9]* envelopes above"
    "\\[gen 2\\] -> DartUnregisterSendPort\\(1001\\)"
    "== closed port 1001: refused [1-9][0-9]* post\\(s\\) while it stayed registered, 0 after")
  set(must_show_once
    "\\[gen 2\\] <- event 7 "
    "\\[gen 2\\] <- event 33 "
    "\\[gen 1\\] -> DartAddReceiveNewMsgCallback\\(")
elseif(RUN STREQUAL "isolates")
  set(arguments --isolates 2)
  set(must_show
    "\\[isolate 1\\] <- completion of DartSendMessage \\[isolate1/call-2\\]: code 0"
    "\\[isolate 2\\] <- completion of DartCreateGroup \\[isolate2/call-1\\]: code 0"
    "\\[isolate 1\\] <- completion \\[isolate2/call-1\\]: isolate 2's call, not this isolate's: dropped"
    "\\[isolate 2\\] <- completion \\[isolate1/call-2\\]: isolate 1's call, not this isolate's: dropped")
  set(must_show_once
    "\\[isolate 1\\] <- event 7 "
    "\\[isolate 2\\] <- event 7 "
    "\\[isolate 1\\] <- event 33 "
    "\\[isolate 2\\] <- event 33 ")
else()
  message(FATAL_ERROR "RUN must be hot-restart or isolates, not \"${RUN}\"")
endif()
list(APPEND must_show "zelbridge-demo: every expected completion and event arrived")

execute_process(COMMAND ${EMULATOR} ${DEMO} --library ${LIBRARY} ${arguments}
  OUTPUT_VARIABLE transcript ERROR_VARIABLE errors RESULT_VARIABLE status)
message("${transcript}${errors}")

set(faults "")
if(NOT status EQUAL 0)
  string(APPEND faults "\n  exit status ${status}")
endif()
foreach(line IN LISTS must_show)
  if(NOT transcript MATCHES "${line}")
    string(APPEND faults "\n  missing: ${line}")
  endif()
endforeach()
foreach(line IN LISTS must_show_once)
  string(REGEX MATCHALL "${line}" shown "${transcript}")
  list(LENGTH shown times)
  if(NOT times EQUAL 1)
    string(APPEND faults "\n  shown ${times} times instead of once: ${line}")
  endif()
endforeach()
if(transcript MATCHES "\n[^\n]*!! ")
  string(APPEND faults "\n  the run reported failures (lines with !!)")
endif()
if(faults)
  message(FATAL_ERROR "Demo transcript check failed (${RUN}):${faults}")
endif()
