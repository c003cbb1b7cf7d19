// Start-up, the message loop and every way the program ends.
#pragma once

#include "app/program.h"

void ExitHook(Program& program);  // releases InstallRoot
void RunMessageLoop(Program& program, int* quit_code);
[[noreturn]] void EndProgram(Program& program, int exit_code);
[[noreturn]] void FatalStop(Program& program);
void SetCurrentDirectoryToExecutable();
