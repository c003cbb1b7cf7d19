// Process entry of the Windows build: the command line is not read.
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return InstallerMain();
}
