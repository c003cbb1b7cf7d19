// The process: its entry, its three endings, and what the OS takes back afterwards.
//
// ExitProcess leaves the program with siglongjmp: a Windows process that calls ExitProcess
// never returns into its own code and runs none of its stack objects' destructors, and a
// jump is the one way to do that on the calling thread. AddressSanitizer supports longjmp.
// The simulation itself never holds an object with a destructor in a frame it may jump over.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace sim {
namespace detail {

void Fail(const char* what) {
  std::fprintf(stderr, "simulated Windows: %s\n", what);
  std::abort();
}

void EndProcess(Ended how, int code) {
  State& s = S();
  if (!s.in_process || !s.process_exit) {
    Fail(how == Ended::Hung ? "the program would wait forever outside sim::RunProcess"
                            : "ExitProcess called outside sim::RunProcess");
  }
  s.end_how = how;
  s.end_code = code;
  siglongjmp(*s.process_exit, 1);
}

void ReclaimProcess() {
  State& s = S();
  FreeAllBlocks();
  s.windows.clear();  // no sink runs: the program is gone
  s.active = s.focus = s.foreground = 0;
  s.timers.clear();
  s.queue.clear();
  s.typed.clear();
  s.open_boxes.clear();
  CloseAllFiles();
}

}  // namespace detail

Outcome RunProcess(int (*entry)()) {
  detail::State& s = detail::S();
  if (s.in_process) detail::Fail("sim::RunProcess called inside a running process");
  sigjmp_buf exit_jump;
  s.in_process = true;
  s.process_exit = &exit_jump;
  s.messages_retrieved = 0;
  if (sigsetjmp(exit_jump, 0) == 0) {
    int code = entry();
    s.end_how = Ended::Returned;
    s.end_code = code;
  }
  s.in_process = false;
  s.process_exit = nullptr;
  detail::ReclaimProcess();
  return Outcome{s.end_how, s.end_how == Ended::Hung ? -9999 : s.end_code};
}

std::string CurrentDirectory() {
  return detail::S().current_directory;
}
bool OleStarted() {
  return detail::S().ole_starts > detail::S().ole_stops;
}
int OleStartCount() {
  return detail::S().ole_starts;
}
int OleStopCount() {
  return detail::S().ole_stops;
}
bool LibrarySearchRestricted() {
  return detail::S().library_search_restricted;
}

}  // namespace sim

namespace plat {

using sim::detail::Log;
using sim::detail::S;

void RestrictLibrarySearch() {
  Log("RestrictLibrarySearch");
  S().library_search_restricted = true;
}

void StartOle() {
  // The trace shows whether the library search was restricted before COM loaded anything.
  Log("OleInitialize%s", S().library_search_restricted ? " (library search restricted)"
                                                       : " (library search not restricted)");
  ++S().ole_starts;
}

void StopOle() {
  Log("OleUninitialize");
  ++S().ole_stops;
}

unsigned ModuleFileName(char* buffer, unsigned size) {
  Log("GetModuleFileNameA %u", size);
  const std::string& path = S().config.module_path;
  if (size == 0 || !buffer) return 0;
  if (path.size() < size) {
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<unsigned>(path.size());
  }
  std::memcpy(buffer, path.data(), size - 1);
  buffer[size - 1] = '\0';
  return size;
}

bool SetCurrentDirectory(const char* path) {
  Log("SetCurrentDirectoryA %s", path ? path : "(null)");
  if (!path || !*path) return false;
  S().current_directory = path;
  return true;
}

void ExitProcess(int code) {
  Log("ExitProcess %d", code);
  sim::detail::EndProcess(sim::Ended::ExitProcess, code);
}

}  // namespace plat
