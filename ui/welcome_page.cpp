#include "ui/welcome_page.h"

#include "app/page_flow.h"
#include "ui/page_frame.h"

namespace WelcomePage {

const char kWelcomeText[] =
    "中国最好的DJ程序将安装“到您的计算机”，强烈建议您在安装本程序之前退出其它所有运行中的程序。"
    "\r\n\r\n单击“取消”可关闭本程序。\r\n单击“下一步”继续进行安装。\r\n\r\n\r\n\r\n";

static const plat::FontSpec kTextFont = {"宋体", -15, 400, false, false, false};

static void onNextClicked(Program& program) {
  SwitchPage(program, WizardPageId::WelcomePage, WizardPageId::LicensePage);
}

static const ControlDef kControls[] = {
    {.name = "图片框2",
     .kind = Kind::图片框,
     .place = {31, 175, 16, 16},
     .parent = 图片框1,
     .picture = kIconName,
     .picture_format = plat::PictureFormat::Icon},
    Heading("透明标签1", {176, 32, 100, 24}, "欢迎使用"),
    CancelButton(&ConfirmExit),
    NextButton(&onNextClicked),
    {.name = "透明标签2",
     .kind = Kind::透明标签,
     .place = {175, 64, 264, 216},
     .text = kWelcomeText,
     .font = &kTextFont,
     .word_wrap = true},
    {.name = "图片框1",
     .kind = Kind::图片框,
     .place = {1, 25, 159, 286},
     .picture = "BANNER",
     .picture_format = plat::PictureFormat::Bitmap,
     .stretch = true},
    MainBackground(),
};
static_assert(sizeof kControls / sizeof kControls[0] == kCount);

}  // namespace WelcomePage

const PageDef kWelcomePage = {WelcomePage::kControls, WelcomePage::kCount, nullptr,
                              WelcomePage::按钮2};
