#include "gbk.h"

#include <iconv.h>

#include <cstdlib>

static std::string Convert(const char* to, const char* from, const std::string& text) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string in = text, out(text.size() * 4 + 4, '\0');
  char* in_at = &in[0];
  char* out_at = &out[0];
  size_t in_left = in.size(), out_left = out.size();
  size_t done = iconv(converter, &in_at, &in_left, &out_at, &out_left);
  iconv_close(converter);
  if (done == static_cast<size_t>(-1)) return std::string();
  out.resize(out.size() - out_left);
  return out;
}

std::string Gbk(const std::string& utf8) {
  return Convert("GBK", "UTF-8", utf8);
}
std::string Utf8(const std::string& gbk) {
  return Convert("UTF-8", "GBK", gbk);
}
