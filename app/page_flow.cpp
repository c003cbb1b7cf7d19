#include "app/page_flow.h"

#include "app/lifecycle.h"
#include "ui/control_def.h"
#include "ui/page_window.h"

namespace {

constexpr const char* kExitQuestion = "您确定要退出安装?";
constexpr const char* kNoticeCaption = "提示";

int FindPage(const Program& program, plat::Handle window) {
  for (int p = 0; p < kPageCount; ++p)
    if (window && program.pages[p].window == window) return p;
  return -1;
}

void RunHandler(Program& program, Handler handler) {
  if (handler && !program.ending && !program.handlers_silent) handler(program);
}

void PageGone(Program& program, PageSlot& slot) {
  slot.window = 0;
  slot.destroy_pending = false;
  for (int i = 0; i < kMaxControls; ++i) slot.controls[i] = 0, slot.timer_period[i] = 0;
  if (!program.ending && !AnyPageAlive(program)) plat::PostQuit(0);
}

}  // namespace

bool AnyPageAlive(const Program& program) {
  for (const PageSlot& slot : program.pages)
    if (slot.window) return true;
  return false;
}

void OnPageEvent(void* context, plat::Handle window, plat::Event event, int id) {
  Program& program = *static_cast<Program*>(context);
  int p = FindPage(program, window);
  if (p < 0) return;
  PageSlot& slot = program.pages[p];
  const PageDef& def = PageDefinition(static_cast<WizardPageId>(p));
  switch (event) {
    case plat::Event::Clicked:
    case plat::Event::Tick:
      if (id >= 1 && id <= def.count) RunHandler(program, def.controls[id - 1].event);
      break;
    case plat::Event::CloseRequested:
      if (!program.ending) plat::DestroyWindow(window);
      break;
    case plat::Event::DestroyRequest:
      if (slot.destroy_pending) {
        slot.destroy_pending = false;
        plat::DestroyWindow(window);
      }
      break;
    case plat::Event::Destroyed:
      PageGone(program, slot);
      break;
  }
}

void DeliverMessage(Program& program, const plat::Message& message) {
  bool backwards = false;
  plat::Handle target = plat::TabKeyTarget(message, &backwards);
  if (target && MoveFocus(program, target, backwards)) return;
  plat::DispatchMessage(message);
}

void DispatchWaiting(Program& program) {
  plat::Message message;
  while (plat::PeekMessage(message) == plat::Peeked::Message) DeliverMessage(program, message);
}

bool LoadPage(Program& program, WizardPageId page) {
  PageSlot& slot = program.page(page);
  // A second, queued click on the same button must not build the page twice.
  if (slot.window || slot.loading) return true;
  slot.loading = true;
  DispatchWaiting(program);
  program.handlers_silent = true;
  bool created = CreatePageWindow(program, page);
  if (created) DispatchWaiting(program);
  program.handlers_silent = false;
  slot.loading = false;
  if (!created) return false;
  RunHandler(program, PageDefinition(page).on_created);
  if (slot.window && plat::IsWindow(slot.window)) {
    plat::ShowPage(slot.window);
    FocusFirstControl(program, page);
  }
  return true;
}

void DestroyPage(Program& program, WizardPageId page) {
  PageSlot& slot = program.page(page);
  if (!slot.window) return;
  slot.destroy_pending = true;
  plat::PostDestroyRequest(slot.window);
}

void SwitchPage(Program& program, WizardPageId current, WizardPageId target) {
  LoadPage(program, target);
  DestroyPage(program, current);
}

int ShowMessageBox(const char* text, unsigned style, const char* caption) {
  if (!(style & plat::kBoxSystemModal)) style |= plat::kBoxTaskModal;
  int answer = plat::MessageBox(text, caption, style);
  return answer ? answer : plat::kAnswerOk;
}

void ConfirmExit(Program& program) {
  if (ShowMessageBox(kExitQuestion, plat::kBoxYesNo, kNoticeCaption) == plat::kAnswerYes)
    EndProgram(program, 0);
}
