// Pages as data: each page is an ordered list of controls plus its handlers.
#pragma once

#include <cstdint>

#include "app/program.h"
#include "platform/platform.h"

enum class Kind : uint8_t { 透明标签, 标签, 按钮, 编辑框, 图片框, 分组框, 时钟 };

using Handler = void (*)(Program&);

constexpr uint32_t Rgb(int red, int green, int blue) {
  return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
         static_cast<uint32_t>(blue) << 16;
}

struct Gradient {
  bool bottom_to_top;
  int count;  // used colour slots
  uint32_t colours[3];
};

struct ControlDef {
  const char* name;
  Kind kind;
  plat::Rect place;
  int parent = -1;  // list index of the containing control; -1 for the page
  bool visible = true;
  bool disabled = false;
  bool focusable = false;
  const char* text = "";
  const plat::FontSpec* font = nullptr;  // nullptr: the default GUI font
  uint32_t text_colour = 0;
  bool etched = false;
  bool spread = false;
  uint8_t align = 0;
  bool word_wrap = false;
  uint8_t valign = 1;
  Gradient gradient = {};
  bool multi_line = false;
  bool read_only = false;
  const char* picture = nullptr;
  plat::PictureFormat picture_format = plat::PictureFormat::None;
  bool stretch = false;
  int period = 0;           // 时钟
  Handler event = nullptr;  // clicked (按钮) or periodic (时钟)
};

struct PageDef {
  const ControlDef* controls;
  int count;
  Handler on_created;  // nullptr: no created event bound
  int first_focus;     // list index of the control that gets the focus when the page opens
};

const PageDef& PageDefinition(WizardPageId page);

extern const PageDef kWelcomePage;
extern const PageDef kLicensePage;
extern const PageDef kDestinationPage;
extern const PageDef kProgressPage;
