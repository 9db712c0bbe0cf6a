#include "preference/core/SavePage.h"

#include "common/core/Convert.h"

namespace vantor::preference {

std::optional<std::int16_t> BakkinOfText(std::wstring_view text) {
  try {
    const std::int16_t minutes = RoundToInt16(WholeNumber(text));
    if (minutes >= kBakkinMin && minutes <= kBakkinMax) return minutes;
  } catch (const ConversionError&) {
  }
  return std::nullopt;
}

std::wstring WithTrailingBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path;
  return path + L'\\';
}

std::optional<AgentFolder> AcceptAgentFolder(const std::wstring& chosen, FilePort& files) {
  AgentFolder folder{WithTrailingBackslash(chosen), chosen};
  // The browser returns a drive root as "C:\", any other folder without the backslash.
  const bool driveRoot = chosen.size() == 3 && chosen[1] == L':' && chosen[2] == L'\\';
  if (!driveRoot) {
    while (!folder.stored.empty() && folder.stored.back() == L'\\') folder.stored.pop_back();
  }
  if (!files.FileExists(folder.boxText + kAgentSaveFile)) return std::nullopt;
  return folder;
}

}  // namespace vantor::preference
