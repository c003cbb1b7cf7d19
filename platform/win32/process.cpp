// Process services: library search, OLE, module path, current directory, exit.
#include "platform/win32/win32.h"

#include <ole2.h>

namespace plat {

void RestrictLibrarySearch() {
  // Present from Windows 8 (and on 7 with its update); looked up so older systems still start.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  FARPROC proc = kernel ? ::GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
  if (proc) {
    reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(proc))(
        LOAD_LIBRARY_SEARCH_SYSTEM32);
  } else {
    // Takes the current directory out of the search order at least.
    ::SetDllDirectoryA("");
  }
}

void StartOle() {
  ::OleInitialize(nullptr);
}

void StopOle() {
  ::OleUninitialize();
}

unsigned ModuleFileName(char* buffer, unsigned size) {
  return ::GetModuleFileNameA(nullptr, buffer, size);
}

bool SetCurrentDirectory(const char* path) {
  return ::SetCurrentDirectoryA(path) != FALSE;
}

void ExitProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

}  // namespace plat
