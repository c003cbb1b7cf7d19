// Parsing of arguments and printing of windows, one line per window, as key=value fields.
#include "driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool ParseNumber(const char* arg, long* value) {
  char* end = nullptr;
  *value = strtol(arg, &end, 0);
  return end != arg && *end == '\0';
}

bool ParseHwnd(const char* arg, HWND* hwnd) {
  char* end = nullptr;
  unsigned long value = strtoul(arg, &end, 0);
  *hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
  return end != arg && *end == '\0';
}

std::string DecodeText(const char* arg) {
  if (strncmp(arg, "hex:", 4) != 0) return arg;
  return FromHex(arg + 4);
}

// WM_GETTEXT crosses processes for every window class, unlike GetWindowText on controls.
std::string WindowText(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return std::string();
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(strlen(text.c_str()));
  return text;
}

static void PrintRect(const char* key, int left, int top, int width, int height) {
  printf(" %s=%d,%d,%d,%d", key, left, top, width, height);
}

static std::string ClassOf(HWND hwnd) {
  char name[128] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

void PrintWindowLine(HWND hwnd) {
  RECT outer{}, client{};
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  printf("hwnd=0x%lx pid=%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(hwnd)),
         static_cast<unsigned long>(pid));
  PrintRect("rect", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
  PrintRect("client", origin.x, origin.y, client.right, client.bottom);
  printf(" enabled=%d visible=%d foreground=%d class=%s title=%s\n", IsWindowEnabled(hwnd) ? 1 : 0,
         IsWindowVisible(hwnd) ? 1 : 0, GetForegroundWindow() == hwnd ? 1 : 0,
         ClassOf(hwnd).c_str(), Hex(WindowText(hwnd)).c_str());
}

// Place relative to the parent's client area as well as on the screen.
void PrintControlLine(HWND control) {
  RECT outer{};
  GetWindowRect(control, &outer);
  POINT place{outer.left, outer.top};
  ScreenToClient(GetParent(control), &place);
  printf("hwnd=0x%lx id=%d", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(control)),
         GetDlgCtrlID(control));
  PrintRect("rect", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
  PrintRect("place", place.x, place.y, outer.right - outer.left, outer.bottom - outer.top);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &gui);
  printf(" enabled=%d visible=%d focus=%d class=%s text=%s\n", IsWindowEnabled(control) ? 1 : 0,
         IsWindowVisible(control) ? 1 : 0, gui.hwndFocus == control ? 1 : 0,
         ClassOf(control).c_str(), Hex(WindowText(control)).c_str());
}
