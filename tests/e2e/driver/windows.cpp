// Finding windows on the shared desktop and the points a person would click.
#include "driver.h"

namespace {

struct Search {
  const std::string* title;
  const char* class_name;
  HWND except;
  HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (hwnd == search->except || !IsWindowVisible(hwnd)) return TRUE;
  if (search->title && WindowText(hwnd) != *search->title) return TRUE;
  char name[128] = "";
  GetClassNameA(hwnd, name, sizeof name);
  if (search->class_name && lstrcmpA(name, search->class_name) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

// A visible top-level window with exactly this title (any title for nullptr), optionally of
// one class, not `except`.
HWND FindTopLevel(const std::string* title, const char* class_name, HWND except) {
  Search search{title, class_name, except, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool CentreOf(HWND hwnd, POINT* centre) {
  RECT rect{};
  if (!IsWindow(hwnd) || !GetWindowRect(hwnd, &rect)) return false;
  centre->x = (rect.left + rect.right) / 2;
  centre->y = (rect.top + rect.bottom) / 2;
  return true;
}

static LRESULT HitTest(HWND hwnd, int x, int y) {
  DWORD_PTR hit = HTNOWHERE;
  SendMessageTimeoutA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
  return static_cast<LRESULT>(hit);
}

// [first, last] of the run of `hit` along a line; false when there is none.
template <typename Probe>
static bool RunOf(int from, int to, Probe answers_close, int* first, int* last) {
  *first = *last = -1;
  for (int v = from; v <= to; ++v) {
    if (!answers_close(v)) {
      if (*first >= 0) break;
      continue;
    }
    if (*first < 0) *first = v;
    *last = v;
  }
  return *first >= 0;
}

// The window itself says where its close button is: find the span of the caption row that
// answers HTCLOSE, then the button's height at the span's middle, and take its centre.
bool FindCloseButton(HWND hwnd, POINT* centre) {
  RECT rect{};
  if (!GetWindowRect(hwnd, &rect)) return false;
  int bottom = rect.top + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
  for (int y = rect.top + 1; y < bottom; ++y) {
    int left, right, top, low;
    auto across = [&](int x) { return HitTest(hwnd, x, y) == HTCLOSE; };
    if (!RunOf(rect.left, rect.right - 1, across, &left, &right)) continue;
    int x = (left + right) / 2;
    auto down = [&](int v) { return HitTest(hwnd, x, v) == HTCLOSE; };
    if (!RunOf(rect.top, bottom, down, &top, &low)) return false;
    centre->x = x;
    centre->y = (top + low) / 2;
    return true;
  }
  return false;
}

// The middle of the caption bar, checked with the window's own hit test.
bool FindCaption(HWND hwnd, POINT* point) {
  RECT rect{};
  if (!GetWindowRect(hwnd, &rect)) return false;
  point->x = (rect.left + rect.right) / 2;
  point->y = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  return HitTest(hwnd, point->x, point->y) == HTCAPTION;
}

LRESULT HitTestAt(HWND hwnd, POINT point) {
  return HitTest(hwnd, point.x, point.y);
}
