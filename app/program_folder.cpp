#include "app/program_folder.h"

#include "toolkit/file_names.h"

namespace {

bool HoldsConverter(const std::wstring& folder) { return IsFile(folder + L"\\tarn.exe"); }

}  // namespace

std::wstring ChooseProgramFolder(const std::wstring& current, const std::wstring& ownFolder) {
  if (!HoldsConverter(current) && !ownFolder.empty() && HoldsConverter(ownFolder)) return ownFolder;
  return current;
}

std::wstring ExecutableFolder() {
  const std::wstring path = ModulePath();
  if (path.empty()) return L"";
  // A drive's root keeps its backslash: "C:" alone is that drive's current
  // directory.
  const std::wstring folder = FolderOf(path);
  return folder.size() == 2 && folder[1] == L':' ? folder + L"\\" : folder;
}
