// Message boxes: task-modal with no owner, a short modal loop, and scripted answers.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {
namespace {

// The buttons of a box's style, the first being the one an unscripted box is closed with.
std::vector<int> Buttons(unsigned style) {
  switch (style & 0xF) {
    case 1:
      return {1, 2};  // OK, Cancel
    case 2:
      return {3, 4, 5};  // Abort, Retry, Ignore
    case 3:
      return {6, 7, 2};  // Yes, No, Cancel
    case 4:
      return {6, 7};  // Yes, No
    case 5:
      return {4, 2};  // Retry, Cancel
    case 6:
      return {2, 10, 11};  // Cancel, Try Again, Continue
    default:
      return {1};  // OK
  }
}

// Every page is disabled while an ownerless box is open; the box has activation and focus.
void Open(const char* text, const char* caption, unsigned style) {
  State& s = S();
  OpenBox box{s.boxes.size(), {}, s.active, s.focus, s.foreground};
  BoxCall record{text ? text : "", caption ? caption : "", style, false, {}, 0};
  for (auto& entry : s.windows) {
    Window& w = entry.second;
    if (!w.is_page) continue;
    box.enabled_before.emplace_back(w.handle, w.enabled);
    w.enabled = false;
    record.pages_enabled.push_back(false);
  }
  s.active = s.focus = s.foreground = 0;
  s.boxes.push_back(std::move(record));
  s.open_boxes.push_back(std::move(box));
}

// Dispatches what waits now, with one tick of each running timer; input finds the pages
// disabled and is dropped. No local here outlives a handler that might end the process.
void RunModalLoop() {
  State& s = S();
  QueueTickOfEveryTimer();
  for (size_t waiting = s.queue.size(); waiting > 0 && !s.queue.empty(); --waiting) {
    if (s.queue.front().kind == MsgKind::Quit) break;
    Posted next = s.queue.front();
    s.queue.pop_front();
    CountRetrieval();
    Deliver(next);
  }
}

int Answer(unsigned style, bool* answered) {
  State& s = S();
  std::vector<int> buttons = Buttons(style);
  *answered = !s.answers.empty();
  if (!*answered) return buttons.front();
  int answer = s.answers.front();
  s.answers.pop_front();
  if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
    std::fprintf(stderr, "simulated Windows: answer %d is not a button of a box of style 0x%X\n",
                 answer, style);
    std::abort();
  }
  return answer;
}

void Close(int answer, bool answered) {
  State& s = S();
  OpenBox box = std::move(s.open_boxes.back());
  s.open_boxes.pop_back();
  s.boxes[box.record].answered = answered;
  s.boxes[box.record].answer = answer;
  for (auto& [page, enabled] : box.enabled_before) {
    if (Window* w = Find(page)) w->enabled = enabled;
  }
  Handle active = Find(box.active) ? box.active : NewestVisiblePage();
  s.active = active;
  s.foreground = Find(box.foreground) ? box.foreground : active;
  s.focus = Find(box.focus) && EffectivelyEnabled(box.focus) ? box.focus : active;
}

}  // namespace
}  // namespace detail

void AnswerBoxes(std::vector<int> answers) {
  for (int answer : answers) detail::S().answers.push_back(answer);
}

void FailMessageBoxes(bool fail) {
  detail::S().fail_boxes = fail;
}

const std::vector<BoxCall>& Boxes() {
  return detail::S().boxes;
}

}  // namespace sim

namespace plat {

int MessageBox(const char* text, const char* caption, unsigned style) {
  sim::detail::Log("MessageBoxA 0x%X %s", style, caption ? caption : "");
  if (sim::detail::S().fail_boxes) return 0;
  sim::detail::Open(text, caption, style);
  sim::detail::RunModalLoop();
  bool answered = false;
  int answer = sim::detail::Answer(style, &answered);
  sim::detail::Close(answer, answered);
  return answer;
}

}  // namespace plat
