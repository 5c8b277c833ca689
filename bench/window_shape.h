#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The shape of a window and its child windows: what a bare copy of it needs
// (class, styles, place, text), kept in a file between two programs.
struct ShapeWindow {
  std::wstring className;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT bounds{};  // in the parent's client area; on the screen for the top window
  std::wstring text;
  size_t parent = 0;  // index of the parent; the top window is the first
};

using WindowShape = std::vector<ShapeWindow>;

// The shape of a top window and of every window inside it, but for the
// parts a combo box makes of itself.
WindowShape TakeShape(HWND top);

void SaveShape(const WindowShape& shape, const std::wstring& path);
// An empty shape when the file cannot be read.
WindowShape LoadShape(const std::wstring& path);

// Makes the windows of the shape, bare: the top one of a plain class, the
// others of their own classes (a plain one standing in for the main
// window's own control class), with no fonts or handlers of their own. The
// top window is made hidden and returned.
HWND BuildBare(const WindowShape& shape);
