// One owner for every kind of handle: not copyable, movable, closed exactly once.
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

using OwnedHandle = Owned<KernelHandleTraits>;
using OwnedFile = Owned<FileHandleTraits>;
using OwnedFind = Owned<FindHandleTraits>;
using OwnedGdi = Owned<GdiObjectTraits<>>;

}  // namespace vantor
