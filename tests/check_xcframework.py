#!/usr/bin/env python3
"""Checks an xcframework of static libraries as Xcode and CocoaPods read it.

Its Info.plist must parse, say it is an xcframework (CFBundlePackageType XFWK,
XCFrameworkFormatVersion 1.0) and list each library the app needs (--expect,
by LibraryIdentifier). For each library it lists: the identifier is the one
its platform, architectures and variant make (ios-arm64,
ios-arm64_x86_64-simulator); the folder, the library file (LibraryPath,
BinaryPath) and the headers (HeadersPath, holding each --header) exist; the
platform is --platform; and the architectures that the file holds, read from
its Mach-O headers here rather than by LLVM's tools, are those it lists.

With --podspec, the podspec must vendor the xcframework from Frameworks/,
state --minimum-os as its iOS version, and keep i386 out of simulator builds.

Exits 1 listing every fault.

Usage: check_xcframework.py XCFRAMEWORK --expect ID... [--header PATH...]
       [--platform ios] [--podspec FILE --minimum-os VERSION]
"""

import argparse
import pathlib
import plistlib
import re
import struct
import sys

CPU_TYPES = {0x01000007: "x86_64", 0x0100000C: "arm64"}
MACHO_64_MAGIC = 0xFEEDFACF
FAT_MAGIC = 0xCAFEBABE


def object_architecture(data):
    """The architecture of a Mach-O object, or None when data is none."""
    if len(data) < 8 or struct.unpack_from("<I", data)[0] != MACHO_64_MAGIC:
        return None
    cpu = struct.unpack_from("<i", data, 4)[0] & 0xFFFFFFFF
    return CPU_TYPES.get(cpu, hex(cpu))


def archive_architectures(data):
    """The architectures of the objects in a BSD archive (ar, as Apple's)."""
    if not data.startswith(b"!<arch>\n"):
        raise ValueError("not an archive")
    architectures = set()
    offset = 8
    while offset + 60 <= len(data):
        header = data[offset:offset + 60]
        name = header[:16].decode("ascii").strip()
        size = int(header[48:58].decode("ascii"))
        body = data[offset + 60:offset + 60 + size]
        if name.startswith("#1/"):
            name_length = int(name[3:])
            name = body[:name_length].rstrip(b"\0").decode("utf-8", "replace")
            body = body[name_length:]
        if not name.startswith("__.SYMDEF"):
            architecture = object_architecture(body)
            if architecture is None:
                raise ValueError(f"member {name} is no 64-bit Mach-O object")
            architectures.add(architecture)
        offset += 60 + size
        offset += offset % 2
    return architectures


def library_architectures(path):
    """The architectures of a thin or universal static library."""
    data = path.read_bytes()
    if len(data) >= 8 and struct.unpack_from(">I", data)[0] == FAT_MAGIC:
        count = struct.unpack_from(">I", data, 4)[0]
        architectures = set()
        for index in range(count):
            cpu, _, start, size, _ = struct.unpack_from(">iiIII", data, 8 + 20 * index)
            slice_architectures = archive_architectures(data[start:start + size])
            expected = CPU_TYPES.get(cpu & 0xFFFFFFFF, hex(cpu))
            if slice_architectures != {expected}:
                raise ValueError(f"the {expected} slice holds {sorted(slice_architectures)}")
            architectures.add(expected)
        return architectures
    return archive_architectures(data)


def check_library(root, entry, platform, headers, faults):
    identifier = entry.get("LibraryIdentifier")
    if not isinstance(identifier, str):
        faults.append(f"a library without LibraryIdentifier: {entry}")
        return None
    for key in ("LibraryPath", "SupportedArchitectures", "SupportedPlatform"):
        if key not in entry:
            faults.append(f"{identifier}: no {key}")
            return identifier
    folder = root / identifier
    if not folder.is_dir():
        faults.append(f"{identifier}: the folder {folder} does not exist")
        return identifier

    if entry["SupportedPlatform"] != platform:
        faults.append(f"{identifier}: SupportedPlatform is {entry['SupportedPlatform']}, "
                      f"expected {platform}")
    variant = entry.get("SupportedPlatformVariant")
    if variant not in (None, "simulator"):
        faults.append(f"{identifier}: SupportedPlatformVariant {variant} is not simulator")
    listed = entry["SupportedArchitectures"]
    expected_identifier = f"{entry['SupportedPlatform']}-{'_'.join(sorted(listed))}"
    if variant:
        expected_identifier += f"-{variant}"
    if identifier != expected_identifier:
        faults.append(f"{identifier}: platform, architectures and variant make "
                      f"{expected_identifier}")

    for key in ("LibraryPath", "BinaryPath"):
        if key not in entry:
            continue
        library = folder / entry[key]
        if not library.is_file():
            faults.append(f"{identifier}: {key} names {identifier}/{entry[key]}, "
                          "which does not exist")
            continue
        try:
            held = library_architectures(library)
        except ValueError as error:
            faults.append(f"{identifier}: {entry[key]} cannot be read: {error}")
            continue
        if held != set(listed):
            faults.append(f"{identifier}: {entry[key]} holds {sorted(held)}, "
                          f"the plist lists {sorted(listed)}")

    if "HeadersPath" in entry:
        header_folder = folder / entry["HeadersPath"]
        for header in headers:
            if not (header_folder / header).is_file():
                faults.append(f"{identifier}: {entry['HeadersPath']}/{header} does not exist")
    elif headers:
        faults.append(f"{identifier}: no HeadersPath")
    return identifier


def check_podspec(path, name, minimum_os, faults):
    text = re.sub(r"#[^\n]*", "", path.read_text())
    if f"'Frameworks/{name}'" not in text:
        faults.append(f"{path}: vendored_frameworks does not name 'Frameworks/{name}'")
    platforms = re.findall(r"\.platform\s*=\s*:ios\s*,\s*'([0-9.]+)'", text)
    if platforms != [minimum_os]:
        faults.append(f"{path}: states iOS {platforms}, the libraries are built for {minimum_os}")
    if not re.search(r"'EXCLUDED_ARCHS\[sdk=iphonesimulator\*\]'\s*=>\s*'i386'", text):
        faults.append(f"{path}: does not exclude i386 from simulator builds")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("xcframework", type=pathlib.Path)
    parser.add_argument("--expect", action="append", default=[], required=True)
    parser.add_argument("--header", action="append", default=[])
    parser.add_argument("--platform", default="ios")
    parser.add_argument("--podspec", type=pathlib.Path)
    parser.add_argument("--minimum-os")
    arguments = parser.parse_args()

    faults = []
    plist_path = arguments.xcframework / "Info.plist"
    try:
        with plist_path.open("rb") as stream:
            plist = plistlib.load(stream)
    except (OSError, plistlib.InvalidFileException, ValueError) as error:
        print(f"xcframework check failed:\n  {plist_path} does not parse: {error}")
        return 1

    if plist.get("CFBundlePackageType") != "XFWK":
        faults.append(f"CFBundlePackageType is {plist.get('CFBundlePackageType')}, expected XFWK")
    if plist.get("XCFrameworkFormatVersion") != "1.0":
        faults.append(f"XCFrameworkFormatVersion is {plist.get('XCFrameworkFormatVersion')}")
    libraries = plist.get("AvailableLibraries")
    if not isinstance(libraries, list) or not libraries:
        faults.append("AvailableLibraries lists no library")
        libraries = []
    identifiers = [check_library(arguments.xcframework, entry, arguments.platform,
                                 arguments.header, faults) for entry in libraries]
    for expected in arguments.expect:
        if identifiers.count(expected) != 1:
            faults.append(f"{identifiers.count(expected)} libraries {expected}, expected one")
    for identifier in identifiers:
        if identifier not in arguments.expect:
            faults.append(f"an unexpected library {identifier}")

    if arguments.podspec:
        check_podspec(arguments.podspec, arguments.xcframework.name, arguments.minimum_os, faults)

    if faults:
        print("xcframework check failed:\n  " + "\n  ".join(faults))
        return 1
    print(f"xcframework check of {arguments.xcframework}: {', '.join(identifiers)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
