#!/bin/bash
# Runs one Windows executable under Wine, headless, with its exit status:
# the CMAKE_CROSSCOMPILING_EMULATOR of the MinGW-w64 toolchain.
#
# A wineserver started by `wine` itself, and Wine's system processes, inherit
# the caller's stdout and stderr and outlive the program, so CTest would wait
# for the pipe to close. Here one persistent wineserver and those processes
# are started detached from both and serve every run; stop them with
# `wineserver -k` (with the same WINEPREFIX).
set -euo pipefail

export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts while the prefix is created.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# No window system: Wine must not try to reach a display.
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$WINEPREFIX"
(
  # Parallel tests: one of them creates the prefix and starts the server.
  # No Wine process started here may inherit the lock: it would hold it.
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init </dev/null >/dev/null 2>&1 9>&-
    # Until the prefix is complete and the short-lived server has gone.
    wineserver --wait
  fi
  # Status 0: started now; 2: this prefix's server was already running.
  if wineserver --persistent </dev/null >/dev/null 2>&1 9>&-; then
    # The first program of a server starts Wine's system processes, which
    # would inherit its output and live as long as the server: start them
    # with a program of our own.
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$WINEPREFIX/.zelbridge-start.lock"

# The C runtime writes text-mode "\r\n" line ends; the test discovery that
# reads this output expects "\n". With pipefail the status is the program's.
wine "$@" | tr -d '\r'
