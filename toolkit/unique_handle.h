#pragma once

#include <windows.h>

#include <utility>

// Owns one Windows handle and releases it with Closer when it goes. The
// invalid-handle value some functions return is kept as empty.
template <class H, class Closer>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(Normal(handle)) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) Closer{}(handle_);
    handle_ = Normal(handle);
  }

 private:
  static H Normal(H handle) {
    return reinterpret_cast<HANDLE>(handle) == INVALID_HANDLE_VALUE ? nullptr : handle;
  }

  H handle_ = nullptr;
};

struct GdiCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

struct KernelCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};

struct WindowCloser {
  void operator()(HWND window) const { DestroyWindow(window); }
};

struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// A GDI object (pen, brush, font, bitmap).
template <class H>
using GdiObject = UniqueHandle<H, GdiCloser>;

// A kernel handle (file, process, thread, job).
using KernelHandle = UniqueHandle<HANDLE, KernelCloser>;

// An icon loaded at a size of the program's choosing.
using IconHandle = UniqueHandle<HICON, IconCloser>;

// A search of a folder's entries (FindFirstFile).
using FindHandle = UniqueHandle<HANDLE, FindCloser>;

// A window of the program's own that no control object wraps (a tool tip,
// a message-only window).
using WindowHandle = UniqueHandle<HWND, WindowCloser>;
