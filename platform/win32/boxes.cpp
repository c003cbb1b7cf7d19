// Message boxes: no owner, so a task-modal box disables every page of the thread.
#include "platform/win32/win32.h"

namespace plat {

int MessageBox(const char* text, const char* caption, unsigned style) {
  HWND active = ::GetActiveWindow();
  int answer = ::MessageBoxA(nullptr, text, caption, style);
  // The box goes while the pages are still disabled, so nothing takes the activation back; give
  // it to the page that had it, which then restores its focused control.
  if (active && ::IsWindow(active) && ::IsWindowEnabled(active) && !::GetActiveWindow()) {
    ::SetActiveWindow(active);
  }
  return answer;
}

}  // namespace plat
