#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

// What a screen reader is told about a control's window beyond what Windows
// knows of it. A role of 0 leaves the role, state and default action to the
// standard answer for the window's class; an empty name leaves the name.
struct TAccessibleFacts {
  long role = 0;
  std::wstring name;
  // The whole state (focused, focusable, checked, unavailable) when a role
  // is given.
  long state = 0;
  std::wstring defaultAction;
};

// The control behind an accessible object.
class TAccessibleSource {
 public:
  virtual TAccessibleFacts AccessibleFacts() const = 0;
  // Whether the default action can be done now: only where a user could
  // press the control (shown, and it and its parents enabled).
  virtual bool CanDoDefaultAction() const = 0;
  // Asks the control to do its default action once the current message is
  // handled: a screen reader waits for the answer, not for the action.
  virtual void PostDefaultAction() = 0;
  // The name of a child (1 for the first item) of a control that keeps its
  // items' names itself; nothing leaves the name to the standard answer.
  virtual std::optional<std::wstring> AccessibleChildName(long) const { return std::nullopt; }

 protected:
  ~TAccessibleSource() = default;
};

class TAccessibleObject;

// The accessible object of one window, made at the first request and handed
// to each screen reader that asks. It lives as long as a reader holds it;
// once the control is gone it answers that it is no longer connected.
class TAccessibleLink {
 public:
  TAccessibleLink(HWND window, TAccessibleSource& source);
  TAccessibleLink(const TAccessibleLink&) = delete;
  TAccessibleLink& operator=(const TAccessibleLink&) = delete;
  ~TAccessibleLink();

  // The answer to WM_GETOBJECT for the client area, or 0 when the object
  // cannot be had.
  LRESULT Answer(WPARAM wParam);

 private:
  HWND window_;
  TAccessibleSource& source_;
  TAccessibleObject* object_ = nullptr;
};
