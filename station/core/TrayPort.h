// The notification area: the published icon and the records that show it.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/Canvas.h"
#include "station/core/WindowPort.h"

namespace vantor {

enum class NotifyMode { Add = 0, Modify = 1, Delete = 2 };

// Flags of a notification-area record.
inline constexpr std::uint32_t kNifMessage = 0x1, kNifIcon = 0x2, kNifTip = 0x4, kNifInfo = 0x10;
// A balloon that cannot be shown at once (full screen, the user away, quiet time) is dropped,
// not queued to tell a percentage that is no longer true.
inline constexpr std::uint32_t kNifRealtime = 0x40;
inline constexpr std::uint32_t kNiifInfo = 0x1;
inline constexpr std::uint32_t kTrayCallbackMessage = 512;  // tray events arrive as mouse moves
inline constexpr std::uint32_t kTrayIconId = 1;

struct NotifyRecord {
  bool extended = false;          // the record that carries balloon texts
  WindowHandle window = 0;        // 0: the monitor's own tray window
  bool withIcon = true;           // the monitor's published icon, or no icon at all
  std::uint32_t id = kTrayIconId;
  std::uint32_t flags = kNifMessage | kNifIcon | kNifTip;
  std::uint32_t callbackMessage = kTrayCallbackMessage;
  std::wstring tip;               // cut to 63 (small) or 127 (extended) characters
  std::wstring info;              // balloon text, extended only
  std::wstring infoTitle;
  std::uint32_t timeout = 0;
  std::uint32_t infoFlags = 0;
};

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  // The size in pixels at which the shell shows the icon now: the small-icon size for the DPI
  // of the taskbar's monitor.
  virtual int IconSize() = 0;
  // Makes the published icon from a face drawn at that size, opaque; the previous one is
  // released.
  virtual bool PublishIcon(const Canvas& face) = 0;
  virtual bool NotifyIcon(NotifyMode mode, const NotifyRecord& record) = 0;
};

}  // namespace vantor
