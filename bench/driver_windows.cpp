// Finding the measured program's windows on the shared desktop, and clicking them.
#include "driver.h"

#include <cstring>

namespace {

struct Search {
  DWORD pid;
  const char* title;
  HWND except;
  HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || hwnd == search->except || !IsWindowVisible(hwnd)) return TRUE;
  if (search->title) {
    // Another process's window: the text comes from the system, no message is sent, so a busy
    // program cannot stall the poll.
    char text[128] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::strcmp(text, search->title) != 0) return TRUE;
  }
  search->found = hwnd;
  return FALSE;
}

bool Send(DWORD flags, LONG dx, LONG dy) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return SendInput(1, &input, sizeof input) == 1;
}

// Absolute coordinates run 0..65535 across the screen; rounding up lands on the pixel.
LONG Normalised(int pixel, int extent) {
  return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent);
}

}  // namespace

HWND FindVisibleWindow(DWORD pid, const char* title, HWND except) {
  Search search = {pid, title, except, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Every event carries the point: under Wine a button event without one can land where the
// cursor was before the last move.
double ClickAt(HWND control) {
  RECT rect;
  if (!GetWindowRect(control, &rect)) return -1;
  POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  LONG dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
  LONG dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
  if (!Send(0, dx, dy)) return -1;
  bool arrived = WaitFor(1000, [&] {
    POINT at;
    GetCursorPos(&at);
    return at.x == point.x && at.y == point.y;
  });
  if (!arrived || !Send(MOUSEEVENTF_LEFTDOWN, dx, dy)) return -1;
  Sleep(50);
  double released = NowMs();
  return Send(MOUSEEVENTF_LEFTUP, dx, dy) ? released : -1;
}
