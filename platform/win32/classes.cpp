// Window classes of our own, and asking a window for its class.
#include "platform/win32/win32.h"

namespace win32 {

bool EnsureClass(const char* name, WNDPROC proc, int slots, HBRUSH background, HICON icon,
                 HICON small_icon) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(Module(), name, &wc)) return true;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = slots * static_cast<int>(sizeof(LONG_PTR));
  wc.hInstance = Module();
  wc.hIcon = icon;
  wc.hIconSm = small_icon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

bool HasClass(HWND hwnd, const char* name) {
  char found[32];
  return hwnd && GetClassNameA(hwnd, found, sizeof found) && lstrcmpiA(found, name) == 0;
}

}  // namespace win32
