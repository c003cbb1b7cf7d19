// Mouse and keyboard input through SendInput, the path real devices take into the desktop.
#include "driver.h"

#include <cstring>

static bool Send(INPUT* inputs, UINT count) {
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}

static INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

// Absolute coordinates are 0..65535 across the primary screen; rounding up lands on the pixel.
static LONG Normalised(int pixel, int extent) {
  return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent);
}

// Every event of the click carries the target point: under Wine a button event without one
// can be delivered at the place the cursor had before the last move.
bool ClickAt(POINT point) {
  LONG dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
  LONG dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
  const DWORD kAt = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  INPUT move = Mouse(kAt, dx, dy);
  if (!Send(&move, 1)) return false;
  POINT at{};
  bool arrived = WaitUntil(1000, [&] {
    GetCursorPos(&at);
    return at.x == point.x && at.y == point.y;
  });
  if (!arrived) return false;
  Sleep(50);
  INPUT down = Mouse(kAt | MOUSEEVENTF_LEFTDOWN, dx, dy);
  if (!Send(&down, 1)) return false;
  Sleep(50);
  INPUT up = Mouse(kAt | MOUSEEVENTF_LEFTUP, dx, dy);
  return Send(&up, 1);
}

struct Key {
  const char* name;
  WORD modifier;  // 0, VK_SHIFT, VK_MENU or VK_CONTROL
  WORD vk;
};

static const Key kKeys[] = {
    {"tab", 0, VK_TAB},
    {"shift-tab", VK_SHIFT, VK_TAB},
    {"esc", 0, VK_ESCAPE},
    {"enter", 0, VK_RETURN},
    {"f1", 0, VK_F1},
    {"space", 0, VK_SPACE},
    {"alt-f4", VK_MENU, VK_F4},
    {"pgdn", 0, VK_NEXT},
    {"pgup", 0, VK_PRIOR},
    {"home", 0, VK_HOME},
    {"end", 0, VK_END},
    {"backspace", 0, VK_BACK},
    {"delete", 0, VK_DELETE},
    {"ctrl-a", VK_CONTROL, 'A'},
    {"shift-end", VK_SHIFT, VK_END},
    {"up", 0, VK_UP},
    {"down", 0, VK_DOWN},
    {"left", 0, VK_LEFT},
    {"right", 0, VK_RIGHT},
};

static INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

bool PressKey(const char* name) {
  for (const Key& key : kKeys) {
    if (strcmp(key.name, name) != 0) continue;
    INPUT inputs[4];
    UINT count = 0;
    if (key.modifier) inputs[count++] = KeyInput(key.modifier, false);
    inputs[count++] = KeyInput(key.vk, false);
    inputs[count++] = KeyInput(key.vk, true);
    if (key.modifier) inputs[count++] = KeyInput(key.modifier, true);
    return Send(inputs, count);
  }
  return false;
}

// Characters as typed text (VK_PACKET), so no keyboard layout stands between test and box.
bool TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = c;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    if (!Send(inputs, 2)) return false;
    Sleep(5);
  }
  return true;
}
