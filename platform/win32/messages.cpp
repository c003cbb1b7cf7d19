// The thread's message queue, seen through plat::Message.
#include "platform/win32/win32.h"

#include <cstring>

namespace plat {
namespace {

static_assert(sizeof(MSG) <= sizeof(Message::raw), "plat::Message too small for MSG");

MSG& AsMsg(Message& message) {
  return *reinterpret_cast<MSG*>(message.raw);
}
const MSG& AsMsg(const Message& message) {
  return *reinterpret_cast<const MSG*>(message.raw);
}

}  // namespace

bool GetMessage(Message& message) {
  std::memset(message.raw, 0, sizeof message.raw);
  // -1 (an invalid call) ends the loop as WM_QUIT would, instead of spinning on it.
  return ::GetMessageA(&AsMsg(message), nullptr, 0, 0) > 0;
}

int QuitCode(const Message& message) {
  return static_cast<int>(AsMsg(message).wParam);
}

Peeked PeekMessage(Message& message) {
  std::memset(message.raw, 0, sizeof message.raw);
  MSG& msg = AsMsg(message);
  if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return Peeked::Empty;
  if (msg.message == WM_QUIT) return Peeked::Quit;
  if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return Peeked::Empty;
  if (msg.message == WM_QUIT) {
    // Taken after all: put it back, it has to stay queued.
    ::PostQuitMessage(static_cast<int>(msg.wParam));
    return Peeked::Quit;
  }
  return Peeked::Message;
}

void DispatchMessage(const Message& message) {
  const MSG& msg = AsMsg(message);
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

Handle TabKeyTarget(const Message& message, bool* backwards) {
  const MSG& msg = AsMsg(message);
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return 0;
  if (backwards) *backwards = ::GetKeyState(VK_SHIFT) < 0;
  return win32::ToHandle(msg.hwnd);
}

bool PostDestroyRequest(Handle page) {
  return ::PostMessageA(win32::ToHwnd(page), win32::kDestroyRequest, 0, 0) != FALSE;
}

void PostQuit(int code) {
  ::PostQuitMessage(code);
}

}  // namespace plat
