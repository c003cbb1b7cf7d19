#include "ui/tab_order.h"

int NextTabStop(const bool* eligible, int count, int from, bool backwards) {
  const int step = backwards ? 1 : -1;
  int start = from;
  if (start < 0) start = backwards ? -1 : count;
  for (int tried = 1; tried <= count; ++tried) {
    int index = ((start + step * tried) % count + count) % count;
    if (eligible[index]) return index;
  }
  return -1;
}
