// The call trace: one readable line per platform call, then the test's hook.
#include <cstdarg>
#include <cstdio>

#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

void Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string line(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  std::vsnprintf(line.data(), line.size() + 1, format, again);
  va_end(again);
  State& s = S();
  s.calls.push_back(line);
  // A copy, so that a hook may replace itself.
  auto hook = s.on_call;
  if (hook) hook(line);
}

std::string Describe(Handle window) {
  const Window* w = Find(window);
  if (!w) return "invalid";
  if (w->is_page) return "page";
  return "id=" + std::to_string(w->id);
}

const char* KindName(plat::ControlKind kind) {
  switch (kind) {
    case plat::ControlKind::TransparentLabel:
      return "TransparentLabel";
    case plat::ControlKind::GradientLabel:
      return "GradientLabel";
    case plat::ControlKind::Button:
      return "Button";
    case plat::ControlKind::EditBox:
      return "EditBox";
    case plat::ControlKind::PictureBox:
      return "PictureBox";
    case plat::ControlKind::GroupBox:
      return "GroupBox";
  }
  return "?";
}

}  // namespace detail

const std::vector<std::string>& Calls() {
  return detail::S().calls;
}

void OnCall(std::function<void(const std::string& line)> hook) {
  detail::S().on_call = std::move(hook);
}

}  // namespace sim
