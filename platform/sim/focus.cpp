// Activation, the foreground window and the keyboard focus.
#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

Handle NewestVisiblePage() {
  auto& windows = S().windows;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const Window& w = it->second;
    if (w.is_page && w.visible && !w.dying) return w.handle;
  }
  return 0;
}

void Activate(Handle page) {
  State& s = S();
  s.active = s.foreground = s.focus = page;
}

void FocusByUser(Handle control) {
  Window* w = Find(control);
  if (!w) return;
  State& s = S();
  s.active = s.foreground = w->page;
  s.focus = control;
}

}  // namespace detail

Handle Active() {
  return detail::S().active;
}
Handle Focused() {
  return detail::S().focus;
}

}  // namespace sim

namespace plat {

using sim::detail::Describe;
using sim::detail::Find;
using sim::detail::Log;
using sim::detail::S;

// Focus goes only to an existing window that can take input; its page becomes active.
void SetFocus(Handle window) {
  Log("SetFocus %s", window ? Describe(window).c_str() : "NULL");
  if (window == 0) {
    S().focus = 0;
    return;
  }
  if (!Find(window) || !sim::detail::EffectivelyEnabled(window)) return;
  sim::detail::FocusByUser(window);
}

Handle FocusedWindow() {
  Log("GetFocus");
  return S().focus;
}

Handle ActiveWindow() {
  Log("GetActiveWindow");
  return S().active;
}

Handle ForegroundWindow() {
  Log("GetForegroundWindow");
  return S().foreground;
}

namespace {

// Only pages can be activated; the focus moves to the page unless it is already inside it.
void ActivatePage(Handle window, bool foreground) {
  sim::detail::Window* w = Find(window);
  if (!w || !w->is_page) return;
  sim::detail::State& s = S();
  if (!sim::detail::Contains(window, s.focus)) s.focus = window;
  s.active = window;
  if (foreground) s.foreground = window;
}

}  // namespace

void SetActiveWindow(Handle window) {
  Log("SetActiveWindow %s", Describe(window).c_str());
  ActivatePage(window, false);
}

void SetForegroundWindow(Handle window) {
  Log("SetForegroundWindow %s", Describe(window).c_str());
  ActivatePage(window, true);
}

}  // namespace plat
