#pragma once

#include "app/program.h"

// Carries out the 40 actions of the install plan into InstallRoot and records in
// program.install_report every action that failed.
void RunInstallPlan(Program& program);

// The separator that makes InstallRoot end in one backslash when it was typed without one.
const char* RootSeparator(const Program& program);
