#pragma once

#include <string>
#include <string_view>

// A fresh folder under the temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
 public:
  explicit TempFolder(const wchar_t* prefix);
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L'\\' + name; }

 private:
  std::wstring path_;
};

// Writes the bytes as the whole file; raises an Exception when it cannot.
void WriteBytes(const std::wstring& path, std::string_view bytes);

// Makes a folder with the converter's four files, tarn.ini naming
// lastDirectory as the folder the tree starts on.
void MakeProgramFolder(const std::wstring& folder, const std::wstring& lastDirectory);

// Copies the stand-in converter and its runtime (tarn.exe, rtm.exe), built
// one folder above the benchmark programs, into the folder.
void CopyStandIn(const std::wstring& folder);

// The folder the running benchmark program lies in, without a trailing
// backslash.
std::wstring OwnFolder();

// A file the build made one folder above the benchmark programs, such as
// zh_tarn.exe.
std::wstring BuiltFile(const wchar_t* name);
