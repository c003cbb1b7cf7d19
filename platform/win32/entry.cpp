// Process entry of the Windows build, in place of the C runtime's start-up: the program reads
// no command line and has no static constructors, exit handlers or thread-local data, so the
// loader can enter here directly (the linker's -e). The runtime's string functions it calls
// need no set-up of ours.
#include "platform/win32/win32.h"

// The loader passes no arguments we use and the entry never returns. The stack is realigned
// because the loader's alignment is only 4 bytes.
extern "C" __attribute__((force_align_arg_pointer)) void SetupEntry() {
  ::ExitProcess(static_cast<UINT>(InstallerMain()));
}
