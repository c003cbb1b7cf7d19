// What a dispatched message does. Input goes only to a window that can take it: existing,
// visible and enabled together with its ancestors; everything else is dropped silently, as
// Windows drops messages for a destroyed window.
#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {
namespace {

bool TakesInput(Handle window) {
  return Find(window) && EffectivelyVisible(window) && EffectivelyEnabled(window);
}

bool IsEditable(const Window& w) {
  return !w.is_page && w.kind == plat::ControlKind::EditBox && !w.spec.read_only;
}

void ClickButton(Handle control) {
  Window* w = Find(control);
  if (!w || w->is_page || w->kind != plat::ControlKind::Button || !TakesInput(control)) return;
  Handle page = w->page;
  int id = w->id;
  FocusByUser(control);
  Notify(page, plat::Event::Clicked, id);
}

void CloseByCaption(Handle page) {
  Window* w = Find(page);
  if (!w || !w->is_page || !TakesInput(page)) return;
  Notify(page, plat::Event::CloseRequested, 0);
}

void PressKey(Handle window, Key key) {
  Window* w = Find(window);
  if (!w || !TakesInput(window)) return;
  if (key == Key::Space && !w->is_page && w->kind == plat::ControlKind::Button) {
    ClickButton(window);
  } else if (key == Key::Space && IsEditable(*w)) {
    w->text += ' ';
  } else if (key == Key::Enter && IsEditable(*w) && w->spec.multi_line) {
    w->text += "\r\n";
  }
  // Tab is the program's own (TabKeyTarget); Escape, F1 and other Enters do nothing.
}

void TypeInto(Handle edit, int typed) {
  Window* w = Find(edit);
  State& s = S();
  if (!w || !IsEditable(*w) || !TakesInput(edit)) return;
  if (typed < 0 || static_cast<size_t>(typed) >= s.typed.size()) return;
  FocusByUser(edit);
  w->text = s.typed[typed];
}

}  // namespace

void Deliver(const Posted& m) {
  switch (m.kind) {
    case MsgKind::Click:
      ClickButton(m.window);
      break;
    case MsgKind::CaptionClose:
      CloseByCaption(m.window);
      break;
    case MsgKind::Key:
      PressKey(m.window, m.key);
      break;
    case MsgKind::Type:
      TypeInto(m.window, m.param);
      break;
    case MsgKind::DestroyRequest:
      if (Window* w = Find(m.window); w && w->is_page)
        Notify(m.window, plat::Event::DestroyRequest, 0);
      break;
    case MsgKind::Tick:
      // A tick of a timer killed since it was queued is dropped, as on Windows.
      if (TimerRuns(m.window, m.param)) Notify(m.window, plat::Event::Tick, m.param);
      break;
    case MsgKind::Quit:
      break;
  }
}

}  // namespace detail
}  // namespace sim
