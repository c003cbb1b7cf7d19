#include "app/text.h"

#include <cstring>

#include "app/lifecycle.h"
#include "platform/platform.h"

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    Release();
    bytes_ = other.bytes_;
    other.bytes_ = nullptr;
  }
  return *this;
}

void Text::Release() {
  plat::HeapRelease(bytes_);
  bytes_ = nullptr;
}

size_t TextLength(const char* text) {
  return text ? std::strlen(text) : 0;
}

Text JoinTexts(Program& program, std::initializer_list<const char*> parts) {
  size_t total = 1;
  for (const char* part : parts) total += TextLength(part);
  char* joined = static_cast<char*>(plat::HeapAllocate(total));
  if (!joined) FatalStop(program);
  char* end = joined;
  for (const char* part : parts) {
    size_t length = TextLength(part);
    if (length) std::memcpy(end, part, length);
    end += length;
  }
  *end = '\0';
  return Text(joined);
}

static bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

int LastBackslash(const char* text) {
  int last = -1;
  for (int i = 0; text[i] != '\0';) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsGbkLeadByte(byte) && text[i + 1] != '\0') {
      i += 2;
      continue;
    }
    if (byte == '\\') last = i;
    ++i;
  }
  return last;
}

bool EndsWithBackslash(const char* text) {
  size_t length = TextLength(text);
  return length > 0 && LastBackslash(text) == static_cast<int>(length) - 1;
}
