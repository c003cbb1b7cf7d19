// Child processes with bounded waits: the tests never block on a hung Wine.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct RunResult {
  int exit_code = -1;  // -1 when the command did not end by itself
  bool timed_out = false;
  std::string out;  // standard output
};

// Runs argv to its end, killing it after timeout_ms.
RunResult Run(const std::vector<std::string>& argv, int timeout_ms);

// A process that runs beside the test, in a process group of its own. Destroying it kills
// whatever is left of the group.
class Child {
 public:
  explicit Child(const std::vector<std::string>& argv, const std::string& log_path = "");
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return pid_ > 0; }
  // The exit code once the process has ended within timeout_ms; -1 if it is still running
  // (or was killed by a signal, reported as 128 + signal).
  int WaitExit(int timeout_ms);
  bool Running();
  void Kill();

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  bool reaped_ = false;
};
