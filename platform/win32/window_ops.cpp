// Operations on existing windows: place, text, state, focus and activation.
#include "platform/win32/win32.h"

namespace plat {

using win32::ToHandle;
using win32::ToHwnd;

void ShowControl(Handle control, bool visible) {
  ::ShowWindow(ToHwnd(control), visible ? SW_SHOWNA : SW_HIDE);
}

bool DestroyWindow(Handle window) {
  return ::DestroyWindow(ToHwnd(window)) != FALSE;
}

bool IsWindow(Handle window) {
  return window && ::IsWindow(ToHwnd(window));
}

Handle ParentOf(Handle window) {
  HWND hwnd = ToHwnd(window);
  return win32::IsChildWindow(hwnd) ? ToHandle(::GetParent(hwnd)) : 0;
}

unsigned TextLength(Handle window) {
  int length = ::GetWindowTextLengthA(ToHwnd(window));
  return length > 0 ? static_cast<unsigned>(length) : 0;
}

unsigned GetText(Handle window, char* buffer, unsigned size) {
  if (!buffer || size == 0) return 0;
  buffer[0] = '\0';
  int copied = ::GetWindowTextA(ToHwnd(window), buffer, static_cast<int>(size));
  return copied > 0 ? static_cast<unsigned>(copied) : 0;
}

void SetText(Handle window, const char* text) {
  HWND hwnd = ToHwnd(window);
  ::SetWindowTextA(hwnd, text);
  if (win32::HasClass(hwnd, win32::kTransparentLabelClass)) win32::RepaintBeneath(hwnd, nullptr);
}

void ShowEndOfText(Handle edit) {
  HWND hwnd = ToHwnd(edit);
  WPARAM end = static_cast<WPARAM>(::GetWindowTextLengthA(hwnd));
  ::SendMessageA(hwnd, EM_SETSEL, end, static_cast<LPARAM>(end));
  ::SendMessageA(hwnd, EM_SCROLLCARET, 0, 0);
}

void EnableWindow(Handle window, bool enabled) {
  ::EnableWindow(ToHwnd(window), enabled);
}

bool IsWindowEnabled(Handle window) {
  return ::IsWindowEnabled(ToHwnd(window)) != FALSE;
}

void SetFocus(Handle window) {
  ::SetFocus(ToHwnd(window));
}

Handle FocusedWindow() {
  return ToHandle(::GetFocus());
}

Handle ActiveWindow() {
  return ToHandle(::GetActiveWindow());
}

Handle ForegroundWindow() {
  return ToHandle(::GetForegroundWindow());
}

void SetActiveWindow(Handle window) {
  ::SetActiveWindow(ToHwnd(window));
}

void SetForegroundWindow(Handle window) {
  ::SetForegroundWindow(ToHwnd(window));
}
}  // namespace plat
