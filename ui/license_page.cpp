#include "ui/license_page.h"

#include "app/page_flow.h"
#include "ui/page_frame.h"

namespace LicensePage {

static void onBackClicked(Program& program) {
  SwitchPage(program, WizardPageId::LicensePage, WizardPageId::WelcomePage);
}

static void onNextClicked(Program& program) {
  SwitchPage(program, WizardPageId::LicensePage, WizardPageId::DestinationPage);
}

static const ControlDef kControls[] = {
    {.name = "透明标签6",
     .kind = Kind::透明标签,
     .place = {16, 32, 160, 32},
     .text = "在安装之前，请阅读授权协议"},
    BackButton(&onBackClicked),
    NextButton(&onNextClicked),
    CancelButton(&ConfirmExit),
    {.name = "透明标签5",
     .kind = Kind::透明标签,
     .place = {24, 232, 424, 44},
     .text = "如果你接受协议中的条款，单击[下一步]继续安装。如果你选定[取消]，安装程序将会关闭，"
             "必须接受协议才能安装。",
     .word_wrap = true},
    Separator(),
    {.name = "透明标签3",
     .kind = Kind::透明标签,
     .place = {16, 50, 280, 32},
     .text = "请按键盘PgDn按键阅读“授权协议”的其余部分内容"},
    {.name = "编辑框1",
     .kind = Kind::编辑框,
     .place = {17, 82, 440, 142},
     .focusable = true,
     .text = kLicenseText,
     .multi_line = true,
     .read_only = true},
    Heading("透明标签1", {16, 3, 176, 24}, "程序许可证协议"),
    MainBackground(),
};
static_assert(sizeof kControls / sizeof kControls[0] == kCount);

}  // namespace LicensePage

const PageDef kLicensePage = {LicensePage::kControls, LicensePage::kCount, nullptr,
                              LicensePage::按钮2};
