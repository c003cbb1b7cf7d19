// How texts cross between the tests and their driver: GBK bytes as lower-case hex, two digits
// a byte. One definition for both sides, so the two cannot drift apart.
#pragma once

#include <string>

inline std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex.push_back(kDigits[c >> 4]);
    hex.push_back(kDigits[c & 15]);
  }
  return hex;
}

// The bytes of a hex text, up to its first pair that is not hex.
inline std::string FromHex(const std::string& hex) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}
