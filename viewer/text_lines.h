#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The lines of a text file as 8-bit text, read whole. A line ends at CR LF,
// LF or CR; it keeps at most its first kMaxLineLength bytes and the rest of
// it is skipped. One empty line follows the last line of the file. The kept
// bytes lie in one block the size of the file, with a 32-bit start per line.
class TTextLines {
 public:
  static constexpr size_t kMaxLineLength = 1023;
  static constexpr size_t kReadSize = 8192;
  // The largest file whose lines can be held.
  static constexpr uint64_t kMaxFileSize = UINT32_MAX;

  // Reads the file through kReadSize-byte reads and closes it at once;
  // raises an Exception naming the file when it cannot be read or is
  // larger than kMaxFileSize.
  static TTextLines Read(const std::wstring& path);

  size_t Count() const { return starts_.size(); }
  // The bytes of a line, without its line break.
  std::string Bytes(size_t index) const;
  // A line decoded with the ANSI code page.
  std::wstring Text(size_t index) const;

 private:
  void Take(const char* bytes, size_t count);
  void Append(const char* from, const char* to);
  void EndLine();

  std::string text_;
  std::vector<uint32_t> starts_;
  size_t lineLength_ = 0;
  bool lineOpen_ = false;
  bool afterCR_ = false;
};
