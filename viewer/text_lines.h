#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The lines of a text file as 8-bit text, read whole. A line ends at CR LF,
// LF or CR; it keeps at most its first kMaxLineLength bytes and the rest of
// it is skipped. One empty line follows the last line of the file.
class TTextLines {
 public:
  static constexpr size_t kMaxLineLength = 1023;
  static constexpr size_t kReadSize = 8192;

  // Reads the file through kReadSize-byte reads and closes it at once;
  // raises an Exception naming the file when it cannot be read.
  static TTextLines Read(const std::wstring& path);

  size_t Count() const { return starts_.size(); }
  // The bytes of a line, without its line break.
  std::string Bytes(size_t index) const;
  // A line decoded with the ANSI code page.
  std::wstring Text(size_t index) const;

 private:
  void Take(const char* bytes, size_t count);
  void EndLine();

  std::string text_;
  std::vector<size_t> starts_;
  size_t lineLength_ = 0;
  bool lineOpen_ = false;
  bool afterCR_ = false;
};
