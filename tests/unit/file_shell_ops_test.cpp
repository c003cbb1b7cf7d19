// The file and shell operations against the simulated machine's rules.
#include <gtest/gtest.h>

#include "install/file_shell_ops.h"
#include "platform/sim/sim.h"
#include "tests/unit/wizard_support.h"

namespace {

// Runs body inside a process with COM started, as the installer runs its operations.
void InProcess(void (*body)()) {
  static void (*run)();
  run = body;
  sim::RunProcess(+[] {
    plat::StartOle();
    run();
    plat::StopOle();
    return 0;
  });
}

const unsigned char kBytes[] = "abcdef";
const ByteBlock kBlock = {6, kBytes};

struct FolderCase {
  const char* path;
  bool ok;
  uint32_t error;
};

TEST(CreateFolder, OneLevelNoExistingNameNoEmptyPath) {
  static const FolderCase cases[] = {
      {"C:\\Program Files\\New", true, 0},
      {"C:\\Program Files\\Missing\\New", false, 3},
      {"C:\\Program Files", false, 183},
      {"C:\\Users\\user\\Desktop\\", false, 183},
      {"", false, 3},
      {"C:\\Program Files\\\\Doubled", true, 0},
  };
  sim::Reset();
  InProcess([] {
    for (const FolderCase& c : cases) {
      OpResult result = CreateFolder(c.path);
      EXPECT_EQ(result.ok, c.ok) << c.path;
      EXPECT_EQ(result.error, c.error) << c.path;
    }
  });
  EXPECT_TRUE(sim::IsFolder("C:\\Program Files\\Doubled"));
  EXPECT_FALSE(sim::Exists("C:\\Program Files\\Missing"));
}

struct WriteCase {
  const char* name;
  void (*arrange)();  // prepares C:\t\f.bin
  ByteBlock block;
  bool ok;
  uint32_t error;
  const char* bytes_after;
  uint32_t attributes_after;
};

constexpr const char* kFile = "C:\\t\\f.bin";

const WriteCase kWrites[] = {
    {"new file", [] {}, kBlock, true, 0, "abcdef", 0x20},
    {"plain file replaced", [] { sim::MakeFile(kFile, "old old old", 0x20); }, kBlock, true, 0,
     "abcdef", 0x20},
    {"hidden and system file replaced", [] { sim::MakeFile(kFile, "old", 0x06); }, kBlock, true, 0,
     "abcdef", 0x26},
    {"read-only file refused", [] { sim::MakeFile(kFile, "old", 0x01); }, kBlock, false, 5, "old",
     0x01},
    {"file in use refused",
     [] {
       sim::MakeFile(kFile, "old");
       sim::HoldOpen(kFile);
     },
     kBlock, false, 32, "old", 0x20},
    {"empty block makes an empty file", [] {}, {0, kBytes}, true, 0, "", 0x20},
    {"negative length writes nothing", [] {}, {-4, kBytes}, true, 0, "", 0x20},
    {"disk full keeps what was written", [] { sim::SetFreeSpace('C', 4); }, kBlock, false, 112,
     "abcd", 0x20},
    {"failed close", [] { sim::FailCall("CloseHandle", 1, 6); }, kBlock, false, 6, "abcdef", 0x20},
    {"failed write", [] { sim::FailCall("WriteFile", 1, 29); }, kBlock, false, 29, "", 0x20},
};

TEST(WriteFileBlocks, FailureTable) {
  for (const WriteCase& c : kWrites) {
    SCOPED_TRACE(c.name);
    sim::Reset();
    sim::MakeFolder("C:\\t");
    c.arrange();
    static const WriteCase* current;
    current = &c;
    InProcess([] {
      OpResult result = WriteFileBlocks(kFile, current->block);
      EXPECT_EQ(result.ok, current->ok);
      EXPECT_EQ(result.error, current->error);
    });
    EXPECT_EQ(sim::FileBytes(kFile), c.bytes_after);
    EXPECT_EQ(sim::Attributes(kFile), c.attributes_after);
  }
}

TEST(WriteFileBlocks, EmptyPathMakesNoPlatformCallAndOneWriteOtherwise) {
  sim::Reset();
  InProcess([] {
    size_t before = sim::Calls().size();
    EXPECT_FALSE(WriteFileBlocks("", kBlock).ok);
    EXPECT_EQ(sim::Calls().size(), before);
    EXPECT_TRUE(WriteFileBlocks("C:\\x.bin", kBlock).ok);
  });
  ASSERT_EQ(sim::Writes().size(), 1u);
  EXPECT_EQ(sim::Writes()[0].bytes, kBytes);  // straight from the caller's memory
  EXPECT_EQ(sim::Writes()[0].length, 6u);
}

TEST(ApplyFileAttributes, ReplacesTheAttributesThroughTheMask) {
  const struct {
    uint32_t asked, after;
  } cases[] = {{6, 0x06}, {0xFF, 0x27}, {0x20, 0x20}, {0x100, 0x80}};
  for (const auto& c : cases) {
    sim::Reset();
    sim::MakeFile("C:\\a.txt", "x", 0x21);
    static uint32_t asked;
    asked = c.asked;
    InProcess([] { EXPECT_TRUE(ApplyFileAttributes("C:\\a.txt", asked).ok); });
    EXPECT_EQ(sim::Attributes("C:\\a.txt"), c.after) << std::hex << c.asked;
  }
  sim::Reset();
  InProcess([] { EXPECT_EQ(ApplyFileAttributes("C:\\none.txt", 6).error, 2u); });
}

TEST(GetSpecialFolder, EndsInABackslashByTheLastByte) {
  const struct {
    const char* configured;
    const char* expected;  // nullptr: missing text
  } cases[] = {
      {"C:\\Users\\user\\Desktop", "C:\\Users\\user\\Desktop\\"},
      {"C:\\Users\\user\\Desktop\\", "C:\\Users\\user\\Desktop\\"},
      {"C:\\桌面淺", "C:\\桌面淺"},  // its last byte already is 0x5C
      {"", nullptr},
  };
  for (const auto& c : cases) {
    sim::Reset();
    sim::SetSpecialFolder(sim::SpecialKind::DesktopDirectory, c.configured);
    static const char* expected;
    expected = c.expected;
    InProcess([] {
      Program program;
      Text folder = GetSpecialFolder(program, plat::SpecialFolder::DesktopDirectory);
      if (!expected) {
        EXPECT_TRUE(folder.missing());
      } else {
        EXPECT_STREQ(folder.c_str(), expected);
      }
    });
  }
}

TEST(CreateShortcut, SavesALinkToTheTargetOrFailsWithoutAFile) {
  sim::Reset();
  InProcess([] {
    EXPECT_TRUE(CreateShortcut("C:\\Users\\user\\Desktop\\a.lnk", "C:\\x.exe").ok);
    EXPECT_TRUE(CreateShortcut("C:\\Users\\user\\Desktop\\a.lnk", "C:\\y.exe").ok);  // replaced
    OpResult missing = CreateShortcut("C:\\Nowhere\\a.lnk", "C:\\x.exe");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, 0x80070003u);
    EXPECT_TRUE(CreateShortcut("C:\\web.lnk", "http://www.qinghe-music.example/").ok);
  });
  EXPECT_EQ(sim::ShellLinkTarget("C:\\Users\\user\\Desktop\\a.lnk"), "C:\\y.exe");
  EXPECT_FALSE(sim::Exists("C:\\Nowhere\\a.lnk"));
  sim::SetLinkObjectAvailable(false);
  InProcess([] { EXPECT_FALSE(CreateShortcut("C:\\b.lnk", "C:\\x.exe").ok); });
  EXPECT_FALSE(sim::Exists("C:\\b.lnk"));
}

// Two pages, the second disabled beforehand; the picker must give each its own state back.
TEST(BrowseForFolder, DisablesThePagesWhileOpenAndRestoresEachOne) {
  const struct {
    sim::PickerAnswer answer;
    const char* expected;  // nullptr: missing text
  } cases[] = {
      {{plat::Picked::Path, "D:\\Games"}, "D:\\Games"},
      {{plat::Picked::Path, "D:\\"}, "D:\\"},
      {{plat::Picked::NoPath, ""}, nullptr},
      {{plat::Picked::Nothing, ""}, nullptr},
  };
  for (const auto& c : cases) {
    sim::Reset();
    sim::AnswerPickers({c.answer});
    static const char* expected;
    expected = c.expected;
    InProcess([] {
      Program program;
      program.page(WizardPageId::WelcomePage).window =
          plat::CreatePage({"a", {0, 0, 480, 358}, "DEFAULT_ICON", nullptr, nullptr});
      program.page(WizardPageId::LicensePage).window =
          plat::CreatePage({"b", {0, 0, 480, 358}, "DEFAULT_ICON", nullptr, nullptr});
      plat::Handle first = program.page(WizardPageId::WelcomePage).window;
      plat::Handle second = program.page(WizardPageId::LicensePage).window;
      plat::ShowPage(second);
      plat::ShowPage(first);
      plat::EnableWindow(second, false);
      Text picked = BrowseForFolder(program, "");
      if (!expected) {
        EXPECT_TRUE(picked.missing());
      } else {
        EXPECT_STREQ(picked.c_str(), expected);
      }
      EXPECT_TRUE(plat::IsWindowEnabled(first));
      EXPECT_FALSE(plat::IsWindowEnabled(second));
      EXPECT_EQ(plat::ActiveWindow(), first);
      ASSERT_EQ(sim::Pickers().size(), 1u);
      EXPECT_EQ(sim::Pickers()[0].owner, first);
      EXPECT_EQ(sim::Pickers()[0].title, "");
      EXPECT_EQ(sim::Pickers()[0].pages_enabled, (std::vector<bool>{false, false}));
      program.page(WizardPageId::WelcomePage).window = 0;
      program.page(WizardPageId::LicensePage).window = 0;
    });
  }
}

}  // namespace
