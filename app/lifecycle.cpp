#include "app/lifecycle.h"

#include "app/page_flow.h"
#include "platform/platform.h"

namespace {

constexpr unsigned kModulePathSize = 260;
constexpr const char* kFatalMessage = "安装程序无法继续运行（内存不足或无法创建窗口），即将退出。";
constexpr const char* kFatalCaption = "错误";

void ClosePages(Program& program) {
  for (PageSlot& slot : program.pages)
    if (slot.window) plat::DestroyWindow(slot.window);
}

// Steps shared by every ending: no handler from here on, pages closed, the exit hook run
// once, then what start-up acquired released.
void Shutdown(Program& program) {
  program.ending = true;
  ClosePages(program);
  if (program.exit_hook) {
    void (*hook)(Program&) = program.exit_hook;
    program.exit_hook = nullptr;
    hook(program);
  }
  plat::StopOle();
}

}  // namespace

void ExitHook(Program& program) {
  program.InstallRoot.Release();
}

void SetCurrentDirectoryToExecutable() {
  char path[kModulePathSize + 1] = {};
  plat::ModuleFileName(path, kModulePathSize);
  int cut = LastBackslash(path);
  // A program at a drive root keeps the root's backslash: "C:" alone would name the drive's
  // current directory instead.
  if (cut == 2 && path[1] == ':') cut = 3;
  path[cut < 0 ? 0 : cut] = '\0';
  plat::SetCurrentDirectory(path);
}

void RunMessageLoop(Program& program, int* quit_code) {
  *quit_code = 0;
  if (!AnyPageAlive(program)) return;
  plat::Message message;
  while (plat::GetMessage(message)) DeliverMessage(program, message);
  *quit_code = plat::QuitCode(message);
}

// A caller can tell an incomplete installation from a complete one, however the user leaves.
static int FinalCode(const Program& program, int code) {
  return code == 0 && program.install_report.failure_count > 0 ? 1 : code;
}

void EndProgram(Program& program, int exit_code) {
  exit_code = FinalCode(program, exit_code);
  Shutdown(program);
  plat::ExitProcess(exit_code);
}

void FatalStop(Program& program) {
  program.ending = true;
  ShowMessageBox(kFatalMessage, plat::kBoxOk | plat::kBoxIconError, kFatalCaption);
  program.exit_hook = nullptr;
  EndProgram(program, -1);
}

int InstallerMain() {
  // Before anything can load a library: the installer usually starts from a downloads folder.
  plat::RestrictLibrarySearch();
  plat::StartOle();
  SetCurrentDirectoryToExecutable();
  Program program;
  program.exit_hook = &ExitHook;
  if (!LoadPage(program, WizardPageId::WelcomePage)) FatalStop(program);
  int quit_code = 0;
  RunMessageLoop(program, &quit_code);
  Shutdown(program);
  return FinalCode(program, quit_code);
}
