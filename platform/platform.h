// The installer's boundary to the operating system. Everything outside platform/ talks to
// Windows through these declarations only; platform/win32/ binds them to the real calls and
// platform/sim/ to a simulated Windows for tests and headless runs.
//
// Rules for every backend: no call throws, texts are NUL-terminated GBK bytes, a handle of 0
// means "none", and every result is reported by value.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {

// ---------------------------------------------------------------------------------------------
// Heap: the program's own texts live here.

void* HeapAllocate(size_t bytes);  // nullptr when the heap cannot supply the bytes
void HeapRelease(void* block);     // nullptr is allowed

// ---------------------------------------------------------------------------------------------
// Process.

void RestrictLibrarySearch();  // loads later libraries from the system folder only
void StartOle();               // OleInitialize(NULL); result not examined
void StopOle();                // OleUninitialize()
unsigned ModuleFileName(char* buffer, unsigned size);  // GetModuleFileNameA(NULL, ...)
bool SetCurrentDirectory(const char* path);            // SetCurrentDirectoryA
[[noreturn]] void ExitProcess(int code);

// ---------------------------------------------------------------------------------------------
// Windows.

using Handle = uintptr_t;

struct Rect {
  int left, top, width, height;
};

struct Size {
  int width, height;
};

Size ScreenSize();  // the full primary screen, not the work area

enum class Event : uint8_t {
  Clicked,         // a button was clicked (id: the button's id)
  Tick,            // a timer expired (id: the timer's id)
  CloseRequested,  // caption close button, Alt+F4 or Close in the system menu
  DestroyRequest,  // the private request posted by PostDestroyRequest
  Destroyed,       // the page window is being destroyed, whoever destroyed it
};

// Called on the program's thread, from inside message dispatch (or from DestroyWindow).
using EventSink = void (*)(void* context, Handle page, Event event, int id);

struct PageSpec {
  const char* title;
  Rect outer;        // screen place and outer size, frame and caption included
  const char* icon;  // icon group resource name for the caption and taskbar
  EventSink sink;
  void* context;
};

// A top-level page window: caption, system menu, minimise button, fixed dialog frame, own
// taskbar button, button-face background, clips its children. Created without WS_VISIBLE,
// without owner and parent. Returns 0 when the window cannot be created.
Handle CreatePage(const PageSpec& spec);

enum class ControlKind : uint8_t {
  TransparentLabel,  // draws only its text, the page shows through
  GradientLabel,     // fills itself with one colour per pixel row
  Button,
  EditBox,
  PictureBox,
  GroupBox,
};

struct FontSpec {
  const char* face;  // at most 31 bytes
  int height;        // negative: character height without internal leading
  int weight;
  bool italic, underline, strike_out;
};

enum class PictureFormat : uint8_t { None, Icon, Bitmap };

struct ControlSpec {
  ControlKind kind;
  Rect place;  // relative to the parent's client area
  bool disabled;
  bool focusable;
  const char* text;
  // TransparentLabel
  const FontSpec* font;  // nullptr: the default GUI font
  uint32_t text_colour;  // 0x00BBGGRR
  bool etched;           // white copy one pixel right and down, then the text colour
  bool spread;           // single line: characters spaced evenly across the label's width
  uint8_t align;         // 0 left, 1 centre, 2 right
  bool word_wrap;
  uint8_t valign;  // without word wrap: 0 top, 1 centre, 2 bottom
  // GradientLabel: the colour (0x00BBGGRR) of each pixel row from the top edge; rows beyond
  // row_count repeat the last one. row_count 0 means the button-face colour.
  const uint32_t* rows;
  int row_count;
  // EditBox
  bool multi_line;  // with a vertical scroll bar, wrapping at the box's width
  bool read_only;
  // PictureBox: a resource of the executable
  const char* picture;
  PictureFormat picture_format;
  bool stretch;  // false: natural size in the top-left corner
};

// Creates a child control, hidden, stacked below the controls created before it among its
// siblings. parent is the page or another control of it. id identifies the control in events.
Handle CreateControl(Handle page, Handle parent, int id, const ControlSpec& spec);

void ShowControl(Handle control, bool visible);  // SW_SHOWNA or SW_HIDE: never activates
void ShowPage(Handle page);                      // ShowWindow(SW_SHOW): shows and activates
bool DestroyWindow(Handle window);
bool IsWindow(Handle window);
Handle ParentOf(Handle window);  // 0 for a top-level window

Rect GetPlace(Handle control);  // relative to the parent's client area
void SetPlace(Handle control, Rect place);
unsigned TextLength(Handle window);  // in bytes, without the NUL
unsigned GetText(Handle window, char* buffer, unsigned size);
void SetText(Handle window, const char* text);
void ShowEndOfText(Handle edit);  // caret to the end of the text, scrolled into view
void EnableWindow(Handle window, bool enabled);
bool IsWindowEnabled(Handle window);
void SetFocus(Handle window);
Handle FocusedWindow();
Handle ActiveWindow();
Handle ForegroundWindow();
void SetActiveWindow(Handle window);
void SetForegroundWindow(Handle window);

// Periodic timer of a page; Event::Tick with this id. Periods below the platform's minimum
// run at the minimum.
bool SetTimer(Handle page, int id, unsigned period_ms);
void KillTimer(Handle page, int id);

// ---------------------------------------------------------------------------------------------
// Messages.

struct Message {
  alignas(8) unsigned char raw[48];
};

enum class Peeked : uint8_t { Empty, Quit, Message };

bool GetMessage(Message& message);             // waits; false when it retrieves WM_QUIT
int QuitCode(const Message& message);          // the code a retrieved WM_QUIT carries
Peeked PeekMessage(Message& message);          // removes the next message unless it is WM_QUIT
void DispatchMessage(const Message& message);  // TranslateMessage, then DispatchMessageA
// A Tab key press: the window it is addressed to, and whether Shift is held. 0 otherwise.
Handle TabKeyTarget(const Message& message, bool* backwards);
bool PostDestroyRequest(Handle page);  // the private message, both parameters 0
void PostQuit(int code);               // PostQuitMessage

// ---------------------------------------------------------------------------------------------
// Message boxes.

constexpr unsigned kBoxOk = 0x0;
constexpr unsigned kBoxYesNo = 0x4;
constexpr unsigned kBoxIconError = 0x10;
constexpr unsigned kBoxSystemModal = 0x1000;
constexpr unsigned kBoxTaskModal = 0x2000;
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// MessageBoxA(NULL, text, caption, style). 0 when the box cannot be shown.
int MessageBox(const char* text, const char* caption, unsigned style);

// ---------------------------------------------------------------------------------------------
// Files. Paths go to the platform exactly as given: relative ones resolve against the current
// directory, doubled separators count as one.

constexpr uint32_t kAttributeReadOnly = 0x01;
constexpr uint32_t kAttributeHidden = 0x02;
constexpr uint32_t kAttributeSystem = 0x04;
constexpr uint32_t kAttributeDirectory = 0x10;
constexpr uint32_t kAttributeArchive = 0x20;
constexpr uint32_t kAttributeNormal = 0x80;
constexpr uint32_t kNoAttributes = 0xFFFFFFFF;  // INVALID_FILE_ATTRIBUTES

uint32_t LastError();  // GetLastError of the call that just failed

bool CreateDirectory(const char* path);  // CreateDirectoryA(path, NULL): one level

using File = uintptr_t;  // 0: none
// CreateFileA(path, GENERIC_WRITE, 0 (exclusive), inheritable handle without a descriptor,
// CREATE_ALWAYS, attributes, NULL). 0 when the file cannot be opened.
File CreateFileForWrite(const char* path, uint32_t attributes);
bool WriteFile(File file, const void* bytes, uint32_t length, uint32_t* written);
bool CloseFile(File file);                                      // CloseHandle
bool SetFileAttributes(const char* path, uint32_t attributes);  // SetFileAttributesA
uint32_t GetFileAttributes(const char* path);                   // kNoAttributes when absent

// ---------------------------------------------------------------------------------------------
// Shell. COM must be started on the calling thread (StartOle).

enum class SpecialFolder : uint8_t { DesktopDirectory, Programs };
// SHGetSpecialFolderPathA(NULL, buffer, CSIDL, FALSE) into buffer of at least 261 bytes.
bool SpecialFolderPath(SpecialFolder folder, char* buffer);

enum class Picked : uint8_t { Nothing, NoPath, Path };
// SHBrowseForFolderA with BIF_EDITBOX, no root, the given owner and title; the chosen item's
// path by SHGetPathFromIDListA into buffer (at least 260 bytes); the item list freed with the
// shell's allocator. Runs the platform's modal loop until the user closes the dialog.
Picked PickFolder(Handle owner, const char* title, char* buffer);

// The shell link object: CoCreateInstance(CLSID_ShellLink, IShellLinkA), IPersistFile,
// SetPath(target), SetShowCmd(SW_SHOW), the name converted with the ANSI code page,
// Save(name, TRUE), both interfaces released. The HRESULT: negative on failure.
int32_t CreateShellLink(const char* link_path, const char* target);

}  // namespace plat

// The program's entry, called by the backend's process entry.
int InstallerMain();
