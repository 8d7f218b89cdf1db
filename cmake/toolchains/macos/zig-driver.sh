#!/usr/bin/env bash
# The C and C++ compiler of the macOS builds made on Linux, run under the
# names <arch>-macos-cc and <arch>-macos-c++ (links to this file), where
# <arch> is aarch64 or x86_64.
#
# Compiling goes to Zig 0.11 (clang 16 with macOS's libc headers and libc++).
# Linking goes to Debian's clang 14 driving LLVM's Mach-O linker, ld64.lld:
# Zig's own Mach-O linker puts every external symbol into the export trie,
# hidden ones included, and takes no exported-symbols list. The link gets
# Zig's libSystem stub and the libc++, libc++abi and compiler-rt archives
# that Zig builds for the target once and keeps in its cache.
#
# Zig's home is ZELBRIDGE_ZIG_HOME (default ~/.cache/zelbridge/zig-0.11.0,
# where .ci/install-zig.sh puts it).
set -euo pipefail

name=${0##*/}
arch=${name%%-macos-*}
language=${name##*-macos-}
case $arch in
  aarch64) apple_arch=arm64 ;;
  x86_64) apple_arch=x86_64 ;;
  *)
    echo "$name: unknown architecture '$arch'" >&2
    exit 2
    ;;
esac
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge
zig_home=${ZELBRIDGE_ZIG_HOME:-$cache/zig-0.11.0}
zig=$zig_home/zig

# CMake passes the minimum macOS version as a flag; Zig takes it in the
# target. 11.0 is the oldest macOS whose libc headers Zig 0.11 carries.
minimum=11.0
args=()
for arg in "$@"; do
  case $arg in
    -mmacosx-version-min=*) minimum=${arg#*=} ;;
    *) args+=("$arg") ;;
  esac
done
zig_target=$arch-macos.$minimum

# A source file on a command line without -c is CMake's compiler
# identification, which only reads the result: Zig compiles and links it.
mode=link
for arg in "${args[@]}"; do
  case $arg in
    -c | -E | -S | -M | -MM | -fsyntax-only | --version | -dumpversion | -dumpmachine | -print-*)
      mode=compile
      ;;
    *.c | *.cc | *.cpp | *.cxx) mode=compile ;;
  esac
done
if [ $mode = compile ]; then
  # Linker flags on a compile line (CMake's ABI probe passes -Wl,-v) do
  # nothing for clang but make Zig stop.
  compile_args=()
  for arg in "${args[@]}"; do
    case $arg in
      -Wl,*) ;;
      *) compile_args+=("$arg") ;;
    esac
  done
  exec "$zig" "$language" -target "$zig_target" "${compile_args[@]}"
fi

# Zig's runtime archives for this target, found by watching Zig link a probe
# (-v prints its linker line) and remembered until one of them is gone.
runtime_list=$cache/macos-runtime-$zig_target.txt
runtime_present() {
  [ -s "$runtime_list" ] || return 1
  local archive
  while read -r archive; do
    [ -f "$archive" ] || return 1
  done <"$runtime_list"
}
if ! runtime_present; then
  work=$(mktemp -d)
  printf 'int main() { return 0; }\n' >"$work/probe.cpp"
  if ! "$zig" c++ -target "$zig_target" -v -o "$work/probe" "$work/probe.cpp" 2>"$work/log"; then
    cat "$work/log" >&2
    rm -rf "$work"
    exit 1
  fi
  grep '^zig ld ' "$work/log" | tr ' ' '\n' |
    grep -E '/lib(c\+\+|c\+\+abi|compiler_rt)\.a$' >"$work/list" || true
  if [ "$(wc -l <"$work/list")" -ne 3 ]; then
    echo "$name: Zig's link of a probe named no libc++, libc++abi and compiler-rt:" >&2
    cat "$work/log" >&2
    rm -rf "$work"
    exit 1
  fi
  mkdir -p "$cache"
  mv "$work/list" "$runtime_list.$$"
  mv "$runtime_list.$$" "$runtime_list"
  rm -rf "$work"
fi
mapfile -t runtime <"$runtime_list"

libsystem=$zig_home/lib/libc/darwin/libSystem.${minimum%%.*}.tbd
if [ ! -f "$libsystem" ]; then
  echo "$name: Zig has no libSystem for macOS $minimum ($libsystem)" >&2
  exit 1
fi

# -mlinker-version: clang 14 passes -platform_version, which ld64.lld needs,
# only to a linker it believes recent. LIBRARY_PATH would add the host's
# library folders to the search.
unset LIBRARY_PATH
exec clang-14 -target "$apple_arch-apple-macos$minimum" -mlinker-version=609 \
  -fuse-ld=lld --ld-path="$(command -v ld64.lld-14)" -nostdlib \
  "${args[@]}" "${runtime[@]}" "$libsystem"
