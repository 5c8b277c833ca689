#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

// What a screen reader reads of a window's client area, through the object
// the window hands out. Each reading keeps the answer's code in Status().
class AccessibleClient {
 public:
  explicit AccessibleClient(HWND window);
  AccessibleClient(const AccessibleClient&) = delete;
  AccessibleClient& operator=(const AccessibleClient&) = delete;
  ~AccessibleClient();

  bool Found() const { return object_ != nullptr; }
  HRESULT Status() const { return status_; }

  long Role();
  std::wstring Name();
  // The name of a child: 1 for the first.
  std::wstring Name(long child);
  long State();
  std::wstring DefaultAction();
  HRESULT DoDefaultAction();

 private:
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*),
                    long child = CHILDID_SELF);
  long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, VARIANT*));

  IAccessible* object_ = nullptr;
  HRESULT status_ = S_OK;
};
