// One list of percentages as the sound and capture pages edit it: entries in the order they
// were added, no duplicates, at most 101, kept in the text form that Vantor.ini stores.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::preference {

class PercentList {
 public:
  // The list of a stored text; hand-edited texts (no ";", more than 101 entries, stray
  // text) load without error and keep at most 101 entries.
  explicit PercentList(std::wstring_view stored = L";,");

  // Adds the number at the start of `entry` (0 when there is none), rounded with ties to
  // even. Nothing is added when it is already listed, when the list is full, or when it
  // does not fit a signed 16-bit number or is the end marker 999.
  void Add(std::wstring_view entry);
  void Clear() { entries_.clear(); }

  // "20,10,;,", or ";," for the empty list; always terminated.
  std::wstring Text() const;
  // What the read-out shows: the text form up to, not including, its last ";".
  std::wstring ReadOut() const;
  const std::vector<std::int16_t>& Entries() const { return entries_; }

 private:
  std::vector<std::int16_t> entries_;
};

// The slider position an entry box asks for: its leading number rounded with ties to even,
// or nothing when that lies outside 0 to 100 (the slider then stays where it is).
std::optional<int> SliderValueOfEntry(std::wstring_view text);

}  // namespace vantor::preference
