// Top-level page windows: their class, the events they report and how they are shown.
#include "platform/win32/win32.h"

namespace win32 {
namespace {

// Extra bytes of a page.
enum PageSlot { kSink, kContext, kLastFocus, kPageSlots };

void Report(HWND page, plat::Event event, int id) {
  auto sink = reinterpret_cast<plat::EventSink>(Slot(page, kSink));
  if (sink) sink(reinterpret_cast<void*>(Slot(page, kContext)), ToHandle(page), event, id);
}

// Edit boxes are black on white, read-only ones too (those ask with WM_CTLCOLORSTATIC).
LRESULT EditColours(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void RememberFocus(HWND page) {
  HWND focus = GetFocus();
  if (focus && IsChild(page, focus)) SetSlot(page, kLastFocus, reinterpret_cast<LONG_PTR>(focus));
}

// Gives the focus back to the control that had it when the page was deactivated, as a dialog
// does. False when there is none and the default handling applies.
bool RestoreFocus(HWND page, WPARAM wp) {
  if (HIWORD(wp)) return false;  // minimised
  auto last = reinterpret_cast<HWND>(Slot(page, kLastFocus));
  if (!last || !IsWindow(last) || !IsChild(page, last)) return false;
  SetFocus(last);
  return true;
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE: {
      auto spec =
          static_cast<const plat::PageSpec*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
      SetSlot(hwnd, kSink, reinterpret_cast<LONG_PTR>(spec->sink));
      SetSlot(hwnd, kContext, reinterpret_cast<LONG_PTR>(spec->context));
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && lp) {
        Report(hwnd, plat::Event::Clicked, GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
        return 0;
      }
      break;
    case WM_TIMER:
      Report(hwnd, plat::Event::Tick, static_cast<int>(wp));
      return 0;
    case WM_CLOSE:
      // The program decides whether and how the page goes.
      Report(hwnd, plat::Event::CloseRequested, 0);
      return 0;
    case kDestroyRequest:
      Report(hwnd, plat::Event::DestroyRequest, 0);
      return 0;
    case WM_DESTROY:
      Report(hwnd, plat::Event::Destroyed, 0);
      SetSlot(hwnd, kSink, 0);  // nothing more is reported for a page that is going
      return 0;
    case WM_CTLCOLOREDIT:
      return EditColours(reinterpret_cast<HDC>(wp));
    case WM_CTLCOLORSTATIC:
      if (HasClass(reinterpret_cast<HWND>(lp), "Edit"))
        return EditColours(reinterpret_cast<HDC>(wp));
      break;
    case WM_CANCELMODE:
      // Sent before disabling takes the focus away (a task-modal box disables every page).
      RememberFocus(hwnd);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        RememberFocus(hwnd);
      } else if (RestoreFocus(hwnd, wp)) {
        return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace
}  // namespace win32

namespace plat {

Size ScreenSize() {
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

Handle CreatePage(const PageSpec& spec) {
  using namespace win32;
  // Shared icons: the system keeps them, nobody destroys them.
  auto icon = static_cast<HICON>(
      LoadImageA(Module(), spec.icon, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  auto small_icon =
      static_cast<HICON>(LoadImageA(Module(), spec.icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!EnsureClass(kPageClass, PageProc, kPageSlots, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                   icon, small_icon)) {
    return 0;
  }
  HWND page = CreateWindowExA(WS_EX_APPWINDOW, kPageClass, spec.title,
                              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                              spec.outer.left, spec.outer.top, spec.outer.width, spec.outer.height,
                              nullptr, nullptr, Module(), const_cast<PageSpec*>(&spec));
  return ToHandle(page);
}

void ShowPage(Handle page) {
  ::ShowWindow(win32::ToHwnd(page), SW_SHOW);
}

}  // namespace plat
