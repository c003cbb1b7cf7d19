// What an install run could not do, so that the progress page can say so.
#pragma once

#include <cstdint>

#include "app/text.h"
#include "install/install_plan.h"

struct InstallFailure {
  int action;  // 1 to 40
  ActionKind kind;
  Text target;     // as handed to the platform; the relative text when its folder was unknown
  uint32_t error;  // the platform's error code (an HRESULT for shortcuts)
};

struct InstallReport {
  bool ran = false;
  int failure_count = 0;
  InstallFailure failures[kInstallActionCount];
};
