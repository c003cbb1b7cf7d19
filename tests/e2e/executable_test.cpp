// The shipped file itself: one 32-bit GUI executable that imports only system libraries and
// carries its version block, icon and manifest.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "process.h"
#include "wine.h"

namespace {

// The tools' own words in English, whatever locale the Wine session set.
std::string Tool(std::vector<std::string> argv) {
  argv.insert(argv.begin(), {"env", "LC_ALL=C", "LANG=C"});
  RunResult result = Run(argv, 60000);
  EXPECT_EQ(result.exit_code, 0) << argv[0];
  return result.out;
}

// Code points of a UTF-8 text as windres prints a wide string: \x8ff7 and plain ASCII.
std::string WideEscaped(const std::string& utf8) {
  std::ostringstream out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = utf8[i];
    unsigned code = c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) code = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) code = code << 6 | (utf8[i + k] & 0x3F);
    i += 1 + extra;
    if (code < 0x80) {
      out << static_cast<char>(code);
    } else {
      out << "\\x" << std::hex << code;
    }
  }
  return out.str();
}

TEST(Executable, IsOne32BitGuiProgramImportingOnlySystemLibraries) {
  ASSERT_TRUE(FileExists(PathOfSetup())) << "build it: cmake --build --preset win32";
  const std::string header = Tool({"i686-w64-mingw32-objdump", "-p", PathOfSetup()});
  EXPECT_NE(header.find("file format pei-i386"), std::string::npos);
  EXPECT_NE(header.find("(Windows GUI)"), std::string::npos);
  const std::set<std::string> system = {"KERNEL32.dll", "USER32.dll",   "GDI32.dll",
                                        "ole32.dll",    "SHELL32.dll",  "msvcrt.dll",
                                        "ADVAPI32.dll", "OLEAUT32.dll", "COMCTL32.dll"};
  std::istringstream lines(header);
  int imports = 0;
  for (std::string line; std::getline(lines, line);) {
    size_t at = line.find("DLL Name: ");
    if (at == std::string::npos) continue;
    ++imports;
    EXPECT_TRUE(system.count(line.substr(at + 10))) << line;
  }
  EXPECT_GT(imports, 0);
}

// The program enters at its own entry point with no C runtime start-up: a static constructor
// or thread-local variable added later would never run, so the image must have none.
TEST(Executable, HasNothingThatNeedsTheRuntimesStartUp) {
  const std::string sections = Tool({"i686-w64-mingw32-objdump", "-h", PathOfSetup()});
  for (const char* name : {" .ctors", " .dtors", " .CRT", " .tls"})
    EXPECT_EQ(sections.find(name), std::string::npos) << name;
}

TEST(Executable, CarriesTheVersionBlockAndTheIconGroup) {
  const std::string rc = Tool({"i686-w64-mingw32-windres", "-i", PathOfSetup(), "-O", "rc"});
  EXPECT_NE(rc.find("FILEVERSION 2, 1, 5, 18"), std::string::npos);
  EXPECT_NE(rc.find("PRODUCTVERSION 2, 1, 5, 18"), std::string::npos);
  EXPECT_NE(rc.find("FILEOS 0x4"), std::string::npos);
  EXPECT_NE(rc.find("FILETYPE 0x1"), std::string::npos);
  EXPECT_NE(rc.find("BLOCK \"080404B0\""), std::string::npos);
  EXPECT_NE(rc.find("VALUE \"Translation\", 0x804, 1200"), std::string::npos);
  const std::pair<const char*, std::string> strings[] = {
      {"FileVersion", "2.1.5.18"},
      {"FileDescription", "迷人的黑背、免费在线试听、下载，简单保存播放列表，速度超快。"},
      {"ProductName", "青禾音乐盒安装包"},
      {"ProductVersion", "2.1.5.18"},
      {"CompanyName", "青禾音乐盒"},
      {"LegalCopyright", ""},
      {"Comments", "青禾音乐盒安装包"},
  };
  size_t previous = 0;
  for (const auto& [name, value] : strings) {
    size_t at = rc.find(std::string("VALUE \"") + name + "\"");
    ASSERT_NE(at, std::string::npos) << name;
    EXPECT_GT(at, previous) << name << " out of order";
    previous = at;
    if (!value.empty()) {
      std::string line = rc.substr(at, rc.find('\n', at) - at);
      EXPECT_NE(line.find(WideEscaped(value) + "\""), std::string::npos) << line;
    }
  }
  size_t group = rc.find("\"DEFAULT_ICON\" 14 /* RT_GROUP_ICON */");
  ASSERT_NE(group, std::string::npos);
  EXPECT_NE(rc.find("\"\\020\\020\\000\\000\", 1, 24, 0x368L, 3", group), std::string::npos);
  EXPECT_LT(group, rc.find("RT_GROUP_ICON */", group + 40));  // the first, if not the only
}

TEST(Executable, AsksForAdministratorRightsAndNamesItsWindowsVersions) {
  std::ifstream file(PathOfSetup(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find("level=\"requireAdministrator\""), std::string::npos);
  EXPECT_NE(bytes.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);  // 10 and 11
  EXPECT_NE(bytes.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);  // 7
}

}  // namespace
