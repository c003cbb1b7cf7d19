// Times setup.exe against the benchmark's reference programs, alternating the two, one
// warm-up pair first. One line per measurement on stdout:
//   figure=<start|install|animation> program=<setup|ref> run=<n> ms=<milliseconds>
// run 0 is the warm-up. Exit code 0 when every run completed, 1 when one failed (the line
// says why), 2 for a usage error. Every wait is bounded.
//
//   bench_driver start <runs> <setup.exe> <ref_window.exe>
//   bench_driver install <runs> <setup.exe> <ref_install.exe> <folder for the fresh roots>
#include "driver.h"

#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "payload/payload_store.h"

namespace {

const char kPageTitle[] = "青禾网音乐盒 V2.1 绿色中文版";
const char kRefWindowTitle[] = "ref_window";
const char kRefInstallTitle[] = "ref_install";
const char kRefDoneTitle[] = "ref_install done";

// Control ids of the pages' buttons and boxes.
constexpr int kWelcomeNext = 4;
constexpr int kLicenseNext = 3;
constexpr int kDestinationEdit = 5;
constexpr int kDestinationNext = 7;
constexpr int kFinish = 5;
constexpr int kRefGo = 1;

constexpr double kPageMs = 20000;
constexpr double kInstallMs = 60000;
constexpr double kFinishMs = 30000;
constexpr DWORD kExitMs = 10000;
constexpr DWORD kSettleMs = 300;  // the page painted and idle before the timed click

// One program under measurement; terminated if it is still running when the run is over.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, kExitMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }

  bool Start(const char* exe, const char* argument) {
    char command[2 * MAX_PATH + 8];
    snprintf(command, sizeof command, "\"%s\"%s%s", exe, *argument ? " " : "", argument);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(exe, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info_) != FALSE;
  }

  DWORD pid() const { return info_.dwProcessId; }

  // Lets the program finish what the last input started, painting included.
  void Settle() const {
    Sleep(kSettleMs);
    WaitForInputIdle(info_.hProcess, 2000);
  }

  // The exit code once the process has ended, -1 when it does not end in time.
  long WaitExit() const {
    DWORD code = 0;
    if (WaitForSingleObject(info_.hProcess, kExitMs) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION info_ = {};
};

int Fail(const char* figure, const char* program, int run, const char* why) {
  printf("figure=%s program=%s run=%d error=%s\n", figure, program, run, why);
  fflush(stdout);
  return 1;
}

void Report(const char* figure, const char* program, int run, double ms) {
  printf("figure=%s program=%s run=%d ms=%.3f\n", figure, program, run, ms);
  fflush(stdout);
}

HWND WaitWindow(const Process& process, const char* title, HWND except, double timeout_ms) {
  HWND found = nullptr;
  WaitFor(timeout_ms, [&] { return (found = FindVisibleWindow(process.pid(), title, except)); });
  return found;
}

// From CreateProcess to the first window of the program being visible.
int StartRun(const char* exe, const char* title, const char* program, int run) {
  Process process;
  double started = NowMs();
  if (!process.Start(exe, "")) return Fail("start", program, run, "createprocess");
  HWND window = WaitWindow(process, title, nullptr, kPageMs);
  double shown = NowMs();
  if (!window) return Fail("start", program, run, "no-window");
  Report("start", program, run, shown - started);
  process.Settle();
  PostMessageA(window, WM_CLOSE, 0, 0);
  return process.WaitExit() >= 0 ? 0 : Fail("start", program, run, "no-exit");
}

// Shared places every install run writes to, emptied so each run starts from the same system.
void RemoveSharedShortcuts() {
  char folder[MAX_PATH + 64] = "";
  if (SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOPDIRECTORY, FALSE)) {
    lstrcatA(folder, "\\青禾音乐盒.lnk");
    DeleteFileA(folder);
  }
  if (SHGetSpecialFolderPathA(nullptr, folder, CSIDL_PROGRAMS, FALSE)) {
    lstrcatA(folder, "\\青禾音乐盒程序");
    char link[MAX_PATH + 64];
    for (const char* name : {"\\青禾音乐盒.lnk", "\\卸载.lnk"}) {
      lstrcpyA(link, folder);
      lstrcatA(link, name);
      DeleteFileA(link);
    }
    RemoveDirectoryA(folder);
  }
}

// A fresh, empty root below `base` for each run, ending in a backslash as the page's default.
bool FreshRoot(const char* base, const char* program, int run, char* root) {
  CreateDirectoryA(base, nullptr);
  snprintf(root, MAX_PATH, "%s\\%s%d\\", base, program, run);
  RemoveSharedShortcuts();
  return CreateDirectoryA(root, nullptr) != FALSE;
}

// Whether the 18 files lie under root and exactly the last 12 carry hidden and system.
bool Installed(const char* root) {
  char path[2 * MAX_PATH];
  for (int i = 1; i <= kPayloadCount; ++i) {
    snprintf(path, sizeof path, "%s%s", root, kPayloadPaths[i - 1] + 1);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    bool hidden_system = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ==
                         (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (hidden_system != (i >= 7)) return false;
  }
  return true;
}

// Clicks Next on `page` and waits for the page that replaces it.
HWND NextPage(const Process& process, HWND page, int next) {
  process.Settle();
  if (ClickAt(GetDlgItem(page, next)) < 0) return nullptr;
  HWND following = WaitWindow(process, kPageTitle, page, kPageMs);
  if (!following || !WaitFor(kPageMs, [&] { return !IsWindow(page); })) return nullptr;
  return following;
}

// Welcome, license, destination with the fresh root typed in; then the timed click on Next,
// the progress page, and the finish button becoming usable.
int SetupInstallRun(const char* exe, const char* base, int run) {
  const char* me = "setup";
  char root[MAX_PATH];
  if (!FreshRoot(base, me, run, root)) return Fail("install", me, run, "root");
  Process process;
  if (!process.Start(exe, "")) return Fail("install", me, run, "createprocess");
  HWND page = WaitWindow(process, kPageTitle, nullptr, kPageMs);
  if (page) page = NextPage(process, page, kWelcomeNext);
  if (page) page = NextPage(process, page, kLicenseNext);
  if (!page) return Fail("install", me, run, "wizard");
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(page, kDestinationEdit), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(root), SMTO_ABORTIFHUNG, 2000, &ignored);
  process.Settle();
  double clicked = ClickAt(GetDlgItem(page, kDestinationNext));
  if (clicked < 0) return Fail("install", me, run, "sendinput");
  HWND progress = WaitWindow(process, kPageTitle, page, kInstallMs);
  double shown = NowMs();
  if (!progress) return Fail("install", me, run, "no-progress-page");
  HWND finish = GetDlgItem(progress, kFinish);
  bool usable = WaitFor(kFinishMs, [&] { return IsWindowEnabled(finish) != FALSE; });
  double finished = NowMs();
  Report("install", me, run, shown - clicked);
  if (!usable) return Fail("animation", me, run, "finish-stays-disabled");
  Report("animation", me, run, finished - shown);
  process.Settle();
  ClickAt(finish);
  long code = process.WaitExit();
  if (code != 0) return Fail("install", me, run, code < 0 ? "no-exit" : "exit-code");
  return Installed(root) ? 0 : Fail("install", me, run, "tree");
}

int RefInstallRun(const char* exe, const char* base, int run) {
  const char* me = "ref";
  char root[MAX_PATH], argument[MAX_PATH + 2];
  if (!FreshRoot(base, me, run, root)) return Fail("install", me, run, "root");
  snprintf(argument, sizeof argument, "\"%s\"", root);
  Process process;
  if (!process.Start(exe, argument)) return Fail("install", me, run, "createprocess");
  HWND window = WaitWindow(process, kRefInstallTitle, nullptr, kPageMs);
  if (!window) return Fail("install", me, run, "no-window");
  process.Settle();
  double clicked = ClickAt(GetDlgItem(window, kRefGo));
  if (clicked < 0) return Fail("install", me, run, "sendinput");
  HWND done = WaitWindow(process, kRefDoneTitle, nullptr, kInstallMs);
  double shown = NowMs();
  if (!done) return Fail("install", me, run, "no-done-window");
  Report("install", me, run, shown - clicked);
  process.Settle();
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (process.WaitExit() < 0) return Fail("install", me, run, "no-exit");
  return Installed(root) ? 0 : Fail("install", me, run, "tree");
}

// What every run needs: the two programs and the folder of the fresh roots.
struct Bench {
  const char* setup;
  const char* reference;
  const char* base;
};
using RunFn = int (*)(const Bench& bench, int run);

int SetupStart(const Bench& bench, int run) {
  return StartRun(bench.setup, kPageTitle, "setup", run);
}
int RefStart(const Bench& bench, int run) {
  return StartRun(bench.reference, kRefWindowTitle, "ref", run);
}
int SetupInstall(const Bench& bench, int run) {
  return SetupInstallRun(bench.setup, bench.base, run);
}
int RefInstall(const Bench& bench, int run) {
  return RefInstallRun(bench.reference, bench.base, run);
}

// Run 0 warms the prefix up; then the two alternate, each going first every other time.
int Alternate(const Bench& bench, int runs, RunFn setup, RunFn ref) {
  for (int run = 0; run <= runs; ++run) {
    bool setup_first = run % 2 == 0;
    int failed = setup_first ? setup(bench, run) : ref(bench, run);
    failed |= setup_first ? ref(bench, run) : setup(bench, run);
    if (failed) return 1;
  }
  return 0;
}

int Usage() {
  fprintf(stderr,
          "usage: bench_driver start <runs> <setup.exe> <ref_window.exe>\n"
          "       bench_driver install <runs> <setup.exe> <ref_install.exe> <roots folder>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Usage();
  int runs = atoi(argv[2]);
  Bench bench = {argv[3], argv[4], argc >= 6 ? argv[5] : ""};
  if (runs < 1) return Usage();
  if (strcmp(argv[1], "start") == 0) return Alternate(bench, runs, SetupStart, RefStart);
  if (strcmp(argv[1], "install") == 0 && argc >= 6)
    return Alternate(bench, runs, SetupInstall, RefInstall);
  return Usage();
}
