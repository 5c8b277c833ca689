#include "bench/bench_files.h"

#include <windows.h>

#include <filesystem>

#include "toolkit/exception.h"
#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

TempFolder::TempFolder(const wchar_t* prefix) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  path_ = std::wstring(base) + prefix + std::to_wstring(GetCurrentProcessId());
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::wstring& path, std::string_view bytes) {
  const KernelHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                          nullptr) ||
      written != bytes.size())
    throw Exception(L"Cannot write " + path + L": " + LastErrorText());
}

void MakeProgramFolder(const std::wstring& folder, const std::wstring& lastDirectory) {
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const wchar_t* name : {L"tarn.exe", L"rtm.exe", L"dictguid.txt"}) {
    WriteBytes(folder + L'\\' + name, "");
  }
  const std::wstring ini = folder + L"\\tarn.ini";
  WriteBytes(ini, "[ZH_TARN]\r\nDosTimeout=5\r\n");
  WritePrivateProfileStringW(L"ZH_TARN", L"Last_Directory", lastDirectory.c_str(), ini.c_str());
}

void CopyStandIn(const std::wstring& folder) {
  for (const wchar_t* name : {L"tarn.exe", L"rtm.exe"}) {
    const std::wstring from = BuiltFile(name);
    if (!CopyFileW(from.c_str(), (folder + L'\\' + name).c_str(), FALSE))
      throw Exception(L"Cannot copy " + from + L": " + LastErrorText());
  }
}

std::wstring OwnFolder() {
  const std::wstring own = ModulePath();
  return own.substr(0, own.find_last_of(L'\\'));
}

std::wstring BuiltFile(const wchar_t* name) {
  const std::wstring own = OwnFolder();
  return own.substr(0, own.find_last_of(L'\\')) + L'\\' + name;
}
