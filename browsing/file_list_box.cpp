#include "browsing/file_list_box.h"

#include "browsing/folder_listing.h"

#include <utility>

TFileListBox::TFileListBox(TComponent* owner, TControl* parent)
    : TFileListBox(owner, parent, 0) {}

TFileListBox::TFileListBox(TComponent* owner, TControl* parent, DWORD extraStyle)
    : TListBox(owner, parent, extraStyle), directory_(CurrentFolder()) {}

void TFileListBox::SetMask(const std::wstring& mask) {
  mask_ = mask;
  Update();
}

void TFileListBox::SetDirectory(const std::wstring& folder) {
  directory_ = TrimFolder(folder);
  EnterFolder(directory_);
  Update();
}

void TFileListBox::SetFileName(const std::wstring& path) {
  const std::wstring trimmed = TrimFolder(path);
  if (FolderExists(trimmed)) {
    SetDirectory(trimmed);
    return;
  }
  const size_t slash = trimmed.find_last_of(L'\\');
  if (slash == std::wstring::npos) return;
  SetDirectory(trimmed.substr(0, slash));
  SetItemIndex(IndexOf(trimmed.substr(slash + 1)));
}

std::wstring TFileListBox::FileName() const {
  const int index = ItemIndex();
  return index < 0 ? L"" : directory_ + L"\\" + Item(index);
}

void TFileListBox::Update() {
  if (!noting_) {
    SetItems(MatchingFileNames(directory_, SplitMask(mask_)));
    return;
  }
  std::vector<std::wstring> folders;
  SetItems(MatchingFileNames(directory_, SplitMask(mask_), &folders));
  noted_ = std::move(folders);
}

void TFileListBox::BeginNotingSubFolders() {
  noting_ = true;
  noted_.reset();
}

std::optional<std::vector<std::wstring>> TFileListBox::EndNotingSubFolders() {
  noting_ = false;
  return std::exchange(noted_, std::nullopt);
}

TRzFileListBox::TRzFileListBox(TComponent* owner, TControl* parent)
    : TFileListBox(owner, parent, WS_BORDER) {
  SetBorder(false);
}
