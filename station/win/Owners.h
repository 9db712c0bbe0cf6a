// Owners of the GDI objects and COM interfaces of the captures.
#pragma once

#include "common/win/Handle.h"

namespace vantor {

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
template <typename T>
struct ComTraits {
  using Handle = T*;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle p) { p->Release(); }
};

using OwnedBitmap = Owned<GdiObjectTraits<HBITMAP>>;
using OwnedMemoryDc = Owned<MemoryDcTraits>;
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

}  // namespace vantor
