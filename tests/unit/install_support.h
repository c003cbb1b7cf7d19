// Running the install plan on the simulated machine and reading back what it did.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "install/install_run.h"
#include "platform/sim/sim.h"

namespace install_test {

struct Failure {
  int action;
  std::string target;
  uint32_t error;
};

struct RunResult {
  sim::Outcome outcome;
  std::vector<Failure> failures;
};

inline std::string& RootUnderTest() {
  static std::string root;
  return root;
}
inline std::vector<Failure>& FailuresSeen() {
  static std::vector<Failure> failures;
  return failures;
}

inline int RunPlanEntry() {
  Program program;
  program.InstallRoot = JoinTexts(program, {RootUnderTest().c_str()});
  RunInstallPlan(program);
  FailuresSeen().clear();
  const InstallReport& report = program.install_report;
  for (int i = 0; i < report.failure_count; ++i) {
    const InstallFailure& f = report.failures[i];
    FailuresSeen().push_back({f.action, f.target.c_str(), f.error});
  }
  return 0;
}

// One install run into root as its own process, with COM started as start-up does.
inline RunResult RunPlan(const std::string& root) {
  RootUnderTest() = root;
  RunResult result;
  result.outcome = sim::RunProcess(+[] {
    plat::StartOle();
    int code = RunPlanEntry();
    plat::StopOle();
    return code;
  });
  result.failures = FailuresSeen();
  return result;
}

constexpr const char* kProduct = "C:\\Program Files\\青禾音乐盒程序";
constexpr const char* kDesktop = "C:\\Users\\user\\Desktop";
constexpr const char* kPrograms =
    "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";

}  // namespace install_test
