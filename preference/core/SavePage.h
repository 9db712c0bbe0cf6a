// The save-watch page's rules and the folder texts of the save-watch and capture pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/Ports.h"

namespace vantor::preference {

inline constexpr std::int16_t kBakkinMin = 10;
inline constexpr std::int16_t kBakkinMax = 15;

// The scroll bar's position for `minutes`, and back: its upper arrow raises the minutes.
inline int BakkinBarPosition(int minutes) { return kBakkinMin + kBakkinMax - minutes; }

// The backing-off minutes the entry box asks for when it loses the focus: the whole text as
// one 16-bit number (rounded with ties to even) within 10 to 15, or nothing; then the stored
// minutes are put back.
std::optional<std::int16_t> BakkinOfText(std::wstring_view text);

// The watch switch after a click on its box: it follows the tick only while an agent folder
// is stored; without one the flag keeps its value.
inline bool SaveCheckAfterClick(bool ticked, bool current, const std::wstring& folder) {
  return folder.empty() ? current : ticked;
}

// `path` ending in a backslash.
std::wstring WithTrailingBackslash(const std::wstring& path);

// The agent's save file, whose presence makes a folder the agent's.
inline constexpr wchar_t kAgentSaveFile[] = L"tkcp.ud";

struct AgentFolder {
  std::wstring boxText;  // what the folder box shows: the path with a trailing backslash
  std::wstring stored;   // what the settings keep: no trailing backslash except at a drive root
};

// A folder chosen in the browser, or nothing when it holds no agent save file.
std::optional<AgentFolder> AcceptAgentFolder(const std::wstring& chosen, FilePort& files);

}  // namespace vantor::preference
