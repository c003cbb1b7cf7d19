#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

long NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

std::vector<char*> Pointers(const std::vector<std::string>& argv) {
  std::vector<char*> pointers;
  for (const std::string& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// In the child: own process group, given stdout, stdin from /dev/null, then exec.
[[noreturn]] void Exec(const std::vector<std::string>& argv, int out_fd) {
  setpgid(0, 0);
  int null_fd = open("/dev/null", O_RDONLY);
  dup2(null_fd, 0);
  if (out_fd >= 0) dup2(out_fd, 1);
  std::vector<char*> pointers = Pointers(argv);
  execvp(pointers[0], pointers.data());
  _exit(127);
}

int Decode(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

void KillGroup(pid_t pid) {
  kill(-pid, SIGKILL);
  kill(pid, SIGKILL);
}

// Reads what is there without blocking once the command has ended: a process it left behind
// (a wineserver) may hold the pipe open for much longer.
void Drain(int fd, std::string* out) {
  char buffer[4096];
  pollfd ready{fd, POLLIN, 0};
  while (poll(&ready, 1, 0) > 0 && (ready.revents & POLLIN)) {
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    out->append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

RunResult Run(const std::vector<std::string>& argv, int timeout_ms) {
  RunResult result;
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return result;
  pid_t pid = fork();
  if (pid == 0) {
    close(pipe_fds[0]);
    Exec(argv, pipe_fds[1]);
  }
  close(pipe_fds[1]);
  if (pid < 0) {
    close(pipe_fds[0]);
    return result;
  }
  long deadline = NowMs() + timeout_ms;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (NowMs() >= deadline) {
      result.timed_out = true;
      KillGroup(pid);
      waitpid(pid, &status, 0);
      close(pipe_fds[0]);
      return result;
    }
    pollfd ready{pipe_fds[0], POLLIN, 0};
    int events = poll(&ready, 1, 10);
    if (events > 0 && (ready.revents & POLLIN))
      Drain(pipe_fds[0], &result.out);
    else if (events > 0)
      usleep(10000);  // the write end is closed; the command is about to end
  }
  Drain(pipe_fds[0], &result.out);
  close(pipe_fds[0]);
  result.exit_code = Decode(status);
  return result;
}

Child::Child(const std::vector<std::string>& argv, const std::string& log_path) {
  int log_fd = log_path.empty() ? -1 : open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_ = fork();
  if (pid_ == 0) Exec(argv, log_fd);
  if (pid_ > 0) setpgid(pid_, pid_);
  if (log_fd >= 0) close(log_fd);
}

Child::~Child() {
  Kill();
}

int Child::WaitExit(int timeout_ms) {
  long deadline = NowMs() + timeout_ms;
  while (Running()) {
    if (NowMs() >= deadline) return -1;
    usleep(10000);
  }
  return reaped_ ? Decode(status_) : -1;
}

bool Child::Running() {
  if (pid_ <= 0 || reaped_) return false;
  if (waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
  return !reaped_;
}

void Child::Kill() {
  if (!Running()) return;
  KillGroup(pid_);
  waitpid(pid_, &status_, 0);
  reaped_ = true;
}
