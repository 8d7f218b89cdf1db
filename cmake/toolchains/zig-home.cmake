# Where Zig 0.11.0 is, for the toolchains that take Darwin's headers or
# compiler from it (macos-zig.cmake, ios-clang.cmake): ZELBRIDGE_ZIG_HOME, or
# the folder .ci/install-zig.sh fills. The including file sets zig_needed_by
# and zig_install_set for the message when Zig is missing.
set(zig_home "$ENV{ZELBRIDGE_ZIG_HOME}")
if(NOT zig_home)
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(zig_home "$ENV{XDG_CACHE_HOME}/zelbridge/zig-0.11.0")
  else()
    set(zig_home "$ENV{HOME}/.cache/zelbridge/zig-0.11.0")
  endif()
endif()
if(NOT EXISTS "${zig_home}/zig")
  message(FATAL_ERROR "${zig_needed_by} Zig 0.11.0, which is not in ${zig_home}: "
    "run .ci/install-missing.sh ${zig_install_set} (or set ZELBRIDGE_ZIG_HOME to Zig's folder, "
    "when configuring and when building).")
endif()
