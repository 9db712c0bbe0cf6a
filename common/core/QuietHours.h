// The quiet hours: a span of the day in which Vantor plays no sound.
#pragma once

#include <optional>
#include <string>

namespace vantor {

// A time of the day as "H:MM" or "HH:MM" (0:00 to 23:59, blanks around it allowed, full-width
// digits and colon too), as minutes after midnight; nothing for any other text.
std::optional<int> ParseClockTime(const std::wstring& text);

// "HH:MM" of minutes after midnight.
std::wstring ClockTimeText(int minutes);

// Whether `now` lies in the span that begins at `from` and ends just before `to` (all minutes
// after midnight). A span whose end comes before its beginning runs past midnight; equal
// times make an empty span.
bool InQuietSpan(int from, int to, int now);

}  // namespace vantor
