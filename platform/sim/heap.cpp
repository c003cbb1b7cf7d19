// The process heap: live bytes, the peak, allocation faults, and loud wrong releases.
#include <cstdio>
#include <cstdlib>

#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

void FreeAllBlocks() {
  State& s = S();
  for (auto& block : s.blocks) std::free(block.first);
  s.blocks.clear();
  s.live_bytes = 0;
}

}  // namespace detail

void FailAllocation(int nth) {
  detail::S().fail_allocation_in = nth > 0 ? nth : 0;
}
size_t LiveHeapBytes() {
  return detail::S().live_bytes;
}
size_t PeakHeapBytes() {
  return detail::S().peak_bytes;
}
void ResetPeakHeap() {
  detail::S().peak_bytes = detail::S().live_bytes;
}

}  // namespace sim

namespace plat {

using sim::detail::Log;
using sim::detail::S;

void* HeapAllocate(size_t bytes) {
  sim::detail::State& s = S();
  if (s.fail_allocation_in > 0 && --s.fail_allocation_in == 0) {
    Log("HeapAlloc %zu failed", bytes);
    return nullptr;
  }
  Log("HeapAlloc %zu", bytes);
  // A zero-byte request still gets a block of its own, as HeapAlloc gives.
  void* block = std::malloc(bytes ? bytes : 1);
  if (!block) sim::detail::Fail("the host is out of memory");
  s.blocks[block] = bytes;
  s.live_bytes += bytes;
  if (s.live_bytes > s.peak_bytes) s.peak_bytes = s.live_bytes;
  return block;
}

void HeapRelease(void* block) {
  Log(block ? "HeapFree" : "HeapFree NULL");
  if (!block) return;
  sim::detail::State& s = S();
  auto found = s.blocks.find(block);
  if (found == s.blocks.end()) {
    std::fprintf(stderr, "simulated Windows: HeapFree of %p, which the heap did not give out\n",
                 block);
    std::abort();
  }
  s.live_bytes -= found->second;
  s.blocks.erase(found);
  std::free(block);
}

}  // namespace plat
