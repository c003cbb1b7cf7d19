// Periodic timers of a page; the system raises periods below its minimum to the minimum.
#include "platform/win32/win32.h"

namespace plat {

bool SetTimer(Handle page, int id, unsigned period_ms) {
  return ::SetTimer(win32::ToHwnd(page), static_cast<UINT_PTR>(id), period_ms, nullptr) != 0;
}

void KillTimer(Handle page, int id) {
  ::KillTimer(win32::ToHwnd(page), static_cast<UINT_PTR>(id));
}

}  // namespace plat
