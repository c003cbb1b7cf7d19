#include "ui/progress_page.h"

#include "app/lifecycle.h"
#include "install/install_run.h"
#include "ui/page_frame.h"
#include "ui/page_window.h"

namespace ProgressPage {

constexpr WizardPageId kPage = WizardPageId::ProgressPage;
constexpr const char* kRule =
    "-------------------------------------------------------------------------";

void onCreated(Program& program) {
  SetDisabled(program, kPage, 按钮2, true);
  SetLeft(program, kPage, 透明标签2, ReadLeft(program, kPage, 分组框1));
  SetWidth(program, kPage, 透明标签2, ReadWidth(program, kPage, 分组框1));
  SetLeft(program, kPage, 透明标签3, ReadLeft(program, kPage, 分组框1));
  SetWidth(program, kPage, 透明标签3, ReadWidth(program, kPage, 分组框1));
  SetLeft(program, kPage, 标签1, static_cast<int>(ReadLeft(program, kPage, 分组框1) + 5.0));
  SetPeriod(program, kPage, 时钟1, 1);
  RunInstallPlan(program);
}

void onFinishClicked(Program& program) {
  EndProgram(program, 0);
}

// One of the two etched dashed rules above and below the strip.
constexpr ControlDef StripRule(const char* name, int top) {
  return {.name = name,
          .kind = Kind::透明标签,
          .place = {16, top, 440, 5},
          .disabled = true,
          .text = kRule,
          .etched = true,
          .spread = true};
}

static const ControlDef kControls[] = {
    {.name = "编辑框1",
     .kind = Kind::编辑框,
     .place = {16, 136, 440, 128},
     .focusable = true,
     .multi_line = true},
    StripRule("透明标签3", 121),
    StripRule("透明标签2", 99),
    {.name = "时钟1",
     .kind = Kind::时钟,
     .place = {336, 96, 26, 26},
     .visible = false,
     .event = &ProgressAnimator::onTick},
    Button("按钮2", {376, 297, 80, 22}, "安装完成", &onFinishClicked),
    Separator(),
    Heading("透明标签1", {16, 51, 168, 24}, "正在安装请稍候......"),
    {.name = "标签1",
     .kind = Kind::标签,
     .place = {23, 105, 5, 15},
     .gradient = {true, 3, {Rgb(236, 236, 236), Rgb(0, 0, 255), Rgb(236, 236, 236)}}},
    {.name = "分组框1", .kind = Kind::分组框, .place = {16, 96, 440, 30}, .visible = false},
    MainBackground(),
};
static_assert(sizeof kControls / sizeof kControls[0] == kCount);

}  // namespace ProgressPage

const PageDef kProgressPage = {ProgressPage::kControls, ProgressPage::kCount,
                               &ProgressPage::onCreated, ProgressPage::编辑框1};
