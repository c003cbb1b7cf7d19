#include "ui/gradient.h"

static int Channel(uint32_t colour, int shift) {
  return static_cast<int>(colour >> shift & 0xFF);
}

uint32_t GradientRow(const Gradient& gradient, int height, int y) {
  const int n = gradient.count;
  const int s = height / (n - 1);
  const int k = s > 0 ? y / s : n - 1;
  if (k > n - 2) return gradient.colours[n - 1];
  const double f = static_cast<double>(y % s) / s;
  uint32_t row = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int from = Channel(gradient.colours[k], shift);
    const int to = Channel(gradient.colours[k + 1], shift);
    const int value = from + static_cast<int>(f * (to - from));
    row |= static_cast<uint32_t>(value) << shift;
  }
  return row;
}

bool GradientRowsTopDown(const Gradient& gradient, int height, uint32_t* rows) {
  if (gradient.count < 2 || height <= 0) return false;
  for (int y = 0; y < height; ++y) {
    const int from_edge = gradient.bottom_to_top ? height - 1 - y : y;
    rows[y] = GradientRow(gradient, height, from_edge);
  }
  return true;
}
