#include "ui/page_frame.h"

plat::Rect CentredPlace(plat::Size screen) {
  return {(screen.width - kPageWidth) / 2, (screen.height - kPageHeight) / 2, kPageWidth,
          kPageHeight};
}
