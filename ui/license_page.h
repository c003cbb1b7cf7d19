#pragma once

#include "ui/control_def.h"

namespace LicensePage {
enum Control {
  透明标签6,
  按钮1,
  按钮2,
  按钮3,
  透明标签5,
  透明标签4,
  透明标签3,
  编辑框1,
  透明标签1,
  main背景,
  kCount
};
}  // namespace LicensePage

// The license agreement, GBK, NUL-terminated; embedded from resources/license.txt.
extern "C" const char kLicenseText[];
