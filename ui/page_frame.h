// What the four pages share: the window frame, the background, the heading style, the
// separator and the bottom buttons.
#pragma once

#include "ui/control_def.h"

constexpr const char* kPageTitle = "青禾网音乐盒 V2.1 绿色中文版";
constexpr const char* kIconName = "DEFAULT_ICON";
constexpr int kPageWidth = 480;
constexpr int kPageHeight = 358;

// The page's outer rectangle, centred on the full primary screen.
plat::Rect CentredPlace(plat::Size screen);

inline constexpr plat::FontSpec kHeadingFont = {"黑体", -16, 400, false, false, false};

constexpr ControlDef MainBackground() {
  return {.name = "main背景",
          .kind = Kind::标签,
          .place = {0, 0, 480, 334},
          .gradient = {false, 2, {Rgb(128, 128, 128), Rgb(255, 255, 255), 0}}};
}

constexpr ControlDef Heading(const char* name, plat::Rect place, const char* text) {
  return {
      .name = name, .kind = Kind::透明标签, .place = place, .text = text, .font = &kHeadingFont};
}

constexpr ControlDef Separator() {
  return {.name = "透明标签4",
          .kind = Kind::透明标签,
          .place = {10, 264, 456, 24},
          .disabled = true,
          .text = "----------------------------------------------------------------------",
          .etched = true};
}

constexpr ControlDef Button(const char* name, plat::Rect place, const char* text, Handler click) {
  return {.name = name,
          .kind = Kind::按钮,
          .place = place,
          .focusable = true,
          .text = text,
          .event = click};
}

constexpr ControlDef BottomButton(const char* name, int left, const char* text, Handler click) {
  return Button(name, {left, 297, 80, 22}, text, click);
}

constexpr ControlDef BackButton(Handler click) {
  return BottomButton("按钮1", 207, "上一步", click);
}
constexpr ControlDef NextButton(Handler click) {
  return BottomButton("按钮2", 288, "下一步", click);
}
constexpr ControlDef CancelButton(Handler click) {
  return BottomButton("按钮3", 384, "取消", click);
}
