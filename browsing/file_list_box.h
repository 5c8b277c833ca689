#pragma once

#include <optional>
#include <string>
#include <vector>

#include "toolkit/list_box.h"

// The files of one folder that match a mask, by their names as found on
// disk, case-insensitively sorted. Reading a folder also makes it the
// process's current directory. Starts on the current directory with the mask
// "*.*", empty: it is read when its mask or folder is set, or on Update.
class TFileListBox : public TListBox {
 public:
  TFileListBox(TComponent* owner, TControl* parent);

  // Patterns separated by ';'; an empty mask lists nothing. Setting it
  // re-reads the folder.
  const std::wstring& Mask() const { return mask_; }
  void SetMask(const std::wstring& mask);

  // The folder listed, without a trailing backslash ("C:" for a root).
  const std::wstring& Directory() const { return directory_; }
  void SetDirectory(const std::wstring& folder);

  // A folder path lists that folder; a file path lists its folder and
  // selects the file when it is listed.
  void SetFileName(const std::wstring& path);
  // The selected file as folder, backslash and name; empty when none is.
  std::wstring FileName() const;

  // Reads the folder again.
  void Update();

  // Between these, each reading also notes the folder's subfolders, for the
  // directory tree, which then need not read the folder itself. The end
  // gives those of the last reading, sorted, or nothing when there was none.
  void BeginNotingSubFolders();
  std::optional<std::vector<std::wstring>> EndNotingSubFolders();

 protected:
  TFileListBox(TComponent* owner, TControl* parent, DWORD extraStyle);

 private:
  std::wstring mask_ = L"*.*";
  std::wstring directory_;
  bool noting_ = false;
  std::optional<std::vector<std::wstring>> noted_;
};

// The visible model list: a file list with a flat one-pixel frame.
class TRzFileListBox : public TFileListBox {
 public:
  TRzFileListBox(TComponent* owner, TControl* parent);
};
