# Windows 32-bit x86 with the MinGW-w64 cross compilers, tests under 32-bit
# Wine: the DLL that the 32-bit Windows Dart VM of the dart-vm-windows
# workflow loads. Used by the preset windows-x86.
set(CMAKE_SYSTEM_PROCESSOR X86)
set(mingw_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
