#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "browsing/tree_scroll_bars.h"
#include "toolkit/control.h"

class TFileListBox;

// The folders of the fixed drives as a tree over the Windows tree view. A
// folder's subfolders are read only when it is expanded or selected (by the
// bound list's reading of it, when there is one); hidden
// and system folders are shown like any other, so every stored folder can be
// reached. Starts on the process's current directory.
class TRzDirectoryTree : public TControl {
 public:
  TRzDirectoryTree(TComponent* owner, TControl* parent,
                   const std::optional<TBounds>& bounds = std::nullopt);

  // The selected folder without a trailing backslash; a drive root as "C:".
  std::wstring Directory() const;
  // Selects a folder: an empty path changes nothing, a missing folder selects
  // its nearest existing parent, a drive or network share the tree does not
  // show changes nothing, and a drive that does not exist raises an Exception.
  void SetDirectory(const std::wstring& path);

  // The list that follows every selection change; its reading of a newly
  // selected folder gives the tree that folder's subfolders as well.
  void SetFileList(TFileListBox* list);
  // The indent of each level, drawn at 96 dpi.
  void SetIndent(int indent);

  // Before every selection move by mouse or keyboard.
  TNotifyEvent OnChanging;
  // When the user clicks the tree, after the click has moved the selection
  // and before the bound list follows it (see MouseDown).
  TNotifyEvent OnClick;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ColorChanged() override;
  void DpiChanged() override;

 private:
  HTREEITEM AddItem(HTREEITEM parent, const std::wstring& name);
  bool ChildrenRead(HTREEITEM item) const;
  bool ShowsButton(HTREEITEM item) const;
  void InvalidateRow(HTREEITEM item);
  void ReadChildren(HTREEITEM item);
  void SetChildren(HTREEITEM item, const std::vector<std::wstring>& names);
  HTREEITEM FindChild(HTREEITEM parent, const std::wstring& name);
  HTREEITEM ChildFolder(HTREEITEM parent, const std::wstring& name);
  HTREEITEM FindRoot(const std::wstring& drive);
  HTREEITEM DeepestExisting(HTREEITEM root, const std::wstring& rest);
  std::wstring ItemPath(HTREEITEM item) const;
  std::wstring ItemName(HTREEITEM item) const;
  void SelectionChanged(HTREEITEM left);
  // The selected item's subfolders come with the bound list's reading of
  // its folder; the tree reads them itself when the message loop next runs
  // if no reading has brought them by then.
  void AwaitChildren(HTREEITEM item);
  void ReadSelectedChildren();
  // Points the list at the selected folder unless it lists it already.
  void FollowSelection();
  LRESULT MouseDown(UINT msg, WPARAM wParam, LPARAM lParam);

  TFileListBox* fileList_ = nullptr;
  int indent_ = 0;
  bool clicked_ = false;
  bool inMouseDown_ = false;
  bool movedByClick_ = false;
  bool awaitPosted_ = false;
  TTreeScrollBars scrollBars_{Handle()};
};
