// The state of an edit box that its text alone does not show: its styles and its scrolling.
#include <cstdio>

#include "driver.h"

namespace {

DWORD_PTR Ask(HWND edit, UINT message) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(edit, message, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
  return answer;
}

}  // namespace

int CmdEdit(const Args& args) {
  HWND edit;
  if (!ControlOf(args, 1, &edit)) return Fail("no-such-control");
  LONG style = GetWindowLongA(edit, GWL_STYLE);
  printf("style=0x%lx readonly=%d multiline=%d vscroll=%d first_line=%lu lines=%lu\n",
         static_cast<unsigned long>(style), (style & ES_READONLY) ? 1 : 0,
         (style & ES_MULTILINE) ? 1 : 0, (style & WS_VSCROLL) ? 1 : 0,
         static_cast<unsigned long>(Ask(edit, EM_GETFIRSTVISIBLELINE)),
         static_cast<unsigned long>(Ask(edit, EM_GETLINECOUNT)));
  return 0;
}
