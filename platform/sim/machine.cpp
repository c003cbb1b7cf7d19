// The one simulated machine, and resetting it.
#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

State& S() {
  // Never destroyed: heap blocks a test leaves behind stay reachable, not leaked.
  static State* const state = new State;
  return *state;
}

}  // namespace detail

void Reset(const Config& config) {
  detail::State& s = detail::S();
  if (s.in_process) detail::Fail("sim::Reset called inside a running process");
  detail::ReclaimProcess();
  s = detail::State{};
  s.config = config;
  s.current_directory = config.current_directory;
  detail::ResetFileSystem();
}

}  // namespace sim
