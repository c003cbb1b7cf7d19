// Screenshots of the virtual desktop, which fills the X screen at 0,0: a pixel of the image
// is the pixel at the same screen coordinates under Wine.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

class Screenshot {
 public:
  // Saves the whole screen as a PNG at path and reads it back; false when either fails.
  bool Take(const std::string& path);
  Rgb At(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  bool ParsePpm(const std::string& ppm);
  int width_ = 0, height_ = 0;
  std::vector<unsigned char> rgb_;
};
