#pragma once

#include "ui/control_def.h"

namespace WelcomePage {
// List order: the first lies on top.
enum Control { 图片框2, 透明标签1, 按钮3, 按钮2, 透明标签2, 图片框1, main背景, kCount };
extern const char kWelcomeText[];
}  // namespace WelcomePage
