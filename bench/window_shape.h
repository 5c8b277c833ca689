#pragma once

#include <windows.h>

#include <string>
#include <vector>

// An item of a tree view or a tab control: its text, its depth in the tree
// (0 for a root or a tab), and how it shows.
struct ShapeItem {
  enum : unsigned { kButton = 1, kExpanded = 2, kSelected = 4 };
  std::wstring text;
  int depth = 0;
  unsigned state = 0;
};

// The shape of a window and its child windows: what a bare copy of it needs
// (class, styles, place, text, and if taken, the items a tree view or a tab
// control holds), kept in a file between two programs.
struct ShapeWindow {
  std::wstring className;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT bounds{};  // in the parent's client area; on the screen for the top window
  std::wstring text;
  size_t parent = 0;  // index of the parent; the top window is the first
  // A tree's indent, or a tab's width and height.
  SIZE itemSize{};
  std::vector<ShapeItem> items;
};

using WindowShape = std::vector<ShapeWindow>;

// The shape of a top window and of every window inside it, with the items
// of its tree views and tab controls, but for the parts a combo box makes
// of itself.
WindowShape TakeShape(HWND top);
// The same shape with its tree views and tab controls empty.
WindowShape WithoutItems(WindowShape shape);

void SaveShape(const WindowShape& shape, const std::wstring& path);
// An empty shape when the file cannot be read.
WindowShape LoadShape(const std::wstring& path);

// Makes the windows of the shape, bare: the top one of a plain class, the
// others of their own classes (a plain one standing in for the main
// window's own control class), with no fonts or handlers of their own. The
// top window is made hidden and returned.
HWND BuildBare(const WindowShape& shape);
