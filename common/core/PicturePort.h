// The user's pictures, as the platform reads bitmap files.
#pragma once

#include <optional>
#include <string>

#include "common/core/Canvas.h"

namespace vantor {

class PicturePort {
 public:
  virtual ~PicturePort() = default;
  // The bitmap at `path`; nothing when it cannot be read.
  virtual std::optional<Picture> LoadPicture(const std::wstring& path) = 0;
};

}  // namespace vantor
