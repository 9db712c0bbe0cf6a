// The user's bitmap file read into a picture, as both programs read it.
#pragma once

#include <optional>
#include <string>

#include "common/core/PicturePort.h"

namespace vantor {

// The bitmap at `path`; nothing when it cannot be read.
std::optional<Picture> LoadBitmapPicture(const std::wstring& path);

// The picture port over the same reading.
class WinPictures : public PicturePort {
 public:
  std::optional<Picture> LoadPicture(const std::wstring& path) override { return LoadBitmapPicture(path); }
};

}  // namespace vantor
