// The state of one run of the installer. One instance lives in InstallerMain's frame and is
// handed to every handler; nothing else is kept between events.
#pragma once

#include "app/text.h"
#include "install/install_report.h"
#include "platform/platform.h"

enum class WizardPageId : int { WelcomePage, LicensePage, DestinationPage, ProgressPage };
constexpr int kPageCount = 4;
constexpr int kMaxControls = 12;

struct PageSlot {
  plat::Handle window = 0;  // 0 while the page is not loaded
  bool loading = false;     // inside LoadPage, before the window exists
  bool destroy_pending = false;
  plat::Handle controls[kMaxControls] = {};
  int timer_period[kMaxControls] = {};
};

struct Program {
  Text InstallRoot;  // missing until the destination page stores the chosen folder
  void (*exit_hook)(Program&) = nullptr;
  bool ending = false;           // EndProgram or FatalStop has begun: no handler runs any more
  bool handlers_silent = false;  // a page is being created: events are dropped
  PageSlot pages[kPageCount];
  InstallReport install_report;  // filled by the install run

  PageSlot& page(WizardPageId id) { return pages[static_cast<int>(id)]; }
};
