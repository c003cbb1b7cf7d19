// Page and control windows: creation, visibility, destruction, place, text, enabled state.
#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

Window* Find(Handle window) {
  auto found = S().windows.find(window);
  return found == S().windows.end() ? nullptr : &found->second;
}

bool EffectivelyVisible(Handle window) {
  for (Window* w = Find(window); w; w = Find(w->parent)) {
    if (!w->visible) return false;
    if (w->is_page) return true;
  }
  return false;
}

bool EffectivelyEnabled(Handle window) {
  for (Window* w = Find(window); w; w = Find(w->parent)) {
    if (!w->enabled) return false;
    if (w->is_page) return true;
  }
  return false;
}

bool Contains(Handle ancestor, Handle window) {
  for (Window* w = Find(window); w; w = Find(w->parent)) {
    if (w->handle == ancestor) return true;
  }
  return false;
}

void Notify(Handle page, plat::Event event, int id) {
  Window* w = Find(page);
  if (w && w->sink) w->sink(w->context, page, event, id);
}

namespace {

Handle NewHandle() {
  return S().next_handle++;
}

// Removes window and its descendants without telling anyone, deepest first.
void RemoveTree(Handle window) {
  std::vector<Handle> children;
  for (auto& entry : S().windows) {
    if (entry.second.parent == window) children.push_back(entry.first);
  }
  for (Handle child : children) RemoveTree(child);
  S().windows.erase(window);
}

void RemoveChildren(Handle window) {
  std::vector<Handle> children;
  for (auto& entry : S().windows) {
    if (entry.second.parent == window) children.push_back(entry.first);
  }
  for (Handle child : children) RemoveTree(child);
}

// After a window is gone: focus and activation may not point at it any more.
void ForgetWindow(Handle window, bool was_page) {
  State& s = S();
  if (s.focus && !Find(s.focus)) s.focus = 0;
  if (was_page && s.foreground == window) s.foreground = 0;
  if (was_page && s.active == window) Activate(NewestVisiblePage());
}

void CopySpec(Window& w, const plat::ControlSpec& spec) {
  w.spec = spec;
  w.text = spec.text ? spec.text : "";
  if (spec.rows && spec.row_count > 0) w.rows.assign(spec.rows, spec.rows + spec.row_count);
  if (spec.font) {
    w.has_font = true;
    w.font = *spec.font;
    w.font_face = spec.font->face ? spec.font->face : "";
    w.font.face = nullptr;
  }
  w.picture = spec.picture ? spec.picture : "";
  w.spec.text = nullptr;
  w.spec.font = nullptr;
  w.spec.rows = nullptr;
  w.spec.picture = nullptr;
}

}  // namespace
}  // namespace detail
}  // namespace sim

namespace plat {

using sim::detail::Describe;
using sim::detail::Find;
using sim::detail::Log;
using sim::detail::S;
using sim::detail::Window;

Handle CreatePage(const PageSpec& spec) {
  sim::detail::State& s = S();
  const Rect& r = spec.outer;
  if (s.fail_create_page_in > 0 && --s.fail_create_page_in == 0) {
    Log("CreatePage hidden %d,%d %dx%d failed", r.left, r.top, r.width, r.height);
    return 0;
  }
  Window w;
  w.handle = sim::detail::NewHandle();
  w.is_page = true;
  w.page = w.handle;
  w.place = r;
  w.text = spec.title ? spec.title : "";
  w.icon = spec.icon ? spec.icon : "";
  w.sink = spec.sink;
  w.context = spec.context;
  s.windows[w.handle] = w;
  Log("CreatePage hidden %d,%d %dx%d", r.left, r.top, r.width, r.height);
  return w.handle;
}

Handle CreateControl(Handle page, Handle parent, int id, const ControlSpec& spec) {
  const Rect& r = spec.place;
  const char* kind = sim::detail::KindName(spec.kind);
  Window* owner = Find(page);
  Window* container = Find(parent);
  if (!owner || !owner->is_page || !container || container->page != page) {
    Log("CreateControl id=%d %s %d,%d %dx%d failed", id, kind, r.left, r.top, r.width, r.height);
    return 0;
  }
  Window w;
  w.handle = sim::detail::NewHandle();
  w.page = page;
  w.parent = parent;
  w.id = id;
  w.kind = spec.kind;
  w.enabled = !spec.disabled;
  w.place = r;
  sim::detail::CopySpec(w, spec);
  S().windows[w.handle] = w;
  Log("CreateControl id=%d %s %d,%d %dx%d", id, kind, r.left, r.top, r.width, r.height);
  return w.handle;
}

void ShowControl(Handle control, bool visible) {
  Log("ShowControl %s %s", Describe(control).c_str(), visible ? "SW_SHOWNA" : "SW_HIDE");
  if (Window* w = Find(control)) w->visible = visible;
}

void ShowPage(Handle page) {
  Log("ShowWindow SW_SHOW %s", Describe(page).c_str());
  Window* w = Find(page);
  if (!w) return;
  w->visible = true;
  if (w->is_page) sim::detail::Activate(page);
}

bool DestroyWindow(Handle window) {
  Log("DestroyWindow %s", Describe(window).c_str());
  Window* w = Find(window);
  if (!w || w->dying) return false;
  bool is_page = w->is_page;
  w->dying = true;
  sim::detail::RemoveChildren(window);
  if (is_page) {
    sim::detail::DropTimersOf(window);
    // Like WM_DESTROY: the page still exists while its sink hears of it.
    sim::detail::Notify(window, Event::Destroyed, 0);
    sim::detail::RemoveChildren(window);  // any the sink made meanwhile
  }
  S().windows.erase(window);
  sim::detail::ForgetWindow(window, is_page);
  return true;
}

bool IsWindow(Handle window) {
  Log("IsWindow %s", Describe(window).c_str());
  return Find(window) != nullptr;
}

Handle ParentOf(Handle window) {
  Log("GetParent %s", Describe(window).c_str());
  Window* w = Find(window);
  return w ? w->parent : 0;
}

Rect GetPlace(Handle control) {
  Log("GetPlace %s", Describe(control).c_str());
  Window* w = Find(control);
  return w ? w->place : Rect{0, 0, 0, 0};
}

void SetPlace(Handle control, Rect place) {
  Log("MoveWindow %s %d,%d %dx%d", Describe(control).c_str(), place.left, place.top, place.width,
      place.height);
  if (Window* w = Find(control)) w->place = place;
}

unsigned TextLength(Handle window) {
  Log("GetWindowTextLengthA %s", Describe(window).c_str());
  Window* w = Find(window);
  return w ? static_cast<unsigned>(w->text.size()) : 0;
}

unsigned GetText(Handle window, char* buffer, unsigned size) {
  Log("GetWindowTextA %s %u", Describe(window).c_str(), size);
  if (!buffer || size == 0) return 0;
  Window* w = Find(window);
  size_t length = w ? w->text.size() : 0;
  if (length > size - 1) length = size - 1;
  if (length) w->text.copy(buffer, length);
  buffer[length] = '\0';
  return static_cast<unsigned>(length);
}

void SetText(Handle window, const char* text) {
  Log("SetWindowTextA %s %s", Describe(window).c_str(), text ? text : "");
  if (Window* w = Find(window)) w->text = text ? text : "";
}

void ShowEndOfText(Handle edit) {
  Log("EM_SCROLLCARET %s", Describe(edit).c_str());
}

void EnableWindow(Handle window, bool enabled) {
  Log("EnableWindow %s %s", Describe(window).c_str(), enabled ? "TRUE" : "FALSE");
  Window* w = Find(window);
  if (!w) return;
  w->enabled = enabled;
  // Windows takes the focus away from a window that is being disabled, or from its children.
  if (!enabled && sim::detail::Contains(window, S().focus)) S().focus = 0;
}

bool IsWindowEnabled(Handle window) {
  Log("IsWindowEnabled %s", Describe(window).c_str());
  Window* w = Find(window);
  return w && w->enabled;
}

}  // namespace plat
