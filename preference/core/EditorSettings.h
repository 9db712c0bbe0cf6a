// Loading the settings into the editor: a hand-edited value that does not convert must not
// stop the window from opening, nor cost the other keys their values.
#pragma once

#include <string>
#include <vector>

#include "common/core/Ports.h"
#include "common/core/Settings.h"

namespace vantor::preference {

// Loads Vantor.ini of `folder` as the editor reads it. A value that does not convert takes
// its key's default and the load goes on with the next key. Returns the keys that fell back,
// each as "[section] key", in file order. Nothing is written.
std::vector<std::wstring> LoadEditorSettings(ProfilePort& profile, const std::wstring& folder,
                                             MainSettings& settings);

}  // namespace vantor::preference
