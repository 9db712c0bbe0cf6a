// The published icon and the notification area: a hidden window that owns the tray records
// and receives their events, and the icon made from the icon file's bytes.
#pragma once

#include "common/win/Windows.h"

#include <functional>
#include <optional>

#include "common/win/Handle.h"
#include "station/core/TrayPort.h"

namespace vantor {

class TrayIcon : public TrayPort {
 public:
  struct Events {
    std::function<void(int)> mouse;        // the tray's mouse message
    std::function<void()> taskbarCreated;  // the shell (re)started
  };

  explicit TrayIcon(HINSTANCE instance);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() override;

  void SetEvents(Events events) { events_ = std::move(events); }
  HWND Window() const { return hwnd_; }
  HICON Icon() const { return icon_.Get(); }

  int IconSize() override;
  bool PublishIcon(const Canvas& face) override;
  bool NotifyIcon(NotifyMode mode, const NotifyRecord& record) override;

 private:
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool Notify(NotifyMode mode, const NotifyRecord& record);

  HWND hwnd_ = nullptr;
  OwnedIcon icon_;
  UINT taskbarCreated_ = 0;
  Events events_;
  // The shell may not be ready at log-on: a failed first add of our own icon is retried.
  std::optional<NotifyRecord> pendingAdd_;
  int addRetries_ = 0;
};

}  // namespace vantor
