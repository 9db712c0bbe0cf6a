// The capture port over user32, gdi32 and the imaging component.
#pragma once

#include "common/win/Windows.h"

#include <cstdint>
#include <optional>

#include "station/core/CapturePort.h"
#include "common/win/Handle.h"

namespace vantor {

class WinCapture : public CapturePort {
 public:
  WinCapture() = default;
  WinCapture(const WinCapture&) = delete;
  WinCapture& operator=(const WinCapture&) = delete;
  ~WinCapture() override { ClearPicture(); }

  void ShowWindow(WindowHandle window, ShowCommand command) override;
  void SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) override;
  void SizeWindow(WindowHandle window, int width, int height) override;
  bool Answers(WindowHandle window) override;
  void Sleep(int milliseconds) override;
  void DoEvents() override;
  ScreenPoint GetCursorPos() override;
  void SetCursorPos(ScreenPoint point) override;
  void MouseEvent(MouseAction action) override;
  std::optional<ScreenRect> WindowPixels(WindowHandle window) override;
  ScreenResolution Resolution() override;
  void CopyScreen(const ScreenRect& area) override;
  bool SavePicture(const std::wstring& path) override;
  void ClearPicture() override;
  LocalTime Now() override;

 private:
  // The off-screen picture: a 24-bit top-down section selected into a memory context.
  OwnedMemoryDc dc_;
  OwnedBitmap bitmap_;
  std::optional<Selected> selected_;
  std::uint8_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace vantor
