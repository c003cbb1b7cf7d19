// The simulated user: scripted steps and the input they queue.
#include "platform/sim/sim_state.h"

namespace sim {

using detail::MsgKind;
using detail::S;

void AddStep(std::function<void()> step) {
  S().steps.push_back(std::move(step));
}

void Click(Handle control) {
  detail::Post(MsgKind::Click, control, 0);
}

void CloseByCaption(Handle page) {
  detail::Post(MsgKind::CaptionClose, page, 0);
}

void PressKey(Key key) {
  Handle target = S().focus ? S().focus : S().active;
  detail::Post(MsgKind::Key, target, 0, key);
}

void Type(Handle edit, const std::string& text) {
  S().typed.push_back(text);
  detail::Post(MsgKind::Type, edit, static_cast<int>(S().typed.size() - 1));
}

}  // namespace sim
