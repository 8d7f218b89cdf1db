# Checks of the files that ship (the libraries an app bundles), sourced by
# .ci/production.sh and .ci/cross.sh from the project's root, where $root is
# the checkout. Each function returns non-zero at the first problem, so it
# can end an && chain.

# No shipped file may hold the path of the checkout that built it: it would
# tell the build machine's folders to everyone who has the app, and put them
# in every log line that names a source.
check_no_build_path() { # file-or-folder...
  local file hits=0
  for file in "$@"; do
    if grep -r -q -a -F "$root" "$file"; then
      echo "== $file holds the build root $root:"
      grep -r -l -a -F "$root" "$file" | head -n 5
      hits=1
    else
      echo "== $file: no build path"
    fi
  done
  return "$hits"
}

# The library's exploit mitigations (tests/check_hardening.cmake), read with
# the target's binutils: readelf for ELF, objdump for PE, where the stack
# protector is looked for in the debug file, since the DLL links it in.
check_hardening() { # build library [debug-file]
  local readelf objdump
  readelf=$(target_tool "$1" READELF)
  if [[ "$2" == *.dll ]]; then
    objdump=$(target_tool "$1" OBJDUMP)
    cmake -DLIBRARY="$2" -DOBJDUMP="$objdump" -DNM="$(target_tool "$1" NM)" -DSYMBOLS="$3" \
      -P tests/check_hardening.cmake
  else
    cmake -DLIBRARY="$2" -DREADELF="${readelf:-readelf}" -P tests/check_hardening.cmake
  fi
}
