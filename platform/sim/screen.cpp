// What a test sees on the screen.
#include "platform/sim/sim_state.h"

namespace sim {

using detail::S;
using detail::Window;

std::vector<Handle> Pages() {
  std::vector<Handle> pages;
  for (auto& entry : S().windows) {
    if (entry.second.is_page) pages.push_back(entry.first);
  }
  return pages;
}

Handle Child(Handle page, int id) {
  for (auto& entry : S().windows) {
    const Window& w = entry.second;
    if (!w.is_page && w.page == page && w.id == id) return w.handle;
  }
  return 0;
}

static int TimerPeriodOf(Handle page) {
  const detail::Timer* lowest = nullptr;
  for (const detail::Timer& t : S().timers) {
    if (t.page == page && (!lowest || t.id < lowest->id)) lowest = &t;
  }
  return lowest ? static_cast<int>(lowest->period) : 0;
}

WindowInfo Info(Handle window) {
  WindowInfo info{};
  const Window* w = detail::Find(window);
  info.exists = w != nullptr;
  if (!w) return info;
  info.is_page = w->is_page;
  info.visible = w->visible;
  info.enabled = w->enabled;
  info.place = w->place;
  info.text = w->text;
  info.kind = w->kind;
  info.spec = w->spec;
  info.rows = w->rows;
  info.has_font = w->has_font;
  info.font = w->font;
  info.font_face = w->font_face;
  info.parent = w->parent;
  info.id = w->id;
  info.timer_period = w->is_page ? TimerPeriodOf(window) : 0;
  info.picture = w->picture;
  info.icon = w->icon;
  return info;
}

void FailCreatePage(int nth) {
  S().fail_create_page_in = nth > 0 ? nth : 0;
}

}  // namespace sim

plat::Size plat::ScreenSize() {
  sim::detail::Log("GetSystemMetrics SM_CXSCREEN SM_CYSCREEN");
  const sim::Config& config = sim::detail::S().config;
  return Size{config.screen_width, config.screen_height};
}
