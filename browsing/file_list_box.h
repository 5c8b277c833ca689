#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/list_box.h"

// The files of one folder that match a mask, by their names as found on
// disk, case-insensitively sorted. Reading a folder also makes it the
// process's current directory. Starts on the current directory with the mask
// "*.*", empty.
//
// Setting the mask or the folder, or Update, makes a reading of the folder
// due; it is done once, however many were asked for, when the list's items
// are first used or when the message loop next runs, before any input or
// painting reaches the list.
class TFileListBox : public TListBox {
 public:
  TFileListBox(TComponent* owner, TControl* parent,
               const std::optional<TBounds>& bounds = std::nullopt);

  // Patterns separated by ';'; an empty mask lists nothing.
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
  // Every selected file so, in list order.
  std::vector<std::wstring> FileNames() const;

  // Reads the folder again.
  void Update();
  // Does the reading that is due, if one is.
  void ReadIfDue();

  // Asked at each reading whether the folder's subfolders are wanted too
  // (by the directory tree, which then need not read the folder itself);
  // the same listing then notes them and hands them to OnSubFolders.
  std::function<bool(const std::wstring& folder)> WantsSubFolders;
  std::function<void(const std::vector<std::wstring>& subFolders)> OnSubFolders;

 protected:
  TFileListBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
               DWORD extraStyle);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void ItemsNeeded() const override;

 private:
  void MakeDue();
  void Read();

  std::wstring mask_ = L"*.*";
  std::wstring directory_;
  bool due_ = false;
  bool posted_ = false;
};

// The visible model list: a file list with a flat one-pixel frame, in which
// several models may be selected.
class TRzFileListBox : public TFileListBox {
 public:
  TRzFileListBox(TComponent* owner, TControl* parent,
                 const std::optional<TBounds>& bounds = std::nullopt);
};
