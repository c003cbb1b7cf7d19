#include "pictures.h"

#include <gtest/gtest.h>

namespace {

bool Red(const Rgb& c) {
  return c.r >= 180 && c.g <= 60 && c.b <= 80;
}
bool White(const Rgb& c) {
  return c.r >= 240 && c.g >= 240 && c.b >= 240;
}

}  // namespace

void ExpectLogo(const Screenshot& shot, const Box& client) {
  const int left = client.left + 32, top = client.top + 200;
  int red = 0, white = 0;
  for (int y = top; y < top + 16; ++y) {
    for (int x = left; x < left + 16; ++x) {
      Rgb c = shot.At(x, y);
      red += Red(c) ? 1 : 0;
      white += White(c) ? 1 : 0;
    }
  }
  EXPECT_EQ(red + white, 256) << "pixels of the logo's square that are neither red nor white";
  EXPECT_GE(red, 150) << "the red square";
  EXPECT_GE(white, 20) << "the white glyph";
  for (int i = 0; i < 16; ++i) {
    EXPECT_TRUE(Red(shot.At(left + i, top)))
        << "top edge at " << i << ": " << shot.At(left + i, top);
    EXPECT_TRUE(Red(shot.At(left + i, top + 15))) << "bottom edge at " << i;
    EXPECT_FALSE(Red(shot.At(left + i, top - 1))) << "red above the logo at " << i;
    EXPECT_FALSE(Red(shot.At(left + 16, top + i))) << "red right of the logo at " << i;
  }
}

void ExpectBanner(const Screenshot& shot, const Box& client) {
  const int left = client.left + 1, top = client.top + 25;
  for (int x = left; x < left + 159; x += 8) {
    for (int y = top; y < top + 16; y += 5) {
      Rgb c = shot.At(x, y);
      EXPECT_TRUE(c.b >= 180 && c.b >= c.r + 60 && c.g > c.r)
          << "sky blue at the top of the banner, client " << x - client.left << ","
          << y - client.top << ": " << c;
    }
    Rgb foot = shot.At(x, top + 285);
    EXPECT_TRUE(foot.g >= foot.r + 40 && foot.g > foot.b)
        << "green at the banner's foot, client x " << x - client.left << ": " << foot;
  }
  // The box ends where its place ends: the page's grey background on either side.
  Rgb beside = shot.At(client.left + 160, top + 5);
  EXPECT_TRUE(beside.r == beside.g && beside.g == beside.b) << "right of the banner: " << beside;
}

void ExpectFullStrip(const Screenshot& shot, const Box& client) {
  struct Row {
    int row;
    Rgb colour;
  };
  const Row kRows[] = {{0, {236, 236, 236}},
                       {1, {202, 202, 239}},
                       {7, {0, 0, 255}},
                       {13, {203, 203, 238}},
                       {14, {236, 236, 236}}};
  const int left = client.left + 21, top = client.top + 105, width = 425;
  for (const Row& row : kRows) {
    for (int x : {left, left + 100, left + 300, left + width - 1}) {
      EXPECT_EQ(shot.At(x, top + row.row), row.colour)
          << "strip row " << row.row << " at client x " << x - client.left;
    }
  }
  // Past the right end and left of the start, the page's background (grey) shows.
  for (int x : {left - 1, left + width}) {
    Rgb c = shot.At(x, top + 7);
    EXPECT_TRUE(c.r == c.g && c.g == c.b)
        << "beside the strip at client x " << x - client.left << ": " << c;
  }
}
