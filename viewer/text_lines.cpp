#include "viewer/text_lines.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

KernelHandle OpenForReading(const std::wstring& path) {
  KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) throw Exception(L"Cannot open the file " + path + L": " + LastErrorText());
  return file;
}

Exception TooLarge(const std::wstring& path) {
  return Exception(L"The file " + path + L" is too large to show");
}

// The file's size, which the kept text never exceeds.
size_t SizeToHold(HANDLE file, const std::wstring& path) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    throw Exception(L"Cannot read the file " + path + L": " + LastErrorText());
  }
  if (static_cast<uint64_t>(size.QuadPart) > TTextLines::kMaxFileSize) throw TooLarge(path);
  return static_cast<size_t>(size.QuadPart);
}

bool IsLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

// Whether any byte of the word is zero.
constexpr bool HasZeroByte(uint64_t word) {
  return ((word - 0x0101010101010101u) & ~word & 0x8080808080808080u) != 0;
}

// The first CR or LF in [at, end), or end. Looks at eight bytes at a time,
// since the log's lines are long runs of neither.
const char* FindLineBreak(const char* at, const char* end) {
  constexpr uint64_t kCRs = 0x0D0D0D0D0D0D0D0Du;
  constexpr uint64_t kLFs = 0x0A0A0A0A0A0A0A0Au;
  for (uint64_t word; end - at >= 8; at += 8) {
    std::memcpy(&word, at, 8);
    if (HasZeroByte(word ^ kCRs) || HasZeroByte(word ^ kLFs)) break;
  }
  while (at != end && !IsLineBreak(*at)) ++at;
  return at;
}

}  // namespace

TTextLines TTextLines::Read(const std::wstring& path) {
  TTextLines lines;
  const KernelHandle file = OpenForReading(path);
  lines.text_.reserve(SizeToHold(file.Get(), path));
  char buffer[kReadSize];
  uint64_t total = 0;
  DWORD count = 0;
  do {
    if (!ReadFile(file.Get(), buffer, kReadSize, &count, nullptr)) {
      throw Exception(L"Cannot read the file " + path + L": " + LastErrorText());
    }
    // A file that grows while it is read may outgrow the 32-bit starts.
    if ((total += count) > kMaxFileSize) throw TooLarge(path);
    lines.Take(buffer, count);
  } while (count > 0);
  if (lines.lineOpen_) lines.EndLine();
  lines.EndLine();
  lines.starts_.shrink_to_fit();
  return lines;
}

// Takes the bytes a run at a time: the bytes up to the next line break are
// appended at once.
void TTextLines::Take(const char* bytes, size_t count) {
  const char* at = bytes;
  const char* const end = bytes + count;
  while (at < end) {
    if (afterCR_ && *at == '\n') ++at;
    afterCR_ = false;
    const char* const lineBreak = FindLineBreak(at, end);
    if (lineBreak != at) Append(at, lineBreak);
    if (lineBreak == end) return;
    afterCR_ = *lineBreak == '\r';
    EndLine();
    at = lineBreak + 1;
  }
}

void TTextLines::Append(const char* from, const char* to) {
  if (!lineOpen_) {
    starts_.push_back(static_cast<uint32_t>(text_.size()));
    lineOpen_ = true;
  }
  const size_t kept = std::min(kMaxLineLength - lineLength_, static_cast<size_t>(to - from));
  text_.append(from, kept);
  lineLength_ += kept;
}

void TTextLines::EndLine() {
  if (!lineOpen_) starts_.push_back(static_cast<uint32_t>(text_.size()));
  lineOpen_ = false;
  lineLength_ = 0;
}

std::string TTextLines::Bytes(size_t index) const {
  const size_t start = starts_[index];
  const size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
  return text_.substr(start, end - start);
}

std::wstring TTextLines::Text(size_t index) const {
  const std::string bytes = Bytes(index);
  if (bytes.empty()) return L"";
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<size_t>(size), L'\0');
  const int made = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), size);
  text.resize(static_cast<size_t>(made));
  return text;
}
