#include "toolkit/temp_files.h"

#include <iterator>

#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr std::wstring_view kPrefix = L"~zh";
constexpr std::wstring_view kSuffix = L".tmp";

// The digits' value, or false when they are none, hold something else or do
// not fit 32 bits.
bool ParseNumber(std::wstring_view digits, DWORD& value) {
  if (digits.empty() || digits.size() > 10) return false;
  unsigned long long number = 0;
  for (const wchar_t digit : digits) {
    if (digit < L'0' || digit > L'9') return false;
    number = number * 10 + static_cast<unsigned>(digit - L'0');
  }
  value = static_cast<DWORD>(number);
  return number <= MAXDWORD;
}

// The pid in a temporary file's name, or false when the name is not one.
bool WriterOf(std::wstring_view name, DWORD& processId) {
  if (name.size() <= kPrefix.size() + kSuffix.size() || name[0] != kPrefix[0] ||
      !SameName(name.substr(0, kPrefix.size()), kPrefix) ||
      !SameName(name.substr(name.size() - kSuffix.size()), kSuffix))
    return false;
  const std::wstring_view middle =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const size_t underscore = middle.find(L'_');
  DWORD number = 0;
  return underscore != std::wstring_view::npos &&
         ParseNumber(middle.substr(0, underscore), processId) &&
         ParseNumber(middle.substr(underscore + 1), number);
}

std::wstring ImageName(HANDLE process) {
  wchar_t path[MAX_PATH * 4];
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!QueryFullProcessImageNameW(process, 0, path, &size)) return {};
  return FileNameOf(std::wstring(path, size));
}

const std::wstring& OwnImageName() {
  static const std::wstring name = FileNameOf(ModulePath());
  return name;
}

// Whether a copy of this program may run as the process: it does, or it
// cannot be told.
bool MayBeOurs(DWORD processId) {
  if (processId == GetCurrentProcessId()) return true;
  const KernelHandle process(
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId));
  if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
  // A process that has ended lives on as long as someone holds it.
  if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) return false;
  const std::wstring image = ImageName(process.Get());
  return image.empty() || SameName(image, OwnImageName());
}

}  // namespace

std::wstring TempFileName(DWORD processId, unsigned number) {
  return std::wstring(kPrefix) + std::to_wstring(processId) + L'_' + std::to_wstring(number) +
         std::wstring(kSuffix);
}

bool IsLeftoverTempFile(std::wstring_view name) {
  DWORD processId = 0;
  return WriterOf(name, processId) && !MayBeOurs(processId);
}

bool RemoveIfLeftover(const std::wstring& folder, std::wstring_view name) {
  return IsLeftoverTempFile(name) &&
         DeleteFileW((folder + L"\\" + std::wstring(name)).c_str()) != FALSE;
}

void RemoveLeftoverTempFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern =
      folder + L"\\" + std::wstring(kPrefix) + L'*' + std::wstring(kSuffix);
  const FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0));
  if (!find) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      RemoveIfLeftover(folder, found.cFileName);
    }
  } while (FindNextFileW(find.Get(), &found));
}
