#include "frontend/converter/settings.h"

#include <windows.h>

#include <cstdint>
#include <cwctype>
#include <string>
#include <vector>

#include "toolkit/exception.h"
#include "toolkit/file_names.h"

namespace {

constexpr DWORD kValueBuffer = 2048;
constexpr size_t kSectionBuffer = 4096;

bool ParseDigits(std::wstring_view digits, unsigned base, uint64_t limit, uint64_t& value) {
  if (digits.empty()) return false;
  value = 0;
  for (wchar_t ch : digits) {
    unsigned digit;
    if (ch >= L'0' && ch <= L'9') {
      digit = static_cast<unsigned>(ch - L'0');
    } else if (base == 16 && std::iswxdigit(ch)) {
      digit = static_cast<unsigned>(std::towlower(ch) - L'a' + 10);
    } else {
      return false;
    }
    value = value * base + digit;
    if (value > limit) return false;
  }
  return true;
}

std::wstring_view Trimmed(std::wstring_view text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool SameName(std::wstring_view a, const wchar_t* b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

// The section's lines as the profile functions hand them back, quotes
// untouched: each key=value line ended by a null character.
std::vector<wchar_t> SectionLines(const wchar_t* section, const std::wstring& file) {
  std::vector<wchar_t> lines(kSectionBuffer);
  for (;;) {
    const DWORD length = GetPrivateProfileSectionW(section, lines.data(),
                                                   static_cast<DWORD>(lines.size()), file.c_str());
    if (length + 2 < lines.size()) {
      lines.resize(length);
      return lines;
    }
    lines.resize(lines.size() * 2);
  }
}

// Whether the text comes back unchanged through the ANSI code page, as a
// value of a settings file kept in that code page does.
bool SurvivesAnsi(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  std::string narrow(
      WideCharToMultiByte(CP_ACP, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), length, narrow.data(),
                      static_cast<int>(narrow.size()), nullptr, nullptr);
  std::wstring back(
      MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), nullptr, 0),
      L'\0');
  MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), back.data(),
                      static_cast<int>(back.size()));
  return back == text;
}

// Whether a value written to the settings file reads back unchanged: it
// fits the read's buffer and the file's code page holds it.
bool ReadsBack(const std::wstring& value) {
  return value.size() < kValueBuffer && SurvivesAnsi(value);
}

using PathConversion = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// The path through GetShortPathNameW or GetLongPathNameW; empty when there
// is no such file or folder.
std::wstring PathThrough(PathConversion convert, const std::wstring& path) {
  const DWORD size = convert(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring converted(size, L'\0');
  converted.resize(convert(path.c_str(), converted.data(), size));
  return converted;
}

}  // namespace

int ParseProfileInteger(std::wstring_view text, int fallback) {
  uint64_t value;
  if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
    if (!ParseDigits(text.substr(2), 16, UINT32_MAX, value)) return fallback;
    return static_cast<int32_t>(static_cast<uint32_t>(value));
  }
  bool negative = false;
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
    negative = text[0] == L'-';
    text.remove_prefix(1);
  }
  const uint64_t limit = negative ? uint64_t{1} << 31 : INT32_MAX;
  if (!ParseDigits(text, 10, limit, value)) return fallback;
  return static_cast<int>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

std::wstring TIniFile::ReadString(const wchar_t* section, const wchar_t* key,
                                  const std::wstring& fallback) const {
  wchar_t buffer[kValueBuffer];
  const DWORD length = GetPrivateProfileStringW(section, key, fallback.c_str(), buffer,
                                                kValueBuffer, fileName_.c_str());
  return std::wstring(buffer, length);
}

std::wstring TIniFile::ReadRawString(const wchar_t* section, const wchar_t* key) const {
  const std::vector<wchar_t> lines = SectionLines(section, fileName_);
  for (const wchar_t* line = lines.data(); line < lines.data() + lines.size();
       line += wcslen(line) + 1) {
    const std::wstring_view entry = line;
    const size_t equals = entry.find(L'=');
    if (equals != std::wstring_view::npos && SameName(Trimmed(entry.substr(0, equals)), key))
      return std::wstring(Trimmed(entry.substr(equals + 1)));
  }
  return {};
}

int TIniFile::ReadInteger(const wchar_t* section, const wchar_t* key, int fallback) const {
  return ParseProfileInteger(ReadString(section, key, L""), fallback);
}

bool TIniFile::ValueExists(const wchar_t* section, const wchar_t* key) const {
  // The section's key names, each ended by a null character.
  std::vector<wchar_t> names(32768);
  const DWORD length = GetPrivateProfileStringW(section, nullptr, L"", names.data(),
                                                static_cast<DWORD>(names.size()),
                                                fileName_.c_str());
  for (const wchar_t* name = names.data(); name < names.data() + length;
       name += wcslen(name) + 1) {
    if (SameName(name, key)) return true;
  }
  return false;
}

void TIniFile::WriteString(const wchar_t* section, const wchar_t* key,
                           const std::wstring& value) {
  if (!WritePrivateProfileStringW(section, key, value.c_str(), fileName_.c_str())) {
    throw Exception(Format(L"Unable to write to %s", fileName_));
  }
}

void TIniFile::WriteInteger(const wchar_t* section, const wchar_t* key, int value) {
  WriteString(section, key, std::to_wstring(value));
}

std::optional<std::wstring> StorableFolderPath(const std::wstring& folder) {
  if (ReadsBack(folder)) return folder;
  const std::wstring shortForm = PathThrough(GetShortPathNameW, folder);
  if (shortForm.empty() || !ReadsBack(shortForm)) return std::nullopt;
  return shortForm;
}

std::wstring ExpandedFolderPath(const std::wstring& stored) { return LongPath(stored); }
