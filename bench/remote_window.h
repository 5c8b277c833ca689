#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Another process's windows, driven from outside as a user's mouse would
// drive them.

// The first shown child of the class whose style has all of the bits.
HWND ChildOfClass(HWND top, const wchar_t* className, DWORD style = 0);

// How many windows of the class the thread of the window has at the top
// level (tool tips, pop-ups).
int ThreadWindowsOfClass(HWND window, const wchar_t* className);

// The pointer moved to a point of a window's client area, as mouse input.
void SendPointerTo(HWND window, POINT point);

// A left click at a point of a window's client area, sent as mouse input:
// the pointer moves there, presses and releases.
void SendClick(HWND window, POINT point);

// Waits until the list holds count items and none of the windows waits to
// be painted, as seen right after the windows' thread has answered a message
// in its message loop. Raises an Exception after a minute.
void WaitUntilIdle(HWND list, int count, const std::vector<HWND>& windows);

// A tree view of another process, read through a page of that process's
// memory (a tree view's messages carry pointers).
class RemoteTree {
 public:
  RemoteTree(HANDLE process, HWND tree);
  RemoteTree(const RemoteTree&) = delete;
  RemoteTree& operator=(const RemoteTree&) = delete;
  ~RemoteTree();

  HWND Handle() const { return tree_; }
  HTREEITEM Selected() const;
  // The child of an item shown by its name, the item expanded; raises an
  // Exception when there is none.
  HTREEITEM Child(HTREEITEM parent, const std::wstring& name) const;
  // The middle of the item's text, scrolled into view.
  POINT ItemPoint(HTREEITEM item) const;

 private:
  std::wstring ItemText(HTREEITEM item) const;
  template <class T>
  void Put(const T& value, size_t offset = 0) const;
  template <class T>
  T Take(size_t offset = 0) const;

  HANDLE process_;
  HWND tree_;
  char* page_;
};
