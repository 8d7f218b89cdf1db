# Debug information of the Apple builds. After each link, dsymutil gathers
# the bridge's DWARF from the object files (the linked binary only names
# them) into a .dSYM bundle beside it; then the binary is stripped of its
# debugging and local symbols, so that it names no object file of the build
# machine and ships as built. A debugger finds the .dSYM by the binary's
# LC_UUID. The .dSYM installs with the component "symbols" only:
#   cmake --install <build> --component symbols --prefix <dir>
find_program(ZELBRIDGE_DSYMUTIL NAMES dsymutil-14 dsymutil REQUIRED)
# Debug information in every configuration, as Xcode compiles: it changes
# no code, and the shipped binary is stripped anyway.
foreach(target zelbridge_objects zelbridge_dart_api zelbridge_json)
  target_compile_options(${target} PRIVATE -g)
endforeach()
if(ZELBRIDGE_APPLE_FRAMEWORK)
  set(zelbridge_dsym "$<TARGET_BUNDLE_DIR:zelbridge>.dSYM")
else()
  set(zelbridge_dsym "$<TARGET_FILE:zelbridge>.dSYM")
endif()
add_custom_command(TARGET zelbridge POST_BUILD
  COMMAND ${ZELBRIDGE_DSYMUTIL} $<TARGET_FILE:zelbridge> -o ${zelbridge_dsym}
  COMMAND ${CMAKE_STRIP} -S -x $<TARGET_FILE:zelbridge>
  VERBATIM)
if(ZELBRIDGE_INSTALL)
  install(DIRECTORY ${zelbridge_dsym} DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT symbols EXCLUDE_FROM_ALL)
endif()
