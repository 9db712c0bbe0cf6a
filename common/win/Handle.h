// One owner for every kind of handle: not copyable, movable, closed exactly once; and the
// device contexts and chosen objects that are given back rather than closed.
#pragma once

#include "common/win/Windows.h"

#include <utility>

namespace vantor {

// Traits name the handle type, its "no handle" value and how it is closed.
template <typename Traits>
class Owned {
  using H = typename Traits::Handle;
  static H Invalid() { return Traits::Invalid(); }

 public:
  Owned() = default;
  explicit Owned(H handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Invalid());
    }
    return *this;
  }
  ~Owned() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  H Release() { return std::exchange(handle_, Invalid()); }
  void Reset(H handle = Invalid()) {
    if (handle_ != Invalid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
// CreateFile and CreateToolhelp32Snapshot report failure as INVALID_HANDLE_VALUE.
struct FileHandleTraits : KernelHandleTraits {
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
};
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindClose(h); }
};

// Pens, brushes, fonts and bitmaps.
template <typename T = HGDIOBJ>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};

// Device contexts of CreateCompatibleDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};
template <typename T>
struct ComTraits {
  using Handle = T*;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle p) { p->Release(); }
};

using OwnedHandle = Owned<KernelHandleTraits>;
using OwnedFile = Owned<FileHandleTraits>;
using OwnedFind = Owned<FindHandleTraits>;
using OwnedGdi = Owned<GdiObjectTraits<>>;
using OwnedBitmap = Owned<GdiObjectTraits<HBITMAP>>;
using OwnedMemoryDc = Owned<MemoryDcTraits>;
using OwnedIcon = Owned<IconTraits>;
template <typename T>
using ComPtr = Owned<ComTraits<T>>;

// Calls `create` with the address of a fresh interface pointer and takes ownership of what it
// returns; empty when the call failed.
template <typename T, typename Create>
ComPtr<T> ComCreate(Create&& create) {
  T* raw = nullptr;
  if (FAILED(create(&raw))) {
    if (raw) raw->Release();
    return ComPtr<T>();
  }
  return ComPtr<T>(raw);
}

// A window's device context, the screen's when no window is named, for as long as this lives.
class WindowDc {
 public:
  explicit WindowDc(HWND window = ::GetDesktopWindow()) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
using ScreenDc = WindowDc;

// `object` chosen into `dc` for as long as this lives; then the object it replaced is chosen
// again, so that the context's owner gets it back as it was and `object` may be deleted.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() {
    if (previous_) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vantor
