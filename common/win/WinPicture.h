// The user's bitmap file read into a picture, as both programs read it.
#pragma once

#include <optional>
#include <string>

#include "common/core/Canvas.h"

namespace vantor {

// The bitmap at `path`; nothing when it cannot be read.
std::optional<Picture> LoadBitmapPicture(const std::wstring& path);

}  // namespace vantor
