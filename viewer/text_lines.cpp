#include "viewer/text_lines.h"

#include <windows.h>

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

}  // namespace

TTextLines TTextLines::Read(const std::wstring& path) {
  TTextLines lines;
  const KernelHandle file = OpenForReading(path);
  char buffer[kReadSize];
  DWORD count = 0;
  do {
    if (!ReadFile(file.Get(), buffer, kReadSize, &count, nullptr)) {
      throw Exception(L"Cannot read the file " + path + L": " + LastErrorText());
    }
    lines.Take(buffer, count);
  } while (count > 0);
  if (lines.lineOpen_) lines.EndLine();
  lines.EndLine();
  return lines;
}

void TTextLines::Take(const char* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const char byte = bytes[i];
    const bool lfOfCRLF = byte == '\n' && afterCR_;
    afterCR_ = byte == '\r';
    if (lfOfCRLF) continue;
    if (byte == '\r' || byte == '\n') {
      EndLine();
      continue;
    }
    if (!lineOpen_) {
      starts_.push_back(text_.size());
      lineOpen_ = true;
    }
    if (lineLength_ < kMaxLineLength) {
      text_.push_back(byte);
      ++lineLength_;
    }
  }
}

void TTextLines::EndLine() {
  if (!lineOpen_) starts_.push_back(text_.size());
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
