// GBK texts on the program's heap. A missing text owns no memory and reads as empty.
#pragma once

#include <cstddef>
#include <initializer_list>

struct Program;

class Text {
 public:
  Text() = default;
  explicit Text(char* owned) : bytes_(owned) {}
  Text(Text&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }
  Text& operator=(Text&& other) noexcept;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { Release(); }

  bool missing() const { return bytes_ == nullptr; }
  const char* c_str() const { return bytes_ ? bytes_ : ""; }  // "" for a missing text
  char* data() { return bytes_; }
  void Release();

 private:
  char* bytes_ = nullptr;
};

size_t TextLength(const char* text);  // 0 for nullptr

// Joins the parts (nullptr counts as empty) into a new text; never missing. Ends the program
// through FatalStop when the heap cannot supply the bytes.
Text JoinTexts(Program& program, std::initializer_list<const char*> parts);

// Index of the last backslash of a GBK text, stepping over double-byte characters so that a
// trail byte of 0x5C is never taken for one; -1 when there is none.
int LastBackslash(const char* text);

// Whether the last character (not merely the last byte) is a backslash.
bool EndsWithBackslash(const char* text);
