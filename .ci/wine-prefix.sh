# The Wine prefix of the toolchain's emulator (cmake/toolchains/wine-run.sh),
# kept out of the user's own, sourced by .ci/cross.sh and .ci/x86.sh. Its
# persistent wineserver serves every Windows program of a run and would live
# on after it: each script stops it when a Windows part is done and however
# the script ends.
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge-wine}"
stop_wineserver() { wineserver -k 2>/dev/null || true; }
trap stop_wineserver EXIT
trap 'exit 130' INT TERM
