#include "tests/support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

TempDir::TempDir() {
  static unsigned counter = 0;
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  for (;;) {
    path_ = std::wstring(base) + L"zh_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make a temp dir");
  }
}

namespace {

// Removes a folder and all it holds; given through the long-path prefix,
// whatever a test made beyond MAX_PATH goes too. A linked folder is
// unlinked, not emptied.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (find) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveTree(path);
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(path.c_str());
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find.Get(), &found));
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempDir::~TempDir() { RemoveTree(L"\\\\?\\" + path_); }

ProgramFolder::ProgramFolder() {
  for (const wchar_t* name : {L"tarn.exe", L"tarn.ini", L"rtm.exe", L"dictguid.txt"}) {
    WriteFileBytes(*this / name, "");
  }
}

std::wstring BuildFolder() {
  std::wstring folder = ModulePath();
  for (int up = 0; up < 3; ++up) folder.resize(folder.find_last_of(L'\\'));
  return folder;
}

std::wstring BuiltProgram() { return BuildFolder() + L"\\zh_tarn.exe"; }

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write a test file");
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FileLines(const std::wstring& path) {
  std::vector<std::string> lines;
  const std::string text = ReadFileBytes(path);
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

void PumpMessages() { Application().ProcessMessages(); }
