// Where a label's text breaks into lines that fit its width, as Japanese text breaks: between
// any two Japanese characters and after spaces, never inside a word of Latin letters and
// digits, never before closing punctuation or a small kana, never after an opening bracket.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantor::preference {

// `text` with CR LF where each line of at most `width` ends (`measure` gives the width of a
// run of text). A word wider than a line is broken where the line is full; the spaces at a
// break are dropped.
std::wstring BreakLines(std::wstring_view text, int width, const std::function<int(std::wstring_view)>& measure);

}  // namespace vantor::preference
