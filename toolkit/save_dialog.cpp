#include "toolkit/save_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "toolkit/interaction.h"
#include "toolkit/system_library.h"

bool TSaveDialog::Execute() { return Interaction().ExecuteSave(*this); }

bool TSaveDialog::RunSystemDialog() {
  std::wstring filter = Filter;
  for (auto& ch : filter) {
    if (ch == L'|') ch = L'\0';
  }
  filter.append(2, L'\0');
  std::vector<wchar_t> name(32768, L'\0');
  FileName.copy(name.data(), name.size() - 1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (Options & ofEnableSizing) ofn.Flags |= OFN_ENABLESIZING;
  if (Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  static const auto getSaveFileName =
      SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!getSaveFileName || !getSaveFileName(&ofn)) return false;
  FileName = name.data();
  FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}
