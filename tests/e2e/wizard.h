// The fixture of the end-to-end tests: setup.exe started under Wine, its current page, and the
// steps a user takes through the wizard.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "process.h"
#include "screenshot.h"
#include "wine.h"

enum class Page { kWelcome, kLicense, kDestination, kProgress };
const char* NameOf(Page page);
inline void PrintTo(Page page, std::ostream* out) {
  *out << NameOf(page);
}

struct Button {
  int id;
  const char* caption;  // UTF-8 here, GBK in the program
  Box place;
};

// Control ids of a page's buttons (0: the page has none) and the buttons a user sees.
struct PageLayout {
  int next, back, cancel;
  std::vector<Button> buttons;
};
const PageLayout& LayoutOf(Page page);

extern const char kPageTitle[];
extern const char kBoxTitle[];
extern const char kExitQuestion[];

const int kPageTimeoutMs = 20000;
const int kExitTimeoutMs = 20000;
const int kInstallTimeoutMs = 60000;  // the progress page appears once everything is installed
const int kFinishTimeoutMs = 30000;   // the strip fills within this

class WizardTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts setup.exe (again, once an earlier run has ended) and waits for its welcome page.
  void Launch();

  // Clicks a button of the current page and waits for the page that replaces it: a new
  // window, with the old one gone.
  void SwitchBy(int id, Page target);
  void GoTo(Page page);  // from the welcome page, by Next
  void Click(int id);
  // Replaces the destination page's folder as a user does: clears the box with Home,
  // Shift+End and Delete, then types the text (set as text when it is not ASCII).
  void EnterFolder(const std::string& utf8_folder);
  // The text of a control of the current page, GBK bytes.
  std::string TextOf(int id);
  // Waits until a control of the current page is enabled; false when it stays disabled.
  bool WaitEnabled(int id, int timeout_ms);
  // Brings the current page to the front by its caption if it is not there already.
  void Activate();
  // The program's exit code, or -1 when it has not ended within the timeout.
  int WaitExit(int timeout_ms = kExitTimeoutMs) { return program_->WaitExit(timeout_ms); }
  // Saves build/host/e2e-shots/<test>-<name>.png and reads it.
  void Shoot(const std::string& name, Screenshot* shot);
  // Visible windows titled like a page, and message boxes, as the driver lists them.
  std::vector<Window> PageWindows();
  std::vector<Window> Boxes();

  void ExpectLayout(Page page);

  std::unique_ptr<Child> program_;
  Window page_;
  std::vector<Control> controls_;  // of page_, as they were the moment it appeared
  Page at_ = Page::kWelcome;
};
