// The benchmark's figures that the simulated Windows can see and Wine cannot: the heap the
// install run uses, and whether every file goes to the platform in one write straight from the
// embedded bytes. One install run into a fresh simulated machine; key=value lines on stdout.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "app/program.h"
#include "install/install_run.h"
#include "payload/payload_store.h"
#include "platform/sim/sim.h"

namespace {

constexpr const char* kRoot = "C:\\Program Files\\";

struct RunFigures {
  size_t live_before;
  size_t peak_during;
  size_t live_after;
  int failures;
  size_t first_call, end_call;  // the run's lines of sim::Calls()
};

// Written by the simulated process, read once it has ended.
RunFigures& Figures() {
  static RunFigures figures;
  return figures;
}

int InstallProcess() {
  plat::StartOle();
  {
    Program program;
    program.InstallRoot = JoinTexts(program, {kRoot});
    RunFigures& figures = Figures();
    figures.live_before = sim::LiveHeapBytes();
    sim::ResetPeakHeap();
    figures.first_call = sim::Calls().size();
    RunInstallPlan(program);
    figures.end_call = sim::Calls().size();
    figures.peak_during = sim::PeakHeapBytes() - figures.live_before;
    figures.live_after = sim::LiveHeapBytes() - figures.live_before;
    figures.failures = program.install_report.failure_count;
  }
  plat::StopOle();
  return 0;
}

bool EndsWith(const std::string& text, const char* tail) {
  size_t length = std::strlen(tail);
  return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

// Whether a write's bytes lie wholly inside one embedded entry.
bool InsidePayload(const sim::WriteCall& write) {
  auto begin = static_cast<const unsigned char*>(write.bytes);
  for (int i = 1; i <= kPayloadCount; ++i) {
    ByteBlock block = PayloadAt(i).block;
    if (begin >= block.bytes && begin + write.length <= block.bytes + block.length) return true;
  }
  return false;
}

// Entry i went to the platform as exactly one write of its whole block, from its own bytes.
bool OneWriteInPlace(int index) {
  PayloadEntry entry = PayloadAt(index);
  int calls = 0;
  bool in_place = false;
  for (const sim::WriteCall& write : sim::Writes()) {
    if (!EndsWith(write.path, entry.relative + 1)) continue;
    ++calls;
    in_place = write.bytes == entry.block.bytes &&
               write.length == static_cast<uint32_t>(entry.block.length);
  }
  return calls == 1 && in_place;
}

// Platform calls the run made, by function: what it does between the 40 operations shows here.
void PrintCalls(const RunFigures& figures) {
  std::map<std::string, int> counts;
  const std::vector<std::string>& calls = sim::Calls();
  for (size_t i = figures.first_call; i < figures.end_call && i < calls.size(); ++i)
    ++counts[calls[i].substr(0, calls[i].find(' '))];
  printf("calls=");
  const char* separator = "";
  for (const auto& [name, count] : counts) {
    printf("%s%s:%d", separator, name.c_str(), count);
    separator = ",";
  }
  printf("\n");
}

}  // namespace

int main() {
  sim::Reset();
  sim::Outcome outcome = sim::RunProcess(InstallProcess);
  const RunFigures& figures = Figures();
  int outside = 0;
  long long bytes = 0;
  for (const sim::WriteCall& write : sim::Writes()) {
    if (!InsidePayload(write)) ++outside;
    bytes += write.length;
  }
  int whole = 0;
  for (int i = 1; i <= kPayloadCount; ++i) whole += OneWriteInPlace(i) ? 1 : 0;
  printf("exit=%d\n", outcome.exit_code);
  printf("failures=%d\n", figures.failures);
  printf("heap_before=%zu\n", figures.live_before);
  printf("heap_peak=%zu\n", figures.peak_during);
  printf("heap_after=%zu\n", figures.live_after);
  printf("writes=%zu\n", sim::Writes().size());
  printf("write_bytes=%lld\n", bytes);
  printf("writes_outside_payload=%d\n", outside);
  printf("files_one_write_in_place=%d\n", whole);
  PrintCalls(figures);
  return outcome.how == sim::Ended::Returned ? 0 : 1;
}
