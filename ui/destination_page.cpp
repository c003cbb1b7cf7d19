#include "ui/destination_page.h"

#include "app/page_flow.h"
#include "install/file_shell_ops.h"
#include "ui/folder_check.h"
#include "ui/page_frame.h"
#include "ui/page_window.h"

namespace DestinationPage {

constexpr WizardPageId kPage = WizardPageId::DestinationPage;
constexpr const char* kNotice = "提示";

void onCreated(Program& program) {
  SetText(program, kPage, 编辑框1, kDefaultFolder);
}

void onBrowseClicked(Program& program) {
  Text picked = BrowseForFolder(program, "");
  if (picked.missing()) return;  // cancelled, or an item with no folder behind it
  Text folder = JoinTexts(program, {picked.c_str(), EndsWithBackslash(picked.c_str()) ? "" : "\\"});
  picked.Release();
  SetText(program, kPage, 编辑框1, folder.c_str());
}

void onNextClicked(Program& program) {
  Text folder = ReadText(program, kPage, 编辑框1);
  const char* refusal = FolderRefusal(folder.c_str());
  if (refusal) {
    ShowMessageBox(refusal, plat::kBoxOk, kNotice);
    return;
  }
  program.InstallRoot = static_cast<Text&&>(folder);
  SwitchPage(program, kPage, WizardPageId::ProgressPage);
}

static void onBackClicked(Program& program) {
  SwitchPage(program, kPage, WizardPageId::LicensePage);
}

static const ControlDef kControls[] = {
    {.name = "透明标签1",
     .kind = Kind::透明标签,
     .place = {24, 88, 104, 32},
     .text = "选择“安装路径”"},
    {.name = "透明标签6",
     .kind = Kind::透明标签,
     .place = {24, 48, 176, 32},
     .text = "必须输入有效路径才能成功安装"},
    Heading("透明标签5", {24, 8, 100, 24}, "选择安装路径"),
    Button("按钮4", {384, 128, 64, 22}, "选择路径", &onBrowseClicked),
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
