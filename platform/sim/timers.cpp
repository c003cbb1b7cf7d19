// Page timers and the simulated clock. The clock moves only while the program waits with an
// empty queue, straight to the next expiry; like Windows, a timer never has more than one
// tick waiting, and a tick is made only when nothing else is queued.
#include <algorithm>

#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

unsigned EffectivePeriod(unsigned period) {
  return std::max(period, TimerMinimum());
}

bool TimerRuns(Handle page, int id) {
  for (const Timer& t : S().timers) {
    if (t.page == page && t.id == id) return true;
  }
  return false;
}

void DropTimersOf(Handle page) {
  auto& timers = S().timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(),
                              [page](const Timer& t) { return t.page == page; }),
               timers.end());
}

namespace {

bool TickWaiting(const Timer& timer) {
  for (const Posted& p : S().queue) {
    if (p.kind == MsgKind::Tick && p.window == timer.page && p.param == timer.id) return true;
  }
  return false;
}

void QueueTick(Timer& timer) {
  Post(MsgKind::Tick, timer.page, timer.id);
  timer.due = S().now + EffectivePeriod(timer.period);
}

}  // namespace

bool QueueDueTick(bool may_wait) {
  State& s = S();
  Timer* next = nullptr;
  for (Timer& t : s.timers) {
    if (TickWaiting(t)) continue;
    if (!next || t.due < next->due) next = &t;
  }
  if (!next || (next->due > s.now && !may_wait)) return false;
  if (next->due > s.now) s.now = next->due;
  QueueTick(*next);
  return true;
}

void QueueTickOfEveryTimer() {
  for (Timer& t : S().timers) {
    if (!TickWaiting(t)) QueueTick(t);
  }
}

}  // namespace detail

unsigned TimerMinimum() {
  return 10;
}
long long Now() {
  return detail::S().now;
}

}  // namespace sim

namespace plat {

using sim::detail::Log;
using sim::detail::S;

bool SetTimer(Handle page, int id, unsigned period_ms) {
  Log("SetTimer id=%d %u", id, period_ms);
  sim::detail::Window* w = sim::detail::Find(page);
  if (!w || w->dying) return false;
  long long due = S().now + sim::detail::EffectivePeriod(period_ms);
  for (sim::detail::Timer& t : S().timers) {
    if (t.page == page && t.id == id) {
      t.period = period_ms;
      t.due = due;
      return true;
    }
  }
  S().timers.push_back(sim::detail::Timer{page, id, period_ms, due});
  return true;
}

void KillTimer(Handle page, int id) {
  Log("KillTimer id=%d", id);
  auto& timers = S().timers;
  timers.erase(
      std::remove_if(timers.begin(), timers.end(),
                     [&](const sim::detail::Timer& t) { return t.page == page && t.id == id; }),
      timers.end());
}

}  // namespace plat
