// Looking at the simulated screen the way a tester looks at the wizard.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "platform/sim/sim.h"
#include "ui/control_def.h"

namespace wizard {

// The page a window shows, recognised by its first control.
inline bool Shows(plat::Handle window, WizardPageId page) {
  const ControlDef& first = PageDefinition(page).controls[0];
  plat::Handle control = sim::Child(window, 1);
  if (!control) return false;
  sim::WindowInfo info = sim::Info(control);
  return info.text == (first.kind == Kind::编辑框 ? info.text : first.text) &&
         sim::Info(window).is_page && info.place.left == first.place.left &&
         info.place.top == first.place.top;
}

// The one page window on the screen; fails the test when there is not exactly one.
inline plat::Handle OnlyPage() {
  std::vector<plat::Handle> pages = sim::Pages();
  EXPECT_EQ(pages.size(), 1u);
  return pages.empty() ? 0 : pages.back();
}

inline plat::Handle Control(plat::Handle page, int index) {
  return sim::Child(page, index + 1);
}

inline int CountCalls(const std::string& prefix) {
  int count = 0;
  for (const std::string& line : sim::Calls())
    if (line.rfind(prefix, 0) == 0) ++count;
  return count;
}

// Index of the first call line starting with prefix at or after from; -1 when none.
inline int FindCall(const std::string& prefix, int from = 0) {
  const std::vector<std::string>& calls = sim::Calls();
  for (int i = from; i < static_cast<int>(calls.size()); ++i)
    if (calls[i].rfind(prefix, 0) == 0) return i;
  return -1;
}

inline sim::Outcome RunInstaller() {
  return sim::RunProcess(&InstallerMain);
}

}  // namespace wizard
