// The end-to-end tests' own Win32 helper: it runs in the same Wine prefix and desktop as
// setup.exe, finds its windows and drives them through the real input path.
#pragma once

#include <windows.h>

#include <string>

// Arguments and output. Texts cross the command line either as ANSI text (code page 936 under
// the zh_CN locale) or as "hex:" followed by the hex of their bytes; texts are printed as hex.
bool ParseNumber(const char* arg, long* value);
bool ParseHwnd(const char* arg, HWND* hwnd);
std::string DecodeText(const char* arg);
std::string Hex(const std::string& bytes);
std::string WindowText(HWND hwnd);
void PrintWindowLine(HWND hwnd);
void PrintControlLine(HWND control);

// Windows of the desktop.
HWND FindTopLevel(const std::string& title, const char* class_name, HWND except);
bool CentreOf(HWND hwnd, POINT* centre);
bool FindCloseButton(HWND hwnd, POINT* centre);
bool FindCaption(HWND hwnd, POINT* point);

// Input as a person gives it: the mouse moved to a point and clicked, keys pressed.
bool ClickAt(POINT point);
bool PressKey(const char* name);
bool TypeText(const std::wstring& text);

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
