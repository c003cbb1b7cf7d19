// Places of windows, and the repaint that keeps a moved transparent label free of traces.
#include "platform/win32/win32.h"

namespace win32 {

RECT PlaceInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

namespace {

// The part of area (parent coordinates) that a child covers, in the child's coordinates.
bool PartOf(HWND child, const RECT& area, RECT* part) {
  RECT place = PlaceInParent(child);
  if (!IntersectRect(part, &place, &area)) return false;
  OffsetRect(part, -place.left, -place.top);
  return true;
}

// Holds back (validate) or repaints (invalidate and paint now) the transparent labels among
// the children of parent within area, the lowest first.
void TransparentLabelsIn(HWND parent, const RECT& area, UINT flags) {
  for (HWND child = GetWindow(GetWindow(parent, GW_CHILD), GW_HWNDLAST); child;
       child = GetWindow(child, GW_HWNDPREV)) {
    RECT part;
    if (IsWindowVisible(child) && HasClass(child, kTransparentLabelClass) &&
        PartOf(child, area, &part)) {
      RedrawWindow(child, &part, nullptr, flags);
    }
  }
}

}  // namespace

void RepaintBeneath(HWND label, const RECT* before) {
  HWND parent = GetParent(label);
  RECT area = PlaceInParent(label);
  if (before) UnionRect(&area, &area, before);
  RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  // An immediate update may paint a transparent label before what lies beneath it (Wine does),
  // which would then cover the text: paint the opaque windows first and the texts after them.
  TransparentLabelsIn(parent, area, RDW_VALIDATE);
  RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  TransparentLabelsIn(parent, area, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace win32

namespace plat {

using win32::ToHwnd;

Rect GetPlace(Handle control) {
  HWND hwnd = ToHwnd(control);
  RECT r;
  if (win32::IsChildWindow(hwnd)) {
    r = win32::PlaceInParent(hwnd);
  } else if (!::GetWindowRect(hwnd, &r)) {
    return {0, 0, 0, 0};
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void SetPlace(Handle control, Rect place) {
  HWND hwnd = ToHwnd(control);
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  bool transparent = win32::HasClass(hwnd, win32::kTransparentLabelClass);
  RECT before = {};
  if (transparent) {
    before = win32::PlaceInParent(hwnd);
    flags |= SWP_NOREDRAW;  // the page beneath is repainted below, old and new area at once
  }
  ::SetWindowPos(hwnd, nullptr, place.left, place.top, place.width, place.height, flags);
  if (transparent) win32::RepaintBeneath(hwnd, &before);
}

}  // namespace plat
