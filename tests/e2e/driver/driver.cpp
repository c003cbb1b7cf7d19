// One command per run; results on stdout as key=value fields, exit code 0 on success, 1 when
// the command failed or its wait ran out, 2 for a usage error. Every wait has a timeout.
#include "driver.h"

#include <cstdio>
#include <cstring>

bool ControlOf(const Args& args, int first, HWND* control) {
  HWND page;
  long id;
  if (!ParseHwnd(args[first], &page) || !ParseNumber(args[first + 1], &id)) return false;
  *control = id == 0 ? page : GetDlgItem(page, static_cast<int>(id));
  return *control != nullptr;
}

namespace {

const char kPageTitle[] = "青禾网音乐盒 V2.1 绿色中文版";
const long kBoxTimeoutMs = 5000;

// "except <hwnd>" after the timeout skips a window that is already known, such as the page
// that a click replaces.
HWND ExceptOf(const Args& args, int at) {
  HWND except = nullptr;
  if (strcmp(args[at], "except") == 0) ParseHwnd(args[at + 1], &except);
  return except;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
  PrintControlLine(hwnd);
  return TRUE;
}

// The window's line, then one line per control: a snapshot taken the moment it appears,
// before timers of the program have changed much.
int WaitWindow(const std::string* title, const char* class_name, long timeout, HWND except) {
  HWND found = nullptr;
  if (!WaitUntil(timeout, [&] { return (found = FindTopLevel(title, class_name, except)); }))
    return Fail("timeout");
  PrintWindowLine(found);
  EnumChildWindows(found, PrintChild, 0);
  return 0;
}

int Click(HWND target) {
  POINT centre;
  if (!CentreOf(target, &centre)) return Fail("no-such-window");
  HWND hit = WindowFromPoint(centre);
  printf("x=%ld y=%ld hit=0x%lx\n", centre.x, centre.y,
         static_cast<unsigned long>(reinterpret_cast<uintptr_t>(hit)));
  return ClickAt(centre) ? 0 : Fail("sendinput");
}

int CmdPages(const Args&) {
  struct Lister {
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM) {
      if (IsWindowVisible(hwnd)) PrintWindowLine(hwnd);
      return TRUE;
    }
  };
  EnumWindows(Lister::Visit, 0);
  return 0;
}

int CmdScreen(const Args&) {
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND foreground = GetForegroundWindow();
  printf("width=%d height=%d cursor=%ld,%ld foreground=0x%lx\n", GetSystemMetrics(SM_CXSCREEN),
         GetSystemMetrics(SM_CYSCREEN), cursor.x, cursor.y,
         static_cast<unsigned long>(reinterpret_cast<uintptr_t>(foreground)));
  return 0;
}

int CmdWaitPage(const Args& args) {
  long timeout;
  if (!ParseNumber(args[1], &timeout)) return 2;
  const std::string title = kPageTitle;
  return WaitWindow(&title, nullptr, timeout, ExceptOf(args, 2));
}

int CmdWaitWindow(const Args& args) {
  long timeout;
  if (!ParseNumber(args[2], &timeout)) return 2;
  const std::string title = DecodeText(args[1]);
  return WaitWindow(&title, nullptr, timeout, ExceptOf(args, 3));
}

int CmdWaitBox(const Args& args) {
  long timeout;
  if (!ParseNumber(args[2], &timeout)) return 2;
  const std::string title = DecodeText(args[1]);
  return WaitWindow(&title, "#32770", timeout, nullptr);
}

// A dialog of any title, such as the shell's folder picker, whose caption is the shell's own.
int CmdWaitDialog(const Args& args) {
  long timeout;
  if (!ParseNumber(args[1], &timeout)) return 2;
  return WaitWindow(nullptr, "#32770", timeout, nullptr);
}

int CmdWaitGone(const Args& args) {
  HWND hwnd;
  long timeout;
  if (!ParseHwnd(args[1], &hwnd) || !ParseNumber(args[2], &timeout)) return 2;
  return WaitUntil(timeout, [&] { return !IsWindow(hwnd); }) ? 0 : Fail("timeout");
}

int CmdWindow(const Args& args) {
  HWND hwnd;
  if (!ParseHwnd(args[1], &hwnd)) return 2;
  if (!IsWindow(hwnd)) return Fail("no-such-window");
  PrintWindowLine(hwnd);
  return 0;
}

int CmdControl(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  PrintControlLine(control);
  return 0;
}

int CmdControls(const Args& args) {
  HWND page;
  if (!ParseHwnd(args[1], &page) || !IsWindow(page)) return Fail("no-such-window");
  EnumChildWindows(page, PrintChild, 0);
  return 0;
}

int CmdClick(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  return Click(control);
}

int CmdClickAt(const Args& args) {
  long x, y;
  if (!ParseNumber(args[1], &x) || !ParseNumber(args[2], &y)) return 2;
  return ClickAt(POINT{x, y}) ? 0 : Fail("sendinput");
}

// Posted, not sent: a click that opens a modal box must not block the driver.
int CmdBmClick(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : Fail("post");
}

int CmdAnswerBox(const Args& args) {
  static const struct {
    const char* name;
    int id;
  } kAnswers[] = {{"yes", IDYES}, {"no", IDNO}, {"ok", IDOK}, {"cancel", IDCANCEL}};
  int id = 0;
  for (const auto& answer : kAnswers)
    if (strcmp(args[2], answer.name) == 0) id = answer.id;
  if (id == 0) return 2;
  HWND box = nullptr;
  std::string title = DecodeText(args[1]);
  if (!WaitUntil(kBoxTimeoutMs, [&] { return (box = FindTopLevel(&title, "#32770", nullptr)); }))
    return Fail("no-box");
  HWND button = GetDlgItem(box, id);
  if (!button) return Fail("no-such-button");
  return Click(button);
}

int CmdKey(const Args& args) {
  return PressKey(args[1]) ? 0 : Fail("unknown-key-or-sendinput");
}

int CmdCloseCaption(const Args& args) {
  HWND hwnd;
  if (!ParseHwnd(args[1], &hwnd)) return 2;
  POINT button;
  if (!FindCloseButton(hwnd, &button)) return Fail("no-close-button");
  printf("x=%ld y=%ld\n", button.x, button.y);
  return ClickAt(button) ? 0 : Fail("sendinput");
}

// Clicks control <id> of a page and closes the page that replaces it by its caption as soon as
// it is shown, before its timer has run far; the strip (8) and the finish button (5) are
// printed as they were just before the close. The close button's place is taken from the
// first page: every page has the same frame at the same place.
int CmdClickAndCloseNext(const Args& args) {
  HWND old_page, control;
  long timeout;
  if (!ParseHwnd(args[1], &old_page) || !ParseNumber(args[3], &timeout)) return 2;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  POINT button;
  if (!FindCloseButton(old_page, &button)) return Fail("no-close-button");
  if (Click(control) != 0) return 1;
  const std::string title = kPageTitle;
  HWND page = nullptr;
  if (!WaitUntil(timeout, [&] { return (page = FindTopLevel(&title, nullptr, old_page)); }))
    return Fail("timeout");
  if (HitTestAt(page, button) != HTCLOSE && !FindCloseButton(page, &button))
    return Fail("no-close-button");
  PrintWindowLine(page);
  PrintControlLine(GetDlgItem(page, 8));
  PrintControlLine(GetDlgItem(page, 5));
  return ClickAt(button) ? 0 : Fail("sendinput");
}

// A click on the middle of the caption, where a person would click to bring a page forward.
int CmdActivate(const Args& args) {
  HWND hwnd;
  if (!ParseHwnd(args[1], &hwnd)) return 2;
  POINT caption;
  if (!FindCaption(hwnd, &caption)) return Fail("no-caption");
  if (!ClickAt(caption)) return Fail("sendinput");
  return WaitUntil(2000, [&] { return GetForegroundWindow() == hwnd; }) ? 0 : Fail("timeout");
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length - 1 : 0);
  return wide;
}

// Clicks into the control first, as a person would, then types at the caret. ASCII only:
// Wine's ANSI edit control turns a typed double-byte character into two question marks, so
// Chinese text goes in with set-text.
int CmdType(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  std::string text = DecodeText(args[3]);
  for (unsigned char c : text)
    if (c >= 0x80) return Fail("non-ascii-use-set-text");
  if (Click(control) != 0) return 1;
  Sleep(100);
  return TypeText(Wide(text)) ? 0 : Fail("sendinput");
}

int CmdSetText(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  std::string text = DecodeText(args[3]);
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 2000, &result)
             ? 0
             : Fail("timeout");
}

int CmdText(const Args& args) {
  HWND control;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  printf("text=%s\n", Hex(WindowText(control)).c_str());
  return 0;
}

int CmdWaitEnabled(const Args& args) {
  HWND control;
  long want, timeout;
  if (!ControlOf(args, 1, &control)) return Fail("no-such-control");
  if (!ParseNumber(args[3], &want) || !ParseNumber(args[4], &timeout)) return 2;
  bool reached = WaitUntil(timeout, [&] { return (IsWindowEnabled(control) != 0) == (want != 0); });
  PrintControlLine(control);
  return reached ? 0 : Fail("timeout");
}

int CmdAttrib(const Args& args) {
  DWORD attributes = GetFileAttributesA(DecodeText(args[1]).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Fail("no-such-file");
  printf("attrib=0x%lx\n", static_cast<unsigned long>(attributes));
  return 0;
}

struct Command {
  const char* name;
  int arguments;
  int (*run)(const Args&);
  const char* usage;
};

const Command kCommands[] = {
    {"pages", 0, CmdPages, "pages"},
    {"screen", 0, CmdScreen, "screen"},
    {"wait-page", 1, CmdWaitPage, "wait-page <timeout_ms> [except <hwnd>]"},
    {"wait-window", 2, CmdWaitWindow, "wait-window <title> <timeout_ms> [except <hwnd>]"},
    {"wait-box", 2, CmdWaitBox, "wait-box <title> <timeout_ms>"},
    {"wait-gone", 2, CmdWaitGone, "wait-gone <hwnd> <timeout_ms>"},
    {"window", 1, CmdWindow, "window <hwnd>"},
    {"control", 2, CmdControl, "control <hwnd> <id>"},
    {"controls", 1, CmdControls, "controls <hwnd>"},
    {"click", 2, CmdClick, "click <hwnd> <id>"},
    {"click-at", 2, CmdClickAt, "click-at <x> <y>"},
    {"bm-click", 2, CmdBmClick, "bm-click <hwnd> <id>"},
    {"answer-box", 2, CmdAnswerBox, "answer-box <title> <yes|no|ok|cancel>"},
    {"key", 1, CmdKey, "key <tab|shift-tab|esc|enter|f1|space|alt-f4|pgdn|pgup|...>"},
    {"activate", 1, CmdActivate, "activate <hwnd>"},
    {"close-caption", 1, CmdCloseCaption, "close-caption <hwnd>"},
    {"click-and-close-next", 3, CmdClickAndCloseNext,
     "click-and-close-next <hwnd> <id> <timeout_ms>"},
    {"wait-dialog", 1, CmdWaitDialog, "wait-dialog <timeout_ms>"},
    {"tree", 1, CmdTree, "tree <folder>"},
    {"edit", 2, CmdEdit, "edit <hwnd> <id>"},
    {"type", 3, CmdType, "type <hwnd> <id> <text>"},
    {"set-text", 3, CmdSetText, "set-text <hwnd> <id> <text>"},
    {"text", 2, CmdText, "text <hwnd> <id>"},
    {"wait-enabled", 4, CmdWaitEnabled, "wait-enabled <hwnd> <id> <0|1> <timeout_ms>"},
    {"attrib", 1, CmdAttrib, "attrib <path>"},
};

int Usage() {
  fprintf(stderr, "usage: driver <command>; texts are ANSI or hex:<bytes>; id 0 is the window\n");
  for (const Command& command : kCommands) fprintf(stderr, "  %s\n", command.usage);
  return 2;
}

}  // namespace

int Fail(const char* message) {
  printf("error=%s\n", message);
  return 1;
}

int main(int argc, char** argv) {
  Args args{argc - 1, argv + 1};
  if (args.count < 1) return Usage();
  for (const Command& command : kCommands) {
    if (strcmp(command.name, args[0]) != 0) continue;
    if (args.count - 1 < command.arguments) return Usage();
    int result = command.run(args);
    fflush(stdout);
    return result == 2 ? Usage() : result;
  }
  return Usage();
}
