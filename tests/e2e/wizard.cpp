#include "wizard.h"

#include "gbk.h"

const char kPageTitle[] = "青禾网音乐盒 V2.1 绿色中文版";
const char kBoxTitle[] = "提示";
const char kExitQuestion[] = "您确定要退出安装?";

const char* NameOf(Page page) {
  static const char* const kNames[] = {"Welcome", "License", "Destination", "Progress"};
  return kNames[static_cast<int>(page)];
}

const PageLayout& LayoutOf(Page page) {
  static const Box kBack{207, 297, 80, 22}, kNext{288, 297, 80, 22}, kCancel{384, 297, 80, 22};
  static const PageLayout kLayouts[] = {
      {4, 0, 3, {{3, "取消", kCancel}, {4, "下一步", kNext}}},
      {3, 2, 4, {{2, "上一步", kBack}, {3, "下一步", kNext}, {4, "取消", kCancel}}},
      {7,
       6,
       8,
       {{4, "选择路径", {384, 128, 64, 22}},
        {6, "上一步", kBack},
        {7, "下一步", kNext},
        {8, "取消", kCancel}}},
      {0, 0, 0, {{5, "安装完成", {376, 297, 80, 22}}}},
  };
  return kLayouts[static_cast<int>(page)];
}

// build/host/e2e-shots/<suite>.<test><suffix>, one file per test and purpose.
static std::string OutputPath(const std::string& suffix) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string file = std::string(test->test_suite_name()) + "." + test->name() + suffix;
  for (char& c : file) c = c == '/' ? '_' : c;
  return std::string(E2E_SHOT_DIR) + "/" + file;
}

static std::string Describe(const std::vector<Window>& windows) {
  std::string text;
  for (const Window& window : windows)
    text += " " + window.hwnd + " \"" + Utf8(window.title) + "\"";
  return text.empty() ? " none" : text;
}

static std::vector<Window> WindowsOf(const DriverResult& listed, const char* class_name,
                                     const std::string& title) {
  std::vector<Window> windows;
  for (const Fields& line : listed.lines) {
    Window window = WindowOf(line);
    auto found = line.find("class");
    bool class_matches = !class_name || (found != line.end() && found->second == class_name);
    if (class_matches && (title.empty() || window.title == title)) windows.push_back(window);
  }
  return windows;
}

void WizardTest::SetUp() {
  ASSERT_TRUE(FileExists(PathOfSetup()))
      << PathOfSetup() << " is missing: build it first with "
      << "`cmake --preset win32 && cmake --build --preset win32`";
  ASSERT_TRUE(FileExists(PathOfDriver()))
      << PathOfDriver() << " is missing: it is built with setup.exe in the win32 preset";
  Launch();
}

void WizardTest::Launch() {
  ASSERT_EQ(PageWindows().size(), 0u)
      << "a page of an earlier run is still on the desktop:" << Describe(PageWindows());
  program_ = StartProgram(PathOfSetup(), OutputPath(".log"));
  ASSERT_TRUE(program_->started());
  DriverResult welcome = Driver({"wait-page", std::to_string(kPageTimeoutMs)});
  ASSERT_TRUE(welcome.ok) << "no page appeared within " << kPageTimeoutMs << " ms";
  page_ = WindowOf(welcome.first());
  controls_.clear();
  for (size_t i = 1; i < welcome.lines.size(); ++i)
    controls_.push_back(ControlOf(welcome.lines[i]));
  at_ = Page::kWelcome;
}

void WizardTest::TearDown() {
  if (HasFailure()) {
    Screenshot shot;
    Shoot("failure", &shot);
  }
  if (!program_) return;  // never started
  program_.reset();       // kills what is left of the program
  for (const Window& window : PageWindows()) Driver({"wait-gone", window.hwnd, "5000"});
}

void WizardTest::SwitchBy(int id, Page target) {
  std::string old = page_.hwnd;
  ASSERT_NO_FATAL_FAILURE(Click(id));
  int timeout = target == Page::kProgress ? kInstallTimeoutMs : kPageTimeoutMs;
  DriverResult next =
      Driver({"wait-page", std::to_string(timeout), "except", old}, timeout + 30000);
  ASSERT_TRUE(next.ok) << "no new page within " << timeout << " ms after clicking " << id << " on "
                       << NameOf(at_);
  ASSERT_TRUE(Driver({"wait-gone", old, std::to_string(kPageTimeoutMs)}).ok)
      << "the " << NameOf(at_) << " page stayed after its replacement appeared";
  page_ = WindowOf(next.first());
  controls_.clear();
  for (size_t i = 1; i < next.lines.size(); ++i) controls_.push_back(ControlOf(next.lines[i]));
  at_ = target;
}

void WizardTest::GoTo(Page page) {
  static const Page kOrder[] = {Page::kWelcome, Page::kLicense, Page::kDestination,
                                Page::kProgress};
  for (int step = 1; step <= static_cast<int>(page); ++step) {
    ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, kOrder[step]));
  }
}

void WizardTest::Click(int id) {
  DriverResult clicked = Driver({"click", page_.hwnd, std::to_string(id)});
  ASSERT_TRUE(clicked.ok) << "could not click control " << id << " of " << NameOf(at_) << ": "
                          << clicked.out;
}

void WizardTest::EnterFolder(const std::string& utf8_folder) {
  const char* const kClear[] = {"home", "shift-end", "delete"};
  bool ascii = true;
  for (unsigned char c : utf8_folder) ascii = ascii && c < 0x80;
  if (!ascii) {
    ASSERT_TRUE(Driver({"set-text", page_.hwnd, "5", "hex:" + Hex(Gbk(utf8_folder))}).ok);
    return;
  }
  ASSERT_NO_FATAL_FAILURE(Activate());
  ASSERT_NO_FATAL_FAILURE(Click(5));
  for (const char* key : kClear) ASSERT_TRUE(Driver({"key", key}).ok) << key;
  if (!utf8_folder.empty()) {
    ASSERT_TRUE(Driver({"type", page_.hwnd, "5", utf8_folder}).ok);
  }
  ASSERT_EQ(TextOf(5), utf8_folder) << "the folder box after typing";
}

std::string WizardTest::TextOf(int id) {
  DriverResult text = Driver({"text", page_.hwnd, std::to_string(id)});
  return FromHex(text["text"]);
}

bool WizardTest::WaitEnabled(int id, int timeout_ms) {
  return Driver({"wait-enabled", page_.hwnd, std::to_string(id), "1", std::to_string(timeout_ms)},
                timeout_ms + 30000)
      .ok;
}

void WizardTest::Activate() {
  DriverResult window = Driver({"window", page_.hwnd});
  ASSERT_TRUE(window.ok) << "the " << NameOf(at_) << " page is gone";
  if (WindowOf(window.first()).foreground) return;
  ASSERT_TRUE(Driver({"activate", page_.hwnd}).ok)
      << "the " << NameOf(at_) << " page did not come to the front";
}

void WizardTest::Shoot(const std::string& name, Screenshot* shot) {
  std::string path = OutputPath("-" + name + ".png");
  ASSERT_TRUE(shot->Take(path)) << "no screenshot at " << path;
}

std::vector<Window> WizardTest::PageWindows() {
  return WindowsOf(Driver({"pages"}), nullptr, Gbk(kPageTitle));
}

std::vector<Window> WizardTest::Boxes() {
  return WindowsOf(Driver({"pages"}), "#32770", "");
}

void WizardTest::ExpectLayout(Page page) {
  for (const Button& button : LayoutOf(page).buttons) {
    const Control* found = nullptr;
    for (const Control& control : controls_)
      if (control.id == button.id) found = &control;
    ASSERT_NE(found, nullptr) << NameOf(page) << " has no control " << button.id;
    EXPECT_EQ(found->text, Gbk(button.caption))
        << NameOf(page) << " control " << button.id << " reads \"" << Utf8(found->text) << "\"";
    EXPECT_EQ(found->place, button.place) << NameOf(page) << " control " << button.id;
    EXPECT_TRUE(found->visible) << NameOf(page) << " control " << button.id;
  }
}
