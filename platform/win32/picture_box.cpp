// A borderless box that shows a picture from the executable's resources over the button face.
#include "platform/win32/win32.h"

namespace win32 {
namespace {

enum PictureSlot { kImage, kFormat, kStretch, kPictureSlots };

HANDLE LoadPicture(const plat::ControlSpec& spec) {
  if (!spec.picture) return nullptr;
  switch (spec.picture_format) {
    case plat::PictureFormat::Icon:  // natural size: the size stored in the resource
      return LoadImageA(Module(), spec.picture, IMAGE_ICON, 0, 0, 0);
    case plat::PictureFormat::Bitmap:
      return LoadImageA(Module(), spec.picture, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    case plat::PictureFormat::None:
      break;
  }
  return nullptr;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& box, bool stretch) {
  BITMAP info;
  if (!GetObjectA(bitmap, sizeof info, &info)) return;
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ old = SelectObject(source, bitmap);
  if (stretch) {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, box.right, box.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT box;
  GetClientRect(hwnd, &box);
  FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  auto image = reinterpret_cast<HANDLE>(Slot(hwnd, kImage));
  auto format = static_cast<plat::PictureFormat>(Slot(hwnd, kFormat));
  if (image && format == plat::PictureFormat::Icon) {
    DrawIconEx(dc, 0, 0, static_cast<HICON>(image), 0, 0, 0, nullptr, DI_NORMAL);
  } else if (image && format == plat::PictureFormat::Bitmap) {
    DrawBitmap(dc, static_cast<HBITMAP>(image), box, Slot(hwnd, kStretch) != 0);
  }
  EndPaint(hwnd, &ps);
}

void ReleasePicture(HWND hwnd) {
  auto image = reinterpret_cast<HANDLE>(Slot(hwnd, kImage));
  if (!image) return;
  if (static_cast<plat::PictureFormat>(Slot(hwnd, kFormat)) == plat::PictureFormat::Icon) {
    DestroyIcon(static_cast<HICON>(image));
  } else {
    DeleteObject(image);
  }
  SetSlot(hwnd, kImage, 0);
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE: {
      auto spec = static_cast<const plat::ControlSpec*>(
          reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
      SetSlot(hwnd, kImage, reinterpret_cast<LONG_PTR>(LoadPicture(*spec)));
      SetSlot(hwnd, kFormat, static_cast<LONG_PTR>(spec->picture_format));
      SetSlot(hwnd, kStretch, spec->stretch);
      break;
    }
    case WM_NCDESTROY:
      ReleasePicture(hwnd);
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    // Controls inside the box report to the page as if they sat on it.
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageA(GetParent(hwnd), msg, wp, lp);
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreatePictureBox(HWND parent, int id, DWORD style, const plat::ControlSpec& spec) {
  if (!EnsureClass(kPictureBoxClass, PictureProc, kPictureSlots, nullptr, nullptr, nullptr)) {
    return nullptr;
  }
  return CreateWindowExA(0, kPictureBoxClass, "", (style & ~WS_TABSTOP) | WS_CLIPCHILDREN,
                         spec.place.left, spec.place.top, spec.place.width, spec.place.height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(),
                         const_cast<plat::ControlSpec*>(&spec));
}

}  // namespace win32
