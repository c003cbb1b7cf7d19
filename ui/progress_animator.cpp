#include "app/program.h"
#include "ui/completion_log.h"
#include "ui/page_window.h"
#include "ui/progress_page.h"

namespace ProgressAnimator {

using namespace ProgressPage;
constexpr WizardPageId kPage = WizardPageId::ProgressPage;
constexpr int kStep = 5;
constexpr int kEndMargin = 15;

static bool StripFull(Program& program, int* width) {
  *width = ReadWidth(program, kPage, 标签1);
  return *width >= ReadWidth(program, kPage, 分组框1) - kEndMargin;
}

void onTick(Program& program) {
  int width = 0;
  if (StripFull(program, &width)) {
    SetPeriod(program, kPage, 时钟1, 0);
  } else {
    SetWidth(program, kPage, 标签1, width + kStep);
  }
  Text log = CompletionLog(program);
  SetText(program, kPage, 编辑框1, log.c_str());
  log.Release();
  // The failure report follows the twelve lines: bring it into view.
  if (program.install_report.failure_count > 0) ShowEndOfText(program, kPage, 编辑框1);
  if (StripFull(program, &width)) {
    SetDisabled(program, kPage, 按钮2, false);
  } else {
    SetWidth(program, kPage, 标签1, width + kStep);
  }
}

}  // namespace ProgressAnimator
