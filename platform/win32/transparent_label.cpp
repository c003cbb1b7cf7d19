// A label that paints only its text: whatever lies beneath it shows through.
#include "platform/win32/win32.h"

namespace win32 {
namespace {

enum LabelSlot { kFont, kColour, kFormat, kEtched, kSpread, kLabelSlots };

// The label's text, copied to the process heap; empty when it cannot be read.
class WindowText {
 public:
  explicit WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    text_ = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(length) + 1));
    if (text_) GetWindowTextA(hwnd, text_, length + 1);
  }
  ~WindowText() {
    if (text_) HeapFree(GetProcessHeap(), 0, text_);
  }
  WindowText(const WindowText&) = delete;
  WindowText& operator=(const WindowText&) = delete;
  const char* get() const { return text_ ? text_ : ""; }

 private:
  char* text_ = nullptr;
};

// A font of the label's own, or nullptr for the default GUI font.
HFONT MakeFont(const plat::FontSpec* font) {
  if (!font) return nullptr;
  char face[LF_FACESIZE] = {};
  if (font->face) lstrcpynA(face, font->face, sizeof face);
  return CreateFontA(font->height, 0, 0, 0, font->weight, font->italic, font->underline,
                     font->strike_out, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     PROOF_QUALITY, DEFAULT_PITCH, face);
}

UINT TextFormat(const plat::ControlSpec& spec) {
  static constexpr UINT kAlign[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  static constexpr UINT kVAlign[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
  UINT format = kAlign[spec.align < 3 ? spec.align : 0];
  if (spec.word_wrap) return format | DT_WORDBREAK | DT_TOP;
  return format | DT_SINGLELINE | kVAlign[spec.valign < 3 ? spec.valign : 0];
}

// Spaces the characters of a single line so that it runs across the whole label.
void SpreadAcross(HDC dc, const char* text, int width) {
  int length = lstrlenA(text);
  SIZE extent = {};
  if (length < 2 || !GetTextExtentPoint32A(dc, text, length, &extent) || extent.cx >= width) return;
  SetTextCharacterExtra(dc, (width - extent.cx) / length);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  WindowText text(hwnd);
  RECT box;
  GetClientRect(hwnd, &box);
  auto font = reinterpret_cast<HFONT>(Slot(hwnd, kFont));
  HGDIOBJ old_font = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  UINT format = static_cast<UINT>(Slot(hwnd, kFormat));
  if (Slot(hwnd, kSpread)) SpreadAcross(dc, text.get(), box.right - box.left);
  if (Slot(hwnd, kEtched)) {
    RECT shadow = box;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, text.get(), -1, &shadow, format);
  }
  SetTextColor(dc, static_cast<COLORREF>(Slot(hwnd, kColour)));
  DrawTextA(dc, text.get(), -1, &box, format);
  SelectObject(dc, old_font);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE: {
      auto spec = static_cast<const plat::ControlSpec*>(
          reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
      SetSlot(hwnd, kFont, reinterpret_cast<LONG_PTR>(MakeFont(spec->font)));
      SetSlot(hwnd, kColour, static_cast<LONG_PTR>(spec->text_colour));
      SetSlot(hwnd, kFormat, static_cast<LONG_PTR>(TextFormat(*spec)));
      SetSlot(hwnd, kEtched, spec->etched);
      SetSlot(hwnd, kSpread, spec->spread);
      break;
    }
    case WM_NCDESTROY:
      if (auto font = reinterpret_cast<HFONT>(Slot(hwnd, kFont))) DeleteObject(font);
      SetSlot(hwnd, kFont, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // no background of its own
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to whatever shows through
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateTransparentLabel(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  if (!EnsureClass(kTransparentLabelClass, LabelProc, kLabelSlots, nullptr, nullptr, nullptr)) {
    return nullptr;
  }
  return CreateWindowExA(WS_EX_TRANSPARENT, kTransparentLabelClass, spec.text, style & ~WS_TABSTOP,
                         spec.place.left, spec.place.top, spec.place.width, spec.place.height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(),
                         const_cast<plat::ControlSpec*>(&spec));
}

}  // namespace win32
