// The screen copy over user32, gdi32 and the imaging component.
#pragma once

#include "common/win/Windows.h"

#include <cstdint>
#include <optional>

#include "common/win/Handle.h"
#include "station/core/ScreenCopyPort.h"

namespace vantor {

class WinCapture : public ScreenCopyPort {
 public:
  WinCapture() = default;
  WinCapture(const WinCapture&) = delete;
  WinCapture& operator=(const WinCapture&) = delete;
  ~WinCapture() override { ClearPicture(); }

  std::optional<ScreenRect> WindowPixels(WindowHandle window) override;
  ScreenResolution Resolution() override;
  void CopyScreen(const ScreenRect& area) override;
  bool SavePicture(const std::wstring& path) override;
  void ClearPicture() override;

 private:
  // The off-screen picture: a 24-bit top-down section selected into a memory context.
  OwnedMemoryDc dc_;
  OwnedBitmap bitmap_;
  std::optional<Selected> selected_;
  std::uint8_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace vantor
