// One support module stand-in. It holds no function of the real module: the exports exist so
// that the player and anything that inspects the file find the names they expect.
#include <windows.h>

#include "support_modules.h"

#define MODULE_EXPORT __declspec(dllexport)

BOOL WINAPI module_entry(HINSTANCE module, DWORD reason, LPVOID reserved) {
  (void)reserved;
  // No per-thread work: spare the loader the thread notifications.
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}

// The module's description: its role and version, GBK text.
MODULE_EXPORT const char* WINAPI GetNewInf(void) {
  return MODULE_ROLE " " MODULE_VERSION_TEXT;
}

#ifdef MODULE_PACKING
// Stand-ins of the packing and digest calls: they report that nothing was done.
MODULE_EXPORT int WINAPI Compress(const void* data, int size, void* out, int capacity) {
  (void)data;
  (void)size;
  (void)out;
  (void)capacity;
  return 0;
}

MODULE_EXPORT const char* WINAPI MGetMD5(const void* data, int size) {
  (void)data;
  (void)size;
  return 0;
}
#endif

#ifdef MODULE_SOCKET
// Stand-in of the network entry: no socket is ever made.
MODULE_EXPORT void* WINAPI GetNewSock(void) {
  return 0;
}
#endif
