# Checks of a production build's split debug information, sourced by
# .ci/production.sh and .ci/cross.sh from the project's root. Each function
# returns non-zero at the first problem, so it can end an && chain.
# Arguments shared by all: the production build's folder, its plain install
# (dist), its symbols install, and the library's path inside both.

# A binutils program that CMake found for the build's target: OBJDUMP, ...
target_tool() { # build NAME
  sed -n "s/^CMAKE_$2:FILEPATH=//p" "$1/CMakeCache.txt"
}

# The component symbols installs the debug file and nothing else, and the
# plain install, which is what an app bundles, holds no debug file.
install_symbols() { # build dist symbols library
  local build=$1 dist=$2 symbols=$3 library=$4 found
  rm -rf "$symbols"
  cmake --install "$build" --component symbols --prefix "$symbols" >/dev/null || return 1
  found=$(cd "$dist" && find . -name '*.debug')
  if [ -n "$found" ]; then
    echo "== the plain install of $build carries debug files: $found"
    return 1
  fi
  found=$(cd "$symbols" && find . -type f)
  if [ "$found" != "./$library.debug" ]; then
    echo "== the component symbols of $build installed '$found', expected ./$library.debug"
    return 1
  fi
  echo "== $library: $(stat -c %s "$dist/$library") bytes shipped," \
    "$(stat -c %s "$symbols/$library.debug") bytes in $library.debug"
}

# The shipped library against its debug file; then the same check must fail
# on bad pairs made from it and from a library built without the split.
check_split() { # build dist symbols library unsplit-library
  local build=$1 dist=$2 symbols=$3 library=$4 unsplit=$5
  local tools=(-DOBJDUMP="$(target_tool "$build" OBJDUMP)" -DADDR2LINE="$(target_tool "$build" ADDR2LINE)")
  cmake -DLIBRARY="$dist/$library" -DDEBUG_FILE="$symbols/$library.debug" "${tools[@]}" \
    "-DEXPORTS=DartLogin;DartSendMessage;DartSetConvEventCallback;DartInitDartApiDL" \
    -P tests/check_debug_symbols.cmake &&
    cmake -DLIBRARY="$dist/$library" -DDEBUG_FILE="$symbols/$library.debug" "${tools[@]}" \
      -DUNSPLIT_LIBRARY="$unsplit" -DOBJCOPY="$(target_tool "$build" OBJCOPY)" \
      -DWORK_DIR="$build/debug-symbols-check" -P tests/check_debug_symbols_catches.cmake
}

# The ABI of the library as it ships, read with its separate debug file,
# against the baseline; and the same check must fail on one changed signature.
check_shipped_abi() { # build dist symbols library baseline
  local build=$1 dist=$2 symbols=$3 library=$4 baseline=$5
  local check=(-DMODE=check -DLIBRARY="$dist/$library" -DDEBUG_INFO_DIR="$(dirname "$symbols/$library")"
    -DBASELINE="$baseline" -DHEADERS_DIR=include -DSOURCE_DIR="$(pwd)" -DWORK_DIR="$build")
  cmake "${check[@]}" -P tests/check_abi.cmake || return 1
  if cmake "${check[@]}" -DSIMULATE_SIGNATURE_CHANGE=DartLogin -P tests/check_abi.cmake \
    >"$build/abi-signature-change.log" 2>&1; then
    echo "== the ABI check passed a baseline in which DartLogin's first parameter is an int"
    return 1
  fi
  if ! grep -q "'function int DartLogin(int, " "$build/abi-signature-change.log"; then
    echo "== the ABI check failed on the changed DartLogin, but not because of it:"
    cat "$build/abi-signature-change.log"
    return 1
  fi
  echo "== the ABI check fails on one changed signature (DartLogin), as it must"
}
