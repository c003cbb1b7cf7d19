// The simulated Windows: what a test uses to set up a machine, run the installer's process on
// it as a user would, and look at what happened. The program itself only sees platform.h.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sim {

using plat::Handle;

struct Config {
  int screen_width = 1024;
  int screen_height = 768;
  std::string module_path = "C:\\Users\\user\\Downloads\\setup.exe";
  std::string current_directory = "C:\\Windows\\system32";
};

// A fresh machine and a fresh process: no windows, empty queue, heap empty, faults cleared,
// script, boxes, hook and logs cleared, clock at 0, handles counted from 1 again.
void Reset(const Config& config = {});

enum class Ended : uint8_t {
  ExitProcess,  // the program called ExitProcess
  Returned,     // the entry returned
  Hung,         // the program waited for input and the script had nothing left to give
};

struct Outcome {
  Ended how;
  int exit_code;  // ExitProcess's code or the entry's result; -9999 when hung
};

// Runs entry as the process, on the calling thread. The process ends like a Windows process:
// ExitProcess does not return into the program and runs none of its destructors (it jumps
// back into RunProcess with siglongjmp, which AddressSanitizer supports); the simulated system
// then reclaims what the process held: every live heap block, every window (without calling
// the program's event sink), the timers and the queue. Process-wide records (OLE counts, the
// current directory, boxes, the trace) stay readable until Reset. One process at a time.
// Outside RunProcess the plat:: calls work too, but ExitProcess and a wait that could never
// end abort the test.
Outcome RunProcess(int (*entry)());

// ---- The user. Steps run one at a time whenever the program waits for input with nothing
// queued and no timer running; a step looks at the screen and queues input. When the steps
// are used up and the program waits with nothing to do, the process ends as Hung. A process
// that retrieves more than 100000 messages (a PeekMessage that finds none counts as one) also
// ends as Hung, with a note on stderr. Steps and OnCall hooks must not end the process.
void AddStep(std::function<void()> step);

// Input, queued behind whatever is already waiting, delivered when the program dispatches it.
// Input for a window that is disabled, hidden or gone (or whose page is) is dropped then;
// "disabled" and "hidden" include any ancestor, as Windows routes no input through them.
// A delivered click or typing focuses the control and activates its page, as a mouse does.
void Click(Handle control);        // a Button: Event::Clicked with its id
void CloseByCaption(Handle page);  // caption close button, Alt+F4, system menu Close
enum class Key : uint8_t { Tab, ShiftTab, Escape, Enter, F1, Space };
// To the focused window, or to the active page when nothing has the focus, as decided now.
// On dispatch: Space clicks a Button and adds a space to an editable EditBox; Enter adds
// "\r\n" to an editable multi-line EditBox; Tab, Escape, F1 and other Enters do nothing
// (there is no dialog manager: plat::TabKeyTarget lets the program handle Tab itself).
void PressKey(Key key);
// Replaces the text on dispatch; dropped for a read-only or non-EditBox control.
void Type(Handle edit, const std::string& text);

// Answers for the modal message boxes, in order (appended to those not used yet); a box with
// no answer left is closed with the first button (IDOK / IDYES / IDABORT / IDRETRY / IDCANCEL)
// and counted in Boxes() as unanswered. An answer that is not a button of the box's style
// aborts the test: no user could give it.
//
// A box has no owner, so while it is open every page is disabled and has neither activation
// nor focus; afterwards each page that still exists gets its own earlier enabled state back,
// and activation and focus return where they were. The box's modal loop dispatches what is
// already queued (input to the disabled pages is dropped, other messages are delivered) plus
// one tick of every running timer, then closes; it stops early at a WM_QUIT and leaves it
// queued. The clock does not move while a box is open.
void AnswerBoxes(std::vector<int> answers);
void FailMessageBoxes(bool fail);  // MessageBoxA fails (returns 0): nothing shown or recorded

struct BoxCall {
  std::string text, caption;
  unsigned style;
  bool answered;
  std::vector<bool> pages_enabled;  // every top-level window's state while the box was open
  int answer = 0;                   // the button that closed the box
};
const std::vector<BoxCall>& Boxes();

// ---- The screen.
// Handles are small integers counted from 1, never reused until Reset. Destroying a window
// destroys its descendants first; for a page the sink then gets Event::Destroyed once, while
// the page itself still exists, and its timers stop. Queued messages for a destroyed window
// stay queued and are dropped on dispatch. When the active page goes, the newest visible page
// becomes active (and foreground, with the focus), else none.
std::vector<Handle> Pages();        // existing top-level windows, oldest first
Handle Child(Handle page, int id);  // the oldest descendant with that id; 0 when none
struct WindowInfo {
  bool exists;
  bool is_page;
  bool visible;  // own visibility flag
  bool enabled;
  plat::Rect place;  // screen place for pages, parent-relative for controls
  std::string text;
  plat::ControlKind kind;
  plat::ControlSpec spec;      // as created (pointers set to nullptr: see the fields below)
  std::vector<uint32_t> rows;  // gradient rows as given
  bool has_font;
  plat::FontSpec font;
  std::string font_face;
  Handle parent;
  int id;
  int timer_period;     // pages: period of their running timer with the lowest id, 0 when none
                        // (as asked for: a period below TimerMinimum() runs at the minimum)
  std::string picture;  // PictureBox: the resource name
  std::string icon;     // pages: the icon resource name
};
WindowInfo Info(Handle window);
Handle Active();
Handle Focused();

// ---- Traces.
// Every platform call the program made, one line each, such as
// "CreatePage hidden 272,205 480x358", "ShowWindow SW_SHOW", "MessageBoxA 0x2004 <caption>".
// Texts appear as the program gave them (GBK bytes). A window is named "page", "id=<n>" for
// a control, or "invalid".
const std::vector<std::string>& Calls();
// Called after each platform call is logged, with the line just added.
void OnCall(std::function<void(const std::string& line)> hook);

// ---- Faults.
// A fault fires once; 0 or less cancels it.
void FailCreatePage(int nth);  // the nth CreatePage from now fails (1 = the next one)
void FailAllocation(int nth);  // the nth heap allocation from now fails
// plat::HeapAllocate(0) gives a distinct block; releasing a pointer the heap did not give
// (or gave and took back) aborts the test: on Windows it corrupts the heap.
size_t LiveHeapBytes();
size_t PeakHeapBytes();
void ResetPeakHeap();

// ---- Process state.
// ModuleFileName truncates like GetModuleFileNameA: size-1 bytes and a NUL, returning size.
// SetCurrentDirectory accepts any non-empty path, so start-up can be checked for folders the
// simulated disks do not hold (network shares among them); relative paths resolve against it.
std::string CurrentDirectory();
bool OleStarted();  // more OleInitialize than OleUninitialize calls so far
int OleStartCount();
int OleStopCount();
bool LibrarySearchRestricted();
unsigned TimerMinimum();  // 10 ms, as on Windows
long long Now();          // simulated milliseconds since Reset; moves only while the
                          // program waits for a timer

// ---- Disks and the shell. Drive C exists with plenty of room after Reset; the desktop and
// the Programs folder exist below C:\Users\user.
constexpr long long kPlentyOfRoom = 1LL << 40;
void AddDrive(char letter, long long free_bytes = kPlentyOfRoom);
void SetFreeSpace(char letter, long long free_bytes);
long long FreeSpace(char letter);
void MakeFolder(const std::string& path);  // with its parents
void MakeFile(const std::string& path, const std::string& bytes, uint32_t attributes = 0x20);
void HoldOpen(const std::string& path, bool held = true);  // another process uses the file
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
std::string FileBytes(const std::string& path);
uint32_t Attributes(const std::string& path);          // kNoAttributes when absent
std::string ShellLinkTarget(const std::string& path);  // "" when no link lies there
// Every folder and file of the machine: "C:\a\b" -> "D" for a folder, or
// "F <attributes hex> <size> <bytes digest>" / "L <target>" for files and links.
std::map<std::string, std::string> Snapshot();

enum class SpecialKind : uint8_t { DesktopDirectory, Programs };
void SetSpecialFolder(SpecialKind kind, const std::string& path);  // "" makes it missing
std::string SpecialFolderOf(SpecialKind kind);
void SetLinkObjectAvailable(bool available);  // CoCreateInstance of the shell link fails

struct PickerAnswer {
  plat::Picked picked;
  std::string path;
};
void AnswerPickers(std::vector<PickerAnswer> answers);  // none left: the user cancels
struct PickerCall {
  Handle owner;
  std::string title;
  std::vector<bool> pages_enabled;  // while the picker was open
};
const std::vector<PickerCall>& Pickers();

// The nth call of the named platform function from now fails with error (for example
// "CreateDirectoryA", "CreateFileA", "WriteFile", "CloseHandle", "SetFileAttributesA",
// "SHGetSpecialFolderPathA", "CoCreateInstance", "IPersistFile::Save").
struct FaultPlan {
  int countdown;
  uint32_t error;
};
void FailCall(const std::string& call, int nth, uint32_t error);

struct WriteCall {
  std::string path;
  const void* bytes;
  uint32_t length;
};
const std::vector<WriteCall>& Writes();

}  // namespace sim
