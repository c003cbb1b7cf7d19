// The thread's message queue: posting, retrieving, waiting, and dispatch to the pages.
#include <cstdio>
#include <cstring>

#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

constexpr long long kMessageLimit = 100000;

void Post(MsgKind kind, Handle window, int param, Key key) {
  S().queue.push_back(Posted{kMagic, kind, key, window, param});
}

void CountRetrieval() {
  State& s = S();
  if (++s.messages_retrieved <= kMessageLimit || !s.in_process) return;
  std::fprintf(stderr,
               "simulated Windows: more than %lld messages in one process; ending it as hung\n",
               kMessageLimit);
  EndProcess(Ended::Hung, -9999);
}

std::string DescribeMessage(const Posted& m) {
  static const char* const kKeys[] = {"Tab", "ShiftTab", "Escape", "Enter", "F1", "Space"};
  std::string target = Describe(m.window);
  switch (m.kind) {
    case MsgKind::Click:
      return "Click " + target;
    case MsgKind::CaptionClose:
      return "CaptionClose " + target;
    case MsgKind::Key:
      return std::string("Key ") + kKeys[static_cast<int>(m.key)] + " " + target;
    case MsgKind::Type:
      return "Type " + target;
    case MsgKind::DestroyRequest:
      return "PageDestroyRequest " + target;
    case MsgKind::Tick:
      return "WM_TIMER id=" + std::to_string(m.param);
    case MsgKind::Quit:
      return "WM_QUIT " + std::to_string(m.param);
  }
  return "?";
}

namespace {

bool Decode(const plat::Message& message, Posted* out) {
  std::memcpy(out, message.raw, sizeof *out);
  return out->magic == kMagic;
}

void Encode(const Posted& posted, plat::Message* out) {
  static_assert(sizeof(Posted) <= sizeof out->raw, "a posted message must fit a Message");
  std::memset(out->raw, 0, sizeof out->raw);
  std::memcpy(out->raw, &posted, sizeof posted);
}

// Runs the next user step when there is one. False when the script is used up.
bool RunNextStep() {
  State& s = S();
  if (s.next_step >= s.steps.size()) return false;
  s.steps[s.next_step++]();
  return true;
}

// Pops the head of the queue into message, counts it and traces it.
Posted Retrieve(const char* call, plat::Message* message) {
  State& s = S();
  Posted head = s.queue.front();
  s.queue.pop_front();
  CountRetrieval();
  Encode(head, message);
  Log("%s %s", call, DescribeMessage(head).c_str());
  return head;
}

}  // namespace
}  // namespace detail
}  // namespace sim

namespace plat {

using sim::detail::Log;
using sim::detail::MsgKind;
using sim::detail::Posted;
using sim::detail::S;

bool GetMessage(Message& message) {
  sim::detail::State& s = S();
  while (s.queue.empty()) {
    if (sim::detail::QueueDueTick(true)) break;
    if (sim::detail::RunNextStep()) continue;
    Log("GetMessageA waits: nothing queued, no timer, no step left");
    sim::detail::EndProcess(sim::Ended::Hung, -9999);
  }
  return sim::detail::Retrieve("GetMessageA", &message).kind != MsgKind::Quit;
}

Peeked PeekMessage(Message& message) {
  sim::detail::State& s = S();
  if (s.queue.empty()) sim::detail::QueueDueTick(false);
  if (s.queue.empty()) {
    Log("PeekMessageA empty");
    sim::detail::CountRetrieval();  // a program spinning on an empty queue hangs too
    return Peeked::Empty;
  }
  if (s.queue.front().kind == MsgKind::Quit) {
    Log("PeekMessageA WM_QUIT");
    return Peeked::Quit;
  }
  sim::detail::Retrieve("PeekMessageA", &message);
  return Peeked::Message;
}

void DispatchMessage(const Message& message) {
  Posted posted;
  if (!sim::detail::Decode(message, &posted)) {
    Log("DispatchMessageA unknown");
    return;
  }
  Log("DispatchMessageA %s", sim::detail::DescribeMessage(posted).c_str());
  sim::detail::Deliver(posted);
}

Handle TabKeyTarget(const Message& message, bool* backwards) {
  Log("TabKeyTarget");
  Posted posted;
  if (!sim::detail::Decode(message, &posted) || posted.kind != MsgKind::Key) return 0;
  if (posted.key != sim::Key::Tab && posted.key != sim::Key::ShiftTab) return 0;
  if (backwards) *backwards = posted.key == sim::Key::ShiftTab;
  return posted.window;
}

bool PostDestroyRequest(Handle page) {
  bool exists = sim::detail::Find(page) != nullptr;
  Log("PostMessage PageDestroyRequest%s", exists ? "" : " invalid");
  if (!exists) return false;
  sim::detail::Post(MsgKind::DestroyRequest, page, 0);
  return true;
}

void PostQuit(int code) {
  Log("PostQuitMessage %d", code);
  sim::detail::Post(MsgKind::Quit, 0, code);
}

int QuitCode(const Message& message) {
  Posted posted;
  if (!sim::detail::Decode(message, &posted) || posted.kind != MsgKind::Quit) return 0;
  return posted.param;
}

}  // namespace plat
