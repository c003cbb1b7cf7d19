// Shared declarations of the Windows backend: window classes, per-window slots, handle casts.
#pragma once

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

// <windows.h> maps these names to their ANSI functions; plat:: defines functions of the same
// names, so the macros must not rewrite them.
#undef GetMessage
#undef PeekMessage
#undef DispatchMessage
#undef MessageBox
#undef SetCurrentDirectory

#include "platform/platform.h"

namespace win32 {

// The private request that PostDestroyRequest posts to a page.
constexpr UINT kDestroyRequest = WM_APP + 1;

constexpr char kPageClass[] = "QingheSetupPage";
constexpr char kTransparentLabelClass[] = "QingheTransparentLabel";
constexpr char kGradientLabelClass[] = "QingheGradientLabel";
constexpr char kPictureBoxClass[] = "QinghePictureBox";

inline HWND ToHwnd(plat::Handle handle) {
  return reinterpret_cast<HWND>(handle);
}
inline plat::Handle ToHandle(HWND hwnd) {
  return reinterpret_cast<plat::Handle>(hwnd);
}
inline HINSTANCE Module() {
  return GetModuleHandleA(nullptr);
}

// Window extra bytes, one LONG_PTR per slot.
inline LONG_PTR Slot(HWND hwnd, int slot) {
  return GetWindowLongPtrA(hwnd, slot * static_cast<int>(sizeof(LONG_PTR)));
}
inline void SetSlot(HWND hwnd, int slot, LONG_PTR value) {
  SetWindowLongPtrA(hwnd, slot * static_cast<int>(sizeof(LONG_PTR)), value);
}

// Registers a class of ours once per process; later calls find it registered.
bool EnsureClass(const char* name, WNDPROC proc, int slots, HBRUSH background, HICON icon,
                 HICON small_icon);

HWND CreateTransparentLabel(HWND parent, int id, DWORD style, const plat::ControlSpec& spec);
HWND CreateGradientLabel(HWND parent, int id, DWORD style, const plat::ControlSpec& spec);
HWND CreatePictureBox(HWND parent, int id, DWORD style, const plat::ControlSpec& spec);

bool HasClass(HWND hwnd, const char* name);
inline bool IsChildWindow(HWND hwnd) {
  return (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

// The place of a child window in its parent's client coordinates.
RECT PlaceInParent(HWND child);

// Repaints what lies beneath a transparent label (the area it covered before, when given, and
// the area it covers now), the controls there included, so its text is drawn over fresh pixels.
void RepaintBeneath(HWND label, const RECT* before);

}  // namespace win32
