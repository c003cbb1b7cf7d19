// The benchmark's timing driver: a console program that runs in the same Wine prefix and
// desktop as the programs it times, starts them, clicks them as a person would and watches
// their windows with QueryPerformanceCounter.
#pragma once

#include <windows.h>

// Milliseconds on the performance counter.
double NowMs();

// Polls `done` until it holds or `timeout_ms` have passed; the interval is 1 ms, short against
// every figure and light on the wineserver the measured program shares with us.
template <typename Condition>
bool WaitFor(double timeout_ms, Condition done) {
  double start = NowMs();
  for (;;) {
    if (done()) return true;
    if (NowMs() - start >= timeout_ms) return false;
    Sleep(1);
  }
}

// A visible top-level window of process `pid`, with exactly this title when one is given, that
// is not `except`.
HWND FindVisibleWindow(DWORD pid, const char* title, HWND except);

// A real click on the middle of `control`: the cursor moved there, the button pressed, then
// released. Returns the time just before the release, the moment the click takes effect; a
// negative value when the input could not be given.
double ClickAt(HWND control);
