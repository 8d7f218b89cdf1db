// Windows only: when ZELBRIDGE_MARK_PROCESS_DETACH is set, the control
// library writes "zelbridge-test: process detach" to stderr as the loader
// detaches it. Nothing unloads it, so that is the process ending (Wine passes
// no "process ends" flag to tell): ExitProcess has been called and every other
// thread is gone, and a child that hangs after writing it hangs in the
// loader's shutdown of DLLs, not in the VM or the bridge. The line goes
// out by WriteFile on the standard handle: no heap and no C runtime, which
// SDK threads killed mid-call may have left locked.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH &&
      GetEnvironmentVariableA("ZELBRIDGE_MARK_PROCESS_DETACH", nullptr, 0) != 0) {
    static const char kMark[] = "zelbridge-test: process detach\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), kMark, sizeof kMark - 1, &written, nullptr);
  }
  return TRUE;
}
