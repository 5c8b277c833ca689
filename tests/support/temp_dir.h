#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed with its contents when
// the object goes.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::wstring& Path() const { return path_; }
  // Path of a name inside the folder.
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// A fresh folder with the converter's four files, empty: a program folder
// the main window starts in without a missing files notice.
class ProgramFolder : public TempDir {
 public:
  ProgramFolder();
};

// The folder the built programs lie in, two levels above the test
// executables.
std::wstring BuildFolder();
// The built program, zh_tarn.exe, in that folder.
std::wstring BuiltProgram();

void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
// The file's lines, each ended by CR LF; none when it is missing.
std::vector<std::string> FileLines(const std::wstring& path);
// Lets pending window messages through.
void PumpMessages();
