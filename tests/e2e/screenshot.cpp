#include "screenshot.h"

#include <cstdlib>
#include <sstream>

#include "process.h"

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
  return out << "RGB(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

bool Screenshot::Take(const std::string& path) {
  const char* display = getenv("DISPLAY");
  if (!display) return false;
  RunResult shot = Run({"import", "-window", "root", "-display", display, path}, 20000);
  if (shot.exit_code != 0) return false;
  RunResult ppm = Run({"convert", path, "ppm:-"}, 20000);
  return ppm.exit_code == 0 && ParsePpm(ppm.out);
}

// Binary PPM: "P6", width, height, maximum 255, one whitespace, then RGB triples.
bool Screenshot::ParsePpm(const std::string& ppm) {
  std::istringstream header(ppm);
  std::string magic;
  int maximum = 0;
  header >> magic >> width_ >> height_ >> maximum;
  if (magic != "P6" || maximum != 255 || width_ <= 0 || height_ <= 0) return false;
  size_t start = static_cast<size_t>(header.tellg()) + 1;
  size_t size = static_cast<size_t>(width_) * height_ * 3;
  if (ppm.size() < start + size) return false;
  rgb_.assign(ppm.begin() + start, ppm.begin() + start + size);
  return true;
}

Rgb Screenshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgb{-1, -1, -1};
  size_t at = (static_cast<size_t>(y) * width_ + x) * 3;
  return Rgb{rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}
