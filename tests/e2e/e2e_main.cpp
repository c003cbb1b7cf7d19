// The end-to-end suite shares one Wine session: one prefix, one virtual display.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "wine.h"

namespace {

class WineSession : public testing::Environment {
 public:
  void SetUp() override {
    mkdir(E2E_SHOT_DIR, 0755);
    std::string message;
    ASSERT_TRUE(StartWineSession(&message)) << message;
  }
  void TearDown() override { StopWineSession(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new WineSession);
  return RUN_ALL_TESTS();
}
