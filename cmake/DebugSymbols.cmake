# Shipped libraries without their debug information, which is kept apart and
# matched to them by an id, so that a crash report holding only addresses can
# still be turned into functions and source lines.
#
# ZELBRIDGE_SPLIT_DEBUG_INFO (on in the production presets) adds -g to the
# build type's own flags, which keep their optimisation level and NDEBUG.
# zelbridge_split_debug_info(<target>) then splits the linked library in
# place, as the last step of its link, so the build tree already holds the
# form that ships:
#   ELF (Linux, Android)  stripped lib.so with a GNU build id and a
#                         .gnu_debuglink, and lib.so.debug beside it
#   PE (MinGW-w64)        stripped zelbridge.dll with a CodeView (RSDS) id
#                         and a .gnu_debuglink, and zelbridge.dll.debug
#                         holding the DWARF, since GCC writes no PDB
#   Mach-O (iOS, macOS)   <binary>.dSYM by dsymutil, binary stripped of
#                         debug information and local symbols: done for
#                         every Apple build by cmake/AppleDebugSymbols.cmake
# The debug file or dSYM is installed by the component "symbols" alone:
#   cmake --install <build> --component symbols --prefix <symbols-dir>
# and a plain `cmake --install` leaves it out, so no app bundle carries it.
option(ZELBRIDGE_SPLIT_DEBUG_INFO
  "Build with debug information and split it off the library into the install component symbols" OFF)

if(ZELBRIDGE_SPLIT_DEBUG_INFO)
  add_compile_options(-g)
  # The debug information names the sources as src/..., relative to the
  # project, whichever machine built them. The last matching map applies:
  # the compiler's working directory (the build tree's top for Ninja, each
  # target's own folder for Makefiles) becomes empty rather than a path
  # that would be prefixed to every source name.
  add_compile_options(
    "-fdebug-prefix-map=${PROJECT_SOURCE_DIR}/="
    "-fdebug-prefix-map=${CMAKE_BINARY_DIR}="
    "-fdebug-prefix-map=$<TARGET_PROPERTY:BINARY_DIR>=")
  # Every ELF or PE binary gets an id that its debug file shares; Mach-O
  # linkers write one (LC_UUID) by themselves.
  if(NOT APPLE)
    add_link_options(LINKER:--build-id=sha1)
  endif()
endif()

function(zelbridge_split_debug_info target)
  # Apple builds write their .dSYM in every configuration (Apple.cmake
  # includes AppleDebugSymbols.cmake), into the same component.
  if(NOT ZELBRIDGE_SPLIT_DEBUG_INFO OR APPLE)
    return()
  endif()
  if(WIN32)
    zelbridge_split_debug_info_objcopy(${target} ${CMAKE_INSTALL_BINDIR})
  else()
    zelbridge_split_debug_info_objcopy(${target} ${CMAKE_INSTALL_LIBDIR})
  endif()
endfunction()

# ELF and PE: objcopy keeps the debug sections (and the full symbol table) in
# <library>.debug, then strips the library of them and of every symbol that
# loading does not need, and links it to that file by name and checksum. The
# build id (the ELF note, or the CodeView record of the PE debug directory)
# stays in both files.
function(zelbridge_split_debug_info_objcopy target destination)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "ZELBRIDGE_SPLIT_DEBUG_INFO needs objcopy for the target (CMAKE_OBJCOPY)")
  endif()
  set(library $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${library} ${library}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${library}.debug ${library}
    COMMENT "Splitting the debug information of ${target} into $<TARGET_FILE_NAME:${target}>.debug"
    VERBATIM)
  if(ZELBRIDGE_INSTALL)
    install(FILES ${library}.debug DESTINATION ${destination} COMPONENT symbols EXCLUDE_FROM_ALL)
  endif()
endfunction()
