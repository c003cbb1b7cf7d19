// A label that fills each of its pixel rows with one colour of its own copy of the rows.
#include "platform/win32/win32.h"

#include <cstring>

namespace win32 {
namespace {

enum GradientSlot { kRows, kRowCount, kGradientSlots };

COLORREF RowColour(HWND hwnd, int y) {
  auto rows = reinterpret_cast<const COLORREF*>(Slot(hwnd, kRows));
  int count = static_cast<int>(Slot(hwnd, kRowCount));
  if (!rows || count <= 0) return GetSysColor(COLOR_BTNFACE);
  return rows[y < 0 ? 0 : (y < count ? y : count - 1)];
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y) {
    RECT row = {ps.rcPaint.left, y, ps.rcPaint.right, y + 1};
    SetBkColor(dc, RowColour(hwnd, y));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);  // a plain solid fill
  }
  EndPaint(hwnd, &ps);
}

// The caller's rows need not outlive the control: keep a copy on the heap.
void KeepRows(HWND hwnd, const plat::ControlSpec& spec) {
  if (!spec.rows || spec.row_count <= 0) return;
  size_t bytes = static_cast<size_t>(spec.row_count) * sizeof(COLORREF);
  void* rows = HeapAlloc(GetProcessHeap(), 0, bytes);
  if (!rows) return;  // shows the button face, as a label without rows
  std::memcpy(rows, spec.rows, bytes);
  SetSlot(hwnd, kRows, reinterpret_cast<LONG_PTR>(rows));
  SetSlot(hwnd, kRowCount, spec.row_count);
}

LRESULT CALLBACK GradientProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      KeepRows(hwnd, *static_cast<const plat::ControlSpec*>(
                         reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
      break;
    case WM_NCDESTROY:
      if (auto rows = reinterpret_cast<void*>(Slot(hwnd, kRows)))
        HeapFree(GetProcessHeap(), 0, rows);
      SetSlot(hwnd, kRows, 0);
      SetSlot(hwnd, kRowCount, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted in WM_PAINT; erasing first would flicker
    case WM_PAINT:
      Paint(hwnd);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateGradientLabel(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  if (!EnsureClass(kGradientLabelClass, GradientProc, kGradientSlots, nullptr, nullptr, nullptr)) {
    return nullptr;
  }
  return CreateWindowExA(0, kGradientLabelClass, "", style & ~WS_TABSTOP, spec.place.left,
                         spec.place.top, spec.place.width, spec.place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(),
                         const_cast<plat::ControlSpec*>(&spec));
}

}  // namespace win32
