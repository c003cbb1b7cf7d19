// Stand-in of the support modules' auxiliary file: the two entry points, doing nothing.
#include <windows.h>

#define RUN_EXPORT __declspec(dllexport)

BOOL WINAPI run_entry(HINSTANCE module, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}

RUN_EXPORT int WINAPI InitCtl(void) {
  return 0;
}

RUN_EXPORT int WINAPI InitCtl2(void) {
  return 0;
}
