#include "ui/destination_page.h"

#include "app/page_flow.h"
#include "ui/page_frame.h"
#include "ui/page_window.h"

namespace DestinationPage {

constexpr WizardPageId kPage = WizardPageId::DestinationPage;

void onCreated(Program& program) { SetText(program, kPage, 编辑框1, kDefaultFolder); }

void onNextClicked(Program& program) {
  Text folder = ReadText(program, kPage, 编辑框1);
  if (folder.c_str()[0] == '\0') {
    ShowMessageBox("请先输入安装地址", plat::kBoxOk, "提示");
    return;
  }
  program.InstallRoot = static_cast<Text&&>(folder);
  SwitchPage(program, kPage, WizardPageId::ProgressPage);
}

static void onBackClicked(Program& program) {
  SwitchPage(program, kPage, WizardPageId::LicensePage);
}

static const ControlDef kControls[] = {
    {.name = "透明标签1", .kind = Kind::透明标签, .place = {24, 88, 104, 32}, .text = "选择“安装路径”"},
    {.name = "透明标签6",
     .kind = Kind::透明标签,
     .place = {24, 48, 176, 32},
     .text = "必须输入有效路径才能成功安装"},
    Heading("透明标签5", {24, 8, 100, 24}, "选择安装路径"),
    {.name = "按钮4", .kind = Kind::按钮, .place = {384, 128, 64, 22}, .focusable = true,
     .text = "选择路径"},
    {.name = "编辑框1", .kind = Kind::编辑框, .place = {40, 128, 328, 24}, .focusable = true},
    BackButton(&onBackClicked),
    NextButton(&onNextClicked),
    CancelButton(&ConfirmExit),
    Separator(),
    MainBackground(),
};
static_assert(sizeof kControls / sizeof kControls[0] == kCount);

}  // namespace DestinationPage

const PageDef kDestinationPage = {DestinationPage::kControls, DestinationPage::kCount,
                                  &DestinationPage::onCreated, DestinationPage::按钮2};
