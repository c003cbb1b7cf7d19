// Child controls: the common window styles and the native kinds (button, edit box, group box).
#include "platform/win32/win32.h"

namespace win32 {
namespace {

HFONT GuiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND CreateNative(HWND parent, int id, const char* cls, DWORD ex_style, DWORD style,
                  const plat::ControlSpec& spec, const char* text) {
  HWND hwnd = CreateWindowExA(ex_style, cls, text, style, spec.place.left, spec.place.top,
                              spec.place.width, spec.place.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(), nullptr);
  if (hwnd) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  return hwnd;
}

HWND CreateButton(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  style |= BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  return CreateNative(parent, id, "BUTTON", 0, style, spec, spec.text);
}

HWND CreateGroupBox(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  return CreateNative(parent, id, "BUTTON", 0, style | BS_GROUPBOX, spec, spec.text);
}

HWND CreateEditBox(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  style |= ES_LEFT;
  style |= spec.multi_line ? ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
  if (spec.read_only) style |= ES_READONLY;
  HWND hwnd = CreateNative(parent, id, "EDIT", WS_EX_CLIENTEDGE, style, spec, "");
  if (!hwnd) return nullptr;
  SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextA(hwnd, spec.text ? spec.text : "");
  SendMessageA(hwnd, EM_SETSEL, 0, 0);  // caret at the start, nothing selected, start in view
  return hwnd;
}

}  // namespace
}  // namespace win32

namespace plat {

Handle CreateControl(Handle page, Handle parent, int id, const ControlSpec& spec) {
  using namespace win32;
  HWND owner = ToHwnd(parent ? parent : page);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (spec.disabled) style |= WS_DISABLED;
  if (spec.focusable) style |= WS_TABSTOP;
  HWND hwnd = nullptr;
  switch (spec.kind) {
    case ControlKind::TransparentLabel:
      hwnd = CreateTransparentLabel(owner, id, style, spec);
      break;
    case ControlKind::GradientLabel:
      hwnd = CreateGradientLabel(owner, id, style, spec);
      break;
    case ControlKind::Button:
      hwnd = CreateButton(owner, id, style, spec);
      break;
    case ControlKind::EditBox:
      hwnd = CreateEditBox(owner, id, style, spec);
      break;
    case ControlKind::PictureBox:
      hwnd = CreatePictureBox(owner, id, style, spec);
      break;
    case ControlKind::GroupBox:
      hwnd = CreateGroupBox(owner, id, style, spec);
      break;
  }
  // Below every sibling created before it, so the first control of a page lies on top. A new
  // child usually starts there already; moving it anyway costs a full SetWindowPos.
  if (hwnd && GetWindow(hwnd, GW_HWNDNEXT))
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return ToHandle(hwnd);
}

}  // namespace plat
