#pragma once

#include "ui/control_def.h"

namespace DestinationPage {
enum Control {
  透明标签1,
  透明标签6,
  透明标签5,
  按钮4,
  编辑框1,
  按钮1,
  按钮2,
  按钮3,
  透明标签4,
  main背景,
  kCount
};

constexpr const char* kDefaultFolder = "C:\\Program Files\\";

void onCreated(Program& program);
void onBrowseClicked(Program& program);
void onNextClicked(Program& program);
}  // namespace DestinationPage
