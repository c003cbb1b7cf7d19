#include <gtest/gtest.h>

#include <cstring>

#include "app/program.h"
#include "app/text.h"
#include "platform/sim/sim.h"

namespace {

struct LastBackslashCase {
  const char* text;
  int expected;
};

// "淺" is 0x9C 0x5C in GBK: its trail byte looks like a backslash.
const LastBackslashCase kLastBackslash[] = {
    {"", -1},
    {"setup.exe", -1},
    {"C:\\setup.exe", 2},
    {"C:\\Users\\下载\\setup.exe", 13},
    {"C:\\dl\\淺.exe", 5},
    {"C:\\dl\\淺", 5},
    {"C:\\淺\\淺淺", 5},
    {"\\\\server\\share\\", 14},
    {"D:\\a\xFF\\b", 5},  // 0xFF is no lead byte: the backslash after it counts
};

TEST(LastBackslash, StepsOverDoubleByteCharacters) {
  for (const auto& c : kLastBackslash) EXPECT_EQ(LastBackslash(c.text), c.expected) << c.text;
}

TEST(LastBackslash, TrailByteReallyIs0x5C) {
  ASSERT_STREQ("淺", "\x9C\x5C");
}

int JoinEntry() {
  Program program;
  Text joined = JoinTexts(program, {"C:\\Program Files\\", nullptr, "", "青禾音乐盒程序"});
  Text empty = JoinTexts(program, {nullptr, ""});
  bool ok = std::strcmp(joined.c_str(), "C:\\Program Files\\青禾音乐盒程序") == 0 &&
            !empty.missing() && empty.c_str()[0] == '\0';
  return ok ? 0 : 1;
}

TEST(JoinTexts, JoinsInOrderTreatingMissingAsEmptyAndNeverMissing) {
  sim::Reset();
  sim::Outcome outcome = sim::RunProcess(&JoinEntry);
  EXPECT_EQ(outcome.how, sim::Ended::Returned);
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(sim::LiveHeapBytes(), 0u);
}

int JoinFailEntry() {
  Program program;
  sim::FailAllocation(1);
  Text joined = JoinTexts(program, {"a", "b"});
  return 5;  // not reached: a text the heap cannot supply stops the program
}

TEST(JoinTexts, HeapFailureIsAFatalStop) {
  sim::Reset();
  sim::Outcome outcome = sim::RunProcess(&JoinFailEntry);
  EXPECT_EQ(outcome.how, sim::Ended::ExitProcess);
  EXPECT_EQ(outcome.exit_code, -1);
  ASSERT_EQ(sim::Boxes().size(), 1u);
  EXPECT_EQ(sim::Boxes()[0].style & plat::kBoxTaskModal, plat::kBoxTaskModal);
}

}  // namespace
