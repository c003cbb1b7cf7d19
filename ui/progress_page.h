#pragma once

#include "ui/control_def.h"

namespace ProgressPage {
enum Control {
  编辑框1,
  透明标签3,
  透明标签2,
  时钟1,
  按钮2,
  透明标签4,
  透明标签1,
  标签1,
  分组框1,
  main背景,
  kCount
};

void onCreated(Program& program);
void onFinishClicked(Program& program);
}  // namespace ProgressPage

namespace ProgressAnimator {
void onTick(Program& program);
}  // namespace ProgressAnimator
