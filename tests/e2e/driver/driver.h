// The end-to-end tests' own Win32 helper: it runs in the same Wine prefix and desktop as
// setup.exe, finds its windows and drives them through the real input path.
#pragma once

#include <windows.h>

#include <string>

#include "../hex.h"

// A command's arguments, its name first; missing ones read as "".
struct Args {
  int count;
  char** values;
  const char* operator[](int i) const { return i < count ? values[i] : ""; }
};

// Prints error=<message> and gives the exit code of a failed command.
int Fail(const char* message);

// The control named by args[first] (a window) and args[first + 1] (an id, 0 for the window).
bool ControlOf(const Args& args, int first, HWND* control);

// Arguments and output. Texts cross the command line either as ANSI text (code page 936 under
// the zh_CN locale) or as "hex:" followed by the hex of their bytes; texts are printed as hex.
bool ParseNumber(const char* arg, long* value);
bool ParseHwnd(const char* arg, HWND* hwnd);
std::string DecodeText(const char* arg);
std::string WindowText(HWND hwnd);
void PrintWindowLine(HWND hwnd);
void PrintControlLine(HWND control);

// Windows of the desktop.
HWND FindTopLevel(const std::string* title, const char* class_name, HWND except);
bool CentreOf(HWND hwnd, POINT* centre);
bool FindCloseButton(HWND hwnd, POINT* centre);
bool FindCaption(HWND hwnd, POINT* point);
LRESULT HitTestAt(HWND hwnd, POINT point);  // the window's WM_NCHITTEST answer

// Input as a person gives it: the mouse moved to a point and clicked, keys pressed.
bool ClickAt(POINT point);
bool PressKey(const char* name);
bool TypeText(const std::wstring& text);

// Commands of their own files.
int CmdTree(const Args& args);
int CmdEdit(const Args& args);

// Polls `done` every 20 ms until it holds or `timeout_ms` have passed.
template <typename Condition>
bool WaitUntil(long timeout_ms, Condition done) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (static_cast<long>(GetTickCount() - start) >= timeout_ms) return false;
    Sleep(20);
  }
}
